#pragma once

#include <QColor>
#include <QRect>
#include <string>

class QPainter;

// The colour of the meter on an edge that takes what the popup offers.
inline const QColor COMMIT_METER_COLOUR(226, 112, 24);

// A pressure meter's word, at the pane's foot beside the meter `track`: on its left for a zone
// lying to the left of its edge (`inward` -1), else on its right.
void paintMeterWord(QPainter& p, const QRect& track, int inward, const QColor& colour,
                    const std::string& word);
