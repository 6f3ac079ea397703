#include "notation/score_layout.h"

#include "generation/previous_motive.h"
#include "model/period_timeline.h"
#include "model/tempo.h"
#include "notation/canvas_layout.h"
#include "templates/phrase_letter.h"

namespace {

// A bar line spans the grand staff, from the treble's top line to the bass's bottom line; on the
// canvas the staffs lie one pixel lower than in the measure bitmap.
constexpr int BAR_TOP = CANVAS_MEASURE_TOP + STAFF_TOP;
constexpr int BAR_HEIGHT = STAFF_BOTTOM - STAFF_TOP + 1;
// The final bar: a thin line, a gap and a thick line.
constexpr int FINAL_GAP = 3;
constexpr int FINAL_THICK = 4;
constexpr int CLOSING_WIDTH = 1 + FINAL_GAP + FINAL_THICK;
constexpr int METRONOME_TEXT_GAP = 12;

TPlacedItems staffLines(int left, int width, int canvasTop) {
    TPlacedItems items;
    for (const auto* lines : {&TREBLE_LINES, &BASS_LINES})
        for (const int y : *lines)
            items.push_back(placedRect(TItemKind::STAFF_LINE,
                                       {left, canvasTop + CANVAS_MEASURE_TOP + y, width, 1}));
    return items;
}

TPlacedItems closingBar(int right, int canvasTop, bool final) {
    TPlacedItems items;
    items.push_back(placedRect(TItemKind::BAR_LINE, {right, canvasTop + BAR_TOP, 1, BAR_HEIGHT}));
    if (!final)
        return items;
    items.push_back(placedRect(TItemKind::BAR_LINE, {right + 1 + FINAL_GAP, canvasTop + BAR_TOP,
                                                     FINAL_THICK, BAR_HEIGHT}));
    // the staff lines run on to the thick line's far side
    const TPlacedItems lines = staffLines(right, CLOSING_WIDTH, canvasTop);
    items.insert(items.end(), lines.begin(), lines.end());
    return items;
}

// Starts a new system below the last one, on a new page when it would not fit.
class TScoreBuilder {
  public:
    explicit TScoreBuilder(const TScoreOptions& options) : options_(options) {
        layout_.pages.emplace_back();
        nextTop_ = SCORE_TITLE_HEIGHT;
    }

    TScoreSystem& newSystem() {
        if (nextTop_ + SCORE_SYSTEM_HEIGHT > options_.pageHeight - SCORE_FOOTER_HEIGHT &&
            !layout_.pages.back().systems.empty()) {
            layout_.pages.emplace_back();
            nextTop_ = 0;
        }
        TScoreSystem system;
        system.canvasTop = nextTop_ + SCORE_MARKER_HEIGHT;
        system.lead = staffLines(options_.headerWidth, SCORE_HEADER_GAP, system.canvasTop);
        system.right = options_.headerWidth + SCORE_HEADER_GAP;
        nextTop_ += SCORE_SYSTEM_HEIGHT + SCORE_SYSTEM_GAP;
        layout_.pages.back().systems.push_back(std::move(system));
        return layout_.pages.back().systems.back();
    }

    TScoreSystem* current() {
        return layout_.pages.back().systems.empty() ? nullptr
                                                    : &layout_.pages.back().systems.back();
    }

    TScoreLayout take() { return std::move(layout_); }

  private:
    const TScoreOptions& options_;
    TScoreLayout layout_;
    int nextTop_ = 0;
};

void addMarker(TScoreSystem& system, int& x, const std::string& text, int level,
               const TTextWidth& textWidth) {
    if (text.empty())
        return;
    const int width = (textWidth ? textWidth(text) : 0) + 2 * SCORE_MARKER_PADDING;
    const int top = system.canvasTop - SCORE_MARKER_HEIGHT +
                    (SCORE_MARKER_HEIGHT - SCORE_MARKER_BOX_HEIGHT) / 2;
    system.markers.push_back({{x, top, width, SCORE_MARKER_BOX_HEIGHT}, text, level});
    x += width + SCORE_MARKER_GAP;
}

}  // namespace

size_t TScoreLayout::systemCount() const {
    size_t n = 0;
    for (const TScorePage& page : pages)
        n += page.systems.size();
    return n;
}

int scoreMotiveWidth(const TMotive& motive) {
    int width = 0;
    for (const TMeasurePiece& piece : composeCanvas(motive).pieces)
        width += piece.sourceWidth;
    return width;
}

TScoreLayout layoutScore(const TPeriodData& period, const TScoreOptions& options) {
    TScoreBuilder builder(options);
    // the motives that sound, in the order they sound
    std::vector<TMotiveAddress> addresses;
    for (const TPlacedMotive& placed : periodTimeline(period))
        addresses.push_back(placed.address);
    for (size_t i = 0; i < addresses.size(); ++i) {
        const TMotiveAddress& a = addresses[i];
        const int width = scoreMotiveWidth(period.motiveAt(a));
        TScoreSystem* system = builder.current();
        // canvas column 1, where the notation starts, follows the last column shown
        if (!system ||
            (!system->motives.empty() && system->right + width + CLOSING_WIDTH > options.pageWidth))
            system = &builder.newSystem();
        const int x = system->right - CANVAS_MEASURE_TOP;
        system->motives.push_back({a, x});
        system->right += width;

        const bool sentenceStart = i == 0 || addresses[i - 1].sentence != a.sentence;
        const bool phraseStart = sentenceStart || addresses[i - 1].phrase != a.phrase;
        int markerX = x + CANVAS_MEASURE_TOP;
        if (sentenceStart)
            addMarker(*system, markerX,
                      options.sentenceWord + " " + std::to_string(sentenceCode(a.sentence)), 1,
                      options.markerTextWidth);
        if (phraseStart)
            addMarker(*system, markerX,
                      phraseLetterName(period.sentences[a.sentence].phrases[a.phrase].letter), 2,
                      options.markerTextWidth);
    }

    TScoreLayout layout = builder.take();
    const size_t systems = layout.systemCount();
    size_t n = 0;
    for (TScorePage& page : layout.pages)
        for (TScoreSystem& system : page.systems) {
            const bool final = ++n == systems;
            // a motive with an anacrusis ends inside a measure, which goes on in the next system
            const bool barEnds = period.motiveAt(system.motives.back().address).anacrusis == 0;
            if (final || barEnds)
                system.closing = closingBar(system.right, system.canvasTop, final);
        }
    return layout;
}

std::string scoreTitle(const std::string& documentName) {
    const size_t slash = documentName.find_last_of('/');
    std::string name = slash == std::string::npos ? documentName : documentName.substr(slash + 1);
    const std::string ending = ".tnr";
    if (name.size() > ending.size() &&
        name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
        name.resize(name.size() - ending.size());
    return name;
}

TPlacedItems layoutMetronomeMark(int32_t tempo, int x, int y, const TTextWidth& textWidth) {
    TPlacedItems items;
    items.push_back(placedGlyph(TGlyph::HEAD_FILLED_UP, x - 4, y - 4));
    items.push_back(placedGlyph(TGlyph::STEM_UP, x + 4, y - 30));
    TPlacedItem text;
    text.kind = TItemKind::TEXT;
    text.text = "= " + std::to_string(quartersPerMinute(tempo));
    text.rect = {x + METRONOME_TEXT_GAP, y - 10 + 1, textWidth ? textWidth(text.text) : 0, 20};
    items.push_back(text);
    return items;
}
