#include "app/meter_word.h"

#include <QFont>
#include <QPainter>
#include <QString>

#include "editing/variant_view.h"

void paintMeterWord(QPainter& p, const QRect& track, int inward, const QColor& colour,
                    const std::string& word) {
    p.save();
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour.darker(130));
    const int width = 60;
    const QRect label = inward < 0 ? QRect(track.left() - width - 2, VIEW_HEIGHT - 16, width, 14)
                                   : QRect(track.right() + 3, VIEW_HEIGHT - 16, width, 14);
    p.drawText(label, (inward < 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
               QString::fromStdString(word));
    p.restore();
}
