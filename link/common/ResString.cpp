#include "ResString.h"

// The few texts the ADIS reader and writer show, until the full language table
// takes over.
namespace modCommon {

std::string ResString(long number) {
    switch (number) {
    case 150:
        return "Information";
    case 168:
        return "Error";
    case 170:
        return "File not found:";
    case 177:
        return "Invalid ADIS file:";
    default:
        return "<Missing>";
    }
}

} // namespace modCommon
