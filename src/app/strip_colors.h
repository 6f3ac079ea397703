#pragma once

#include <QColor>

// The colours the strips and panels around the canvases share.
inline const QColor FACE_COLOR(212, 208, 200);
inline const QColor STRIP_LINE_COLOR(160, 160, 160);
