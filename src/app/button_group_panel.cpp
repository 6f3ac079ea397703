#include "app/button_group_panel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include "print/drawn_icon.h"

#include "help/message_bundle.h"

namespace {

void noteHead(QPainter& p, QPointF c, qreal r = 2.6) {
    p.save();
    p.translate(c);
    p.rotate(-20);
    p.drawEllipse(QRectF(-r * 1.25, -r * 0.85, r * 2.5, r * 1.7));
    p.restore();
}

// A note with a stem and `flags` flags, head centre at c.
void note(QPainter& p, QPointF c, int flags) {
    noteHead(p, c);
    p.fillRect(QRectF(c.x() + 2.4, c.y() - 12, 1.1, 12), Qt::black);
    for (int f = 0; f < flags; ++f) {
        QPainterPath flag;
        const qreal y = c.y() - 12 + f * 3.5;
        flag.moveTo(c.x() + 3.5, y);
        flag.cubicTo(c.x() + 5, y + 2, c.x() + 8, y + 3, c.x() + 7, y + 7);
        p.strokePath(flag, QPen(Qt::black, 1.2));
    }
}

// The pictures of the buttons, drawn at 24 x 24 logical pixels.
QIcon picture(TButtonGroupPanel::TGroup group, int index) {
    return drawnIcon(24, [&](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const QPen line(QColor(70, 70, 70), 1.0);
        if (group == TButtonGroupPanel::INSERT_NOTES) {
            // the shapes of melodies each way proposes
            static const int lineY[] = {17, 14, 11, 8};
            static const int arpeggioY[] = {18, 12, 6, 12};
            static const int classicY[] = {15, 9, 11, 16};
            const int* ys = index == 0 ? lineY : index == 1 ? arpeggioY : classicY;
            if (index <= 2) {
                for (int i = 0; i < 4; ++i)
                    noteHead(p, QPointF(4 + i * 5.3, ys[i]), 2.2);
            } else if (index == 3) {
                QPainterPath star;
                for (int i = 0; i < 10; ++i) {
                    const qreal r = i % 2 == 0 ? 8.5 : 3.6;
                    const qreal a = -M_PI / 2 + i * M_PI / 5;
                    const QPointF pt(12 + r * std::cos(a), 12.5 + r * std::sin(a));
                    if (i == 0)
                        star.moveTo(pt);
                    else
                        star.lineTo(pt);
                }
                star.closeSubpath();
                p.setBrush(QColor(230, 170, 40));
                p.setPen(QPen(QColor(120, 80, 0), 0.8));
                p.drawPath(star);
            } else if (index == 4) {
                for (int i = 0; i < 3; ++i)
                    for (int j = 0; j < 3; ++j)
                        noteHead(p, QPointF(5 + i * 7, 6 + j * 6 + i), 1.9);
            } else {
                p.setPen(QPen(QColor(190, 30, 30), 2.4, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(6, 6), QPointF(18, 18));
                p.drawLine(QPointF(18, 6), QPointF(6, 18));
            }
        } else if (group == TButtonGroupPanel::RHYTHM) {
            if (index <= 2) {
                note(p, QPointF(10, 18), 2 - index);
            } else {
                note(p, QPointF(5, 18), 1);
                p.setPen(line);
                p.drawLine(QPointF(13, 11), QPointF(21, 11));
                p.drawLine(QPointF(13, 15), QPointF(21, 15));
            }
        } else {
            // a chord: three stacked heads; under notes: a melody note above it
            for (int i = 0; i < 3; ++i)
                noteHead(p, QPointF(index == 0 ? 12 : 8, 19 - i * 4.5), 2.3);
            if (index == 1) {
                p.setBrush(QColor(40, 90, 200));
                noteHead(p, QPointF(17, 6), 2.3);
            }
        }
    });
}

}  // namespace

std::vector<std::string> TButtonGroupPanel::hintKeys(TGroup group) {
    switch (group) {
        case INSERT_NOTES:
            return {"insert line",    "insert arpedgio", "insert classic",
                    "insert new gen", "insert all",      "delete all notes"};
        case RHYTHM:
            return {"step sixteenth", "step eighth", "step quarter", "the same rhythm"};
        case CHORDS:
            return {"select chords", "select chords under notes"};
    }
    return {};
}

TButtonGroupPanel::TButtonGroupPanel(QWidget* parent, TGroup group, const TMessageBundle& bundle)
    : QWidget(parent), group_(group) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    const std::vector<std::string> keys = hintKeys(group);
    for (size_t i = 0; i < keys.size(); ++i) {
        auto* button = new QToolButton(this);
        const QString hint = QString::fromStdString(bundle.text(keys[i]));
        button->setToolTip(hint);
        button->setAccessibleName(hint);
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setIcon(picture(group, static_cast<int>(i)));
        button->setIconSize(QSize(24, 24));
        button->setFixedSize(30, 30);
        button->setFocusPolicy(Qt::StrongFocus);
        const int index = static_cast<int>(i);
        connect(button, &QToolButton::clicked, this, [this, index] { select(index); });
        layout->addWidget(button);
        buttons_.push_back(button);
    }
}

void TButtonGroupPanel::select(int index) {
    if (index < 0 || index >= count())
        return;
    selected_ = index;
    for (int i = 0; i < count(); ++i)
        buttons_[static_cast<size_t>(i)]->setChecked(i == index);
    if (listener_ != nullptr)
        listener_->groupButtonPressed(group_, index);
}
