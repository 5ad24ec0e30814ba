#pragma once

// The shared part of a language library: a table of numbered texts and the copy of
// one text into the caller's buffer as the library interface asks. Needs no
// run-time library beyond the C string functions.

#include <cstring>

namespace LanguageTable {

struct Entry {
    int number;
    const char* text;
};

template <int N> const char* Find(const Entry (&table)[N], int number) {
    for (const Entry& entry : table)
        if (entry.number == number)
            return entry.text;
    return nullptr;
}

// The interface's copy rule: the whole length is returned; the text is cut to fit
// the buffer and always ends with a NUL when the buffer has room for one.
inline int Copy(const char* text, char* buffer, int size) {
    if (!text)
        return -1;
    const int length = static_cast<int>(std::strlen(text));
    if (buffer && size > 0) {
        const int copied = length < size ? length : size - 1;
        std::memcpy(buffer, text, static_cast<std::size_t>(copied));
        buffer[copied] = '\0';
    }
    return length;
}

} // namespace LanguageTable
