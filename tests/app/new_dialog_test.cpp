#include "app/new_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "app/key_panel.h"
#include "app/temp_panel.h"
#include "app/zatakt_panel.h"
#include "help/eng_message_bundle.h"
#include "model/period_data.h"

namespace {

using TInts = std::vector<int>;
using TLetters = std::vector<PHRASE_LETTER>;

QStringList itemsOf(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

class NewDialogTest : public ::testing::Test {
  protected:
    NewDialogTest() : dialog(nullptr, english) {}

    template <typename T = QWidget>
    T* control(const char* name) {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPushButton* button(const char* name) { return control<QPushButton>(name); }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void clickRow(const char* list, int row) {
        auto* widget = control<QListWidget>(list);
        const QRect cell = widget->visualItemRect(widget->item(row));
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Which of add, delete, up and down of "Sentence" or "Phrase" are enabled.
    std::vector<bool> enabled(const std::string& what) {
        std::vector<bool> states;
        for (const char* pattern :
             {"add%1Button", "delete%1Button", "move%1UpButton", "move%1DownButton"}) {
            const QString name = QString(pattern).arg(QString::fromStdString(what));
            QPushButton* b = dialog.findChild<QPushButton*>(name);
            EXPECT_NE(b, nullptr) << name.toStdString();
            states.push_back(b != nullptr && b->isEnabled());
        }
        return states;
    }

    TEngMessageBundle english;
    TNewDialog dialog;
};

TEST_F(NewDialogTest, FormCaptionsSizeAndPanels) {
    EXPECT_EQ(dialog.windowTitle(), "New Dialog");
    EXPECT_EQ(dialog.size(), QSize(690, 608));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(button("okButton")->text(), "OK");
    EXPECT_TRUE(button("okButton")->isDefault());
    EXPECT_EQ(button("cancelButton")->text(), "Cancel");
    struct TGroup {
        const char* name;
        const char* title;
    };
    for (TGroup g : {TGroup{"keyPanelBase", "Key Signature:"},
                     TGroup{"motiveTypeBase", "Motive Type:"}, TGroup{"tempBase", "Temp:"},
                     TGroup{"GroupBox4", "Meter:"}, TGroup{"GroupBox5", "Period Structure:"},
                     TGroup{"GroupBox6", "Period Structure Templates:"},
                     TGroup{"GroupBox7", "Letter Schemes:"}}) {
        SCOPED_TRACE(g.name);
        QGroupBox* group = control<QGroupBox>(g.name);
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title().remove('&'), g.title);
    }
    SCOPED_TRACE("the three panels sit 9 in and at least 18 down, under the title");
    struct TPanel {
        QWidget* panel;
        const char* group;
    };
    for (TPanel p : {TPanel{dialog.findChild<TKeyPanel*>(), "keyPanelBase"},
                     TPanel{dialog.findChild<TZataktPanel*>(), "motiveTypeBase"},
                     TPanel{dialog.findChild<TTempPanel*>(), "tempBase"},
                     TPanel{control<QComboBox>("measureBox"), "GroupBox4"}}) {
        SCOPED_TRACE(p.group);
        ASSERT_NE(p.panel, nullptr);
        QWidget* group = p.panel->parentWidget();
        EXPECT_EQ(group->objectName(), p.group);
        EXPECT_EQ(p.panel->x(), 9);
        EXPECT_GE(p.panel->y(), 18);
        EXPECT_GE(p.panel->y(), group->contentsRect().top());
        EXPECT_LE(p.panel->geometry().right(), group->width() - 9);
        EXPECT_LE(p.panel->geometry().bottom(), group->height() - 9);
    }
}

TEST_F(NewDialogTest, OpensWithTheDefaultShapeAndChoices) {
    EXPECT_EQ(itemsOf(control<QListWidget>("sentenceList")),
              (QStringList{"Sentence-1", "Sentence-2"}));
    EXPECT_EQ(control<QListWidget>("sentenceList")->currentRow(), 0);
    EXPECT_EQ(itemsOf(control<QListWidget>("phraseList")),
              (QStringList{"Phrase-A (2)", "Phrase-B (2)"}));
    EXPECT_EQ(control<QListWidget>("phraseList")->currentRow(), 0);
    EXPECT_EQ(itemsOf(control<QComboBox>("measureBox")), (QStringList{"2/4", "3/4", "2/8", "3/8"}));
    EXPECT_EQ(control<QComboBox>("measureBox")->currentIndex(), 0);
    EXPECT_EQ(itemsOf(control<QComboBox>("motiveCountList")), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(control<QComboBox>("motiveCountList")->currentText(), "2");
    EXPECT_EQ(itemsOf(control<QComboBox>("phraseLetterList")),
              (QStringList{"A", "B", "C", "D", "E", "A1", "B1", "C1", "D1", "E1", "A2"}));
    EXPECT_EQ(control<QComboBox>("phraseLetterList")->currentText(), "A");
    EXPECT_EQ(control<QComboBox>("templatesBox")->count(), 7);
    EXPECT_EQ(control<QComboBox>("templatesBox")->currentIndex(), 0);
    EXPECT_EQ(control<QComboBox>("templatesBox")->itemText(4),
              "(Sentence-1 (PHRASE-1 (2) + PHRASE-2 (2)))");
    EXPECT_EQ(control<QComboBox>("letterSchemesBox")->count(), 5);
    EXPECT_EQ(control<QComboBox>("letterSchemesBox")->currentText(), "A + B + B1 + A1");
    EXPECT_EQ(control<QPlainTextEdit>("periodStructureEdit")->toPlainText(),
              "(Sentence-1 (PHRASE-A (2) + PHRASE-B (2))) + "
              "(Sentence-2 (PHRASE-B1 (2) + PHRASE-A1 (2)))");
    EXPECT_TRUE(control<QPlainTextEdit>("periodStructureEdit")->isReadOnly());
    EXPECT_EQ(control<QComboBox>("keyList")->currentText(), "1 Sharp: e-moll");
    EXPECT_EQ(control<QComboBox>("motiveTypeList")->currentText(), "Amphibrachys");
    EXPECT_EQ(control<QComboBox>("durationList")->currentText(), "Eighth");
    EXPECT_EQ(control<QSpinBox>("tempValueEdit")->value(), 100);
    EXPECT_EQ(enabled("Sentence"), (std::vector<bool>{true, true, false, true}));
    EXPECT_EQ(enabled("Phrase"), (std::vector<bool>{true, true, false, true}));
    EXPECT_TRUE(button("applyLetterSchemeButton")->isEnabled());

    const TNewDialogResult result = dialog.newDialogResult();
    EXPECT_EQ(result.layout, TPeriodLayout(TInts{2, 2}, TInts{2, 2, 2, 2}, TLetters{5, 6, 11, 10}));
    EXPECT_EQ(result.key, TKey(1, MINOR));
    EXPECT_EQ(result.measure, TMeasure(2, 120));
    EXPECT_EQ(result.anacrusis, 60);
    EXPECT_EQ(result.tempo, 100);
}

TEST_F(NewDialogTest, SentenceButtonsFollowTheRules) {
    click("addSentenceButton");
    EXPECT_EQ(control<QListWidget>("sentenceList")->currentRow(), 2);
    EXPECT_EQ(itemsOf(control<QListWidget>("phraseList")), (QStringList{"Phrase-A (2)"}));
    EXPECT_EQ(enabled("Sentence"), (std::vector<bool>{true, true, true, false}));
    EXPECT_FALSE(button("deletePhraseButton")->isEnabled());
    click("addSentenceButton");
    EXPECT_EQ(control<QListWidget>("sentenceList")->count(), 4);
    EXPECT_EQ(enabled("Sentence"), (std::vector<bool>{false, true, true, false}));
    click("addSentenceButton");
    EXPECT_EQ(control<QListWidget>("sentenceList")->count(), 4);

    SCOPED_TRACE("move the first sentence down and delete down to one");
    clickRow("sentenceList", 0);
    EXPECT_EQ(enabled("Sentence"), (std::vector<bool>{false, true, false, true}));
    click("moveSentenceDownButton");
    EXPECT_EQ(control<QListWidget>("sentenceList")->currentRow(), 1);
    EXPECT_EQ(itemsOf(control<QListWidget>("phraseList")),
              (QStringList{"Phrase-A (2)", "Phrase-B (2)"}));
    EXPECT_EQ(dialog.phraseLetters(), (TLetters{11, 10, 5, 6, 5, 5}));
    for (int i = 0; i < 3; ++i)
        click("deleteSentenceButton");
    EXPECT_EQ(itemsOf(control<QListWidget>("sentenceList")), (QStringList{"Sentence-1"}));
    EXPECT_EQ(enabled("Sentence"), (std::vector<bool>{true, false, false, false}));
    EXPECT_EQ(dialog.phrasesPerSentence().size(), 1u);
}

TEST_F(NewDialogTest, PhraseButtonsAndFieldsFollowTheSelection) {
    clickRow("sentenceList", 1);
    EXPECT_EQ(itemsOf(control<QListWidget>("phraseList")),
              (QStringList{"Phrase-B1 (2)", "Phrase-A1 (2)"}));
    clickRow("phraseList", 1);
    EXPECT_EQ(enabled("Phrase"), (std::vector<bool>{true, true, true, false}));
    EXPECT_EQ(control<QComboBox>("phraseLetterList")->currentText(), "A1");

    QTest::keyClick(control<QComboBox>("motiveCountList"), Qt::Key_End);
    QTest::keyClick(control<QComboBox>("phraseLetterList"), Qt::Key_End);
    EXPECT_EQ(itemsOf(control<QListWidget>("phraseList")),
              (QStringList{"Phrase-B1 (2)", "Phrase-A2 (4)"}));
    EXPECT_EQ(control<QListWidget>("phraseList")->currentRow(), 1);
    EXPECT_EQ(control<QPlainTextEdit>("periodStructureEdit")->toPlainText(),
              "(Sentence-1 (PHRASE-A (2) + PHRASE-B (2))) + "
              "(Sentence-2 (PHRASE-B1 (2) + PHRASE-A2 (4)))");

    click("movePhraseUpButton");
    EXPECT_EQ(control<QListWidget>("phraseList")->currentRow(), 0);
    EXPECT_EQ(control<QComboBox>("motiveCountList")->currentText(), "4");
    EXPECT_EQ(enabled("Phrase"), (std::vector<bool>{true, true, false, true}));
    click("addPhraseButton");
    click("addPhraseButton");
    EXPECT_EQ(control<QListWidget>("phraseList")->count(), 4);
    EXPECT_EQ(enabled("Phrase"), (std::vector<bool>{false, true, true, false}));

    SCOPED_TRACE("one phrase left cannot be deleted");
    for (int i = 0; i < 3; ++i)
        click("deletePhraseButton");
    EXPECT_EQ(itemsOf(control<QListWidget>("phraseList")), (QStringList{"Phrase-A2 (4)"}));
    EXPECT_EQ(enabled("Phrase"), (std::vector<bool>{true, false, false, false}));
    EXPECT_FALSE(control<QComboBox>("motiveCountList")->isHidden());
    EXPECT_FALSE(control<QLabel>("phraseLetterLabel")->isHidden());
    EXPECT_EQ(dialog.motivesPerPhrase(), (TInts{2, 2, 4}));
}

TEST_F(NewDialogTest, TemplatesAndLetterSchemes) {
    auto* templates = control<QComboBox>("templatesBox");
    auto* schemes = control<QComboBox>("letterSchemesBox");
    clickRow("sentenceList", 1);
    templates->setCurrentIndex(3);
    EXPECT_EQ(dialog.phrasesPerSentence(), (TInts{3, 3}));
    EXPECT_EQ(dialog.motivesPerPhrase(), (TInts{3, 2, 3, 3, 2, 3}));
    EXPECT_EQ(dialog.phraseLetters(), (TLetters{5, 6, 11, 10, 5, 6}));
    EXPECT_EQ(control<QListWidget>("sentenceList")->currentRow(), 0);
    EXPECT_EQ(itemsOf(control<QListWidget>("phraseList")),
              (QStringList{"Phrase-A (3)", "Phrase-B (2)", "Phrase-B1 (3)"}));

    SCOPED_TRACE("a scheme letters every phrase and changes no count");
    QTest::keyClick(schemes, Qt::Key_Home);
    EXPECT_EQ(dialog.phraseLetters(), (TLetters{5, 10, 15, 6, 5, 10}));
    EXPECT_EQ(dialog.motivesPerPhrase(), (TInts{3, 2, 3, 3, 2, 3}));

    SCOPED_TRACE("Apply letters the phrases again after an edit");
    QTest::keyClick(control<QComboBox>("phraseLetterList"), Qt::Key_End);
    EXPECT_EQ(dialog.phraseLetters(), (TLetters{15, 10, 15, 6, 5, 10}));
    click("applyLetterSchemeButton");
    EXPECT_EQ(dialog.phraseLetters(), (TLetters{5, 10, 15, 6, 5, 10}));
    EXPECT_EQ(control<QComboBox>("phraseLetterList")->currentText(), "A");

    SCOPED_TRACE("the next template keeps the scheme");
    QTest::keyClick(templates, Qt::Key_End);
    EXPECT_EQ(dialog.phrasesPerSentence(), (TInts{3}));
    EXPECT_EQ(dialog.phraseLetters(), (TLetters{5, 10, 15}));
    EXPECT_EQ(itemsOf(control<QListWidget>("sentenceList")), (QStringList{"Sentence-1"}));
}

TEST_F(NewDialogTest, MeterReachesTheMotiveTypePanel) {
    auto* durations = control<QComboBox>("durationList");
    QTest::keyClick(durations, Qt::Key_End);
    EXPECT_EQ(durations->count(), 7);
    QTest::keyClick(control<QComboBox>("measureBox"), Qt::Key_End);
    QTest::keyClick(control<QComboBox>("measureBox"), Qt::Key_Up);
    EXPECT_EQ(control<QComboBox>("measureBox")->currentText(), "2/8");
    EXPECT_EQ(itemsOf(durations), (QStringList{"Sixteenth", "Eighth", "Pointed eighth"}));
    EXPECT_EQ(durations->currentIndex(), 2);
    EXPECT_EQ(dialog.measure(), TMeasure(2, 60));
    EXPECT_EQ(dialog.anacrusis(), 90);
}

TEST_F(NewDialogTest, OkGivesTheChoiceAndCancelChangesNothing) {
    TPeriodData period;
    TPeriodLayout defaultShape(TInts{2, 2}, TInts{2, 2, 2, 2}, TLetters{5, 6, 10, 11});
    defaultShape.buildPeriod(period, TKey(-2, MINOR), TMeasure(2, 120), 60, 100);
    const TPeriodData before = period;

    QTest::keyClick(control<QComboBox>("modeList"), Qt::Key_Up);
    QTest::keyClick(control<QComboBox>("keyList"), Qt::Key_Home);
    QTest::keyClick(control<QComboBox>("motiveTypeList"), Qt::Key_Home);
    QTest::keyClick(control<QComboBox>("tempCategoryList"), Qt::Key_End);
    QTest::keyClick(control<QComboBox>("measureBox"), Qt::Key_Down);
    QTest::keyClick(control<QComboBox>("templatesBox"), Qt::Key_Down);

    QTimer::singleShot(0, &dialog, [this] { click("cancelButton"); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(period.sentences.size(), before.sentences.size());
    EXPECT_EQ(period.key, before.key);
    QTimer::singleShot(0, &dialog, [this] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);

    QTimer::singleShot(0, &dialog, [this] { QTest::keyClick(&dialog, Qt::Key_Return); });
    ASSERT_EQ(dialog.exec(), QDialog::Accepted);
    const TNewDialogResult result = dialog.newDialogResult();
    EXPECT_EQ(result.key, TKey(-7, MAJOR));
    EXPECT_EQ(result.measure, TMeasure(3, 120));
    EXPECT_EQ(result.anacrusis, 360 - 60);
    EXPECT_EQ(result.tempo, 145);
    EXPECT_EQ(result.layout, TPeriodLayout(TInts{2, 2}, TInts{4, 4, 4, 4}, TLetters{5, 6, 11, 10}));
    EXPECT_EQ(dialog.key(), result.key);
    EXPECT_EQ(dialog.tempo(), 145);
    result.buildPeriod(period);
    EXPECT_EQ(period.sentences[1].phrases[1].motives.size(), 4u);
    EXPECT_EQ(period.tempo(), 145);
}

TEST_F(NewDialogTest, EveryControlHasANameAndAPlaceInTheTabChain) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    int reached = 0;  // a guard against a chain that never comes back
    QWidget* start = dialog.findChild<QComboBox*>("modeList");
    ASSERT_NE(start, nullptr);
    std::vector<QString> names;
    QWidget* w = start;
    do {
        // Qt's own parts (the spin box's text field) speak through their control
        const bool own = !w->objectName().isEmpty() && !w->objectName().startsWith("qt_");
        if (own && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            names.push_back(w->objectName());
        }
        ++reached;
        w = w->nextInFocusChain();
    } while (w != start && reached < 500);
    const std::vector<QString> expected = {"modeList",
                                           "keyList",
                                           "motiveTypeList",
                                           "durationList",
                                           "tempCategoryList",
                                           "tempValueEdit",
                                           "measureBox",
                                           "sentenceList",
                                           "addSentenceButton",
                                           "deleteSentenceButton",
                                           "moveSentenceDownButton",
                                           "phraseList",
                                           "addPhraseButton",
                                           "deletePhraseButton",
                                           "movePhraseDownButton",
                                           "motiveCountList",
                                           "phraseLetterList",
                                           "periodStructureEdit",
                                           "templatesBox",
                                           "letterSchemesBox",
                                           "applyLetterSchemeButton",
                                           "okButton",
                                           "cancelButton"};
    EXPECT_EQ(names, expected);

    SCOPED_TRACE("mnemonics reach the lists");
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), control<QListWidget>("phraseList"));
    QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), control<QComboBox>("templatesBox"));
    QTest::keyClick(&dialog, Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), control<QComboBox>("modeList"));

    SCOPED_TRACE("every mnemonic is the dialog's only one of its letter and reaches its control");
    struct TMnemonic {
        Qt::Key key;
        const char* control;
    };
    const std::vector<TMnemonic> focusing = {{Qt::Key_K, "modeList"},
                                             {Qt::Key_Y, "motiveTypeList"},
                                             {Qt::Key_T, "tempCategoryList"},
                                             {Qt::Key_E, "measureBox"},
                                             {Qt::Key_S, "sentenceList"},
                                             {Qt::Key_P, "phraseList"},
                                             {Qt::Key_C, "motiveCountList"},
                                             {Qt::Key_L, "phraseLetterList"},
                                             {Qt::Key_R, "periodStructureEdit"},
                                             {Qt::Key_M, "templatesBox"},
                                             {Qt::Key_H, "letterSchemesBox"}};
    // a button's mnemonic presses it
    const TMnemonic pressing = {Qt::Key_A, "applyLetterSchemeButton"};
    QStringList captions;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        captions << label->text();
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        captions << group->title();
    for (const QPushButton* b : dialog.findChildren<QPushButton*>())
        captions << b->text();
    QString letters;
    for (const QString& caption : captions) {
        const qsizetype mark = caption.indexOf('&');
        if (mark >= 0 && mark + 1 < caption.size())
            letters += caption[mark + 1].toUpper();
    }
    ASSERT_EQ(letters.size(), qsizetype(focusing.size() + 1)) << letters.toStdString();
    EXPECT_EQ(letters.count(QChar(pressing.key)), 1);
    for (const TMnemonic& m : focusing) {
        SCOPED_TRACE(m.control);
        EXPECT_EQ(letters.count(QChar(m.key)), 1);
        QTest::keyClick(&dialog, m.key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget(), control(m.control));
    }
    QSignalSpy pressed(button(pressing.control), &QPushButton::clicked);
    QTest::keyClick(&dialog, pressing.key, Qt::AltModifier);
    EXPECT_TRUE(pressed.count() == 1 || pressed.wait(1000));
}

TEST_F(NewDialogTest, OpensInTheMiddleOfTheScreen) {
    QWidget owner;
    owner.setGeometry(0, 0, 200, 150);
    owner.show();
    TNewDialog owned(&owner, english);
    owned.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&owned));
    const QPoint offset =
        owned.frameGeometry().center() - owned.screen()->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
}

}  // namespace
