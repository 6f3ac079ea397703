#include "development/rel_effect_way.h"

#include "generation/m_generator.h"
#include "generation/random.h"
#include "generation/turn_analysis.h"

void TRelEffectWay::acceptMotive(const TMotive& motive) {
    source_ = motive;
    clearPanes();

    TMotive analysed = motive;
    const int32_t length = analysed.measureLength();
    if (int(analysed.chords.size()) != analysed.measureCount() && !chordSet_.empty() &&
        length > 0) {
        // without its own harmony the source's figures are read against random chords
        for (int k = 0; k < analysed.measureCount(); ++k) {
            const size_t at = static_cast<size_t>(motivicaRand()) % chordSet_.size();
            const TChord& chord = chordSet_[at];
            for (TNote& note : analysed.notes)
                if (note.time >= k * length && note.time < (k + 1) * length)
                    note.chording = chord.isChordTone(note.pitch, analysed.key);
        }
    }
    rhythm_ = analysed.rhythm();
    pitchScheme_ = turnSchemeOfMotive(analysed);
    references_ = lightsOfMotive(analysed);

    for (int index = 0; index < PANE_COUNT; ++index)
        putVariant(index, motive);
    if (canFill(motive)) {
        for (TMotive& p : panes_)
            p.clearNotes();
        fillPanels();
    }
}

void TRelEffectWay::setFrame(const TMeasure& meter, const TKey& key, DURATION anacrusis) {
    TEffectWay::setFrame(meter, key, anacrusis);
    pitchScheme_.clear();
    rhythm_.clear();
    references_.clear();
}

void TRelEffectWay::moreEffect() {
    if (!hasMore() || !canFill(pane(0)))
        return;
    keepVariants();
    fillPanels();
    playVariants();
}

void TRelEffectWay::chordsChosen(int index) {
    const TChordList chords = pane(index).chords;
    for (TMotive& p : panes_)
        p.setChords(chords);
    if (canFill(pane(index)))
        fillPanels();
}

void TRelEffectWay::editStarted(int index) {
    for (int other = 0; other < PANE_COUNT; ++other)
        if (other != index)
            keepVariant(other);
    for (TMotive& p : panes_)
        p.clearNotes();
}

bool TRelEffectWay::canFill(const TMotive& motive) const {
    return int(pitchScheme_.size()) == motive.measureCount() &&
           !(pitchScheme_.empty() && rhythm_.empty() && references_.empty()) &&
           motive.hasAllChords();
}

void TRelEffectWay::generatePane(int index, const std::vector<TLight>& references,
                                 const std::vector<TTurnWithDirVector>& scheme) {
    TMotive& p = pane(index);
    TMGenerator(p.key, p.measure).generate(p, rhythm_, scheme, references);
}

void TRelEffectWay::fillWithTries(const std::function<void(TMotive&)>& change) {
    std::vector<TMotive> made;
    for (int index = 0; index < PANE_COUNT; ++index) {
        TMotive& p = pane(index);
        p.clearNotes();
        generatePane(index, references_);
        const TNoteList generated = p.notes;
        TMotive candidate = p;
        for (int attempt = 0; attempt < MAX_TRIES; ++attempt) {
            candidate.notes = generated;
            change(candidate);
            bool repeated = candidate == source_;
            for (const TMotive& earlier : made)
                repeated = repeated || candidate == earlier;
            if (!repeated)
                break;
        }
        p.setNotes(candidate.notes);
        made.push_back(p);
    }
}
