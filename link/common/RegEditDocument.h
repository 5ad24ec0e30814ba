#pragma once

// The content of one REGEDIT4 file held in memory: keys in file order, each with
// its values in order. Text is UTF-8 here; the file is windows-1252.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class RegEditDocument {
public:
    struct Value {
        std::string name; // empty for the key's default value ("@")
        std::uint32_t type = 0;
        std::string data;
    };
    struct Key {
        std::string path; // below the root, "Software\Kestrom\Vantor Link SE"
        std::vector<Value> values;
    };

    // Parses the file text; lines it does not understand are skipped.
    static RegEditDocument Parse(std::string_view text);
    // The file text with every key under the named root ("HKEY_CURRENT_USER").
    std::string Text(std::string_view rootName) const;

    // Names match without regard to case.
    const Value* Find(std::string_view keyPath, std::string_view valueName) const;
    bool HasKey(std::string_view keyPath) const;
    void Set(std::string_view keyPath, Value value);

    const std::vector<Key>& Keys() const { return keys_; }

private:
    const Key* FindKey(std::string_view keyPath) const;
    Key* FindKey(std::string_view keyPath);
    std::vector<Key> keys_;
};
