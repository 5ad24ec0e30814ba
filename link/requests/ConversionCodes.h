#pragma once

// Code tables between the herd-management and the national coding.

#include "adis/AdisValue.h"

#include <optional>

namespace modNational {

// The value as a whole number (a number, or a text holding one); nothing else.
std::optional<long long> WholeNumberOf(const AdisValue& value);

// Herd sex (0 male, 1 female) as the national "M" / "F"; Null otherwise.
AdisValue SexCode(const AdisValue& value);
// Herd sex code (1 male, 2 female) as "M" / "F"; Null otherwise.
AdisValue SexCode2(const AdisValue& value);
// Exit codes the national coding keeps as they are: 1, 32, 46, 51, 52, 53, 54.
bool IsKeptCalvingCode(const AdisValue& value);
// Null or Empty: Null; a cause the national coding reports as slaughter (2, 4-9,
// 11-19, 31, 34, 35, 50): 32; anything else: Empty.
AdisValue MapCalvingCode(const AdisValue& value);

} // namespace modNational
