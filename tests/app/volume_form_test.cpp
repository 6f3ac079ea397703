#include "instruments_ui/volume_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/dialog_prompts.h"
#include "help/eng_message_bundle.h"
#include "support/scripted_prompts.h"

namespace {

class VolumeFormTest : public ::testing::Test {
  protected:
    // Types `text` into a fresh dialog and presses OK; the value it accepted, if any.
    std::optional<int32_t> tryVolume(const QString& text, bool* stayedOpen = nullptr) {
        TVolumeForm form(nullptr, english, prompts, 100);
        form.show();
        form.edit()->setText(text);
        QTest::mouseClick(form.findChild<QPushButton*>("okButton"), Qt::LeftButton);
        if (stayedOpen != nullptr)
            *stayedOpen = form.isVisible() && form.result() != QDialog::Accepted;
        return form.volume();
    }

    TEngMessageBundle english;
    TScriptedPrompts prompts;
};

TEST_F(VolumeFormTest, ShowsTheValueReadyToBeTypedOver) {
    TVolumeForm form(nullptr, english, prompts, 110);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Volume");
    EXPECT_EQ(form.findChild<QLabel*>()->text().remove('&'), "Volume:");
    EXPECT_EQ(form.edit()->text(), "110");
    EXPECT_EQ(form.focusWidget(), form.edit());
    QTest::keyClicks(form.edit(), "7");
    EXPECT_EQ(form.edit()->text(), "7");
}

TEST_F(VolumeFormTest, OkTakesOnlyWholeNumbersFrom0To127) {
    for (const QString& refused : {QString("128"), QString("abc"), QString(""), QString("-1")}) {
        SCOPED_TRACE(refused.toStdString());
        prompts.shown.clear();
        bool stayedOpen = false;
        EXPECT_EQ(tryVolume(refused, &stayedOpen), std::nullopt);
        EXPECT_TRUE(stayedOpen);
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].caption, "Error");
        EXPECT_EQ(prompts.shown[0].text,
                  "Please enter correct integer value in 0 ... 127 diapason.");
    }
    prompts.shown.clear();
    EXPECT_EQ(tryVolume("0"), 0);
    EXPECT_EQ(tryVolume("127"), 127);
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(VolumeFormTest, TheWindowsPromptsCaptionItAndGiveTheValue) {
    TDialogPrompts real(nullptr, english);
    QString caption;
    QTimer::singleShot(0, [&caption] {
        auto* form = qobject_cast<TVolumeForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        caption = form->windowTitle();
        form->edit()->setText("64");
        QTest::keyClick(form, Qt::Key_Return);
    });
    EXPECT_EQ(real.chooseVolume("Melody - Play mode", 110), 64);
    EXPECT_EQ(caption, "Melody - Play mode");
}

}  // namespace
