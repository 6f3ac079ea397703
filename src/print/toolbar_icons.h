#pragma once

#include <QIcon>
#include <QString>

// The main window's pictures, drawn rather than loaded so that they are sharp at every scale.
// The toolbar's: 0 new, 1 save, 2 open, 3 play, anything else stop; 24 x 24 logical pixels.
QIcon toolbarIcon(int id);
// A help button's: a question mark in a circle with the subject's mark beside it, or the house
// of the home page.
QIcon helpIcon(const QString& mark, bool home);
// The instrument list's delete button: a red cross.
QIcon deleteIcon();
