#include "instruments_ui/pitch_list.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "playback/pitch_preview.h"

namespace {

// What the list told, as text: "+n" for a press, "-" for a release.
class TRecordingPresses : public TPitchSelectionListener {
  public:
    void pitchPressed(int32_t number) override { heard += "+" + std::to_string(number) + " "; }
    void pitchReleased() override { heard += "- "; }
    std::string heard;
};

class PitchListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        catalogue.categories() = {
            {"Keys", {{"Piano", 0}, {"Harp", 1}, {"Organ", 2}}},
            {"Strings", {{"Violin", 40}, {"Viola", 41}}},
        };
        list = std::make_unique<TPitchList>(nullptr, catalogue);
        list->setListener(&presses);
        list->show();
    }
    QPoint centreOf(QListWidget* box, int row) {
        return box->visualItemRect(box->item(row)).center();
    }
    // A mouse event on the entry list's viewport, with the buttons held after it.
    void mouse(QEvent::Type type, int row, Qt::MouseButton button, Qt::MouseButtons held) {
        QWidget* viewport = list->instrumentList()->viewport();
        const QPointF at = centreOf(list->instrumentList(), row);
        QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }
    QStringList entries() {
        QStringList names;
        for (int i = 0; i < list->instrumentList()->count(); ++i)
            names << list->instrumentList()->item(i)->text();
        return names;
    }
    int selected(QListWidget* box) {
        const QList<QListWidgetItem*> items = box->selectedItems();
        return items.isEmpty() ? -1 : box->row(items.front());
    }

    TInstrumentSet catalogue;
    TRecordingPresses presses;
    std::unique_ptr<TPitchList> list;
};

TEST_F(PitchListTest, PreselectsTheNumbersEntryOrNothing) {
    EXPECT_EQ(list->categoryList()->count(), 2);
    list->preselect(41);
    EXPECT_EQ(selected(list->categoryList()), 1);
    EXPECT_EQ(entries(), (QStringList{"Violin", "Viola"}));
    EXPECT_EQ(selected(list->instrumentList()), 1);
    EXPECT_TRUE(list->okButton()->isEnabled());
    EXPECT_EQ(list->result(), 41);

    list->preselect(7);
    EXPECT_EQ(selected(list->categoryList()), -1);
    EXPECT_EQ(selected(list->instrumentList()), -1);
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_FALSE(list->okButton()->isEnabled());
    EXPECT_EQ(list->result(), std::nullopt);
}

TEST_F(PitchListTest, ACategoryClickFillsTheEntriesAndSelectsTheFirst) {
    list->preselect(2);
    QListWidget* categories = list->categoryList();
    QTest::mouseClick(categories->viewport(), Qt::LeftButton, {}, centreOf(categories, 1));
    EXPECT_EQ(entries(), (QStringList{"Violin", "Viola"}));
    EXPECT_EQ(selected(list->instrumentList()), 0);
    EXPECT_EQ(list->result(), 40);
    EXPECT_TRUE(list->okButton()->isEnabled());
    EXPECT_TRUE(presses.heard.empty()) << "a category is not heard";
}

TEST_F(PitchListTest, TheHeldLeftButtonIsHeardEntryByEntry) {
    list->preselect(0);
    mouse(QEvent::MouseButtonPress, 1, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(list->result(), 1);
    mouse(QEvent::MouseMove, 2, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, 2, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, 2, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(presses.heard, "+1 +2 - ");
    EXPECT_EQ(list->result(), 2);

    presses.heard.clear();
    mouse(QEvent::MouseButtonPress, 0, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, 0, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(presses.heard, "");

    // a press still held when the dialog closes ends with it
    mouse(QEvent::MouseButtonPress, 1, Qt::LeftButton, Qt::LeftButton);
    list->reject();
    EXPECT_EQ(presses.heard, "+1 - ");
}

}  // namespace
