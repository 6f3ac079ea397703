#include "development/edit_motive_variant_model.h"

#include <gtest/gtest.h>

namespace {

class TCountingListener : public TMotiveListener {
  public:
    void motiveChanged() override { ++calls; }
    int calls = 0;
};

struct TOverwriteCase {
    const char* name;
    TNoteList before;
    TNote inserted;
    TNoteList after;
};

}  // namespace

TEST(EditMotiveVariantModelTest, SetNoteOverwritesWhatItCovers) {
    const std::vector<TOverwriteCase> cases = {
        {"covered notes disappear",
         {TNote(0, 20, 60), TNote(60, 21, 60), TNote(120, 22, 60)},
         TNote(0, 24, 120),
         {TNote(0, 24, 120), TNote(120, 22, 60)}},
        {"a note it cuts into is shortened",
         {TNote(0, 20, 120)},
         TNote(30, 24, 60),
         {TNote(0, 20, 30), TNote(30, 24, 60)}},
        {"a note it overlaps at its start is pushed behind it",
         {TNote(30, 20, 120)},
         TNote(0, 24, 60),
         {TNote(0, 24, 60), TNote(60, 20, 90)}},
        {"a note in a gap goes between its neighbours",
         {TNote(0, 20, 60), TNote(180, 22, 60)},
         TNote(60, 24, 60),
         {TNote(0, 20, 60), TNote(60, 24, 60), TNote(180, 22, 60)}},
        {"at the same tick a longer note is pushed, not removed",
         {TNote(0, 20, 120), TNote(120, 21, 60)},
         TNote(0, 24, 60),
         {TNote(0, 24, 60), TNote(60, 20, 60), TNote(120, 21, 60)}},
        {"after every note it is appended",
         {TNote(0, 20, 60)},
         TNote(120, 24, 60),
         {TNote(0, 20, 60), TNote(120, 24, 60)}},
        {"into an empty motive", {}, TNote(60, 24, 60), {TNote(60, 24, 60)}},
        {"a rest it cuts into stays a rest",
         {TNote(0, 20, -120)},
         TNote(60, 24, 60),
         {TNote(0, 20, -60), TNote(60, 24, 60)}},
    };
    for (const TOverwriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        TMotive motive;
        motive.notes = c.before;
        TCountingListener listener;
        motive.setListener(&listener);
        TEditMotiveVariantModel model(motive, nullptr, 0, 0, nullptr);
        model.setNote(c.inserted);
        EXPECT_EQ(motive.notes, c.after);
        EXPECT_EQ(listener.calls, 1);
    }
}

TEST(EditMotiveVariantModelTest, ModelOffersNotesWithTheNotesBehind) {
    TMotive motive;
    TEditMotiveVariantModel model(motive, nullptr, 0, 0, nullptr);
    EXPECT_FALSE(model.offersChords());
    EXPECT_TRUE(model.offersNotes());
    EXPECT_TRUE(model.showsNotesBehind());
}

TEST(EditMotiveVariantModelTest, PreviousNoteIsTheSecondMotivesLastNoteWhenItReachesTheEnd) {
    TMotive motive;
    TMotive second;  // 2/4: ends at 240
    {
        SCOPED_TRACE("no second motive");
        TEditMotiveVariantModel model(motive, nullptr, 0, 0, nullptr);
        EXPECT_EQ(model.previousNote(), TNote());
    }
    TEditMotiveVariantModel model(motive, nullptr, 0, 0, &second);
    EXPECT_EQ(model.previousNote(), TNote());
    second.notes = {TNote(0, 20, 60), TNote(120, 23, 60)};
    // the last note stops before the end: silence comes first
    EXPECT_EQ(model.previousNote(), TNote());
    second.notes.back().duration = 120;
    EXPECT_EQ(model.previousNote(), TNote(120, 23, 120));
}
