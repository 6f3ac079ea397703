#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/period_data.h"
#include "notation/header_layout.h"
#include "notation/notation_metrics.h"
#include "notation/placed_item.h"

// A printed score: the period's measures bar by bar on a grand staff, the melody drawn as the
// canvases draw it but beamed by the meter's beats, the harmony's four voices at their pitches
// below it, in systems that each start with the clef, key signature and meter, on A4 pages.
// Everything is in notation pixels, the canvases' own unit; a pixel is printed 0.18 mm wide, so
// a staff space of ten pixels is 1.8 mm, a usual engraving size.
constexpr double SCORE_PIXEL_MM = 0.18;
constexpr double SCORE_MARGIN_MM = 15.0;
// The printable area inside the margins: (210 - 2 x 15) / 0.18 by (297 - 2 x 15) / 0.18.
constexpr int SCORE_PAGE_WIDTH = 1000;
constexpr int SCORE_PAGE_HEIGHT = 1483;
// The title, the tempo and the legend above the first system.
constexpr int SCORE_TITLE_HEIGHT = 96;
// The legend's line, under the title, level with the metronome mark.
constexpr int SCORE_LEGEND_Y = 76;
// The page number under the last system.
constexpr int SCORE_FOOTER_HEIGHT = 24;
// The sentence and phrase markers above a system's staffs.
constexpr int SCORE_MARKER_HEIGHT = 26;
constexpr int SCORE_MARKER_BOX_HEIGHT = 18;
constexpr int SCORE_MARKER_PADDING = 5;
constexpr int SCORE_MARKER_GAP = 4;
// Staff between the header and the first measure.
constexpr int SCORE_HEADER_GAP = 8;
// The least space between one system's chord labels and the next system's markers, and the
// most a page that has room spreads them to.
constexpr int SCORE_SYSTEM_GAP = 14;
constexpr int SCORE_SYSTEM_GAP_MAX = 120;
// The chord labels, below the stems of the lowest bass notes.
constexpr int SCORE_LABEL_TOP = CHORD_LABEL_TOP + 24;
// A system: markers, then the staffs and the chord labels.
constexpr int SCORE_SYSTEM_HEIGHT = SCORE_MARKER_HEIGHT + CANVAS_HEIGHT + 24;
// How far a line's notes may be spread apart to fill its width.
constexpr double SCORE_MAX_STRETCH = 1.8;

// A sentence's or a phrase's start, named as the period row names it ("Sentence 1", "B1").
struct TScoreMarker {
    TPixelRect rect;
    std::string text;
    int level = 0;  // 1 a sentence, 2 a phrase

    bool operator==(const TScoreMarker&) const = default;
};

// One measure of the period's time line as a system shows it.
struct TScoreBar {
    int32_t start = 0;  // the first tick shown, on the time line
    int32_t end = 0;    // exclusive: the next bar line, or the period's end
    int32_t lead = 0;   // a pickup's missing beginning: its measure starts lead ticks earlier
    int x = 0;          // page x of the bar line before it (or of the staff after the header)
    int width = 0;      // to the bar line after it

    bool operator==(const TScoreBar&) const = default;
};

struct TScoreSystem {
    int canvasTop = 0;  // page y of canvas y 0; the staffs lie one pixel lower, as on a canvas
    int right = 0;      // where the staffs end
    std::vector<TScoreBar> bars;
    std::vector<TScoreMarker> markers;
    // In page coordinates: the header, staff lines and bar lines, the melody, the harmony and
    // the chords' label boxes.
    TPlacedItems items;

    bool operator==(const TScoreSystem&) const = default;
};

struct TScorePage {
    std::vector<TScoreSystem> systems;

    bool operator==(const TScorePage&) const = default;
};

struct TScoreOptions {
    int pageWidth = SCORE_PAGE_WIDTH;
    int pageHeight = SCORE_PAGE_HEIGHT;
    // Measures the meter's numbers in the font they are drawn with.
    TTextWidth meterTextWidth;
    // The word before a sentence's number.
    std::string sentenceWord = "Sentence";
    // Measures a marker's text in the font it is drawn with.
    TTextWidth markerTextWidth;
    // Every note head black, for a copy that is printed without colour.
    bool blackHeads = false;
    // The legend's words and the font they are measured in.
    std::string chordToneWord = "chord tone";
    std::string nonChordToneWord = "non-chord tone";
    std::string tonicWord = "tonic";
    std::string subdominantWord = "subdominant";
    std::string dominantWord = "dominant";
    TTextWidth legendTextWidth;
};

struct TScoreLayout {
    std::vector<TScorePage> pages;  // at least one, which carries the title
    // What the colours mean, right-aligned on the first page under the title.
    TPlacedItems legend;

    size_t systemCount() const;
};

// Lays the period out bar by bar on its time line: a phrase starts a new system and keeps to
// one while its measures fit the line (else it is shared out evenly over the fewest lines that
// hold it), each line is spread to the page's width within SCORE_MAX_STRETCH, pages take the
// systems that fit and spread them down the page. A sentence's first phrase gets its sentence's
// marker and every phrase its letter, where its first full measure starts.
TScoreLayout layoutScore(const TPeriodData& period, const TScoreOptions& options);

// What the colours of a score mean: a black and a blue note head, then the tonic's, the
// subdominant's and the dominant's label colours, each followed by its word, ending at `right`
// on the line centred at y. Without coloured heads only the label colours are explained.
TPlacedItems layoutScoreLegend(const TScoreOptions& options, int right, int y);

// The title a score carries: the document's file name without its folder and without the
// composition ending ".tnr".
std::string scoreTitle(const std::string& documentName);

// A metronome mark, a quarter note "= 75", with the note's head centred on (x, y).
TPlacedItems layoutMetronomeMark(int32_t tempo, int x, int y, const TTextWidth& textWidth);
