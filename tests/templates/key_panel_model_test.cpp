#include "templates/key_panel_model.h"

#include <gtest/gtest.h>

#include "generation/random.h"
#include "help/eng_message_bundle.h"

namespace {

TEST(KeyPanelModelTest, NewPanelShowsEMinor) {
    TEngMessageBundle english;
    TKeyPanelModel panel;
    EXPECT_EQ(panel.key(), TKey(1, MINOR));
    EXPECT_EQ(panel.mode(), MINOR);
    EXPECT_EQ(panel.keyIndex(), 8);
    EXPECT_EQ(TKeyPanelModel::modeItems(english), (std::vector<std::string>{"Major", "Minor"}));
    const std::vector<std::string> keys = panel.keyItems(english);
    ASSERT_EQ(keys.size(), 15u);
    EXPECT_EQ(keys[8], "1 Sharp: e-moll");
}

TEST(KeyPanelModelTest, ModeChangeKeepsTheSigns) {
    TEngMessageBundle english;
    TKeyPanelModel panel;
    panel.setKeyIndex(2);
    EXPECT_EQ(panel.key(), TKey(-5, MINOR));
    EXPECT_EQ(panel.keyItems(english)[static_cast<size_t>(panel.keyIndex())], "5 Flats: b-moll");
    panel.setMode(MAJOR);
    EXPECT_EQ(panel.keyIndex(), 2);
    EXPECT_EQ(panel.key(), TKey(-5, MAJOR));
    EXPECT_EQ(panel.keyItems(english)[2], "5 Flats: Des-dur");

    SCOPED_TRACE("both ends of the list");
    panel.setKeyIndex(0);
    EXPECT_EQ(panel.key(), TKey(-7, MAJOR));
    panel.setKeyIndex(14);
    EXPECT_EQ(panel.key(), TKey(7, MAJOR));

    SCOPED_TRACE("indices and modes outside the lists are ignored");
    panel.setKeyIndex(15);
    panel.setKeyIndex(-1);
    panel.setMode(2);
    EXPECT_EQ(panel.key(), TKey(7, MAJOR));

    SCOPED_TRACE("a key sets mode and index");
    panel.setKey(TKey(-2, MINOR));
    EXPECT_EQ(panel.mode(), MINOR);
    EXPECT_EQ(panel.keyIndex(), 5);
    EXPECT_EQ(panel.keyItems(english)[5], "2 Flats: g-moll");
}

TEST(KeyPanelModelTest, RandomKeyFromThreeDraws) {
    resetMotivicaRandForTesting();
    std::vector<TKey> expected;
    for (int i = 0; i < 40; ++i) {
        const int signs = 1 + motivicaRand() % 7;
        const uint8_t mode = motivicaRand() % 2 == 1 ? MINOR : MAJOR;
        expected.emplace_back(motivicaRand() % 2 == 1 ? -signs : signs, mode);
    }
    resetMotivicaRandForTesting();
    TKeyPanelModel panel;
    bool sawFlats = false;
    bool sawSharps = false;
    bool sawMajor = false;
    for (int i = 0; i < 40; ++i) {
        SCOPED_TRACE(i);
        panel.chooseRandom();
        EXPECT_EQ(panel.key(), expected[static_cast<size_t>(i)]);
        EXPECT_NE(panel.key().signs(), 0);
        sawFlats = sawFlats || panel.key().signs() < 0;
        sawSharps = sawSharps || panel.key().signs() > 0;
        sawMajor = sawMajor || !panel.key().isMinor();
    }
    EXPECT_TRUE(sawFlats && sawSharps && sawMajor);
}

}  // namespace
