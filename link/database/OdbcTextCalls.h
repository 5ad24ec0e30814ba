#pragma once

// The ODBC calls that pass text. Text is UTF-8 here; how it crosses the API is
// the platform's matter: Windows converts narrow text with the ANSI code page, so
// its calls use UTF-16; unixODBC passes narrow text to the driver as it is, so
// UTF-8 goes through unchanged there.

#include "OdbcApi.h"
#include "OdbcSystemHeaders.h"

#include <optional>
#include <string>

namespace Odbc::TextCalls {

SQLRETURN DriverConnect(SQLHDBC dbc, const std::string& connectionString);
// The description (name) of the next installed driver: direction SQL_FETCH_FIRST,
// then SQL_FETCH_NEXT; SQL_NO_DATA after the last.
SQLRETURN NextDriver(SQLHENV env, SQLUSMALLINT direction, std::string& name);
SQLRETURN ExecDirect(SQLHSTMT stmt, const std::string& sql);
// The diagnostic record (1-based); nothing when there is no such record.
std::optional<Diagnostic> DiagnosticRecord(SQLSMALLINT handleType, SQLHANDLE handle,
                                           SQLSMALLINT record);
SQLRETURN DescribeColumn(SQLHSTMT stmt, SQLUSMALLINT column, std::string& name,
                         SQLSMALLINT& sqlType);
// Reads the whole text of a column of the fetched row; null set for NULL.
SQLRETURN GetText(SQLHSTMT stmt, SQLUSMALLINT column, std::string& text, bool& null);

} // namespace Odbc::TextCalls
