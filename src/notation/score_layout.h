#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/period_data.h"
#include "notation/header_layout.h"
#include "notation/notation_metrics.h"
#include "notation/placed_item.h"

// A printed score: the period's motives as their canvases draw them, side by side in systems
// that each start with the clef, key signature and meter, the systems on A4 pages. Everything is
// in notation pixels, the canvases' own unit; a pixel is printed 0.18 mm wide, so a staff space
// of ten pixels is 1.8 mm, a usual engraving size.
constexpr double SCORE_PIXEL_MM = 0.18;
constexpr double SCORE_MARGIN_MM = 15.0;
// The printable area inside the margins: (210 - 2 x 15) / 0.18 by (297 - 2 x 15) / 0.18.
constexpr int SCORE_PAGE_WIDTH = 1000;
constexpr int SCORE_PAGE_HEIGHT = 1483;
// The title and the tempo above the first system.
constexpr int SCORE_TITLE_HEIGHT = 96;
// The page number under the last system.
constexpr int SCORE_FOOTER_HEIGHT = 24;
// The sentence and phrase markers above a system's canvases.
constexpr int SCORE_MARKER_HEIGHT = 26;
constexpr int SCORE_MARKER_BOX_HEIGHT = 18;
constexpr int SCORE_MARKER_PADDING = 5;
constexpr int SCORE_MARKER_GAP = 4;
// Staff between the header and the first motive, so that an upbeat's rest keeps clear of the
// meter.
constexpr int SCORE_HEADER_GAP = 8;
// Space between one system's chord band and the next system's markers.
constexpr int SCORE_SYSTEM_GAP = 14;
// A system: markers, then the canvas (staffs and chord band).
constexpr int SCORE_SYSTEM_HEIGHT = SCORE_MARKER_HEIGHT + CANVAS_HEIGHT;

// A sentence's or a phrase's start, named as the period row names it ("Sentence 1", "B1").
struct TScoreMarker {
    TPixelRect rect;
    std::string text;
    int level = 0;  // 1 a sentence, 2 a phrase

    bool operator==(const TScoreMarker&) const = default;
};

// One motive in a system: its canvas composition is painted with its left edge (canvas x 0) at x
// and its top at the system's canvasTop.
struct TScoreMotive {
    TMotiveAddress address;
    int x = 0;

    bool operator==(const TScoreMotive&) const = default;
};

struct TScoreSystem {
    int canvasTop = 0;  // page y of canvas y 0; the header goes one pixel lower, as on a canvas
    int right = 0;      // where the staffs end
    std::vector<TScoreMotive> motives;
    std::vector<TScoreMarker> markers;
    TPlacedItems lead;     // the staff lines from the header to the first motive
    TPlacedItems closing;  // the bar line that ends the system, or the period's final bar

    bool operator==(const TScoreSystem&) const = default;
};

struct TScorePage {
    std::vector<TScoreSystem> systems;

    bool operator==(const TScorePage&) const = default;
};

struct TScoreOptions {
    int pageWidth = SCORE_PAGE_WIDTH;
    int pageHeight = SCORE_PAGE_HEIGHT;
    // The header's width in the font its meter is drawn with.
    int headerWidth = 0;
    // The word before a sentence's number.
    std::string sentenceWord = "Sentence";
    // Measures a marker's text in the font it is drawn with.
    TTextWidth markerTextWidth;
};

struct TScoreLayout {
    std::vector<TScorePage> pages;  // at least one, which carries the title

    size_t systemCount() const;
};

// The columns of the motive's canvas that show notation, so that the staffs of neighbouring
// motives join: the one measure with both of its bar lines' columns, or with an anacrusis the
// upbeat and the measure after its bar line.
int scoreMotiveWidth(const TMotive& motive);

// Fills systems with motives in period order while they fit the page's width after the header
// and a short stretch of staff (a motive wider than that gets a system of its own), and pages with
// systems while they fit its height, the first page below the title. A sentence's first motive gets
// its sentence's marker and, like every phrase's first motive, its phrase's letter.
TScoreLayout layoutScore(const TPeriodData& period, const TScoreOptions& options);

// The title a score carries: the document's file name without its folder and without the
// composition ending ".tnr".
std::string scoreTitle(const std::string& documentName);

// A metronome mark, a quarter note "= 75", with the note's head centred on (x, y).
TPlacedItems layoutMetronomeMark(int32_t tempo, int x, int y, const TTextWidth& textWidth);
