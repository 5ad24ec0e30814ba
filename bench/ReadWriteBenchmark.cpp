// Reading and writing a national milking-session file of event 055043 (items,
// types and lengths of the built-in national dictionary) with 500,000 value
// lines (about 40 MB): a raw baseline (read the file, find every
// line end), Read into the model, WriteData of the model; the peak memory of
// reading as a multiple of the file size.
//
//   link_bench_readwrite [value lines] [folder for the files]
//   link_bench_readwrite --generate FILE [value lines]    (only writes the file)

#include "CountingAllocator.h"
#include "adis/clsAdisDataFile.h"
#include "adis/modADIS.h"
#include "common/TextStream.h"
#include "dictionary/clsAdisDataDict.h"
#include "national/NationalDictionary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

constexpr std::int32_t MilkingEvent = 55043;

// The national dictionary as the program holds it after start-up.
std::shared_ptr<clsAdisDataDict> NationalDictionary() {
    auto dict = std::make_shared<clsAdisDataDict>();
    modNational::BuildNationalDict(*dict, std::string(modNational::NationalVersions[0]));
    modNational::SetNationalNotSupported(*dict);
    return dict;
}

// A field of the item's type for line i; the key items (animal, date, time of
// the session) differ from line to line.
AdisValue FieldValue(const clsAdisItem& item, long i) {
    switch (item.DataType) {
    case modADIS::TypeText:
        return AdisValues::Text("SE" + std::to_string(100000000000L + i / 40));
    case modADIS::TypeDate:
        return *AdisDate::Make(2024, 5, static_cast<int>(i % 40 / 2) + 1);
    case modADIS::TypeTime:
        return *AdisTime::Make(i % 2 == 0 ? 5 : 17, static_cast<int>(i % 60),
                               static_cast<int>(i * 7 % 60));
    default:
        if (i % 17 == 0 && item.Length <= 3)
            return AdisNull{};
        long long limit = 1;
        for (int d = 0; d < std::min<int>(item.Length - 1, 9); ++d)
            limit *= 10;
        return AdisValues::Number((i * 7919 + item.DDNo) % limit, item.Resolution);
    }
}

void Generate(const std::string& path, const clsAdisDataDict& dict, long lines) {
    const auto event = dict.Events().ItemOf(MilkingEvent);
    std::ofstream out(path, std::ios::binary);
    out << "DH990001000000000800090000208000900006240\r\n"
        << "VH990001DD      2000    National milk recording \r\n"
        << "TN\r\n"
        << event->LineString("D", "N") << "\r\n";
    std::string line;
    for (long i = 0; i < lines; ++i) {
        line = "VN" + event->EventNoStr();
        for (const auto& item : *event->Items())
            line += modADIS::FormatValueField(FieldValue(*item, i), item->Length, item->Resolution);
        out << line << "\r\n";
    }
    out << "EN\r\nZN\r\n";
}

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best of a few runs.
double Best(int runs, const std::function<void()>& work) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, Seconds(work));
    return best;
}

long RawLineCount(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return -1;
    static char buffer[64 * 1024];
    long count = 0;
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        for (const char* p = buffer;
             (p = static_cast<const char*>(std::memchr(p, '\n', buffer + got - p))) != nullptr; ++p)
            ++count;
    }
    std::fclose(file);
    return count;
}

// The process's peak resident memory in bytes where the system tells it.
long PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6) * 1024;
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::strcmp(argv[1], "--generate") == 0) {
        Generate(argv[2], *NationalDictionary(), argc > 3 ? std::atol(argv[3]) : 500000);
        return 0;
    }
    const long lines = argc > 1 ? std::atol(argv[1]) : 500000;
    const std::filesystem::path folder =
        argc > 2 ? std::filesystem::path(argv[2]) : std::filesystem::temp_directory_path();
    const std::string input = (folder / "link_bench_055043.dat").string();
    const std::string output = (folder / "link_bench_055043_out.dat").string();

    auto dict = NationalDictionary();
    Generate(input, *dict, lines);
    const auto fileSize = static_cast<double>(std::filesystem::file_size(input));
    std::printf("file: %ld value lines, %.1f MB\n", lines, fileSize / 1e6);

    long rawLines = 0;
    const double baseline = Best(5, [&] { rawLines = RawLineCount(input); });

    // The peak is measured on the first read, with nothing else held.
    const std::size_t before = CountingAllocator::LiveBytes();
    CountingAllocator::ResetPeak();
    auto model = std::make_unique<clsAdisDataFile>();
    clsMessages messages;
    bool readOk = false;
    double readTime =
        Seconds([&] { readOk = model->Read(input, messages, dict, nullptr, true, true); });
    const double peak = static_cast<double>(CountingAllocator::PeakBytes() - before);
    const double held = static_cast<double>(CountingAllocator::LiveBytes() - before);
    for (int run = 0; run < 2; ++run) {
        auto again = std::make_unique<clsAdisDataFile>();
        clsMessages more;
        readTime = std::min(readTime,
                            Seconds([&] { again->Read(input, more, dict, nullptr, true, true); }));
    }
    const long stored = model->DataEvents.Item("055043")
                            ? model->DataEvents.Item("055043")->DataLines()->Count()
                            : 0;

    bool writeOk = true;
    const double writeTime =
        Best(3, [&] { writeOk = model->WriteData(nullptr, output) && writeOk; });

    std::printf("raw baseline:  %8.3f s (%ld lines, %.0f MB/s)\n", baseline, rawLines,
                fileSize / baseline / 1e6);
    std::printf("Read:          %8.3f s (%ld lines stored, %ld messages, %s, %.0f MB/s)\n",
                readTime, stored, messages.Count(), readOk ? "ok" : "FAILED",
                fileSize / readTime / 1e6);
    std::printf("WriteData:     %8.3f s (%s, %.0f MB/s)\n", writeTime, writeOk ? "ok" : "FAILED",
                fileSize / writeTime / 1e6);
    std::printf("Read / baseline:      %6.1f (target at most 12)\n", readTime / baseline);
    std::printf("WriteData / baseline: %6.1f (target at most 8)\n", writeTime / baseline);
    std::printf("peak memory of reading: %.2f x file size (model held: %.2f x; target at most 4)\n",
                peak / fileSize, held / fileSize);
    if (const long resident = PeakResidentBytes(); resident > 0)
        std::printf("peak resident memory of the process: %.2f x file size\n",
                    static_cast<double>(resident) / fileSize);
    std::filesystem::remove(input);
    std::filesystem::remove(output);
    return readOk && writeOk ? 0 : 1;
}
