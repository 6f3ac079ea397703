#include "app/drawn_icon.h"

#include <QPainter>
#include <QPixmap>

QIcon drawnIcon(int size, const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(2 * size, 2 * size);
    pixmap.setDevicePixelRatio(2.0);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    return QIcon(pixmap);
}
