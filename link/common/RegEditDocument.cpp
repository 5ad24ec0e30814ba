#include "RegEditDocument.h"

#include "RegistryValue.h"
#include "TextLines.h"

#include <cstdio>

namespace {

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

using TextLines::TrimBlanks;

// "Software\Kestrom\" and "\Software\Kestrom" name the same key.
std::string_view NormalKeyPath(std::string_view path) {
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return path;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\n':
            quoted += "\\n";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

// Reads a quoted text at the start of rest and removes it from rest.
bool TakeQuoted(std::string_view& rest, std::string& text) {
    if (rest.empty() || rest.front() != '"')
        return false;
    text.clear();
    for (std::size_t i = 1; i < rest.size(); ++i) {
        char c = rest[i];
        if (c == '"') {
            rest.remove_prefix(i + 1);
            return true;
        }
        if (c == '\\' && i + 1 < rest.size()) {
            c = rest[++i];
            if (c == 'r')
                c = '\r';
            else if (c == 'n')
                c = '\n';
        }
        text += c;
    }
    return false;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ParseHexBytes(std::string_view text, std::string& bytes) {
    bytes.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == ','))
            ++i;
        if (i == text.size())
            break;
        if (i + 1 >= text.size() || HexDigit(text[i]) < 0 || HexDigit(text[i + 1]) < 0)
            return false;
        bytes += static_cast<char>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1]));
        i += 2;
    }
    return true;
}

bool ParseData(std::string_view text, RegEditDocument::Value& value) {
    if (!text.empty() && text.front() == '"') {
        value.type = RegistryValue::String;
        return TakeQuoted(text, value.data) && TrimBlanks(text).empty();
    }
    if (text.substr(0, 6) == "dword:") {
        const std::string_view digits = text.substr(6);
        if (digits.empty() || digits.size() > 8)
            return false;
        std::uint32_t number = 0;
        for (char c : digits) {
            if (HexDigit(c) < 0)
                return false;
            number = number * 16 + static_cast<std::uint32_t>(HexDigit(c));
        }
        value.type = RegistryValue::DWord;
        value.data = RegistryValue::DWordBytes(static_cast<std::int32_t>(number));
        return true;
    }
    if (text.substr(0, 4) == "hex:") {
        value.type = RegistryValue::Binary;
        return ParseHexBytes(text.substr(4), value.data);
    }
    if (text.substr(0, 4) == "hex(") {
        const std::size_t close = text.find("):");
        if (close == std::string_view::npos || close == 4)
            return false;
        std::uint32_t type = 0;
        for (char c : text.substr(4, close - 4)) {
            if (HexDigit(c) < 0)
                return false;
            type = type * 16 + static_cast<std::uint32_t>(HexDigit(c));
        }
        value.type = type;
        return ParseHexBytes(text.substr(close + 2), value.data);
    }
    return false;
}

bool ParseValueLine(std::string_view line, RegEditDocument::Value& value) {
    std::string_view rest = line;
    if (!rest.empty() && rest.front() == '@') {
        value.name.clear();
        rest.remove_prefix(1);
    } else if (!TakeQuoted(rest, value.name)) {
        return false;
    }
    rest = TrimBlanks(rest);
    if (rest.empty() || rest.front() != '=')
        return false;
    return ParseData(TrimBlanks(rest.substr(1)), value);
}

std::string DataText(const RegEditDocument::Value& value) {
    if (value.type == RegistryValue::String)
        return Quoted(value.data);
    if (value.type == RegistryValue::DWord && value.data.size() == 4) {
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x",
                      static_cast<unsigned>(*RegistryValue::AsLong(value.type, value.data)));
        return text;
    }
    char prefix[24] = "hex:";
    if (value.type != RegistryValue::Binary)
        std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
    std::string text = prefix;
    static const char digits[] = "0123456789abcdef";
    for (std::size_t i = 0; i < value.data.size(); ++i) {
        const auto byte = static_cast<unsigned char>(value.data[i]);
        if (i > 0)
            text += ',';
        text += digits[byte >> 4];
        text += digits[byte & 0xF];
    }
    return text;
}

} // namespace

RegEditDocument RegEditDocument::Parse(std::string_view text) {
    RegEditDocument document;
    Key* current = nullptr;
    std::string line;
    TextLines::ForEachLine(text, [&](std::string_view piece) {
        // A "\" at the end continues a long hex value on the next line.
        line += TrimBlanks(piece);
        if (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos) {
            line.pop_back();
            return;
        }
        const std::string_view whole = line;
        if (whole.size() >= 2 && whole.front() == '[' && whole.back() == ']') {
            std::string_view path = whole.substr(1, whole.size() - 2);
            const std::size_t rootEnd = path.find('\\');
            path = rootEnd == std::string_view::npos ? std::string_view{} : path.substr(rootEnd);
            path = NormalKeyPath(path);
            current = nullptr;
            for (auto& key : document.keys_)
                if (SameName(key.path, path))
                    current = &key;
            if (!current) {
                document.keys_.push_back(Key{std::string(path), {}});
                current = &document.keys_.back();
            }
        } else if (current) {
            Value value;
            if (ParseValueLine(whole, value))
                document.Set(current->path, std::move(value)); // adds no key: current stays
        }
        line.clear();
    });
    return document;
}

std::string RegEditDocument::Text(std::string_view rootName) const {
    std::string text = "REGEDIT4\r\n";
    for (const auto& key : keys_) {
        text += "\r\n[" + std::string(rootName) + "\\" + key.path + "]\r\n";
        for (const auto& value : key.values)
            text += (value.name.empty() ? std::string("@") : Quoted(value.name)) + "=" +
                    DataText(value) + "\r\n";
    }
    return text;
}

const RegEditDocument::Key* RegEditDocument::FindKey(std::string_view keyPath) const {
    keyPath = NormalKeyPath(keyPath);
    for (const auto& key : keys_)
        if (SameName(key.path, keyPath))
            return &key;
    return nullptr;
}

RegEditDocument::Key* RegEditDocument::FindKey(std::string_view keyPath) {
    keyPath = NormalKeyPath(keyPath);
    for (auto& key : keys_)
        if (SameName(key.path, keyPath))
            return &key;
    return nullptr;
}

bool RegEditDocument::HasKey(std::string_view keyPath) const {
    return FindKey(keyPath) != nullptr;
}

const RegEditDocument::Value* RegEditDocument::Find(std::string_view keyPath,
                                                    std::string_view valueName) const {
    const Key* key = FindKey(keyPath);
    if (!key)
        return nullptr;
    for (const auto& value : key->values)
        if (SameName(value.name, valueName))
            return &value;
    return nullptr;
}

void RegEditDocument::Set(std::string_view keyPath, Value value) {
    Key* key = FindKey(keyPath);
    if (!key) {
        keys_.push_back(Key{std::string(NormalKeyPath(keyPath)), {}});
        key = &keys_.back();
    }
    for (auto& existing : key->values) {
        if (SameName(existing.name, value.name)) {
            existing.type = value.type;
            existing.data = std::move(value.data);
            return;
        }
    }
    key->values.push_back(std::move(value));
}
