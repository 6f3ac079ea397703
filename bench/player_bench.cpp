// Schedule building for a period of 64 motives: the work addMotive does on the user-interface
// thread before playback starts, and the whole MIDI file export.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/motive.h"
#include "playback/midi_file_writer.h"
#include "playback/motive_player.h"

namespace {

// 64 motives in 2/4 with an anacrusis of an eighth, two chords and six notes each, the chords
// alternating so that some junctions hold their chord and others strike a new one.
std::vector<TMotive> period64() {
    std::vector<TMotive> motives;
    TChord tonic;
    tonic.setVoicing(27, 24, 22, 13);
    TChord dominant;
    dominant.setVoicing(28, 26, 24, 17);
    for (int i = 0; i < 64; ++i) {
        TMotive motive(TKey(-2, MINOR), TMeasure(2, 120), 60);
        motive.chords = i % 2 == 0 ? std::vector<TChord>{tonic, dominant}
                                   : std::vector<TChord>{dominant, tonic};
        int32_t t = 180;
        for (int n = 0; n < 6; ++n) {
            const DURATION d = n == 5 ? 60 : 30 + 30 * (n % 2);
            motive.notes.push_back(TNote(t, 18 + (i + n) % 9, d));
            t += d;
        }
        motives.push_back(motive);
    }
    return motives;
}

void BM_ScheduleExport64(benchmark::State& state) {
    const std::vector<TMotive> motives = period64();
    for (auto _ : state) {
        TMotivePlayer scheduler;
        for (const TMotive& m : motives)
            scheduler.addMotive(m);
        benchmark::DoNotOptimize(scheduler.nextStart());
    }
    state.SetItemsProcessed(state.iterations() * 64);
}
BENCHMARK(BM_ScheduleExport64);

void BM_MidiFile64(benchmark::State& state) {
    TMidiFileContent content;
    content.motives = period64();
    content.key = TKey(-2, MINOR);
    for (auto _ : state)
        benchmark::DoNotOptimize(midiFileBytes(content).size());
    state.SetItemsProcessed(state.iterations() * 64);
}
BENCHMARK(BM_MidiFile64);

}  // namespace
