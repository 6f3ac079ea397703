#pragma once

#include <QIcon>
#include <QPixmap>
#include <functional>

class QPainter;

// A picture the program draws itself, `size` logical pixels square, antialiased and drawn at
// twice that resolution so that it stays crisp on screens of ratio 2.
QIcon drawnIcon(int size, const std::function<void(QPainter&)>& draw);

// The same drawing on a transparent pixmap of `size` logical pixels at the given ratio.
QPixmap drawnPixmap(int size, qreal ratio, const std::function<void(QPainter&)>& draw);
