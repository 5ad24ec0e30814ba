// Reading files made to cost a reader time or memory: for each shape the time
// of Read and its peak memory as a multiple of the file size (the bytes asked
// of the heap, and the heap blocks they take on 64-bit glibc); then the load of
// a small dictionary file whose counts name far more than it holds. Every data
// event and every stored value line has a fixed cost in the model, so the
// shapes of many tiny definitions or lines show that cost per byte of file.
//
//   link_bench_hostile [folder for the files] [text of the shapes to read]

#include "CountingAllocator.h"
#include "adis/clsAdisDataFile.h"
#include "adis/modADIS.h"
#include "common/TextStream.h"
#include "dictionary/clsAdisDataDict.h"
#include "national/NationalDictionary.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace {

std::string Definition(int groups, int length) {
    std::string def = "DN05504300900080160";
    for (int i = 0; i < groups; ++i)
        def += modADIS::FormatDefField(10000000 + i, static_cast<std::int16_t>(length), 0);
    return def + "\r\n";
}

// `count` definitions of `groups` groups of length 1, each with a value line.
std::string DefinitionsWithALine(int count, int groups) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += Definition(groups, 1) + "VN055043SE" + std::to_string(100000 + i) + "        " +
                std::string(static_cast<std::size_t>(groups), '1') + "\r\n";
    return text;
}

// Value lines of 14 bytes, each with a key of 4 characters of its own.
std::string KeyedLines(int count) {
    std::string text = "DN05504300900080040\r\n";
    text.reserve(static_cast<std::size_t>(count) * 14 + 32);
    char key[5] = {};
    for (int i = 0; i < count; ++i) {
        for (int c = 0, n = i; c < 4; ++c, n /= 40)
            key[c] = static_cast<char>('0' + n % 40);
        text.append("VN055043").append(key, 4).append("\r\n");
    }
    return text;
}

std::string Repeat(const std::string& line, int times) {
    std::string text;
    text.reserve(line.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i)
        text += line;
    return text;
}

struct Shape {
    const char* name;
    std::function<std::string()> make;
};

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder =
        argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
    const std::string only = argc > 2 ? argv[2] : "";
    const std::string path = (folder / "link_bench_hostile.dat").string();
    auto dict = std::make_shared<clsAdisDataDict>();
    modNational::BuildNationalDict(*dict, std::string(modNational::NationalVersions[0]));

    const Shape shapes[] = {
        {"definition of 200,000 groups and a value line",
         [] { return Definition(200000, 1) + "VN055043" + std::string(200016, 'a') + "\r\n"; }},
        {"100,000 groups of length 0 and 200 value lines",
         [] {
             std::string text = Definition(100000, 0);
             for (int i = 0; i < 200; ++i)
                 text += "VN055043SE" + std::to_string(100000 + i) + "        \r\n";
             return text;
         }},
        {"definition of 32,743 groups and 20 value lines",
         [] {
             std::string text = Definition(32743, 1);
             for (int i = 0; i < 20; ++i)
                 text += "VN055043SE" + std::to_string(100000 + i) + "        " +
                         std::string(32743, '1') + "\r\n";
             return text;
         }},
        {"1,000,000 value lines of one character after a bad definition",
         [] { return "DNxxxxxx\r\n" + Repeat("V\r\n", 1000000); }},
        {"30 definitions of 2,900 groups, each with a value line",
         [] { return DefinitionsWithALine(30, 2900); }},
        {"12 definitions of 32,743 groups, each with a value line",
         [] { return DefinitionsWithALine(12, 32743); }},
        {"200,000 definitions of one group",
         [] {
             std::string text;
             for (int i = 0; i < 200000; ++i)
                 text += "DN" + modADIS::FormatEventNo(100000 + i) + "00900080160\r\n";
             return text;
         }},
        {"200,000 definitions of one group each of its own",
         [] {
             std::string text;
             for (int i = 0; i < 200000; ++i)
                 text += "DN" + modADIS::FormatEventNo(100000 + i) +
                         modADIS::FormatDefField(10000000 + i, 1, 0) + "\r\n";
             return text;
         }},
        {"30,000 definitions of one group of its own, each with a value line",
         [] {
             std::string text;
             for (int i = 0; i < 30000; ++i)
                 text +=
                     "DN055043" + modADIS::FormatDefField(10000000 + i, 1, 0) + "\r\nVN055043x\r\n";
             return text;
         }},
        {"30,000 such definitions, each with a value line not of plain ASCII",
         [] {
             std::string text;
             for (int i = 0; i < 30000; ++i)
                 text += "DN055043" + modADIS::FormatDefField(10000000 + i, 1, 0) +
                         "\r\nVN055043\xe9\r\n";
             return text;
         }},
        // Definitions kept as text while small, made once they have grown.
        {"3,000 such definitions without key items, each with 100 value lines",
         [] {
             std::string text;
             for (int i = 0; i < 3000; ++i)
                 text += "DN055503" + modADIS::FormatDefField(10000000 + i, 1, 0) + "\r\n" +
                         Repeat("VN055503x\r\n", 100);
             return text;
         }},
        {"30,000 definitions of one group, each with a value line",
         [] { return Repeat("DN05504300900080160\r\nVN055043SE100000        \r\n", 30000); }},
        {"1,000,000 value lines of a key of 4 characters", [] { return KeyedLines(1000000); }},
        // Just after the index's pages have split, where it has the most room per key.
        {"880,000 value lines of a key of 4 characters", [] { return KeyedLines(880000); }},
        {"1,000,000 value lines of one character of an event without key items",
         [] { return "DN05550300900080010\r\n" + Repeat("VN055503x\r\n", 1000000); }},
        // Just past a power of two, where the index has just grown.
        {"524,289 value lines of one character of an event without key items",
         [] { return "DN05550300900080010\r\n" + Repeat("VN055503x\r\n", 524289); }},
        {"200,000 definitions of 8 characters",
         [] {
             std::string text;
             for (int i = 0; i < 200000; ++i)
                 text += "DN" + modADIS::FormatEventNo(100000 + i) + "\r\n";
             return text;
         }},
        {"requests of one group of every event, each after a search line",
         [&dict] {
             std::string text;
             while (text.size() < 9000000)
                 for (const auto& event : dict->Events())
                     text += "SN" + event->EventNoStr() +
                             "00900080160????????????????????????????????\r\nRN" +
                             event->EventNoStr() + "00900080160\r\n";
             return text;
         }},
        {"requests of one group of every event, over and over",
         [&dict] {
             std::string text;
             while (text.size() < 4000000)
                 for (const auto& event : dict->Events())
                     text += "RN" + event->EventNoStr() + "00900080160\r\n";
             return text;
         }},
        {"200,000 requests of one group", [] { return Repeat("RN05504300900080160\r\n", 200000); }},
        {"a request of 200,000 groups",
         [] {
             std::string text = Definition(200000, 1);
             text[0] = 'R';
             return text;
         }},
        {"a search line of 200,000 groups of any value and a request",
         [] {
             std::string search = "SN055043";
             for (int i = 0; i < 200000; ++i)
                 search += modADIS::FormatDefField(10000000 + i, 1, 0) + "??";
             return search + "\r\nRN05504300900080160\r\n";
         }},
    };
    std::printf("%-62s %9s %8s %12s %12s\n", "shape", "MB", "Read s", "peak/size", "heap/size");
    for (const Shape& shape : shapes) {
        if (std::string_view(shape.name).find(only) == std::string_view::npos)
            continue;
        const std::string bytes = shape.make();
        WriteFileBytesAtomic(path, bytes);
        clsMessages messages;
        const std::size_t before = CountingAllocator::LiveBytes();
        const std::size_t blocksBefore = CountingAllocator::LiveBlockBytes();
        CountingAllocator::ResetPeak();
        const auto start = std::chrono::steady_clock::now();
        {
            clsAdisDataFile file;
            file.Read(path, messages, dict, nullptr, false, false);
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double peak = static_cast<double>(CountingAllocator::PeakBytes() - before);
        const double blocks =
            static_cast<double>(CountingAllocator::PeakBlockBytes() - blocksBefore);
        const double size = static_cast<double>(bytes.size());
        std::printf("%-62s %9.1f %8.3f %12.1f %12.1f\n", shape.name, size / 1e6, seconds,
                    peak / size, blocks / size);
    }
    std::filesystem::remove(path);

    const std::string ddPath = (folder / "link_bench_hostile_dd.ini").string();
    const std::string dd =
        "[Events]\r\nEventCount=32767\r\n[Event0]\r\nItemCount=32767\r\nKeyItemCount=32767\r\n"
        "[CodeSets]\r\nCodeSetCount=1\r\n[CodeSet0]\r\nItemCount=32767\r\nCode32767=1\r\n";
    WriteFileBytesAtomic(ddPath, dd);
    const auto start = std::chrono::steady_clock::now();
    clsAdisDataDict loaded;
    loaded.Load(ddPath, "", "", "");
    std::printf("%-62s %9.4f %8.3f\n", "dictionary file of EventCount=32767 (Load)",
                static_cast<double>(dd.size()) / 1e6,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    std::filesystem::remove(ddPath);
    return 0;
}
