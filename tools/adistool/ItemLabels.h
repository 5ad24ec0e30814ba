#pragma once

#include <cstdint>
#include <string>

// Short English labels of the DD numbers and events people meet in national and
// herd-management files, for readable summaries. Others are shown by number.
std::string ItemLabel(std::int32_t ddNo);
std::string EventLabel(std::int32_t eventNo);
