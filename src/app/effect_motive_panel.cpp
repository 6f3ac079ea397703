#include "app/effect_motive_panel.h"

#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>
#include <stdexcept>

#include "app/base_service.h"
#include "app/dragged.h"
#include "app/raw_panel.h"
#include "app/u_motive_canvas.h"
#include "development/ways.h"
#include "generation/scheme.h"
#include "help/message_bundle.h"
#include "notation/canvas_layout.h"
#include "playback/motive_player.h"
#include "print/drawn_icon.h"
#include "print/strip_colors.h"

namespace {

constexpr int MARGIN = 6;
constexpr int PANE_GAP = 5;
constexpr int BUTTON_TOP = 186;
constexpr int BUTTON_WIDTH = 27;
constexpr int BUTTON_HEIGHT = 26;
constexpr int BUTTON_STEP = 28;

QToolButton* flatButton(QWidget* parent, const QString& hint, const QIcon& icon) {
    auto* b = new QToolButton(parent);
    b->setAutoRaise(true);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setIcon(icon);
    b->setIconSize(QSize(20, 20));
    b->setFixedSize(BUTTON_WIDTH, BUTTON_HEIGHT);
    return b;
}

QIcon moreIcon() {
    return drawnIcon(20, [](QPainter& p) {
        // three small notes and a plus: fresh variants
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 60, 60));
        for (int i = 0; i < 3; ++i)
            p.drawEllipse(QRectF(1 + 5 * i, 12 - 2 * i, 4, 3));
        p.setPen(QPen(QColor(30, 120, 40), 2));
        p.drawLine(QPointF(15, 3), QPointF(15, 11));
        p.drawLine(QPointF(11, 7), QPointF(19, 7));
    });
}

QIcon playAllIcon() {
    return drawnIcon(20, [](QPainter& p) {
        // two triangles: everything, one after another
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 160, 60));
        for (int i = 0; i < 2; ++i) {
            QPolygonF t;
            t << QPointF(3 + 7 * i, 4) << QPointF(10 + 7 * i, 10) << QPointF(3 + 7 * i, 16);
            p.drawPolygon(t);
        }
    });
}

}  // namespace

TEffectMotivePanel::TEffectMotivePanel(QWidget* parent, TBaseService& host, int wayIndex,
                                       int32_t firstCanvasId)
    : TMotivePanelBase(parent, host),
      wayIndex_(wayIndex),
      way_(createWay(wayIndex, scheme_.chordSet())),
      row_(new QWidget),
      scroll_(new QScrollArea(this)) {
    if (!way_)
        throw std::invalid_argument("no development way with this index");
    way_->setListener(this);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, FACE_COLOR);
    setPalette(pal);
    row_->setAutoFillBackground(true);
    row_->setPalette(pal);
    scroll_->setFrameShape(QFrame::NoFrame);
    // the keyboard goes to the panes' buttons, not to the area that holds them
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidget(row_);
    scroll_->setWidgetResizable(false);
    scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int i = 0; i < PANE_COUNT; ++i) {
        auto* pane =
            new TRawPanel(row_, host, &way_->pane(i), firstCanvasId + i, i, this, caption());
        pane->canvas()->setChordMode(3);
        pane->canvas()->addListener(this);
        panes_[static_cast<size_t>(i)] = pane;
    }
    setAccessibleName(caption());
    const TMessageBundle& bundle = host.bundle();
    if (way_->hasMore()) {
        more_ = flatButton(this, QString::fromStdString(bundle.text("more")), moreIcon());
        connect(more_, &QToolButton::clicked, this, [this] { buttonPressed(more_, MORE_BUTTON); });
    }
    playAll_ = flatButton(this, QString::fromStdString(bundle.text("play all")), playAllIcon());
    connect(playAll_, &QToolButton::clicked, this,
            [this] { buttonPressed(playAll_, PLAY_ALL_BUTTON); });
    layOut();
}

TEffectMotivePanel::~TEffectMotivePanel() {
    way_->setListener(nullptr);
    // the panes' canvases show the way's motives: they go before the way does
    for (TRawPanel*& pane : panes_) {
        delete pane;
        pane = nullptr;
    }
}

QString TEffectMotivePanel::caption() const {
    return QString::fromStdString(
        host_.bundle().text(std::string(WAY_CAPTION_KEYS[static_cast<size_t>(wayIndex_)])));
}

void TEffectMotivePanel::layOut() {
    const int right = width() > 0 ? width() : 802;
    const int buttonsLeft = right - 2 * BUTTON_STEP - MARGIN;
    // the three variants side by side whatever the meter: a long measure draws them smaller
    int natural = 0;
    for (TRawPanel* pane : panes_)
        natural = std::max(natural, pane->canvas()->naturalSize().width());
    const int fixed = 2 * MARGIN + PANE_COUNT * TDragged::WIDTH + (PANE_COUNT - 1) * PANE_GAP;
    // a pixel a pane for the rounding up of a scaled width
    const double scale =
        canvasScaleToFit(buttonsLeft - MARGIN, fixed + PANE_COUNT, PANE_COUNT, natural);
    int x = MARGIN;
    int height = 0;
    for (TRawPanel* pane : panes_) {
        pane->canvas()->setScale(scale);
        pane->fitToCanvas();
        pane->move(x, MARGIN);
        x += pane->width() + PANE_GAP;
        height = std::max(height, pane->height());
    }
    row_->setFixedSize(x - PANE_GAP + MARGIN, height + MARGIN);
    if (more_ != nullptr)
        more_->move(buttonsLeft, BUTTON_TOP);
    playAll_->move(buttonsLeft + BUTTON_STEP, BUTTON_TOP);
    // the panes scroll sideways when a long meter makes them wider than the panel
    const int scrollBar = scroll_->horizontalScrollBar()->sizeHint().height();
    scroll_->setGeometry(0, 0, buttonsLeft - MARGIN, row_->height() + scrollBar);
}

void TEffectMotivePanel::showPanes() {
    for (TRawPanel* pane : panes_) {
        pane->canvas()->motiveChanged();
        pane->canvas()->repaint();
    }
}

void TEffectMotivePanel::acceptMotive(const TMotive& motive) {
    host_.motivePlayer().stop();
    for (TRawPanel* pane : panes_)
        pane->canvas()->clearHistory();
    way_->acceptMotive(motive);
    showPanes();
}

void TEffectMotivePanel::setFrame(const TMeasure& meter, const TKey& key, DURATION anacrusis) {
    for (TRawPanel* pane : panes_)
        pane->canvas()->clearHistory();
    way_->setFrame(meter, key, anacrusis);
    showPanes();
    layOut();
}

void TEffectMotivePanel::buttonPressed(QWidget*, int id) {
    if (id >= 0 && id < PANE_COUNT)
        playVariant(id);
    else if (id == MORE_BUTTON) {
        way_->moreEffect();
        showPanes();
    } else if (id == PLAY_ALL_BUTTON)
        playAll();
}

void TEffectMotivePanel::playVariant(int index) {
    TRawPanel* pane = panes_.at(static_cast<size_t>(index));
    const TMotive* motive = pane->canvas()->motive();
    if (motive == nullptr || motive->notes.empty())
        return;
    try {
        host_.motivePlayer().addMotive(*motive, pane->canvas());
    } catch (const std::runtime_error&) {
        // no timer: nothing can be heard
    }
}

void TEffectMotivePanel::playAll() {
    for (int i = 0; i < PANE_COUNT; ++i)
        playVariant(i);
}

int TEffectMotivePanel::paneOf(const TMotiveEditor& canvas) const {
    for (int i = 0; i < PANE_COUNT; ++i)
        if (&panes_[static_cast<size_t>(i)]->canvas()->editor() == &canvas)
            return i;
    return -1;
}

void TEffectMotivePanel::chordsChosen(TMotiveEditor& canvas) {
    const int index = paneOf(canvas);
    if (index < 0)
        return;
    way_->chordsChosen(index);
    showPanes();
}

void TEffectMotivePanel::editStarted(TMotiveEditor& canvas) {
    const int index = paneOf(canvas);
    if (index < 0)
        return;
    way_->editStarted(index);
    showPanes();
}

void TEffectMotivePanel::setPaneChordMode(int mode) {
    for (TRawPanel* pane : panes_)
        pane->canvas()->setChordMode(mode);
}

void TEffectMotivePanel::keepVariant(int pane) {
    panes_.at(static_cast<size_t>(pane))->canvas()->editor().pushSnapshot();
}
