#include "development/motive_variant_model.h"

#include <gtest/gtest.h>

namespace {

class TCountingListener : public TMotiveListener {
  public:
    void motiveChanged() override { ++calls; }
    int calls = 0;
};

}  // namespace

TEST(MotiveVariantModelTest, FlagsComeFromConstruction) {
    TMotive motive;
    TMotiveVariantModel chordsAndNotes(motive, nullptr, 0, 0, true, false);
    EXPECT_TRUE(chordsAndNotes.offersChords());
    EXPECT_TRUE(chordsAndNotes.offersNotes());
    EXPECT_FALSE(chordsAndNotes.showsNotesBehind());
    TMotiveVariantModel notesOnly(motive, nullptr, 0, 0, false, true);
    EXPECT_FALSE(notesOnly.offersChords());
    EXPECT_TRUE(notesOnly.showsNotesBehind());
}

TEST(MotiveVariantModelTest, SetNoteAppendsOrReplacesTheLastNote) {
    TMotive motive;  // 2/4: 0..240
    TCountingListener listener;
    motive.setListener(&listener);
    TMotiveVariantModel model(motive, nullptr, 0, 0, false, true);

    model.setNote(TNote(0, 20, 60));
    model.setNote(TNote(60, 21, 60));
    ASSERT_EQ(motive.notes.size(), 2u);
    EXPECT_EQ(listener.calls, 2);

    // at the tick of the last note: that note is replaced, none is added
    model.setNote(TNote(60, 23, 120));
    ASSERT_EQ(motive.notes.size(), 2u);
    EXPECT_EQ(motive.notes[1], TNote(60, 23, 120));
    EXPECT_EQ(listener.calls, 3);

    // at or after the motive's end: ignored, nobody told
    model.setNote(TNote(240, 20, 60));
    EXPECT_EQ(motive.notes.size(), 2u);
    EXPECT_EQ(listener.calls, 3);
}
