#include "playback/instrument_editing.h"

#include <gtest/gtest.h>

#include "playback/instr_conf_list.h"

namespace {

TEST(InstrumentEditing, VolumesAreWholeNumbersFrom0To127) {
    EXPECT_EQ(parseVolume("0"), 0);
    EXPECT_EQ(parseVolume("127"), 127);
    EXPECT_EQ(parseVolume(" 64 "), 64);
    EXPECT_EQ(parseVolume("+5"), 5);
    for (const char* refused :
         {"128", "-1", "abc", "", "   ", "1.5", "12a", "0x10", "99999999999"}) {
        SCOPED_TRACE(refused);
        EXPECT_EQ(parseVolume(refused), std::nullopt);
    }
}

TEST(InstrumentEditing, SetNamesAreCheckedInTheDialogsOrder) {
    const TInstrConfList existing({"Default", "Mine"});
    const std::string longest(MAX_SET_NAME_LENGTH, 'a');
    EXPECT_EQ(checkSetName(longest, existing), TSetNameVerdict::ACCEPTED);
    EXPECT_EQ(checkSetName(longest + "a", existing), TSetNameVerdict::WRONG);
    // the length counts characters: 215 two-byte letters are a name, 216 are not
    std::string cyrillic;
    for (size_t i = 0; i < MAX_SET_NAME_LENGTH; ++i)
        cyrillic += "\xD0\xB6";
    EXPECT_EQ(checkSetName(cyrillic, existing), TSetNameVerdict::ACCEPTED);
    EXPECT_EQ(checkSetName(cyrillic + "\xD0\xB6", existing), TSetNameVerdict::WRONG);

    EXPECT_EQ(checkSetName("", existing), TSetNameVerdict::EMPTY);
    EXPECT_EQ(checkSetName("    ", existing), TSetNameVerdict::EMPTY);
    // emptiness is told before anything else
    EXPECT_EQ(checkSetName(std::string(300, ' '), existing), TSetNameVerdict::EMPTY);
    for (const char* wrong : {"a:b", "a\\b", "a/b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b", "..",
                              "/etc/passwd", "../outside", "x/../../y"}) {
        SCOPED_TRACE(wrong);
        EXPECT_EQ(checkSetName(wrong, existing), TSetNameVerdict::WRONG);
    }
    EXPECT_EQ(checkSetName(std::string("a\0b", 3), existing), TSetNameVerdict::WRONG);
    // a long name with a colon is one wrong name, and a wrong name is not looked up
    EXPECT_EQ(checkSetName("Mine:", existing), TSetNameVerdict::WRONG);

    EXPECT_EQ(checkSetName("mINE", existing), TSetNameVerdict::EXISTS);
    EXPECT_EQ(checkSetName("Default", existing), TSetNameVerdict::EXISTS);
    EXPECT_EQ(checkSetName(" Mine", existing), TSetNameVerdict::ACCEPTED);
    EXPECT_EQ(checkSetName("Strings & Brass", existing), TSetNameVerdict::ACCEPTED);
    EXPECT_EQ(checkSetName("...", existing), TSetNameVerdict::ACCEPTED);  // stays inside

    // replacing takes the stored set's spelling, so that its file is the one replaced
    EXPECT_EQ(replacedSetName("mINE", existing), "Mine");
    EXPECT_EQ(replacedSetName("New", existing), "New");
}

TEST(InstrumentEditing, EachVerdictHasItsMessage) {
    const auto keys = [](TSetNameVerdict v) {
        const std::optional<TSetNameMessage> m = setNameMessage(v);
        return m ? std::string(m->captionKey) + "|" + m->messageKey : std::string();
    };
    EXPECT_EQ(keys(TSetNameVerdict::EMPTY), "error|instr name empty");
    EXPECT_EQ(keys(TSetNameVerdict::WRONG), "error|wrong file name");
    EXPECT_EQ(keys(TSetNameVerdict::EXISTS), "warning|instr set exists");
    EXPECT_EQ(keys(TSetNameVerdict::ACCEPTED), "");
}

}  // namespace
