#include "app/zatakt_panel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "app/motive_type_picture.h"
#include "help/eng_message_bundle.h"

namespace {

class ZataktPanelTest : public ::testing::Test {
  protected:
    ZataktPanelTest() : panel(nullptr, english) {
        typeList = panel.findChild<QComboBox*>("motiveTypeList");
        durationList = panel.findChild<QComboBox*>("durationList");
        durationLabel = panel.findChild<QLabel*>("durationLabel");
        picture = panel.findChild<TMotiveTypePicture*>("motiveTypePicture");
        panel.show();
    }

    TEngMessageBundle english;
    TZataktPanel panel;
    QComboBox* typeList = nullptr;
    QComboBox* durationList = nullptr;
    QLabel* durationLabel = nullptr;
    TMotiveTypePicture* picture = nullptr;
};

TEST_F(ZataktPanelTest, StartsAsAmphibrachysWithAnEighth) {
    ASSERT_NE(typeList, nullptr);
    ASSERT_NE(durationList, nullptr);
    ASSERT_NE(durationLabel, nullptr);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(typeList->count(), 3);
    EXPECT_EQ(typeList->currentText(), "Amphibrachys");
    EXPECT_EQ(durationList->count(), 7);
    EXPECT_EQ(durationList->currentText(), "Eighth");
    EXPECT_EQ(durationLabel->text(), "Duration before the measure bar:");
    EXPECT_TRUE(durationList->isVisible());
    EXPECT_EQ(panel.value(), 60);
    EXPECT_EQ(picture->symbols().size(), 4u);
    SCOPED_TRACE("every part is named, and the label leads to its list");
    EXPECT_EQ(panel.accessibleName(), "Motive Type");
    EXPECT_FALSE(typeList->accessibleName().isEmpty());
    EXPECT_FALSE(durationList->accessibleName().isEmpty());
    EXPECT_FALSE(picture->accessibleName().isEmpty());
    EXPECT_EQ(durationLabel->buddy(), durationList);
    EXPECT_EQ(panel.focusProxy(), typeList);
}

TEST_F(ZataktPanelTest, TypeShowsOrHidesTheDuration) {
    QTest::keyClick(typeList, Qt::Key_Home);
    EXPECT_EQ(typeList->currentText(), "Iambus");
    EXPECT_EQ(durationLabel->text(), "Duration after the measure bar:");
    EXPECT_TRUE(durationLabel->isVisible());
    EXPECT_EQ(panel.value(), 240 - 60);
    EXPECT_EQ(picture->symbols().front(), TMotiveTypeSymbol::UNSTRESSED_NOTE);
    EXPECT_EQ(picture->symbols().size(), 3u);

    QTest::keyClick(typeList, Qt::Key_Down);
    EXPECT_EQ(typeList->currentText(), "Trochee");
    EXPECT_FALSE(durationLabel->isVisible());
    EXPECT_FALSE(durationList->isVisible());
    EXPECT_EQ(panel.value(), 0);
    EXPECT_EQ(picture->symbols().front(), TMotiveTypeSymbol::BAR_LINE);

    QTest::keyClick(typeList, Qt::Key_Down);
    EXPECT_TRUE(durationList->isVisible());
    QTest::keyClick(durationList, Qt::Key_End);
    EXPECT_EQ(durationList->currentText(), "Quarter and pointed eighth");
    EXPECT_EQ(panel.value(), 210);
}

TEST_F(ZataktPanelTest, ShorterMeterShortensTheList) {
    QTest::keyClick(durationList, Qt::Key_Down);
    QTest::keyClick(durationList, Qt::Key_Down);
    EXPECT_EQ(durationList->currentText(), "Quarter");
    panel.setMeasure(TMeasure(2, 60));
    ASSERT_EQ(durationList->count(), 3);
    EXPECT_EQ(durationList->itemText(2), "Pointed eighth");
    EXPECT_EQ(durationList->currentIndex(), 2);
    EXPECT_EQ(panel.value(), 90);
    panel.setMeasure(TMeasure(3, 120));
    EXPECT_EQ(durationList->count(), 8);
    EXPECT_EQ(durationList->itemText(7), "Half");
    EXPECT_EQ(durationList->currentIndex(), 2);
}

}  // namespace
