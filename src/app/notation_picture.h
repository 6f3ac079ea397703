#pragma once

#include <QImage>
#include <cstddef>

class TPeriodData;

// A picture of consecutive motives of a composition as the canvases draw them, side by side on
// white: the notation pictures of the help pages come from here, so they look like the program.
// `count` is cut to the motives there are; an empty image when none is left.
QImage notationPicture(TPeriodData& period, size_t first, size_t count);
