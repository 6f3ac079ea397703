#include "app/instrument_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <filesystem>

#include "support/instrument_window_test.h"

namespace {

using InstrumentCommandsTest = TInstrumentWindowTest;

QToolButton* buttonNamed(QWidget& window, const QString& name) {
    for (QToolButton* b : window.findChildren<QToolButton*>())
        if (b->accessibleName() == name)
            return b;
    return nullptr;
}

TEST_F(InstrumentCommandsTest, TheWindowOffersBothCommands) {
    TMainWindow& w = *window_;
    // Tools: "Instruments..." after "Midi Devices..."
    QMenu* tools = nullptr;
    for (QAction* a : w.menuBar()->actions())
        if (a->text().remove('&') == "Tools")
            tools = a->menu();
    ASSERT_NE(tools, nullptr);
    QStringList items;
    for (QAction* a : tools->actions())
        items << a->text();
    EXPECT_EQ(items.mid(0, 2), (QStringList{"Midi Devices...", "Instruments..."}));
    // "New Set of Instruments" is an action of the window without a menu item
    QAction* newSet = nullptr;
    for (QAction* a : w.actions())
        if (a->text() == "New Set of Instruments")
            newSet = a;
    ASSERT_NE(newSet, nullptr);
    for (QObject* holder : newSet->associatedObjects())
        EXPECT_EQ(qobject_cast<QMenu*>(holder), nullptr);
    // the three set buttons right of the list: new, modify, delete
    QToolButton* create = buttonNamed(w, "New Set of Instruments");
    QToolButton* modify = buttonNamed(w, "Modify current Set of Instruments");
    QToolButton* remove = buttonNamed(w, "Delete current Set of Instruments");
    ASSERT_NE(create, nullptr);
    ASSERT_NE(modify, nullptr);
    ASSERT_NE(remove, nullptr);
    EXPECT_EQ(create->toolTip(), "New Set of Instruments");
    EXPECT_LT(w.instrList()->geometry().right(), create->x());
    EXPECT_LT(create->geometry().right(), modify->x());
    EXPECT_LT(modify->geometry().right(), remove->x());

    // each opens the editor
    modify->click();
    EXPECT_EQ(prompts_->count("editor"), 1u);
    EXPECT_EQ(prompts_->count("set name"), 0u);
    prompts_->setNames.push_back(std::nullopt);
    create->click();
    EXPECT_EQ(prompts_->count("set name"), 1u);
    prompts_->setNames.push_back(std::nullopt);
    newSet->trigger();
    EXPECT_EQ(prompts_->count("set name"), 2u);
    EXPECT_EQ(prompts_->count("editor"), 1u) << "the name dialog's Cancel ends the command";
    EXPECT_EQ(w.instrumentSet(), mine_);
}

TEST_F(InstrumentCommandsTest, ANewSetStartsFromTheDefaultsAndIsConfiguredOnOk) {
    TMainWindow& w = *window_;
    prompts_->setNames.push_back("Fresh");
    std::vector<TMidiBytes> beforeEditor;
    prompts_->editors.push_back([&](TInstrForm& f) {
        beforeEditor = sent();
        EXPECT_EQ(f.windowTitle(), "Set of Instruments - Fresh");
        EXPECT_EQ(f.set(), TInstrumentConf());
        prompts_->volumes.push_back(7);
        f.volumeButton(TInstrumentNumber::MELODY_VOLUME)->click();
        f.okAction();
        return f.result() == QDialog::Accepted;
    });
    w.newInstrumentSetAction();
    EXPECT_EQ(prompts_->shown.front().kind, "set name");
    EXPECT_EQ(prompts_->shown.front().text, "Mine;");
    EXPECT_EQ(beforeEditor, appliedSet(TInstrumentConf()));
    TInstrumentConf fresh;
    fresh.setMelodyVolume(7);
    EXPECT_EQ(setFile("Fresh"), instrumentSetText(fresh));
    EXPECT_EQ(w.config().instrumentSchemeName(), "Fresh");
    TConfig stored(scratch_.base());
    TXmlDocument document;
    ASSERT_TRUE(stored.loadConfig(document));
    EXPECT_EQ(stored.instrumentSchemeName(), "Fresh");
    EXPECT_EQ(w.instrumentSet(), fresh);
    ASSERT_EQ(w.instrList()->count(), 2);
    EXPECT_EQ(w.instrList()->currentText(), "Fresh");
}

TEST_F(InstrumentCommandsTest, ANewSetCancelledInTheEditorLeavesEverythingAsItWas) {
    TMainWindow& w = *window_;
    const std::string before = setFile("Mine");
    prompts_->setNames.push_back("Fresh");
    prompts_->editors.push_back([](TInstrForm& f) {
        f.cancelAction();
        return f.result() == QDialog::Accepted;
    });
    w.newInstrumentSetAction();
    EXPECT_EQ(setFile("Mine"), before);
    EXPECT_FALSE(std::filesystem::exists(instrumentSetPath(scratch_.base(), "Fresh")));
    EXPECT_EQ(w.config().instrumentSchemeName(), "Mine");
    EXPECT_EQ(w.instrumentSet(), mine_);
    EXPECT_EQ(w.instrList()->currentText(), "Mine");
}

TEST_F(InstrumentCommandsTest, WithoutAConfiguredSetModifyNamesANewOne) {
    TMainWindow& w = *window_;
    // the configured set is deleted: none is configured any more
    prompts_->confirmations.push_back(true);
    buttonNamed(w, "Delete current Set of Instruments")->click();
    ASSERT_EQ(w.config().instrumentSchemeName(), "");
    prompts_->setNames.push_back("Again");
    prompts_->editors.push_back([](TInstrForm& f) {
        EXPECT_EQ(f.editedSetName(), "Again");
        f.okAction();
        return f.result() == QDialog::Accepted;
    });
    w.modifyInstrumentSetAction();
    EXPECT_EQ(prompts_->count("set name"), 1u);
    EXPECT_EQ(w.config().instrumentSchemeName(), "Again");
    EXPECT_EQ(setFile("Again"), instrumentSetText(TInstrumentConf()));
}

}  // namespace
