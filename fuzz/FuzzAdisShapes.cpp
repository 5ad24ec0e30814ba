// Builds an ADIS file of hostile shapes from a few input bytes and reads it:
// definition lines of up to 200,000 groups (lengths 0 to 99, DD numbers
// distinct or repeated), value lines that fit them or not, request and search
// lines of many groups. Byte-level fuzzing of the reader (fuzz_adis_read)
// cannot reach such lines within its input size. Reading must end within the
// time-out, and its peak memory must stay in proportion to the file.

#include "FuzzFiles.h"
#include "adis/clsAdisDataFile.h"
#include "adis/modADIS.h"
#include "common/CommandLineMode.h"
#include "dictionary/clsAdisDataDict.h"

#include <sanitizer/allocator_interface.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

// Heap bytes in use and their peak, from the sanitizer's allocation hooks.
std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

void OnMalloc(const volatile void*, std::size_t size) {
    const long long live = liveBytes += static_cast<long long>(size);
    long long peak = peakBytes.load();
    while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
    }
}

void OnFree(const volatile void* pointer) {
    liveBytes -= static_cast<long long>(__sanitizer_get_allocated_size(pointer));
}

// The fuzz bytes read as small numbers; used up, they start again.
class ShapeInput {
public:
    ShapeInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    unsigned Byte() {
        if (size_ == 0)
            return 0;
        const unsigned byte = data_[pos_];
        pos_ = (pos_ + 1) % size_;
        return byte;
    }
    // A number below `bound` (at most 65536 * 256).
    unsigned Below(unsigned bound) {
        const unsigned value = Byte() | Byte() << 8 | Byte() << 16;
        return bound == 0 ? 0 : value % bound;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

constexpr std::size_t kMostBytes = 3 << 20;
// Peak heap bytes of reading per byte of the file, beyond a fixed allowance:
// reading any file stays within 8 times its size.
constexpr long long kMemoryPerFileByte = 8;
constexpr std::int32_t kEvents[] = {55021, 990002, 0, 77777};

// A count of groups from a few to 200,000.
unsigned GroupCount(ShapeInput& in) {
    static constexpr unsigned kScales[] = {8, 400, 40000, 200001};
    return in.Below(kScales[in.Byte() % 4]);
}

// "XN" + event + groups: DD numbers distinct or drawn from a few, lengths from
// a pattern of the input (0 included) or all 1; returns the sum of the lengths.
long DefinitionLine(ShapeInput& in, char type, std::int32_t eventNo, unsigned groups,
                    std::string& out) {
    out += type;
    out += 'N';
    out += modADIS::FormatEventNo(eventNo);
    const bool distinct = in.Byte() % 2 == 0;
    const unsigned lengthMode = in.Byte() % 3;
    const unsigned lengthSeed = in.Byte();
    long total = 0;
    for (unsigned i = 0; i < groups; ++i) {
        const std::int32_t ddNo = i == 0     ? 900080
                                  : distinct ? 10000000 + static_cast<std::int32_t>(i)
                                             : 900054 + i % 4;
        const unsigned length = lengthMode == 0   ? 1
                                : lengthMode == 1 ? (lengthSeed + i * 7) % 100
                                                  : (i == 0 ? 16 : 0);
        total += length;
        out += modADIS::FormatDefField(ddNo, static_cast<std::int16_t>(length),
                                       static_cast<std::int16_t>(i % 3));
    }
    out += "\r\n";
    return total;
}

std::string BuildFile(ShapeInput& in) {
    static constexpr const char* kFills[] = {"0123456789", "?", "|", " 12", "ab\xd6\xe9", "-9.5"};
    std::string file;
    if (in.Byte() % 2 == 0)
        file += "DH990001000000000800090000208000900006240\r\n"
                "VH990001DD      2000    Fuzzed shapes           \r\n";
    const unsigned blocks = 1 + in.Byte() % 4;
    for (unsigned b = 0; b < blocks && file.size() < kMostBytes; ++b) {
        const std::int32_t eventNo = kEvents[in.Byte() % 4];
        const unsigned kind = in.Byte() % 3;
        if (kind == 1) { // a request, perhaps with a search line
            if (in.Byte() % 2 == 0)
                DefinitionLine(in, 'S', eventNo, GroupCount(in), file);
            DefinitionLine(in, 'R', eventNo, GroupCount(in), file);
            continue;
        }
        const long fields = DefinitionLine(in, 'D', eventNo, GroupCount(in), file);
        const unsigned lines = in.Below(300);
        const std::string fill = kFills[in.Byte() % 6];
        for (unsigned l = 0; l < lines && file.size() < kMostBytes; ++l) {
            const long delta = in.Byte() % 8 == 0 ? static_cast<long>(in.Byte() % 3) - 1 : 0;
            const long length = fields + delta < 0 ? 0 : fields + delta;
            if (file.size() + static_cast<std::size_t>(length) > kMostBytes)
                break;
            file += (kind == 2 && l % 2 == 1) ? "VF" : "VN";
            file += modADIS::FormatEventNo(eventNo);
            file += std::to_string(l);
            for (long c = static_cast<long>(std::to_string(l).size()); c < length; ++c)
                file += fill[static_cast<std::size_t>(c) % fill.size()];
            file += "\r\n";
        }
    }
    file += "ZN\r\n";
    return file;
}

std::shared_ptr<clsAdisDataDict> FixedDictionary() {
    auto dict = std::make_shared<clsAdisDataDict>();
    dict->Version = "2000    ";
    dict->AddEventKeyDDNo(55021, {900080, 900070});
    dict->AddEventItem(55021, nullptr, 900080, 3, 16, 0);
    dict->AddEventItem(55021, nullptr, 900070, 1, 8, 0);
    dict->AddEventItem(55021, nullptr, 900054, 0, 4, 1);
    dict->AddEventItem(55021, nullptr, 900055, 2, 6, 0);
    dict->AddEventItem(990002, nullptr, 900056, 3, 10, 0);
    dict->AddNotSupportedItem(900057);
    return dict;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto dict = FixedDictionary();
    modCommon::SetCommandLineMode(true);
    ShapeInput in(data, size);
    const std::string bytes = BuildFile(in);
    const std::string input = WriteFuzzFile(
        "shapes.dat", reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    const long long before = liveBytes.load();
    peakBytes.store(before);
    auto file = std::make_unique<clsAdisDataFile>();
    clsMessages messages;
    const bool read = file->Read(input, messages, dict, nullptr, in.Byte() % 2 == 0, false);
    const long long peak = peakBytes.load() - before;
    // What a file may cost: its lines as values and messages, and the bounded
    // working space of the reader.
    const long long allowed = kMemoryPerFileByte * static_cast<long long>(bytes.size()) + (8 << 20);
    if (peak > allowed) {
        std::fprintf(stderr, "reading %zu bytes took %lld bytes of memory at its peak\n",
                     bytes.size(), peak);
        std::abort();
    }
    if (!read)
        return 0;
    const std::string output = WriteFuzzFile("shapes-out.dat", nullptr, 0);
    if (!file->WriteData(nullptr, output))
        return 0;
    clsAdisDataFile again;
    clsMessages moreMessages;
    if (!again.Read(output, moreMessages, dict, nullptr, false, true))
        std::abort(); // a file the writer made must read to its end
    return 0;
}
