#include "app/period_panel.h"

#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdlib>
#include <stdexcept>

#include "app/base_service.h"
#include "app/colored_box_set.h"
#include "app/key_box.h"
#include "app/play_panel.h"
#include "app/selection_panel.h"
#include "app/u_motive_canvas.h"
#include "help/message_bundle.h"
#include "model/period_data.h"
#include "notation/row_scroll.h"
#include "playback/motive_player.h"
#include "playback/relay_target.h"
#include "print/strip_colors.h"
#include "templates/phrase_letter.h"

namespace {

constexpr int STRIPS_HEIGHT = TPlayPanel::HEIGHT + TSelectionPanel::HEIGHT;

}  // namespace

TPeriodPanel::TPeriodPanel(QWidget* parent, TPeriodData& period, TBaseService& host,
                           TPeriodPanelScrollerListener* scroller)
    : QWidget(parent), period_(period), host_(host), scroller_(scroller) {
    viewport_ = new QWidget(this);
    viewport_->setAutoFillBackground(true);
    QPalette face = viewport_->palette();
    face.setColor(QPalette::Window, FACE_COLOR);
    viewport_->setPalette(face);
    row_ = new QWidget(viewport_);
    scrollBar_ = new QScrollBar(Qt::Horizontal, this);
    scrollBar_->setSingleStep(5);
    scrollBar_->setPageStep(50);
    scrollBar_->setAccessibleName("Scroll the period");
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int) { placeRow(); });
    buildRow();
    setMinimumHeight(rowHeight_ + SCROLL_BAR_HEIGHT);
}

void TPeriodPanel::buildRow() {
    int x = 0;
    keyBox_ = new TKeyBox(row_, &host_.notePainter());
    keyBox_->setKeyAndMeter(period_.key.signs(), period_.measure);
    keyBox_->move(x, STRIPS_HEIGHT);
    x += keyBox_->width();
    elements_.push_back(keyBox_);

    // marker ids: 0 the period, then 1 + k for sentence k, then 1 + sentences + k for phrase k
    mirror_ = TBaseViewNode{};
    mirror_.level = 0;
    mirror_.marker = new TColoredBoxSet(row_, 0, "", this, 0);
    mirror_.marker->playPanel()->setAccessibleName("Play period");
    mirror_.marker->move(x, 0);
    x += TColoredBoxSet::WIDTH;
    elements_.push_back(mirror_.marker);

    const size_t sentenceCount = period_.sentences.size();
    size_t phraseNumber = 0;
    int motiveNumber = 0;
    mirror_.children.reserve(sentenceCount);
    for (size_t s = 0; s < sentenceCount; ++s) {
        TSentenceData& sentence = period_.sentences[s];
        const int code = sentenceCode(s);
        TBaseViewNode sentenceNode;
        sentenceNode.level = 1;
        sentenceNode.marker =
            new TColoredBoxSet(row_, 1, std::to_string(code), this, static_cast<int>(1 + s));
        sentenceNode.marker->playPanel()->setAccessibleName("Play sentence " +
                                                            QString::number(s + 1));
        sentenceNode.marker->playPanel()->setAccessibleDescription(QString::number(code));
        sentenceNode.marker->move(x, 0);
        x += TColoredBoxSet::WIDTH;
        elements_.push_back(sentenceNode.marker);
        for (TPhraseData& phrase : sentence.phrases) {
            const std::string letter = phraseLetterName(phrase.letter);
            TBaseViewNode phraseNode;
            phraseNode.level = 2;
            phraseNode.marker = new TColoredBoxSet(
                row_, 2, letter, this, static_cast<int>(1 + sentenceCount + phraseNumber));
            phraseNode.marker->playPanel()->setAccessibleName("Play phrase " +
                                                              QString::number(phraseNumber + 1));
            phraseNode.marker->playPanel()->setAccessibleDescription(
                QString::fromStdString(letter));
            phraseNode.marker->move(x, 0);
            x += TColoredBoxSet::WIDTH;
            elements_.push_back(phraseNode.marker);
            ++phraseNumber;
            for (TMotive& motive : phrase.motives) {
                auto* set = new TUMotiveSet(row_, host_, &motive, periodCanvasId(sets_.size()),
                                            code, ++motiveNumber, this);
                set->move(x, 0);
                x += set->width();
                elements_.push_back(set);
                rowHeight_ = std::max(rowHeight_, set->height());
                sets_.push_back(set);
                phraseNode.motiveSets.push_back(set);
                sentenceNode.motiveSets.push_back(set);
                mirror_.motiveSets.push_back(set);
            }
            sentenceNode.children.push_back(std::move(phraseNode));
        }
        mirror_.children.push_back(std::move(sentenceNode));
    }
    // the nodes are in place now: remember them for playing by index
    for (const TBaseViewNode& sentence : mirror_.children) {
        sentenceNodes_.push_back(&sentence);
        for (const TBaseViewNode& phrase : sentence.children)
            phraseNodes_.push_back(&phrase);
    }

    rowHeight_ = std::max(rowHeight_, STRIPS_HEIGHT + keyBox_->height());
    const int markerHeight = rowHeight_;
    mirror_.marker->setFixedHeight(markerHeight);
    for (const TBaseViewNode& sentence : mirror_.children) {
        sentence.marker->setFixedHeight(markerHeight);
        for (const TBaseViewNode& phrase : sentence.children)
            phrase.marker->setFixedHeight(markerHeight);
    }
    rowWidth_ = x;
    row_->resize(rowWidth_, rowHeight_);
    placeRow();
}

void TPeriodPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeRow();
}

void TPeriodPanel::placeRow() {
    viewport_->setGeometry(0, 0, width(), std::max(0, height() - SCROLL_BAR_HEIGHT));
    scrollBar_->setGeometry(0, height() - SCROLL_BAR_HEIGHT, width(), SCROLL_BAR_HEIGHT);
    // the bar can reach every column of the row; a row narrower than the view does not move
    const int maximum = std::max(0, rowWidth_ - width());
    if (scrollBar_->maximum() != maximum)
        scrollBar_->setMaximum(maximum);
    const int position = scrollBar_->value();
    row_->move(position < 0 || position > rowWidth_ ? 0 : -position, 0);
    if (scroller_ != nullptr)
        scroller_->periodPanelScrolled();
}

void TPeriodPanel::wheelEvent(QWheelEvent* event) {
    // the wheel over any part of the row, either way it turns, moves the row along
    const QPoint delta = event->angleDelta();
    const int notches = -(std::abs(delta.x()) > std::abs(delta.y()) ? delta.x() : delta.y()) / 120;
    if (notches == 0) {
        event->ignore();
        return;
    }
    scrollTo(
        scrollByWheel(scrollPosition(), notches, scrollBar_->pageStep(), scrollBar_->maximum()));
    event->accept();
}

void TPeriodPanel::scrollTo(int x) {
    if (scrollBar_->value() != x)
        scrollBar_->setValue(x);
}

int TPeriodPanel::scrollPosition() const {
    return scrollBar_->value();
}

void TPeriodPanel::play(const std::vector<TUMotiveSet*>& sets) {
    for (TUMotiveSet* set : sets) {
        try {
            host_.motivePlayer().addMotive(*set->motive(), set->canvas());
        } catch (const std::runtime_error&) {
            return;  // without a timer nothing plays
        }
    }
}

void TPeriodPanel::playPeriod() {
    play(sets_);
}

QWidget* TPeriodPanel::phraseMarker(size_t k) const {
    return k < phraseNodes_.size() ? phraseNodes_[k]->marker : nullptr;
}

void TPeriodPanel::playSentence(size_t k) {
    if (k < sentenceNodes_.size())
        play(sentenceNodes_[k]->motiveSets);
}

void TPeriodPanel::playPhrase(size_t k) {
    if (k < phraseNodes_.size())
        play(phraseNodes_[k]->motiveSets);
}

void TPeriodPanel::playMotive(size_t k) {
    if (k < sets_.size())
        play({sets_[k]});
}

TNavigationNode TPeriodPanel::navigationNodes() const {
    const TMessageBundle& bundle = host_.bundle();
    // a marker carries the sentence code or the phrase letter its node is named by
    const auto named = [&bundle](const char* key, const TBaseViewNode& node) {
        return bundle.text(key) + " " + node.marker->box()->value();
    };
    TNavigationNode root{0, bundle.text("period"), mirror_.marker->x(), {}};
    for (const TBaseViewNode& sentence : mirror_.children) {
        TNavigationNode sentenceNode{1, named("sentence", sentence), sentence.marker->x(), {}};
        for (const TBaseViewNode& phrase : sentence.children) {
            TNavigationNode phraseNode{2, named("phrase", phrase), phrase.marker->x(), {}};
            int number = 0;
            for (const TUMotiveSet* set : phrase.motiveSets)
                phraseNode.children.push_back(
                    {3, bundle.text("motive") + " " + std::to_string(++number), set->x(), {}});
            sentenceNode.children.push_back(std::move(phraseNode));
        }
        root.children.push_back(std::move(sentenceNode));
    }
    return root;
}

TMotiveAndListenerPair TPeriodPanel::previousMotive(const TMotive& motive) const {
    const TMotive* selected = selected_ != nullptr ? selected_->motive() : nullptr;
    return ::previousMotive(period_, motive, selected);
}

TUMotiveSet* TPeriodPanel::setOf(const TMotive* motive) const {
    for (TUMotiveSet* set : sets_)
        if (set->motive() == motive)
            return set;
    return nullptr;
}

void TPeriodPanel::setNotesMode(int mode) {
    for (TUMotiveSet* set : sets_)
        set->canvas()->setNotesMode(mode);
}

void TPeriodPanel::setRhythmMode(int mode) {
    for (TUMotiveSet* set : sets_)
        set->canvas()->setRhythmMode(mode);
}

void TPeriodPanel::setChordMode(int mode) {
    for (TUMotiveSet* set : sets_)
        set->canvas()->setChordMode(mode);
}

void TPeriodPanel::buttonPressed(QWidget*, int id) {
    // a marker's play strip: everything under its node
    const size_t sentences = sentenceNodes_.size();
    if (id == 0)
        playPeriod();
    else if (static_cast<size_t>(id) <= sentences)
        playSentence(static_cast<size_t>(id - 1));
    else
        playPhrase(static_cast<size_t>(id) - 1 - sentences);
}

void TPeriodPanel::motiveSetSelected(TUMotiveSet* set) {
    selected_ = set;
    for (TUMotiveSet* other : sets_)
        if (other != set)
            other->setSelected(false);
}

void TPeriodPanel::motiveSetDeselected(TUMotiveSet* set) {
    if (selected_ == set)
        selected_ = nullptr;
}

void TPeriodPanel::motiveSetStartedPlaying(TUMotiveSet* set) {
    const int from = scrollPosition();
    const int to = scrollToShow(from, width(), set->x(), set->width());
    if (to != from)
        scrollTo(to);
}

void TPeriodPanel::motiveSetCursorMoved(TUMotiveSet* set) {
    // only the canvas under the pointer shows a time cursor
    for (TUMotiveSet* other : sets_) {
        if (other == set || other->canvas()->editor().timeCursor() == -1)
            continue;
        other->canvas()->editor().setTimeCursor(-1);
        other->canvas()->update();
    }
}

void TPeriodPanel::navigationChosen(int left) {
    scrollTo(left);
}
