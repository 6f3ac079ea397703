#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <set>

// Reading back what the notation painted.

// The ink of lines and heads, and the paper around them.
inline const QRgb BLACK = qRgb(0, 0, 0);
inline const QRgb WHITE_PIXEL = qRgb(255, 255, 255);

inline bool isDark(QRgb pixel) {
    return qGray(pixel) < 128;
}

// Dark pixels inside `area` (device pixels), leaving out the given rows (staff lines).
inline int darkPixels(const QImage& image, QRect area, const std::set<int>& skipRows = {}) {
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        if (skipRows.count(y))
            continue;
        for (int x = area.left(); x <= area.right(); ++x)
            count += isDark(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

// Pixels with any ink at all inside `area`: thin antialiased strokes.
inline int inkedPixels(const QImage& image, QRect area) {
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 224 ? 1 : 0;
    return count;
}

// The widget painted into an image of its size at the given device pixel ratio.
inline QImage renderAt(QWidget& widget, qreal ratio) {
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}
