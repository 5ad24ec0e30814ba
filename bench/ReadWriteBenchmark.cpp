// Reading and writing a national milking-session file of event 055043 with
// 500,000 value lines (about 40 MB): a raw baseline (read the file, find every
// line end), Read into the model, WriteData of the model; the peak memory of
// reading as a multiple of the file size.
//
//   link_bench_readwrite [value lines] [folder for the files]

#include "CountingAllocator.h"
#include "adis/clsAdisDataFile.h"
#include "adis/modADIS.h"
#include "common/TextStream.h"
#include "dictionary/clsAdisDataDict.h"

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

struct ItemDef {
    std::int32_t ddNo;
    std::int16_t type, length, resolution;
};
// Animal, date, session, yield, fat, protein, cells, time, duration, flag.
constexpr ItemDef MilkingItems[] = {
    {900080, 3, 16, 0}, {900070, 1, 8, 0}, {900054, 0, 2, 0}, {900078, 0, 5, 1}, {900079, 0, 4, 2},
    {900042, 0, 4, 2},  {900068, 0, 5, 0}, {900024, 2, 6, 0}, {900025, 0, 4, 0}, {50151, 3, 2, 0}};

std::shared_ptr<clsAdisDataDict> MilkingDictionary() {
    auto dict = std::make_shared<clsAdisDataDict>();
    dict->Version = "2000    ";
    dict->ManufacturerVersion = "ZIRAZ22 ";
    dict->AddEventKeyDDNo(MilkingEvent, {900080, 900070, 900054});
    for (const auto& item : MilkingItems)
        dict->AddEventItem(MilkingEvent, nullptr, item.ddNo, item.type, item.length,
                           item.resolution);
    return dict;
}

void Generate(const std::string& path, const clsAdisDataDict& dict, long lines) {
    std::ofstream out(path, std::ios::binary);
    out << "DH990001000000000800090000208000900006240\r\n"
        << "VH990001DD      2000    National milk recording \r\n"
        << "TN\r\n"
        << dict.Events().ItemOf(MilkingEvent)->LineString("D", "N") << "\r\n";
    char line[256];
    for (long i = 0; i < lines; ++i) {
        const long animal = i / 60;
        const int day = static_cast<int>(i / 2 % 30) + 1;
        const int session = static_cast<int>(i % 2) + 1;
        std::snprintf(line, sizeof line,
                      "VN055043SE%012ld  202405%02d%2d%5ld%4d%4d%5ld%02d%02d%02d%4ld%2s\r\n",
                      animal + 100000, day, session, 100 + i % 300, 380 + static_cast<int>(i % 90),
                      320 + static_cast<int>(i % 70), (i * 37) % 99999, 5 + session * 8,
                      static_cast<int>(i % 60), static_cast<int>(i * 7 % 60), 300 + i % 500,
                      i % 17 == 0 ? "??" : "A ");
        out << line;
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
    const long lines = argc > 1 ? std::atol(argv[1]) : 500000;
    const std::filesystem::path folder =
        argc > 2 ? std::filesystem::path(argv[2]) : std::filesystem::temp_directory_path();
    const std::string input = (folder / "link_bench_055043.dat").string();
    const std::string output = (folder / "link_bench_055043_out.dat").string();

    auto dict = MilkingDictionary();
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
    std::printf("Read / baseline:      %6.1f (target at most 15)\n", readTime / baseline);
    std::printf("WriteData / baseline: %6.1f (target at most 10)\n", writeTime / baseline);
    std::printf("peak memory of reading: %.2f x file size (model held: %.2f x; target at most 6)\n",
                peak / fileSize, held / fileSize);
    if (const long resident = PeakResidentBytes(); resident > 0)
        std::printf("peak resident memory of the process: %.2f x file size\n",
                    static_cast<double>(resident) / fileSize);
    std::filesystem::remove(input);
    std::filesystem::remove(output);
    return readOk && writeOk ? 0 : 1;
}
