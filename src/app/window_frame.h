#pragma once

class QWidget;

// Asks the window manager for a frame with a title and a border only: no buttons to minimise,
// maximise or close a popup that lives as long as a mouse button is held. Qt's own window
// flags leave those buttons to the window manager's taste; on X11 the frame is asked for
// directly. Elsewhere nothing happens.
void askForTitleOnlyFrame(QWidget* window);
