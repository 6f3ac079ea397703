#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <map>
#include <sstream>

#include "app/dad_window.h"
#include "app/main_window.h"
#include "app/u_motive_canvas.h"
#include "app/u_motive_set.h"
#include "app/variant_view_widget.h"
#include "editing/canvas_mapping.h"
#include "editing/chord_variant_strategy.h"
#include "editing/note_variant_strategy.h"
#include "generation/random.h"
#include "notation/canvas_layout.h"
#include "playback/capture_port.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace {

// The window with the default composition, its first canvas driven by synthetic mouse events;
// off screen the popup draws its own pointer, which follows the mouse's relative motion.
class DadPopupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        resetMotivicaRandForTesting();
        window_ = std::make_unique<TMainWindow>(scratch_.base(),
                                                std::make_unique<TScriptedPrompts>(), &devices_);
        canvas_ = window_->periodPanel()->motiveSets()[0]->canvas();
        ASSERT_TRUE(window_->pointerIsDrawn());
    }

    TVariantView& view() { return window_->variantView(); }
    TPointerControl& pointer() { return window_->pointerControl(); }
    TMotive& motive() { return *canvas_->motive(); }

    void send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons,
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent e(type, QPointF(canvas_->mapFromGlobal(mouse_)), QPointF(mouse_), button,
                      buttons, modifiers);
        QApplication::sendEvent(canvas_, &e);
    }
    void press(QPoint local) {
        mouse_ = canvas_->mapToGlobal(local);
        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
    }
    void release() { send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton); }
    // The mouse moves by (dx, dy) with the button held.
    void moveBy(int dx, int dy, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        mouse_ += QPoint(dx, dy);
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, modifiers);
    }
    // Moves the drawn pointer to a view point by moving the mouse.
    void pointTo(int x, int y, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const TScreenPoint o = window_->dadWindow()->viewOrigin();
        const TScreenPoint p = pointer().pos();
        moveBy(o.x + x - p.x, o.y + y - p.y, modifiers);
    }
    TNoteVariantStrategy& notes(int pane) {
        return *dynamic_cast<TNoteVariantStrategy*>(view().strategy(pane));
    }
    // Level with a candidate of the other pane, pushes through the boundary.
    bool enterNote(int32_t pitch) {
        const int active = view().activePane();
        if (notes(1 - active).candidateAt(pitch) == nullptr)
            return false;
        pointTo(active == 0 ? 225 : 253, rowTop(pitch) + 9);
        const int32_t commits = view().commitCount();
        for (int i = 0; i < 400 && view().commitCount() == commits; ++i)
            moveBy(active == 0 ? 6 : -6, 0);
        return view().commitCount() == commits + 1;
    }
    bool lengthen() {
        const int active = view().activePane();
        const int32_t before = notes(active).currentNote().duration;
        for (int i = 0; i < 400 && notes(active).currentNote().duration == before; ++i)
            moveBy(active == 0 ? -6 : 6, 0);
        return notes(active).currentNote().duration != before;
    }
    // Keys still sounding after everything the window sent.
    std::map<std::pair<int, int>, int> soundingKeys() {
        std::map<std::pair<int, int>, int> on;
        for (const TCapturedMessage& m : log_.messages()) {
            if (m.systemExclusive || m.bytes.size() < 3)
                continue;
            const int status = m.bytes[0] & 0xf0;
            const std::pair<int, int> key{m.bytes[0] & 0x0f, m.bytes[1]};
            if (status == 0x90 && m.bytes[2] > 0)
                ++on[key];
            else if ((status == 0x80 || status == 0x90) && on[key] > 0)
                --on[key];
            if (on[key] == 0)
                on.erase(key);
        }
        return on;
    }
    std::string firstMotiveNotes(const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        const std::string all = text.str();
        const size_t from = all.find("<NOTES>");
        const size_t to = all.find("</NOTES>");
        return from == std::string::npos ? "" : all.substr(from, to - from);
    }

    TScratchFolder scratch_{"dad_popup"};
    TCaptureLog log_;
    TCaptureDevices devices_{log_};
    std::unique_ptr<TMainWindow> window_;
    TUMotiveCanvas* canvas_ = nullptr;
    QPoint mouse_;
};

}  // namespace

TEST_F(DadPopupTest, AGestureWritesThreeNotesIntoTheFirstMotiveAndTheDocument) {
    motive().notes.clear();
    press(QPoint(20, 60));
    ASSERT_TRUE(window_->popupShown());
    EXPECT_EQ(window_->dadWindow()->accessibleName(), "DAD");
    EXPECT_EQ(window_->dadWindow()->windowTitle().toStdString(),
              "DAD - Hold the Ctrl to change the pitch of the current note.");
    // the anacrusis starts the motive: the first note goes there
    const int32_t start = motive().startTime();
    ASSERT_FALSE(notes(1).isEmpty());
    const int32_t first = notes(1).candidates().front().pitch;
    ASSERT_TRUE(enterNote(first));
    ASSERT_TRUE(lengthen());
    const int32_t second = notes(0).candidates().back().pitch;
    ASSERT_TRUE(enterNote(second));
    const int32_t third = notes(1).candidates().front().pitch;
    ASSERT_TRUE(enterNote(third));
    release();
    EXPECT_FALSE(window_->popupShown());

    ASSERT_EQ(motive().notes.size(), 3u);
    EXPECT_EQ(motive().notes[0].time, start);
    EXPECT_EQ(motive().notes[0].pitch, first);
    EXPECT_EQ(motive().notes[0].duration, 60);
    EXPECT_EQ(motive().notes[1].time, start + 60);
    EXPECT_EQ(motive().notes[1].pitch, second);
    EXPECT_EQ(motive().notes[2].time, start + 90);
    EXPECT_EQ(motive().notes[2].pitch, third);
    // the edit can be undone
    EXPECT_TRUE(canvas_->backButton()->isEnabled());

    const std::string path = scratch_.path("gesture.tnr");
    ASSERT_TRUE(window_->saveDocument(path));
    const std::string saved = firstMotiveNotes(path);
    std::ostringstream expected;
    expected << "TIME=\"" << start << "\" PITCH=\"" << first << "\" DURATION=\"EIGHTH\"";
    EXPECT_NE(saved.find(expected.str()), std::string::npos) << saved;
    expected.str("");
    expected << "TIME=\"" << start + 90 << "\" PITCH=\"" << third << "\"";
    EXPECT_NE(saved.find(expected.str()), std::string::npos) << saved;
    // the popup's audition is silent again once it closed
    window_->stopAction();
    EXPECT_TRUE(soundingKeys().empty());
}

TEST_F(DadPopupTest, CtrlChangesThePitchOfTheCurrentNote) {
    motive().notes.clear();
    press(QPoint(20, 60));
    ASSERT_TRUE(enterNote(notes(1).candidates().front().pitch));
    ASSERT_TRUE(enterNote(notes(0).candidates().front().pitch));
    const int32_t before = motive().notes[1].pitch;
    int32_t target = -1;
    for (const TScVariant& v : notes(0).candidates())
        if (v.pitch != before)
            target = v.pitch;
    ASSERT_NE(target, -1);
    pointTo(220, rowTop(target) + 9, Qt::ControlModifier);
    EXPECT_EQ(motive().notes[1].pitch, target);
    release();
    EXPECT_EQ(motive().notes[1].pitch, target);
}

TEST_F(DadPopupTest, EscapeClosesThePopupKeepingTheNotesAndSilencingEverything) {
    motive().notes.clear();
    press(QPoint(20, 60));
    ASSERT_TRUE(enterNote(notes(1).candidates().front().pitch));
    ASSERT_FALSE(soundingKeys().empty());
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(canvas_, &escape);
    EXPECT_FALSE(window_->popupShown());
    // the finished edit plays at once; stopping it leaves nothing sounding
    window_->stopAction();
    EXPECT_TRUE(soundingKeys().empty());
    ASSERT_EQ(motive().notes.size(), 1u);
    // the pointer is free again and the next press starts a new edit
    EXPECT_FALSE(static_cast<TVirtualPointer&>(pointer()).confined());
    EXPECT_TRUE(canvas_->backButton()->isEnabled());
    release();
    press(QPoint(20, 60));
    EXPECT_TRUE(window_->popupShown());
    release();
}

TEST_F(DadPopupTest, ARightPressOrAPressOnTheHistoryButtonsStartsNoEdit) {
    mouse_ = canvas_->mapToGlobal(QPoint(20, 60));
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(window_->popupShown());
    send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton);
    canvas_->editor().pushSnapshot();
    canvas_->repaint();
    ASSERT_TRUE(canvas_->backButton()->isEnabled());
    QTest::mouseClick(canvas_->backButton(), Qt::LeftButton);
    EXPECT_FALSE(window_->popupShown());
    EXPECT_TRUE(canvas_->forwardButton()->isEnabled());
    EXPECT_EQ(canvas_->backButton()->accessibleName(), "Back");
    EXPECT_EQ(canvas_->forwardButton()->accessibleName(), "Forward");
}

TEST_F(DadPopupTest, TheViewWidgetPaintsBothPanesAndTheDrawnPointer) {
    motive().notes.clear();
    press(QPoint(20, 60));
    ASSERT_TRUE(enterNote(notes(1).candidates().front().pitch));
    TVariantViewWidget* w = window_->dadWindow()->viewWidget();
    const QImage image = w->grab().toImage();
    // the active pane has the warm background, the bars of the candidates are coloured
    const int active = view().activePane();
    const QPoint inActive = active == 0 ? QPoint(20, 440) : QPoint(460, 440);
    EXPECT_EQ(image.pixelColor(inActive * image.devicePixelRatio()), QColor(255, 251, 240));
    bool coloured = false;
    for (int y = 40; y < 440 && !coloured; ++y) {
        const QColor c =
            image.pixelColor(QPoint(active == 0 ? 250 : 228, y) * image.devicePixelRatio());
        coloured = c == QColor(218, 208, 255) || c == QColor(252, 188, 219);
    }
    EXPECT_TRUE(coloured);
    if (qEnvironmentVariableIsSet("MOTIVICA_SCREENSHOTS"))
        image.save(QString::fromLocal8Bit(qgetenv("MOTIVICA_SCREENSHOTS")) + "/dad_notes.png");
    release();
}

TEST_F(DadPopupTest, AChordItsArrangementAndAnotherBassGoIntoTheMotive) {
    // chords under the notes, on the first motive's anacrusis measure
    canvas_->setChordMode(1);
    press(QPoint(20, 140));
    ASSERT_TRUE(window_->popupShown());
    EXPECT_EQ(window_->dadWindow()->windowTitle().toStdString(), "DAD");
    auto* right = dynamic_cast<TChordVariantStrategy*>(view().strategy(1));
    ASSERT_NE(right, nullptr);
    ASSERT_FALSE(right->isEmpty());
    const TRectWithCheck cell = right->cellRect(0, 1);
    pointTo(PANE_BOUNDARY + (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    ASSERT_EQ(view().activePane(), 1);
    ASSERT_EQ(right->hoveredIndex(), 0);
    const TChordType type = right->candidates()[0].type;

    // down the column to an arrangement with more than one bass
    pointTo(PANE_BOUNDARY + (cell.left + cell.right) / 2, 300);
    const auto& hits = right->arrangementHits();
    const auto found = std::find_if(hits.begin(), hits.end(), [](const auto& hit) {
        return hit.second.bassOptionCount >= 2 && hit.second.bassOptionValid[0] &&
               hit.second.bassOptionValid[1];
    });
    ASSERT_NE(found, hits.end());
    const TRectWithCheck mark = found->first;
    const TChordArrangement arrangement = found->second;
    pointTo(PANE_BOUNDARY + mark.right + 4, mark.top + 5);
    pointTo(PANE_BOUNDARY + mark.left + 4, mark.top + 5);
    ASSERT_TRUE(right->arrangementChosen());

    const int32_t other = right->bassOption() == 0 ? 1 : 0;
    const TRectWithCheck bass = right->bassRect();
    pointTo(PANE_BOUNDARY + bass.left + 4, bass.top + 10 * other + 5);
    ASSERT_EQ(right->bassOption(), other);
    release();
    EXPECT_FALSE(window_->popupShown());

    const TChord* chord = motive().chordAt(0);
    ASSERT_NE(chord, nullptr);
    EXPECT_EQ(chord->type, type);
    EXPECT_EQ(chord->voicing(),
              (TVoicing{arrangement.upper[0], arrangement.upper[1], arrangement.upper[2],
                        arrangement.bassOptions[size_t(other)]}));
    window_->stopAction();
    EXPECT_TRUE(soundingKeys().empty());
}

TEST_F(DadPopupTest, DeleteModeRemovesTheNotesADragTouches) {
    canvas_->setNotesMode(5);
    const int32_t start = motive().startTime();
    motive().notes = {TNote(start, 20, 60), TNote(start + 60, 22, 60), TNote(start + 120, 24, 60)};
    const size_t before = motive().notes.size();
    const int32_t second = motive().notes[1].time;
    press(QPoint(xOfTime(motive(), second) + 4, 60));
    release();
    ASSERT_EQ(motive().notes.size(), before - 1);
    for (const TNote& n : motive().notes)
        EXPECT_NE(n.time, second);
    QTest::mouseClick(canvas_->backButton(), Qt::LeftButton);
    EXPECT_EQ(motive().notes.size(), before);
}

TEST_F(DadPopupTest, LosingTheFocusEndsThePressAndKeepsWhatWasEntered) {
    motive().notes.clear();
    press(QPoint(20, 60));
    ASSERT_TRUE(enterNote(notes(1).candidates().front().pitch));
    emit qApp->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(window_->popupShown());
    EXPECT_EQ(motive().notes.size(), 1u);
    EXPECT_FALSE(static_cast<TVirtualPointer&>(pointer()).confined());
    window_->stopAction();
    EXPECT_TRUE(soundingKeys().empty());
    // the release that follows changes nothing
    release();
    EXPECT_EQ(motive().notes.size(), 1u);
    EXPECT_FALSE(window_->popupShown());
}

namespace {

// Hovers a canvas of the period row without a button, as the mouse does.
void hover(TUMotiveCanvas* canvas, int x) {
    const QPoint local(x, 60);
    QMouseEvent e(QEvent::MouseMove, QPointF(local), QPointF(canvas->mapToGlobal(local)),
                  Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &e);
}

}  // namespace

TEST_F(DadPopupTest, OnlyTheCanvasUnderThePointerShowsATimeCursor) {
    const auto& sets = window_->periodPanel()->motiveSets();
    ASSERT_GE(sets.size(), 4u);
    for (size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        // the head column of the downbeat means the downbeat
        hover(sets[k]->canvas(), canvasXOfTime(*sets[k]->canvas()->motive(), 240));
        for (size_t other = 0; other < 4; ++other)
            EXPECT_EQ(sets[other]->canvas()->editor().timeCursor(), other == k ? 240 : -1);
    }
}

TEST_F(DadPopupTest, TheHintLineNamesTheGesturesAndCanBeTurnedOffForGood) {
    TDadWindow& popup = *window_->dadWindow();
    press(QPoint(xOfTime(motive(), 240) + 4, 60));
    ASSERT_TRUE(popup.isVisible());
    EXPECT_TRUE(popup.hintLine()->isVisible());
    EXPECT_EQ(popup.hintLine()->text().toStdString(), window_->bundle().text("dad note hint"));
    const int withHint = popup.height();
    release();
    EXPECT_GT(withHint, VIEW_HEIGHT + 2 * VIEW_MARGIN);

    const std::string settings = scratch_.base() + "settings/";
    window_->keepSessionIn(settings, "");
    window_->showPopupHints(false);
    EXPECT_FALSE(popup.hintShown());
    EXPECT_EQ(popup.height(), VIEW_HEIGHT + 2 * VIEW_MARGIN);
    EXPECT_EQ(scratch_.read("settings/dad-hints"), "hidden\n");
    // the next run keeps the choice
    auto next = std::make_unique<TMainWindow>(scratch_.base(), std::make_unique<TScriptedPrompts>(),
                                              &devices_);
    EXPECT_TRUE(next->dadWindow()->hintShown());
    next->keepSessionIn(settings, "");
    EXPECT_FALSE(next->dadWindow()->hintShown());
    next->showPopupHints(true);
    EXPECT_EQ(next->dadWindow()->height(), withHint);
}
