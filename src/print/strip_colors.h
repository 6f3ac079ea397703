#pragma once

#include <QColor>

// The colours the strips and panels around the canvases share.
inline const QColor FACE_COLOR(212, 208, 200);
inline const QColor STRIP_LINE_COLOR(160, 160, 160);

// The colour of a level of the period's structure, in its boxes and on the printed score's
// markers: 0 the period, 1 a sentence, 2 a phrase.
inline QColor structureLevelColor(int level) {
    switch (level) {
        case 0:
            return QColor(253, 147, 147);
        case 1:
            return QColor(247, 228, 157);
        default:
            return QColor(222, 245, 150);
    }
}
