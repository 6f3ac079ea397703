#pragma once

#include <QImage>
#include <QString>

// The program's icon: a staff on a deep blue tile with a short rising motive. One picture in a
// 256-unit square, written out as SVG for the desktop's icon theme or drawn at a pixel size for
// the window; both come from the same shapes, so they cannot drift apart.

// The picture as SVG text, viewBox 0 0 256 256.
QString programIconSvg();

// The picture drawn at size x size pixels, transparent outside the tile.
QImage programIconImage(int size);
