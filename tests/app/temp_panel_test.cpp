#include "app/temp_panel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <vector>

#include "help/eng_message_bundle.h"
#include "support/recording_temp_listener.h"

namespace {

class TempPanelTest : public ::testing::Test {
  protected:
    TempPanelTest() : panel(nullptr, english) {
        panel.setListener(&listener);
        categoryList = panel.findChild<QComboBox*>("tempCategoryList");
        valueEdit = panel.findChild<QSpinBox*>("tempValueEdit");
    }

    TEngMessageBundle english;
    TRecordingTempListener listener;
    TTempPanel panel;
    QComboBox* categoryList = nullptr;
    QSpinBox* valueEdit = nullptr;
};

TEST_F(TempPanelTest, StartsAtOneHundredModerately) {
    ASSERT_NE(categoryList, nullptr);
    ASSERT_NE(valueEdit, nullptr);
    EXPECT_EQ(panel.accessibleName(), "Tempo");
    EXPECT_FALSE(categoryList->accessibleName().isEmpty());
    EXPECT_FALSE(valueEdit->accessibleName().isEmpty());
    ASSERT_EQ(categoryList->count(), 7);
    EXPECT_EQ(categoryList->itemText(0), "Wide");
    EXPECT_EQ(categoryList->itemText(6), "Fast");
    EXPECT_EQ(categoryList->currentText(), "Moderately");
    EXPECT_EQ(valueEdit->value(), 100);
    EXPECT_EQ(valueEdit->minimum(), 50);
    EXPECT_EQ(valueEdit->maximum(), 150);
    EXPECT_EQ(panel.value(), 100);
}

TEST_F(TempPanelTest, CategoryAndArrowsKeepEachOtherInStep) {
    QTest::keyClick(categoryList, Qt::Key_Down);
    EXPECT_EQ(categoryList->currentIndex(), 4);
    EXPECT_EQ(valueEdit->value(), 115);
    QTest::keyClick(categoryList, Qt::Key_End);
    EXPECT_EQ(valueEdit->value(), 145);
    EXPECT_EQ(listener.values, (std::vector<int32_t>{115, 145}));

    SCOPED_TRACE("the value's arrows move the category along");
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(valueEdit, Qt::Key_Down);
    EXPECT_EQ(valueEdit->value(), 135);
    EXPECT_EQ(categoryList->currentIndex(), 5);
    QTest::keyClick(valueEdit, Qt::Key_PageUp);
    EXPECT_EQ(valueEdit->value(), 145);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(valueEdit, Qt::Key_Up);
    EXPECT_EQ(valueEdit->value(), 150);
    EXPECT_EQ(categoryList->currentIndex(), 6);
    EXPECT_EQ(panel.value(), 150);
    EXPECT_EQ(listener.values.back(), 150);
    EXPECT_EQ(listener.values.size(), 2u + 10u + 1u + 5u);
}

TEST_F(TempPanelTest, TypingDoesNotChangeTheValue) {
    valueEdit->setFocus();
    QTest::keyClicks(valueEdit, "7");
    QTest::keyClick(valueEdit, Qt::Key_Backspace);
    QTest::keyClick(valueEdit, Qt::Key_Return);
    EXPECT_EQ(valueEdit->value(), 100);
    EXPECT_TRUE(listener.values.empty());
}

TEST_F(TempPanelTest, ProgramValuesAreShownSilently) {
    panel.setValue(62);
    EXPECT_EQ(valueEdit->value(), 62);
    EXPECT_EQ(categoryList->currentIndex(), 0);
    panel.setValue(63);
    EXPECT_EQ(categoryList->currentIndex(), 1);
    panel.setValue(20);
    EXPECT_EQ(valueEdit->value(), 50);
    EXPECT_TRUE(listener.values.empty());

    SCOPED_TRACE("a random value is a change the listener hears");
    panel.chooseRandom();
    ASSERT_EQ(listener.values.size(), 1u);
    EXPECT_EQ(listener.values[0], valueEdit->value());
    EXPECT_EQ(panel.value(), valueEdit->value());
}

TEST_F(TempPanelTest, SharedModelIsShownAndChanged) {
    TTempPanelModel model;
    model.setValue(70);
    TTempPanel shared(nullptr, english, model);
    auto* list = shared.findChild<QComboBox*>("tempCategoryList");
    EXPECT_EQ(list->currentIndex(), 1);
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(model.value(), 55);
    EXPECT_EQ(shared.value(), 55);
}

}  // namespace
