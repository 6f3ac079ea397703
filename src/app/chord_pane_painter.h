#pragma once

class QPainter;
class TChordVariantStrategy;
class TVariantView;

// Draws a chord pane in pane-local coordinates (0..239 by 0..449): the grid of candidate chords
// with their labels and soprano-motion ticks, the voices of the chord before (or of the chosen
// voicing), the hovered chord's column with its arrangement marks and bass column, and in the
// active pane the pressure line of the zone in force.
void paintChordPane(QPainter& painter, const TChordVariantStrategy& strategy, TVariantView& view,
                    int pane, bool active);
