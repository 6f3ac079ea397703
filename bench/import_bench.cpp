#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "exchange/import_error.h"
#include "exchange/melody_import.h"
#include "exchange/musicxml_writer.h"
#include "playback/instrument_conf.h"
#include "playback/midi_file_writer.h"

namespace {

// A melody of `measures` measures of 3/4 in A minor with an eighth's up-beat: sixteenths,
// eighths and dotted quarters over the whole range, laid out as one phrase per four motives.
TPeriodData melodyOf(int measures) {
    std::vector<int> phrases;
    std::vector<int> motives;
    for (int m = 0; m < measures; m += 4) {
        phrases.push_back(1);
        motives.push_back(4);
    }
    TPeriodData period;
    period.buildFromLayout(phrases, motives, std::vector<COLORED_BOX_SUFFIX>(phrases.size(), 5),
                           TKey(0, MINOR), TMeasure(3, QUARTER), EIGHTH, 100);
    const DURATION lengths[] = {SIXTEENTH, SIXTEENTH, EIGHTH, POINTED_QUARTER, EIGHTH};
    int step = 0;
    for (const TMotiveAddress& a : period.motiveAddresses()) {
        TMotive& motive = period.motiveAt(a);
        for (int32_t t = motive.startTime(); t < motive.endTime(); ++step) {
            const DURATION d =
                std::min<DURATION>(lengths[step % 5], static_cast<DURATION>(motive.endTime() - t));
            motive.notes.push_back(TNote(t, 13 + (step * 5) % 22, d));
            t += d;
        }
        motive.updateSharps();
    }
    return period;
}

std::string midiText(const TPeriodData& period) {
    const std::vector<uint8_t> bytes =
        midiFileBytes(TMidiFileContent::ofPeriod(period, TInstrumentConf()));
    return std::string(bytes.begin(), bytes.end());
}

// The whole import of a file: reading it, fitting every measure's notes and building the
// composition (64 motives at most; a longer melody is refused once all of it has been fitted).
void importBench(benchmark::State& state, const std::string& file) {
    size_t refusals = 0;
    for (auto _ : state) {
        try {
            const TMelodyImport imported = importMelody(file);
            benchmark::DoNotOptimize(imported.period.motiveCount());
        } catch (const TImportError&) {
            ++refusals;
        }
    }
    state.counters["bytes"] = static_cast<double>(file.size());
    state.counters["refused"] = static_cast<double>(refusals);
}

void BM_ImportMusicXml64Measures(benchmark::State& state) {
    importBench(state, musicXmlText(melodyOf(64)));
}
void BM_ImportMidi64Measures(benchmark::State& state) {
    importBench(state, midiText(melodyOf(64)));
}
void BM_ImportMusicXml16Measures(benchmark::State& state) {
    importBench(state, musicXmlText(melodyOf(16)));
}
void BM_ImportMidi16Measures(benchmark::State& state) {
    importBench(state, midiText(melodyOf(16)));
}

}  // namespace

BENCHMARK(BM_ImportMusicXml64Measures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportMidi64Measures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportMusicXml16Measures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportMidi16Measures)->Unit(benchmark::kMillisecond);
