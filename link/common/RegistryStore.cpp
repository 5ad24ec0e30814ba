#include "RegistryStore.h"

#include "Platform.h"
#include "RegEditDocument.h"
#include "RegistryValue.h"
#include "TextEncoding.h"
#include "TextStream.h"

namespace {

std::string_view RootName(modUtils::RegRoot root) {
    return root == modUtils::RegRoot::LocalMachine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

// A missing file is an empty store; an unreadable one gives nothing.
std::optional<RegEditDocument> LoadDocument(const std::string& file) {
    std::string bytes;
    if (!ReadFileBytes(file, bytes)) {
        std::error_code ec;
        if (std::filesystem::exists(Platform::PathFromUtf8(file), ec) || ec)
            return std::nullopt;
        return RegEditDocument{};
    }
    return RegEditDocument::Parse(TextEncoding::Cp1252ToUtf8(bytes));
}

} // namespace

RegistryStore::RegistryStore(std::string localMachineFile, std::string currentUserFile,
                             WritableCheck writable)
    : localMachineFile_(std::move(localMachineFile)), currentUserFile_(std::move(currentUserFile)),
      writable_(writable ? std::move(writable) : WritableCheck(Platform::IsWritable)) {}

const std::string& RegistryStore::FileOf(modUtils::RegRoot root) const {
    return root == modUtils::RegRoot::LocalMachine ? localMachineFile_ : currentUserFile_;
}

std::optional<RegistryStore::Value> RegistryStore::Read(modUtils::RegRoot root,
                                                        std::string_view key,
                                                        std::string_view valueName,
                                                        bool fullAccess) const {
    const std::string& file = FileOf(root);
    if (file.empty() || (fullAccess && !writable_(file)))
        return std::nullopt;
    // Writers replace the file in one step, so reading needs no lock.
    const auto document = LoadDocument(file);
    if (!document)
        return std::nullopt;
    const auto* value = document->Find(key, valueName);
    if (!value)
        return std::nullopt;
    return Value{value->type, value->data};
}

bool RegistryStore::Write(modUtils::RegRoot root, std::string_view key, std::string_view valueName,
                          const Value& value) const {
    const std::string& file = FileOf(root);
    if (file.empty() || !writable_(file))
        return false;
    std::error_code ec;
    std::filesystem::create_directories(Platform::PathFromUtf8(file).parent_path(), ec);
    Platform::FileLock lock(file + ".lock");
    if (!lock.Locked())
        return false;
    auto document = LoadDocument(file);
    if (!document)
        return false;
    document->Set(key, RegEditDocument::Value{std::string(valueName), value.type, value.data});
    return WriteFileBytesAtomic(file, TextEncoding::Utf8ToCp1252(document->Text(RootName(root))));
}

bool RegistryStore::ReadString(std::string& out, modUtils::RegRoot root, std::string_view key,
                               std::string_view valueName) const {
    const auto value = Read(root, key, valueName, false);
    if (!value)
        return false;
    const auto text = RegistryValue::AsText(value->type, value->data);
    if (!text)
        return false;
    out = *text;
    return true;
}

bool RegistryStore::WriteString(std::string_view text, modUtils::RegRoot root, std::string_view key,
                                std::string_view valueName) const {
    // A stored string ends at its first NUL character.
    return Write(root, key, valueName,
                 Value{RegistryValue::String, std::string(text.substr(0, text.find('\0')))});
}

bool RegistryStore::ReadLong(std::int32_t& out, modUtils::RegRoot root, std::string_view key,
                             std::string_view valueName) const {
    const auto value = Read(root, key, valueName, true);
    if (!value)
        return false;
    const auto number = RegistryValue::AsLong(value->type, value->data);
    if (!number)
        return false;
    out = *number;
    return true;
}

bool RegistryStore::WriteLong(std::int32_t value, modUtils::RegRoot root, std::string_view key,
                              std::string_view valueName) const {
    return Write(root, key, valueName,
                 Value{RegistryValue::DWord, RegistryValue::DWordBytes(value)});
}
