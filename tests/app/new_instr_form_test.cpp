#include "instruments_ui/new_instr_form.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "help/eng_message_bundle.h"
#include "support/scripted_prompts.h"

namespace {

class NewInstrFormTest : public ::testing::Test {
  protected:
    // Types `name` and presses OK; true when the dialog closed with it.
    bool tryName(const QString& name) {
        form.newName()->setText(name);
        QTest::mouseClick(form.findChild<QPushButton*>("okButton"), Qt::LeftButton);
        return form.result() == QDialog::Accepted && !form.isVisible();
    }
    void SetUp() override { form.show(); }

    TEngMessageBundle english;
    TScriptedPrompts prompts;
    TNewInstrForm form{nullptr, english, prompts, TInstrConfList({"Default", "Mine"})};
};

TEST_F(NewInstrFormTest, ShowsTheNameFieldAndTheStoredSets) {
    EXPECT_EQ(form.windowTitle(), "New Set of Instruments.");
    QStringList labels;
    for (QLabel* label : form.findChildren<QLabel*>())
        labels << label->text().remove('&');
    EXPECT_TRUE(labels.contains("Enter the name for  the Set of Instruments:"));
    EXPECT_TRUE(labels.contains("Existing Sets of Instruments:"));
    ASSERT_EQ(form.existingList()->count(), 2);
    EXPECT_EQ(form.existingList()->item(1)->text(), "Mine");
    EXPECT_EQ(form.focusWidget(), form.newName());
    EXPECT_FALSE(form.newName()->accessibleName().isEmpty());
    EXPECT_FALSE(form.existingList()->accessibleName().isEmpty());
}

TEST_F(NewInstrFormTest, OkRefusesEmptyAndWrongNamesAndStaysOpen) {
    struct TCase {
        QString name;
        const char* message;
    };
    const std::string wrong =
        "Wrong name.\n The name cannot contain any of the following "
        "characters: \n \\ / : * ? \" < > |\n The maximal length of the "
        "name is 215 characters.";
    const TCase cases[] = {
        {"", "The field with name is empty."},
        {"   ", "The field with name is empty."},
        {QString(216, 'a'), wrong.c_str()},
        {"a:b", wrong.c_str()},
        {"..", wrong.c_str()},
        {"../outside", wrong.c_str()},
        {"/tmp/elsewhere", wrong.c_str()},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        prompts.shown.clear();
        EXPECT_FALSE(tryName(c.name));
        EXPECT_TRUE(form.isVisible());
        ASSERT_EQ(prompts.shown.size(), 1u);
        EXPECT_EQ(prompts.shown[0].kind, "message");
        EXPECT_EQ(prompts.shown[0].caption, "Error");
        EXPECT_EQ(prompts.shown[0].text, c.message);
    }
}

TEST_F(NewInstrFormTest, OkTakesALongestNameAtOnce) {
    EXPECT_TRUE(tryName(QString(215, 'a')));
    EXPECT_EQ(form.acceptedName(), std::string(215, 'a'));
    EXPECT_TRUE(prompts.shown.empty());
}

TEST_F(NewInstrFormTest, AStoredNameAsksBeforeReplacing) {
    prompts.confirmations = {false, true};
    EXPECT_FALSE(tryName("mINE"));
    ASSERT_EQ(prompts.shown.size(), 1u);
    EXPECT_EQ(prompts.shown[0].kind, "confirm");
    EXPECT_EQ(prompts.shown[0].caption, "Warning");
    EXPECT_EQ(prompts.shown[0].text,
              "The Set of Instruments with such name already exists. \nDo you want to replace?");
    EXPECT_TRUE(form.isVisible());
    // replacing stores under the stored set's own spelling: its file is the one replaced
    EXPECT_TRUE(tryName("mINE"));
    EXPECT_EQ(form.acceptedName(), "Mine");
}

}  // namespace
