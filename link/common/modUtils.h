#pragma once

// Small procedures shared by the whole link program: argument splitting, text
// formatting and padding, registry and profile access, files and processes,
// dates and version texts. None of them talks to the user.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace modUtils {

// ---- Text and arguments -------------------------------------------------------

// Splits a command-line text at "/" and "-" (see the implementation for the exact
// rules). args receives elements 0..count, element 0 empty. An empty command line
// means the program's own command line as given to SetProgramCommandLine.
long SplitArgs(std::vector<std::string>& args, std::string_view commandLine);
void SetProgramCommandLine(std::string commandLine);

// Replaces each "%x" from the left by the next value; stops when the values are
// used up; values left over are ignored.
std::string FormatStrList(std::string_view templ, const std::vector<std::string>& values);
template <class... Values> std::string FormatStr(std::string_view templ, const Values&... values);

// Widths count characters, not UTF-8 bytes. A longer text is cut to n characters.
std::string PadLeftTo(std::string_view text, long n);
std::string PadRightTo(std::string_view text, long n);
std::string ZeroPadTo(std::string_view text, long n);

// Appends the platform's path separator unless the path is empty or already ends
// with a separator.
std::string AddBackslash(std::string_view path);
extern const char PathSeparator;

// Pieces of the text between delimiters (a leading delimiter is skipped, a
// trailing one opens no empty piece); options: upper-case the text first, trim
// each piece, drop empty pieces. Returns the number of pieces kept.
long SplitToCollection(std::string_view text, std::vector<std::string>& pieces,
                       std::string_view delimiter, bool upperCase = false, bool trim = false,
                       bool removeEmpty = false);

// ---- Registry -----------------------------------------------------------------

enum class RegRoot { LocalMachine, CurrentUser };

bool RegReadString(std::string& out, RegRoot root, std::string_view key,
                   std::string_view valueName);
bool RegWriteString(std::string_view text, RegRoot root, std::string_view key,
                    std::string_view valueName);
bool RegReadLong(std::int32_t& out, RegRoot root, std::string_view key, std::string_view valueName);
bool RegWriteLong(std::int32_t value, RegRoot root, std::string_view key,
                  std::string_view valueName);
bool RegReadBool(bool& out, RegRoot root, std::string_view key, std::string_view valueName);

// Where the current user's values are kept: outside Windows the store file, on
// Windows the empty text (the system's registry). Processes that see the same
// location share their per-user values.
std::string UserRegistryLocation();

// ---- Profile files (sectioned key=value files, windows-1252, CR LF) -------------

bool ReadProfileString(std::string& out, std::string_view section, std::string_view key,
                       std::string_view defaultValue, const std::string& file);
std::int32_t ReadProfileInt(std::string_view section, std::string_view key,
                            std::int32_t defaultValue, const std::string& file);
bool ReadProfileBool(std::string_view section, std::string_view key, bool defaultValue,
                     const std::string& file);
bool WriteProfileString(std::string_view text, std::string_view section, std::string_view key,
                        const std::string& file);
bool WriteProfileInt(std::int32_t value, std::string_view section, std::string_view key,
                     const std::string& file);
bool WriteProfileBool(bool value, std::string_view section, std::string_view key,
                      const std::string& file);
bool DeleteProfileKey(std::string_view section, std::string_view key, const std::string& file);
bool DeleteProfileSection(std::string_view section, const std::string& file);

// ---- Files and processes --------------------------------------------------------

bool FileExists(const std::string& path);
void DeleteFileQuiet(const std::string& path);
// Replaces `to` with a byte-for-byte copy of `from`, written whole before it
// takes the target's name; false when `from` cannot be read or `to` written.
bool CopyFileReplacing(const std::string& from, const std::string& to);

// Called between the waits of RunProgramAndWait (the window passes its event pump).
using EventPump = std::function<void()>;

// The program path and its arguments as separate strings; never through a shell.
// Returns the exit code read right after the start (the still-active code 259
// while the program runs), -1 when it could not be started.
std::int32_t RunProgram(const std::vector<std::string>& argv, int showMode = 1,
                        int creationFlags = 0);
// Waits in steps of pollMs, calling pump between steps; returns the exit code, -1
// when the program could not be started.
std::int32_t RunProgramAndWait(const std::vector<std::string>& argv, int pollMs,
                               const EventPump& pump = {}, int showMode = 1,
                               int creationFlags = 32);

// A program call in both forms: the program with its arguments, for platforms
// that start programs from an argument vector; and the whole command-line text,
// which a Windows program receives exactly as written (nothing is quoted), the
// program itself being started from `program` whatever blanks its path holds.
struct ProgramCall {
    std::string program;
    std::vector<std::string> arguments;
    std::string commandLine;
};
// RunProgramAndWait for such a call.
std::int32_t RunCallAndWait(const ProgramCall& call, int pollMs, const EventPump& pump = {},
                            int showMode = 1, int creationFlags = 32);

std::string ProgramFilesFolder();

// ---- Dates and versions ---------------------------------------------------------

// "2.04" for version 2.0 and n = 4; ".rrr" follows when the revision is not 0.
std::string VersionText(int n);
// VersionText without the "." characters: "204".
std::string CompactVersionText(int n);

// ---- implementation of the template ---------------------------------------------

std::string ToText(const std::string& value);
std::string ToText(std::string_view value);
std::string ToText(const char* value);
std::string ToText(long long value);
std::string ToText(double value);
template <class T> std::string ToTextAny(const T& value) {
    if constexpr (std::is_integral_v<T>)
        return ToText(static_cast<long long>(value));
    else if constexpr (std::is_floating_point_v<T>)
        return ToText(static_cast<double>(value));
    else
        return ToText(value);
}

template <class... Values> std::string FormatStr(std::string_view templ, const Values&... values) {
    return FormatStrList(templ, std::vector<std::string>{ToTextAny(values)...});
}

} // namespace modUtils
