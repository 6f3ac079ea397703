#include "app/key_panel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "help/eng_message_bundle.h"

namespace {

TEST(KeyPanelTest, ModeRefillsTheKeysAndKeepsTheSigns) {
    TEngMessageBundle english;
    TKeyPanel panel(nullptr, english);
    auto* modeList = panel.findChild<QComboBox*>("modeList");
    auto* keyList = panel.findChild<QComboBox*>("keyList");
    ASSERT_NE(modeList, nullptr);
    ASSERT_NE(keyList, nullptr);
    EXPECT_EQ(panel.accessibleName(), "Key Signature");
    EXPECT_FALSE(modeList->accessibleName().isEmpty());
    EXPECT_FALSE(keyList->accessibleName().isEmpty());
    EXPECT_EQ(modeList->count(), 2);
    EXPECT_EQ(modeList->currentText(), "Minor");
    EXPECT_EQ(keyList->count(), 15);
    EXPECT_EQ(keyList->currentText(), "1 Sharp: e-moll");
    EXPECT_EQ(panel.key(), TKey(1, MINOR));

    QTest::keyClick(keyList, Qt::Key_Down);
    QTest::keyClick(keyList, Qt::Key_Down);
    EXPECT_EQ(keyList->currentText(), "3 Sharps: fis-moll");
    EXPECT_EQ(panel.key(), TKey(3, MINOR));

    QTest::keyClick(modeList, Qt::Key_Up);
    EXPECT_EQ(modeList->currentText(), "Major");
    EXPECT_EQ(keyList->count(), 15);
    EXPECT_EQ(keyList->itemText(0), "7 Flats: Ces-dur");
    EXPECT_EQ(keyList->currentText(), "3 Sharps: A-dur");
    EXPECT_EQ(panel.key(), TKey(3, MAJOR));

    QTest::keyClick(keyList, Qt::Key_Home);
    EXPECT_EQ(panel.key(), TKey(-7, MAJOR));
    panel.setKey(TKey(-2, MINOR));
    EXPECT_EQ(modeList->currentText(), "Minor");
    EXPECT_EQ(keyList->currentText(), "2 Flats: g-moll");

    panel.chooseRandom();
    EXPECT_EQ(keyList->currentIndex(), panel.key().signs() + 7);
    EXPECT_EQ(modeList->currentIndex(), panel.key().mode());
}

}  // namespace
