#include "print/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "print/drawn_icon.h"

// The toolbar's pictures, drawn at 24 x 24 logical pixels.
QIcon toolbarIcon(int id) {
    return drawnIcon(24, [&](QPainter& p) {
        const QPen outline(QColor(50, 50, 50), 1.2);
        switch (id) {
            case 0: {  // new: a page with a folded corner
                QPainterPath page;
                page.moveTo(6, 3);
                page.lineTo(15, 3);
                page.lineTo(19, 7);
                page.lineTo(19, 21);
                page.lineTo(6, 21);
                page.closeSubpath();
                p.setPen(outline);
                p.setBrush(Qt::white);
                p.drawPath(page);
                p.drawLine(QPointF(15, 3), QPointF(15, 7));
                p.drawLine(QPointF(15, 7), QPointF(19, 7));
                break;
            }
            case 1: {  // save: a diskette
                p.setPen(outline);
                p.setBrush(QColor(70, 110, 170));
                p.drawRoundedRect(QRectF(4, 4, 16, 16), 1.5, 1.5);
                p.setBrush(Qt::white);
                p.drawRect(QRectF(7, 4, 10, 6));
                p.setBrush(QColor(220, 220, 220));
                p.drawRect(QRectF(7, 13, 10, 7));
                break;
            }
            case 2: {  // open: a folder
                p.setPen(outline);
                p.setBrush(QColor(235, 195, 90));
                QPainterPath folder;
                folder.moveTo(3, 7);
                folder.lineTo(9, 7);
                folder.lineTo(11, 9);
                folder.lineTo(20, 9);
                folder.lineTo(20, 19);
                folder.lineTo(3, 19);
                folder.closeSubpath();
                p.drawPath(folder);
                p.setBrush(QColor(250, 220, 130));
                QPainterPath flap;
                flap.moveTo(3, 19);
                flap.lineTo(6, 12);
                flap.lineTo(22, 12);
                flap.lineTo(20, 19);
                flap.closeSubpath();
                p.drawPath(flap);
                break;
            }
            case 3: {  // play
                QPainterPath triangle;
                triangle.moveTo(7, 5);
                triangle.lineTo(19, 12);
                triangle.lineTo(7, 19);
                triangle.closeSubpath();
                p.setPen(QPen(QColor(20, 100, 30), 1.0));
                p.setBrush(QColor(50, 160, 60));
                p.drawPath(triangle);
                break;
            }
            default:  // stop
                p.setPen(QPen(QColor(120, 20, 20), 1.0));
                p.setBrush(QColor(200, 50, 45));
                p.drawRoundedRect(QRectF(6, 6, 12, 12), 1.5, 1.5);
        }
    });
}

// A help button's picture: a question mark in a circle with the subject's mark beside it, or
// the house of the home page.
QIcon helpIcon(const QString& mark, bool home) {
    return drawnIcon(20, [&](QPainter& p) {
        if (home) {
            p.setPen(QPen(QColor(40, 90, 160), 1.6));
            QPainterPath house;
            house.moveTo(3, 10);
            house.lineTo(10, 3);
            house.lineTo(17, 10);
            p.drawPath(house);
            p.drawRect(QRectF(5.5, 9.5, 9, 8));
            p.fillRect(QRectF(8.5, 12.5, 3, 5), QColor(40, 90, 160));
            return;
        }
        p.setPen(QPen(QColor(40, 90, 160), 1.4));
        p.setBrush(QColor(225, 235, 250));
        p.drawEllipse(QRectF(1, 1, 12, 12));
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(10);
        p.setFont(font);
        p.drawText(QRectF(1, 1, 12, 12), Qt::AlignCenter, "?");
        font.setPixelSize(9);
        p.setFont(font);
        p.setPen(QColor(20, 20, 20));
        p.drawText(QRectF(9, 9, 11, 11), Qt::AlignCenter, mark);
    });
}

QIcon deleteIcon() {
    return drawnIcon(16, [&](QPainter& p) {
        p.setPen(QPen(QColor(180, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    });
}
