#include <benchmark/benchmark.h>

#include <vector>

#include "harmony/chord.h"
#include "harmony/chord_connection.h"

static std::vector<TChord> chordSet() {
    std::vector<TChord> chords;
    for (TChordType type : HARMONY_SET) {
        chords.push_back(chordOfType(type));
    }
    return chords;
}

// Every chord of the chord set arranged over the whole soprano range and checked against a
// preceding tonic triad, as the chord popup does for its widest range.
static void BM_ArrangeAndCheckChordSet(benchmark::State& state) {
    const TKey key(static_cast<int32_t>(state.range(0)), static_cast<uint8_t>(state.range(1)));
    std::vector<TChord> chords = chordSet();
    const TVoicing previous = {24, 22, 20, 6};
    for (auto _ : state) {
        for (TChord& chord : chords) {
            chord.buildArrangements(key, SOPRANO_LOW, SOPRANO_HIGH);
            benchmark::DoNotOptimize(
                chord.checkConnection(previous, key, SOPRANO_LOW, SOPRANO_HIGH));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(chords.size()));
}
BENCHMARK(BM_ArrangeAndCheckChordSet)->Args({0, MAJOR})->Args({-2, MINOR})->Args({7, MAJOR});

// Arrangement search alone, without a preceding chord.
static void BM_ArrangeChordSet(benchmark::State& state) {
    const TKey key(0, MAJOR);
    std::vector<TChord> chords = chordSet();
    for (auto _ : state) {
        for (TChord& chord : chords) {
            chord.buildArrangements(key, SOPRANO_LOW, SOPRANO_HIGH);
            benchmark::DoNotOptimize(chord.arrangementCounts.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(chords.size()));
}
BENCHMARK(BM_ArrangeChordSet);

// One harmoniser step: all candidates after a tonic triad arranged around its soprano, checked,
// filtered, and one of them voiced.
static void BM_HarmoniserStep(benchmark::State& state) {
    const TKey key(0, MAJOR);
    TChord previous = chordOfType(TChordType::TONIC_THREE_CHORD);
    previous.setVoicing(24, 22, 20, 6);
    const TChordConnection connection(&previous, nullptr);
    for (auto _ : state) {
        std::vector<TChord> candidates = successionCandidates(key, previous.order);
        connection.arrangeCandidates(candidates, key);
        if (!candidates.empty()) {
            connection.voice(candidates.front());
        }
        benchmark::DoNotOptimize(candidates.data());
    }
}
BENCHMARK(BM_HarmoniserStep);
