#pragma once

class QPainter;
class TNoteVariantStrategy;
class TVariantView;

// Draws a note pane in pane-local coordinates (0..239 by 0..449): the rhythm strip, a bar per
// candidate, the motive's notes behind them, the current note and the extent line in the active
// pane, the hover marks and pressure arrow in the edge column of the other pane, and the pane
// boundary in the grey of the commit pressure.
void paintNotePane(QPainter& painter, const TNoteVariantStrategy& strategy, TVariantView& view,
                   int pane, bool active);

// Only the parts of a note pane that change while the pointer moves: the edge column's marks
// and arrow, the boundary line and the extent line.
void paintNotePaneDecorations(QPainter& painter, const TNoteVariantStrategy& strategy,
                              TVariantView& view, int pane, bool active);
