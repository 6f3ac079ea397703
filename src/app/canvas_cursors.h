#pragma once

#include <QCursor>

// The canvas's own cursors, drawn by the program: a pencil for notes, a cross-out for deleting,
// a chord stack for chords under the notes and a stack with a star for new chords.
QCursor canvasCursor(int shape);
