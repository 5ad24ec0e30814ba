// Speed and memory of the ADIS model on the hot paths of reading large files:
// field decoding and encoding, value lines of event 055043, key lookup among a
// million lines, and the memory one stored value line holds.

#include "CountingAllocator.h"
#include "adis/clsAdisDataEvents.h"
#include "adis/modADIS.h"
#include "dictionary/clsAdisDataDict.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Event055043 {
    clsAdisDataDict dict;
    std::shared_ptr<clsAdisItems> items;
    std::string defLine;

    Event055043() {
        dict.AddEventKeyDDNo(55043, {900080, 900070, 900054});
        const struct {
            std::int32_t ddNo;
            std::int16_t type, length, resolution;
        } itemDefs[] = {{900080, 3, 16, 0}, {900070, 1, 8, 0}, {900054, 2, 6, 0}, {900078, 0, 4, 0},
                        {900079, 0, 5, 1},  {900042, 0, 6, 1}, {900068, 0, 3, 0}, {900024, 0, 4, 0},
                        {900025, 0, 3, 0},  {50151, 0, 2, 0}};
        for (const auto& d : itemDefs)
            dict.AddEventItem(55043, nullptr, d.ddNo, d.type, d.length, d.resolution);
        clsAdisDataEvent event;
        event.EventNo = 55043;
        defLine = event.EventNoStr();
        items = dict.Events().Item("055043")->Items();
        event.SetItems(items);
        defLine = event.LineString("D", "N");
    }

    // A distinct, plausible value line for each n.
    static std::string ValueLine(long n) {
        char line[128];
        std::snprintf(line, sizeof line,
                      "VN055043SE%012ld  %04ld%02ld%02ld%02ld%02ld00%4ld%5ld%6ld%3ld%4ld%3ld%2ld",
                      100000000000L + n % 5000, 2000 + (n / 5000) % 20, 1 + (n / 100000) % 12,
                      1 + (n / 1200000) % 28, (n / 50) % 24, n % 50, n % 9000, (n * 7) % 99999,
                      (n * 13) % 999999, n % 999, n % 9999, n % 999, n % 99);
        return line;
    }
};

void BM_DecodeNumericField(benchmark::State& state) {
    const std::string fields[] = {"  1234", "000012", "    -5", "123456"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            modADIS::DecodeField(fields[i++ & 3], modADIS::TypeNumber, 1, true));
    }
}
BENCHMARK(BM_DecodeNumericField);

void BM_EncodeNumericField(benchmark::State& state) {
    const AdisValue values[] = {AdisNumber(1234, 1), AdisNumber(12, 1), AdisNumber(-5, 0),
                                AdisNumber(123456, 2)};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(modADIS::FormatValueField(values[i++ & 3], 6, 1));
    }
}
BENCHMARK(BM_EncodeNumericField);

void BM_AddItemEx(benchmark::State& state) {
    Event055043 event;
    std::vector<std::string> lines;
    for (long n = 0; n < 100000; ++n)
        lines.push_back(Event055043::ValueLine(n));
    auto dataLines = std::make_shared<clsAdisDataLines>();
    std::size_t i = 0;
    for (auto _ : state) {
        if (i == lines.size()) {
            state.PauseTiming();
            dataLines = std::make_shared<clsAdisDataLines>();
            i = 0;
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(
            dataLines->AddItemEx(event.dict.Events(), *event.items, event.defLine, lines[i++]));
    }
}
BENCHMARK(BM_AddItemEx);

void BM_KeyLookupAmongAMillionLines(benchmark::State& state) {
    Event055043 event;
    clsAdisDataLines dataLines;
    std::vector<std::string> keys;
    for (long n = 0; n < 1000000; ++n) {
        keys.push_back("SE" + std::to_string(100000000000L + n) + "#2007-03-03#07:30:00");
        dataLines.AddItem(keys.back(), "V", "N", 55043);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dataLines.Item(keys[(i += 7919) % keys.size()]));
    }
}
BENCHMARK(BM_KeyLookupAmongAMillionLines);

// The generic keyed collection of the dictionary classes, for comparison.
void BM_KeyLookupInAKeyedCollectionOfAMillion(benchmark::State& state) {
    KeyedCollection<clsAdisItem> collection;
    std::vector<std::string> keys;
    for (long n = 0; n < 1000000; ++n) {
        auto element = std::make_shared<clsAdisItem>();
        element->Key = "SE" + std::to_string(100000000000L + n) + "#2007-03-03#07:30:00";
        keys.push_back(element->Key);
        collection.Add(element);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(collection.Item(keys[(i += 7919) % keys.size()]));
    }
}
BENCHMARK(BM_KeyLookupInAKeyedCollectionOfAMillion);

void BM_MemoryPerValueLine(benchmark::State& state) {
    Event055043 event;
    constexpr long kLines = 200000;
    std::vector<std::string> lines;
    for (long n = 0; n < kLines; ++n)
        lines.push_back(Event055043::ValueLine(n));
    double bytesPerLine = 0;
    long stored = 0;
    for (auto _ : state) {
        const std::size_t before = CountingAllocator::LiveBytes();
        {
            auto dataLines = std::make_shared<clsAdisDataLines>();
            stored = 0;
            for (const auto& line : lines)
                stored += dataLines->AddItemEx(event.dict.Events(), *event.items, event.defLine,
                                               line) != nullptr;
            bytesPerLine = static_cast<double>(CountingAllocator::LiveBytes() - before) /
                           static_cast<double>(stored);
        }
    }
    state.counters["bytes_per_line"] = bytesPerLine;
    state.counters["lines_stored"] = static_cast<double>(stored);
    state.counters["file_bytes_per_line"] = static_cast<double>(lines[0].size() + 2);
    std::printf("value line: %zu characters; memory per stored 10-item line: %.1f bytes\n",
                lines[0].size(), bytesPerLine);
}
BENCHMARK(BM_MemoryPerValueLine)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
