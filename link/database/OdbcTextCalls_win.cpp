#include "OdbcTextCalls.h"

#include "common/WideText_win.h"

#include <vector>

namespace Odbc::TextCalls {
namespace {

using WideString = std::basic_string<SQLWCHAR>;

// SQLWCHAR and wchar_t are both UTF-16 code units on Windows.
WideString Wide(std::string_view utf8) {
    const std::wstring wide = Platform::WideFromUtf8(utf8);
    return WideString(wide.begin(), wide.end());
}

std::string Narrow(const SQLWCHAR* text, std::size_t length) {
    return Platform::Utf8FromWide(std::wstring(text, text + length));
}

} // namespace

SQLRETURN DriverConnect(SQLHDBC dbc, const std::string& connectionString) {
    WideString text = Wide(connectionString);
    SQLSMALLINT outLength = 0;
    return SQLDriverConnectW(dbc, nullptr, text.data(), static_cast<SQLSMALLINT>(text.size()),
                             nullptr, 0, &outLength, SQL_DRIVER_NOPROMPT);
}

SQLRETURN NextDriver(SQLHENV env, SQLUSMALLINT direction, std::string& name) {
    SQLWCHAR description[512] = {};
    SQLWCHAR attributes[1024] = {};
    SQLSMALLINT descriptionLength = 0, attributesLength = 0;
    const SQLRETURN rc = SQLDriversW(env, direction, description, 512, &descriptionLength,
                                     attributes, 1024, &attributesLength);
    if (SQL_SUCCEEDED(rc)) {
        std::size_t length = 0;
        while (length < 511 && description[length] != 0)
            ++length;
        name = Narrow(description, length);
    }
    return rc;
}

SQLRETURN ExecDirect(SQLHSTMT stmt, const std::string& sql) {
    WideString text = Wide(sql);
    return SQLExecDirectW(stmt, text.data(), static_cast<SQLINTEGER>(text.size()));
}

std::optional<Diagnostic> DiagnosticRecord(SQLSMALLINT handleType, SQLHANDLE handle,
                                           SQLSMALLINT record) {
    SQLWCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    std::vector<SQLWCHAR> message(1024);
    SQLRETURN rc = SQLGetDiagRecW(handleType, handle, record, state, &native, message.data(),
                                  static_cast<SQLSMALLINT>(message.size()), &length);
    if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
        message.resize(static_cast<std::size_t>(length) + 1);
        rc = SQLGetDiagRecW(handleType, handle, record, state, &native, message.data(),
                            static_cast<SQLSMALLINT>(message.size()), &length);
    }
    if (!SQL_SUCCEEDED(rc))
        return std::nullopt;
    const std::size_t shown =
        std::min<std::size_t>(static_cast<std::size_t>(length), message.size() - 1);
    return Diagnostic{Narrow(state, 5), static_cast<long>(native), Narrow(message.data(), shown)};
}

SQLRETURN DescribeColumn(SQLHSTMT stmt, SQLUSMALLINT column, std::string& name,
                         SQLSMALLINT& sqlType) {
    SQLWCHAR buffer[256] = {};
    SQLSMALLINT nameLength = 0, digits = 0, nullable = 0;
    SQLULEN size = 0;
    const SQLRETURN rc = SQLDescribeColW(stmt, column, buffer, 256, &nameLength, &sqlType, &size,
                                         &digits, &nullable);
    name = Narrow(buffer, std::min<std::size_t>(static_cast<std::size_t>(nameLength), 255));
    return rc;
}

SQLRETURN GetText(SQLHSTMT stmt, SQLUSMALLINT column, std::string& text, bool& null) {
    std::wstring wide;
    null = false;
    SQLWCHAR buffer[2048];
    constexpr std::size_t capacity = sizeof buffer / sizeof buffer[0];
    SQLRETURN rc = SQL_SUCCESS;
    for (;;) {
        SQLLEN indicator = 0;
        rc = SQLGetData(stmt, column, SQL_C_WCHAR, buffer, sizeof buffer, &indicator);
        if (rc == SQL_NO_DATA) {
            rc = SQL_SUCCESS;
            break;
        }
        if (!SQL_SUCCEEDED(rc))
            return rc;
        if (indicator == SQL_NULL_DATA) {
            null = true;
            return rc;
        }
        // A part that did not fit fills the buffer but for its terminating zero.
        std::size_t count = capacity - 1;
        if (indicator != SQL_NO_TOTAL &&
            static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR) < capacity)
            count = static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR);
        for (std::size_t i = 0; i < count; ++i)
            wide += static_cast<wchar_t>(buffer[i]);
        if (rc == SQL_SUCCESS)
            break;
    }
    text = Platform::Utf8FromWide(wide);
    return rc;
}

} // namespace Odbc::TextCalls
