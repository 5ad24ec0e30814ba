#pragma once

#include "../common/TestFiles.h"
#include "adis/AdisText.h"
#include "adis/clsAdisDataFile.h"
#include "adis/clsMessages.h"
#include "adis/modADIS.h"
#include "common/CommandLineMode.h"
#include "common/TextEncoding.h"
#include "dictionary/clsAdisDataDict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// A small dictionary: event 055021 keyed by 900080 (text 16) with a date
// 900070 and a number 900054 (length 4, one decimal); 50151 is on the
// not-supported list; event 990002 has no key items.
inline std::shared_ptr<clsAdisDataDict> SmallDictionary() {
    auto dict = std::make_shared<clsAdisDataDict>();
    dict->Version = "2000";
    dict->NationalVersion = "";
    dict->ManufacturerVersion = "ZIRAZ22";
    dict->AddEventKeyDDNo(55021, {900080});
    dict->AddEventItem(55021, nullptr, 900080, 3, 16, 0);
    dict->AddEventItem(55021, nullptr, 900070, 1, 8, 0);
    dict->AddEventItem(55021, nullptr, 900054, 0, 4, 1);
    dict->AddItem(50151, 3, 10, 0);
    dict->AddNotSupportedItem(50151);
    dict->AddEventItem(990002, nullptr, 900080, 3, 16, 0);
    return dict;
}

// The UTF-8 lines in windows-1252, each followed by the line end.
inline std::string Cp1252Lines(std::initializer_list<std::string> lines,
                               const std::string& lineEnd = "\r\n") {
    std::string bytes;
    for (const auto& line : lines)
        bytes.append(TextEncoding::Utf8ToCp1252(line)).append(lineEnd);
    return bytes;
}

inline std::string WriteLines(const TempDir& dir, const std::string& name,
                              std::initializer_list<std::string> lines,
                              const std::string& lineEnd = "\r\n") {
    const std::string path = dir.File(name);
    WriteFileBytesAtomic(path, Cp1252Lines(lines, lineEnd));
    return path;
}

// Sets the command-line role for the lifetime of the object.
class CommandLineRole {
public:
    explicit CommandLineRole(bool on = true) : old_(modCommon::CommandLineMode()) {
        modCommon::SetCommandLineMode(on);
    }
    ~CommandLineRole() { modCommon::SetCommandLineMode(old_); }
    CommandLineRole(const CommandLineRole&) = delete;
    CommandLineRole& operator=(const CommandLineRole&) = delete;

private:
    bool old_;
};

// Header lines as the tests use them: version "0002000 " and a sender with
// trailing blanks.
inline const std::string HeaderDef = "DH990001000000000800090000208000900006240";
inline const std::string HeaderValues = "VH990001DD      0002000 Test Sender Co          ";
// Definition of event 055021 with its three items, and value lines for it.
inline const std::string Def55021 = "DN055021009000801600090007008000900054041";
inline std::string Value55021(const std::string& animal, const std::string& date = "20240131",
                              const std::string& yield = "  12") {
    return "VN055021" + AdisText::PadRight(animal, 16) + date + yield;
}

// Values of a line, in this order, for lines built in code.
inline clsAdisItemValues ValuesOf(std::initializer_list<std::pair<std::int32_t, AdisValue>> pairs) {
    clsAdisItemValues values;
    for (const auto& [ddNo, value] : pairs)
        values.AddItem(ddNo, value);
    return values;
}

inline std::vector<std::string> Messages(const clsMessages& messages) {
    return {messages.begin(), messages.end()};
}

// The lines of a written file from `from` on; every line must end CR LF.
inline std::vector<std::string> FileLines(const std::string& path, const std::string& from = "") {
    const std::string bytes = FileBytes(path);
    std::vector<std::string> lines;
    std::size_t start = from.empty() ? 0 : bytes.find(from + "\r\n");
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    EXPECT_EQ(start, bytes.size()) << "every line ends CR LF";
    return lines;
}

// Reads the file's bytes with the dictionary and writes them again: the
// written text from the first "TN" on.
inline std::string RewrittenBody(const std::string& bytes,
                                 std::shared_ptr<clsAdisDataDict> dict = SmallDictionary()) {
    TempDir dir;
    WriteFileBytesAtomic(dir.File("in.dat"), bytes);
    clsAdisDataFile file;
    clsMessages messages;
    EXPECT_TRUE(file.Read(dir.File("in.dat"), messages, std::move(dict), nullptr, false, false));
    EXPECT_TRUE(file.WriteData(nullptr, dir.File("out.dat")));
    const std::string written = FileBytes(dir.File("out.dat"));
    return written.substr(std::min(written.find("TN\r\n"), written.size()));
}
