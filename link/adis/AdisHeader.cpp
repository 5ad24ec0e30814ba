#include "AdisText.h"
#include "common/Platform.h"
#include "common/ProgramInfo.h"
#include "common/TextEncoding.h"
#include "common/TextStream.h"
#include "common/modUtils.h"
#include "modADIS.h"
#include "modADISFiles.h"

#include <cstdio>
#include <ctime>

namespace modADIS {
namespace {

constexpr std::string_view HeaderDefinitionBase =
    "DH990001000000000800090000208000900003080009000040600090000624000900008080";

std::string Timestamp() {
    const std::tm now = Platform::LocalTime(std::time(nullptr));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d%02d%02d%02d", (now.tm_year + 1900) % 10000,
                  (now.tm_mon + 1) % 100, now.tm_mday % 100, now.tm_hour % 100, now.tm_min % 100,
                  now.tm_sec % 100);
    return buffer;
}

} // namespace

std::string LineMessage(std::string_view prefix, long lineNo, std::string_view text) {
    std::string number = std::to_string(lineNo);
    if (number.size() < 5)
        number.insert(0, 5 - number.size(), ' ');
    std::string message;
    message.reserve(prefix.size() + number.size() + text.size());
    message.append(prefix).append(number).append(text);
    return message;
}

std::string GetHeaderValue(std::string_view defLine, std::int32_t ddNo,
                           std::string_view valueLine) {
    const std::string wanted = AdisText::ZeroPad(ddNo, 8);
    std::size_t pos = 0;
    AdisText::TakeChars(defLine, pos, static_cast<long>(LineFrameLength));
    std::size_t remaining = TextEncoding::CharCount(defLine.substr(pos));
    long valuePosition = static_cast<long>(LineFrameLength);
    while (remaining >= DefGroupLength) {
        const std::string_view groupDDNo = AdisText::TakeChars(defLine, pos, 8);
        const long length =
            static_cast<long>(AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 2)));
        const auto resolution = static_cast<std::int16_t>(
            AdisText::LeadingNumber(AdisText::TakeChars(defLine, pos, 1)));
        if (groupDDNo == wanted) {
            std::size_t fieldPos =
                TextEncoding::ByteOffsetOfChar(valueLine, static_cast<std::size_t>(valuePosition));
            const std::string_view field = AdisText::TakeChars(valueLine, fieldPos, length);
            const AdisValue number = DecodeField(field, TypeNumber, resolution, false);
            if (KindOf(number) == AdisValueKind::Number)
                return AdisValues::ToText(number);
            return std::string(field);
        }
        valuePosition += length;
        remaining -= DefGroupLength;
    }
    return {};
}

std::string HeaderDefinitionLine(std::string_view nationalVersion,
                                 std::string_view manufacturerVersion) {
    std::string line(HeaderDefinitionBase);
    if (!nationalVersion.empty())
        line += "00900009080";
    if (!manufacturerVersion.empty())
        line += "00900012080";
    return line;
}

std::string HeaderValueLine(std::string_view version, std::string_view nationalVersion,
                            std::string_view manufacturerVersion, std::string_view sender,
                            std::string_view senderVersion) {
    std::string senderName(sender);
    std::string senderVersionText(senderVersion);
    if (sender.empty()) {
        senderName.assign(ProgramInfo::CompanyName).append(" ").append(ProgramInfo::Title);
        senderVersionText = modUtils::CompactVersionText(4);
    }
    std::string line = "VH990001DD      ";
    line += modUtils::PadRightTo(version, 8);
    line += Timestamp();
    line += modUtils::PadRightTo(senderName, 24);
    line += modUtils::PadRightTo(senderVersionText, 8);
    if (!nationalVersion.empty())
        line += modUtils::PadRightTo(nationalVersion, 8);
    if (!manufacturerVersion.empty())
        line += modUtils::PadRightTo(manufacturerVersion, 8);
    AdisText::BlankControls(line);
    return line;
}

bool WriteHeader(AtomicTextWriter& stream, std::string_view version,
                 std::string_view nationalVersion, std::string_view manufacturerVersion,
                 std::string_view sender, std::string_view senderVersion) {
    const bool definition =
        stream.WriteLine(HeaderDefinitionLine(nationalVersion, manufacturerVersion));
    return definition && stream.WriteLine(HeaderValueLine(
                             version, nationalVersion, manufacturerVersion, sender, senderVersion));
}

} // namespace modADIS
