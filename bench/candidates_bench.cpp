#include <benchmark/benchmark.h>

#include <vector>

#include "generation/scheme.h"

namespace {

const TKey KEY(0, MAJOR);
const TMeasure METER(3, 120);

TChord arrangedTonic() {
    TChord c = chordOfType(TChordType::TONIC_THREE_CHORD);
    c.buildArrangements(KEY, SOPRANO_LOW, SOPRANO_HIGH);
    c.chooseArrangement(SOPRANO_TARGET);
    return c;
}

// A motive in 3/4 whose last note before the insertion point is the non-chord tone D after C,
// so the classic analysers and the new way both have something to continue.
TMotive motiveBefore() {
    TMotive m(KEY, METER);
    const TChord chord = arrangedTonic();
    m.chords = {chord};
    for (auto [t, p] : {std::pair{0, 20}, {60, 22}, {120, 20}, {180, 21}}) {
        TNote n(t, p, 60);
        n.chording = chord.isChordTone(p, KEY);
        m.notes.push_back(n);
    }
    return m;
}

}  // namespace

// One collectVariants call per iteration, in the insert mode given, after the note at 180 and at
// the bar line.
static void BM_CollectVariants(benchmark::State& state) {
    TScheme scheme;
    scheme.setInsertMode(static_cast<int32_t>(state.range(0)));
    const bool barLine = state.range(1) != 0;
    const TMotive m = motiveBefore();
    const TChord& chord = m.chords[0];
    const int32_t t = barLine ? 0 : 240;
    variant_set out;
    for (auto _ : state) {
        scheme.collectVariants(m.notes, &chord, false, false, barLine, out, METER, m, t, 360);
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK(BM_CollectVariants)
    ->ArgNames({"mode", "barLine"})
    ->Args({INSERT_CLASSIC, 0})
    ->Args({INSERT_CLASSIC, 1})
    ->Args({INSERT_NEW_WAY, 0})
    ->Args({INSERT_NEW_WAY, 1})
    ->Args({INSERT_ALL, 0});

// The classic way with every analyser of the default turns proposing after a chord tone.
static void BM_CollectVariantsAfterChordTone(benchmark::State& state) {
    TScheme scheme;
    TMotive m = motiveBefore();
    m.notes.pop_back();
    const TChord& chord = m.chords[0];
    variant_set out;
    for (auto _ : state) {
        scheme.collectVariants(m.notes, &chord, false, false, false, out, METER, m, 180, 360);
        benchmark::DoNotOptimize(out.size());
    }
}
BENCHMARK(BM_CollectVariantsAfterChordTone);
