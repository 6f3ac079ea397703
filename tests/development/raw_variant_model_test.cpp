#include "development/raw_variant_model.h"

#include <gtest/gtest.h>

namespace {

TChordList candidates() {
    return {chordOfType(TChordType::TONIC_THREE_CHORD),
            chordOfType(TChordType::DOMINANT_THREE_CHORD),
            chordOfType(TChordType::SUBDOMINANT_THREE_CHORD)};
}

std::vector<std::string> names(const TChordList& chords) {
    std::vector<std::string> n;
    for (const TChord& c : chords)
        n.push_back(std::string(chordTypeName(c.type)));
    return n;
}

}  // namespace

TEST(RawVariantModelTest, FilterChordsKeepsTheChordsTheMeasureFits) {
    // C major, 2/4 with an anacrusis of a quarter: measure 0 holds 120..240
    TMotive motive(TKey(), TMeasure(), 120);
    TRawVariantModel model(motive, nullptr, motive.startTime(), 0);
    EXPECT_TRUE(model.offersChords());
    EXPECT_FALSE(model.offersNotes());
    {
        SCOPED_TRACE("a measure without notes");
        TChordList list = candidates();
        model.filterChords(list, 300);
        EXPECT_EQ(list.size(), 3u);
    }
    {
        SCOPED_TRACE("C then E: the tonic, and the subdominant with E left last");
        motive.notes = {TNote(240, 13, 60), TNote(300, 15, 60)};
        TChordList list = candidates();
        model.filterChords(list, 300);
        // the dominant holds neither, and C is not resolved by step into it
        EXPECT_EQ(names(list),
                  (std::vector<std::string>{"TONIC_THREE_CHORD", "SUBDOMINANT_THREE_CHORD"}));
    }
    {
        SCOPED_TRACE("G then C: the tonic, and the dominant with C left last");
        motive.notes = {TNote(240, 17, 60), TNote(300, 13, 60)};
        TChordList list = candidates();
        model.filterChords(list, 240);
        EXPECT_EQ(names(list),
                  (std::vector<std::string>{"TONIC_THREE_CHORD", "DOMINANT_THREE_CHORD"}));
    }
    {
        SCOPED_TRACE("a leading note that no candidate resolves");
        // F then A: both lie outside the tonic and the dominant, so the first is unresolved
        motive.notes = {TNote(240, 16, 60), TNote(300, 18, 60)};
        TChordList list = {chordOfType(TChordType::TONIC_THREE_CHORD),
                           chordOfType(TChordType::DOMINANT_THREE_CHORD)};
        model.filterChords(list, 240);
        EXPECT_TRUE(list.empty());
    }
    {
        SCOPED_TRACE("the anacrusis measure is judged on its own notes");
        motive.notes = {TNote(120, 14, 120), TNote(240, 13, 60)};
        TChordList list = candidates();
        model.filterChords(list, 120);
        // a single D is fine as the measure's last note for any chord
        EXPECT_EQ(list.size(), 3u);
    }
}
