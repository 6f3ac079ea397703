#include "app/colored_box_set.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

#include "app/play_panel.h"
#include "print/strip_colors.h"

TColoredBox::TColoredBox(QWidget* parent, int level, std::string value)
    : QWidget(parent), level_(level), value_(std::move(value)) {}

QColor TColoredBox::levelColor(int level) {
    return structureLevelColor(level);
}

void TColoredBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = rect();
    p.fillRect(r, levelColor(level_));
    p.setPen(STRIP_LINE_COLOR);
    p.drawLine(QPointF(r.right() - 0.5, r.top()), QPointF(r.right() - 0.5, r.bottom()));
    // the level's glyph: a bracket as tall as the level is wide in the structure
    const qreal cx = r.center().x();
    QPainterPath glyph;
    if (level_ == 0) {
        glyph.addEllipse(QPointF(cx, 14), 5, 5);
    } else if (level_ == 1) {
        glyph.addRect(QRectF(cx - 4.5, 9.5, 9, 9));
    } else {
        glyph.moveTo(cx, 9);
        glyph.lineTo(cx + 5.5, 19);
        glyph.lineTo(cx - 5.5, 19);
        glyph.closeSubpath();
    }
    p.setPen(QPen(QColor(90, 80, 70), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glyph);
    if (!value_.empty()) {
        QFont font = p.font();
        font.setPixelSize(12);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(60, 50, 40));
        p.drawText(QRectF(0, 26, r.width(), 18), Qt::AlignHCenter | Qt::AlignVCenter,
                   QString::fromStdString(value_));
    }
}

TColoredBoxSet::TColoredBoxSet(QWidget* parent, int level, const std::string& value,
                               TButtonListener* listener, int id)
    : QWidget(parent), listener_(listener), id_(id) {
    setFixedWidth(WIDTH);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    playPanel_ = new TPlayPanel(this, this);
    box_ = new TColoredBox(this, level, value);
    layout->addWidget(playPanel_);
    layout->addWidget(box_, 1);
}

void TColoredBoxSet::buttonPressed(QWidget*, int) {
    if (listener_ != nullptr)
        listener_->buttonPressed(this, id_);
}
