#include "app/midi_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <string>
#include <utility>
#include <vector>

#include "commands/prompts_interface.h"
#include "help/eng_message_bundle.h"
#include "support/fake_midi_devices.h"
#include "support/scripted_prompts.h"

namespace {

// Devices named "Synth 0", "Synth 1", ...
class TFakeDevices : public TFakeMidiDevices {
  public:
    explicit TFakeDevices(int count, int failFrom = -1)
        : TFakeMidiDevices("Synth", count, failFrom) {}
};

class MidiFormTest : public ::testing::Test {
  protected:
    // Shows the form modally, lets `act` close it and returns chooseDevice's answer.
    template <typename Action>
    int choose(TMidiForm& form, Action act) {
        QTimer::singleShot(0, &form, [&form, act] { act(form); });
        return form.chooseDevice(prompts);
    }
    static void clickOk(TMidiForm& form) {
        QTest::mouseClick(form.findChild<QPushButton*>("okButton"), Qt::LeftButton);
    }
    static void clickCancel(TMidiForm& form) {
        QTest::mouseClick(form.findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    }

    TEngMessageBundle english;
    TScriptedPrompts prompts;
};

TEST_F(MidiFormTest, ShowsTheDevicesWithThePreselection) {
    TFakeDevices devices(3);
    TMidiForm form(nullptr, english, listMidiDevices(devices, 1));
    EXPECT_EQ(form.windowTitle(), "MIDI Devices");
    auto* list = form.findChild<QComboBox*>("deviceList");
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->accessibleName().isEmpty());
    EXPECT_EQ(list->count(), 3);
    EXPECT_EQ(list->itemText(2), "Synth 2");
    EXPECT_EQ(list->currentIndex(), 1);
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(form.findChild<QLabel*>()->text().remove('&'), "Select output port:");
    EXPECT_EQ(form.findChild<QPushButton*>("okButton")->text(), "OK");
    EXPECT_TRUE(form.findChild<QPushButton*>("okButton")->isDefault());
    EXPECT_EQ(form.findChild<QPushButton*>("cancelButton")->text(), "Cancel");

    EXPECT_EQ(choose(form, clickOk), 1);
    EXPECT_EQ(choose(form,
                     [](TMidiForm& f) {
                         QTest::keyClick(f.findChild<QComboBox*>("deviceList"), Qt::Key_End);
                         QTest::keyClick(&f, Qt::Key_Return);
                     }),
              2);
    EXPECT_EQ(choose(form, clickCancel), -1);
    EXPECT_EQ(choose(form, [](TMidiForm& f) { QTest::keyClick(&f, Qt::Key_Escape); }), -1);
    EXPECT_EQ(prompts.count("message"), 0u);
}

TEST_F(MidiFormTest, IndexBeyondTheDevicesPreselectsTheFirst) {
    TFakeDevices devices(2);
    TMidiForm beyond(nullptr, english, listMidiDevices(devices, 7));
    EXPECT_EQ(beyond.findChild<QComboBox*>("deviceList")->currentIndex(), 0);
    EXPECT_EQ(choose(beyond, clickOk), 0);

    SCOPED_TRACE("another negative index selects nothing, and OK chooses nothing");
    TMidiForm negative(nullptr, english, listMidiDevices(devices, -3));
    EXPECT_EQ(negative.findChild<QComboBox*>("deviceList")->currentIndex(), -1);
    EXPECT_EQ(choose(negative, clickOk), -1);
}

TEST_F(MidiFormTest, NoDevicesWarnsAndChoosesNothing) {
    TFakeDevices devices(0);
    TMidiForm form(nullptr, english, listMidiDevices(devices, 0));
    EXPECT_EQ(form.findChild<QComboBox*>("deviceList")->count(), 0);
    EXPECT_EQ(choose(form, clickOk), -1);
    ASSERT_EQ(prompts.count("message"), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Warning");
    EXPECT_EQ(prompts.shown[0].text, "There are no MIDI devices.");
    EXPECT_EQ(choose(form, clickCancel), -1);
    EXPECT_EQ(prompts.count("message"), 2u);
}

TEST_F(MidiFormTest, FailedDescriptionKeepsTheNamesFoundSoFar) {
    TFakeDevices devices(4, 2);
    TMidiForm form(nullptr, english, listMidiDevices(devices, 0));
    auto* list = form.findChild<QComboBox*>("deviceList");
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentIndex(), -1);
    EXPECT_EQ(choose(form, clickOk), -1);
    ASSERT_EQ(prompts.count("message"), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Error");
    EXPECT_EQ(prompts.shown[0].text, "The error occurs while loading of the Midi Devices list");

    SCOPED_TRACE("the user may still pick one of them");
    EXPECT_EQ(choose(form,
                     [](TMidiForm& f) {
                         QTest::keyClick(f.findChild<QComboBox*>("deviceList"), Qt::Key_Down);
                         clickOk(f);
                     }),
              0);
}

}  // namespace
