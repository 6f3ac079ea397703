#include "instruments_ui/open_instrument_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "help/eng_message_bundle.h"
#include "support/scripted_prompts.h"

namespace {

TEST(OpenInstrumentFormTest, OkWithoutAChoiceIsToldAndAChoiceIsGiven) {
    TEngMessageBundle english;
    TScriptedPrompts prompts;
    TOpenInstrumentForm form(nullptr, english, prompts, TInstrConfList({"Default", "Mine"}));
    form.show();
    EXPECT_EQ(form.windowTitle(), "Open the Set of Instruments");
    EXPECT_EQ(form.findChild<QLabel*>()->text().remove('&'), "Select the Set of Instruments:");
    QComboBox* list = form.existsList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentIndex(), -1);

    QPushButton* ok = form.findChild<QPushButton*>("okButton");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].caption, "Error");
    EXPECT_EQ(prompts.shown[0].text, "Please select the Set of Instruments.");

    list->setCurrentIndex(1);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(form.chosenName(), "Mine");
    EXPECT_EQ(prompts.shown.size(), 1u);
}

}  // namespace
