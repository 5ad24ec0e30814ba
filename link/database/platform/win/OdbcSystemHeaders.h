#pragma once

// The ODBC API of Windows; its headers need the Windows types first.
#include <windows.h>

#include <sql.h>
#include <sqlext.h>
