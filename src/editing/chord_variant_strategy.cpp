#include "editing/chord_variant_strategy.h"

#include <algorithm>

#include "editing/variant_view.h"
#include "generation/scheme.h"
#include "harmony/chord_connection.h"

namespace {

// An arrangement mark and the area just outward of it that makes it the hovered one.
constexpr int32_t MARK_WIDTH = 8;
constexpr int32_t MARK_HEIGHT = 10;
// Room between the cell's inner edge and the first sub-column of marks.
constexpr int32_t MARK_INSET = 2;
constexpr int32_t SUB_COLUMN_STEP = 15;
constexpr int32_t COLUMN_SPARE = 14;
// The bass column under the chosen mark: one option per 10 pixels, the highest first.
constexpr int32_t BASS_TOP = 11;
constexpr int32_t BASS_OPTION_HEIGHT = 10;
constexpr int32_t BASS_COLUMN_HEIGHT = 30;
// The grid zone never covers more cells than this across.
constexpr int32_t GRID_ZONE_CELLS = 8;
constexpr int32_t CHORD_EDGE_PRESSURE = 128;
// An entry this close under the grid or above the bottom opens no gap in the column.
constexpr int32_t ENTRY_MARGIN_BELOW_GRID = 2;
constexpr int32_t ENTRY_MARGIN_BOTTOM = 3;
constexpr int32_t ENTRY_GAP_HALF = 10;

int32_t paneLeft(int pane) {
    return pane == 0 ? 0 : PANE_BOUNDARY;
}

}  // namespace

int TChordVariantStrategy::paneOfThis() const {
    return view_.strategy(0) == this ? 0 : 1;
}

int32_t TChordVariantStrategy::rows() const {
    const auto n = static_cast<int32_t>(candidates_.size());
    return (n + CHORD_CELLS_PER_ROW - 1) / CHORD_CELLS_PER_ROW;
}

TRectWithCheck TChordVariantStrategy::cellRect(int32_t index, int pane) const {
    const int32_t row = index / CHORD_CELLS_PER_ROW;
    const int32_t inRow = index % CHORD_CELLS_PER_ROW;
    // odd rows run back inward, starting one cell further out than the row below ends
    const int32_t col = row % 2 == 0 ? inRow : CHORD_CELLS_PER_ROW - inRow;
    const int32_t firstLeft = pane == 0 ? PANE_BOUNDARY - CHORD_CELL_WIDTH : 0;
    const int32_t left =
        pane == 0 ? firstLeft - CHORD_CELL_WIDTH * col : firstLeft + CHORD_CELL_WIDTH * col;
    const int32_t top = CHORD_ROW_HEIGHT * (rows() - 1 - row);
    return {left, top, left + CHORD_CELL_WIDTH, top + CHORD_ROW_HEIGHT};
}

void TChordVariantStrategy::layoutCells(int pane) {
    cellHits_.clear();
    for (size_t i = 0; i < candidates_.size(); ++i) {
        const auto index = static_cast<int32_t>(i);
        cellHits_.push_back({cellRect(index, pane), index});
    }
}

void TChordVariantStrategy::resetChoice() {
    arrangementChosen_ = false;
    hoveredIndex_ = -1;
    hoveredRow_ = 0;
    column_ = {};
    columnUpper_ = {};
    columnLower_ = {};
    chosenRect_ = {};
    bassRect_ = {};
    lastZone_ = {};
    hoverRect_ = {};
    arrangementHits_.clear();
    entryY_ = 0;
    bassOption_ = -1;
    committed_ = false;
    layoutCells(pane_);
}

void TChordVariantStrategy::record(int32_t x, int32_t y) {
    lastX_ = x;
    lastY_ = y;
}

bool TChordVariantStrategy::prepareCandidates(int32_t tick) {
    pane_ = paneOfThis();
    TVariantModel& model = view_.model();
    if (tick >= model.endPosition()) {
        candidates_.clear();
        candidateMotions_.clear();
        resetChoice();
        return false;
    }
    const TKey key = model.motive().key;
    const uint8_t kind = model.kind();
    const int32_t origin = model.origin();

    int32_t rank = 0;
    bool hasPrevious = false;
    TChord previous;
    TChord beforePrevious;
    bool hasBeforePrevious = false;
    if (kind == 1 || kind == 2) {
        rank = 0;
    } else if (kind == 0 && tick == origin) {
        // the anacrusis of the first motive leads into the first full measure: dominant onwards
        rank = 15;
    } else if (kind == 3 && tick == origin) {
        rank = 0;
    } else {
        const TChordList& chords = model.chords();
        for (size_t i = 0; i < chords.size(); ++i) {
            if (chords[i].time < tick) {
                previous = chords[i];
                hasPrevious = true;
                hasBeforePrevious = i > 0;
                if (hasBeforePrevious) {
                    beforePrevious = chords[i - 1];
                }
            }
        }
        rank = hasPrevious ? previous.order : 0;
    }

    std::vector<TChord> tonic;
    view_.scheme().chordsAfter(key, rank, candidates_, tonic);
    std::stable_sort(candidates_.begin(), candidates_.end(),
                     [](const TChord& a, const TChord& b) { return a.order < b.order; });
    candidates_.insert(candidates_.end(), tonic.begin(), tonic.end());
    model.filterChords(candidates_, tick);

    // arranges within seven steps of the previous soprano, checks the voice leading and drops
    // the chords that no soprano move can reach
    connection_ = hasPrevious
                      ? TChordConnection(&previous, hasBeforePrevious ? &beforePrevious : nullptr)
                      : TChordConnection();
    candidateMotions_ = connection_.arrangeCandidates(candidates_, key);

    resetChoice();
    return true;
}

void TChordVariantStrategy::clearCandidates() {
    candidates_.clear();
    candidateMotions_.clear();
    resetChoice();
    currentChord_.clearVoicing();
}

void TChordVariantStrategy::defineGridZone(int pane) {
    const auto n = static_cast<int32_t>(candidates_.size());
    const int32_t w = CHORD_CELL_WIDTH * std::min(n, GRID_ZONE_CELLS);
    view_.clipMaker().defineClip(CHORD_GRID_ZONE, view_.zoneBesideBoundary(pane, w), {});
}

void TChordVariantStrategy::defineWholeViewZone() {
    const TScreenPoint o = view_.viewOrigin();
    view_.clipMaker().defineClip(CHORD_GRID_ZONE, {o.x, o.y, o.x + VIEW_WIDTH, o.y + VIEW_HEIGHT},
                                 {});
}

void TChordVariantStrategy::defineColumnZone(int pane) {
    const TScreenPoint o = view_.viewOrigin();
    const TRectWithCheck cell = cellRect(hoveredIndex_, pane);
    const auto n = static_cast<int32_t>(candidates_.size());
    const int32_t w = CHORD_CELL_WIDTH * std::min(n, GRID_ZONE_CELLS);
    const int32_t left = paneLeft(pane);
    TScreenRect rect{0, o.y, 0, o.y + VIEW_HEIGHT};
    if (pane == 0) {
        rect.left = o.x + std::min(column_.left, PANE_BOUNDARY - w);
        rect.right = o.x + cell.right;
    } else {
        rect.left = o.x + left + cell.left;
        rect.right = o.x + std::max(left + column_.right, PANE_BOUNDARY + 1 + w);
    }
    const int32_t inner = pane == 0 ? SIDE_RIGHT : SIDE_LEFT;
    view_.clipMaker().defineClip(
        CHORD_COLUMN_ZONE, rect,
        {TDirection::make(inner, CHORD_EDGE_PRESSURE, view_.host().dadCursorDelay(), false)});
}

void TChordVariantStrategy::defineArrangementZone(int pane) {
    const TScreenPoint o = view_.viewOrigin();
    TScreenRect rect{0, o.y, 0, o.y + VIEW_HEIGHT};
    if (pane == 0) {
        rect.left = o.x;
        rect.right = o.x + chosenRect_.right + 1;
    } else {
        rect.left = o.x + paneLeft(pane) + chosenRect_.left - 1;
        rect.right = o.x + VIEW_WIDTH;
    }
    const int32_t inner = pane == 0 ? SIDE_RIGHT : SIDE_LEFT;
    view_.clipMaker().defineClip(
        CHORD_ARRANGEMENT_ZONE, rect,
        {TDirection::make(inner, CHORD_EDGE_PRESSURE, view_.host().dadCursorDelay(), false)});
}

void TChordVariantStrategy::layoutColumn(int pane) {
    arrangementHits_.clear();
    column_ = {};
    if (hoveredIndex_ < 0 || hoveredIndex_ >= static_cast<int32_t>(candidates_.size())) {
        splitColumn();
        return;
    }
    const TChord& chord = candidates_[static_cast<size_t>(hoveredIndex_)];
    const TRectWithCheck cell = cellRect(hoveredIndex_, pane);
    const int32_t width = SUB_COLUMN_STEP * chord.arrangementColumnCount() + COLUMN_SPARE;
    column_.top = cell.bottom;
    column_.bottom = VIEW_HEIGHT;
    if (pane == 0) {
        column_.right = cell.right;
        column_.left = std::max(0, cell.right - width);
    } else {
        column_.left = cell.left;
        column_.right = std::min(PANE_WIDTH, cell.left + width);
    }
    // the marks of one soprano stand side by side outward from the cell, doubling after doubling
    int32_t firstSubColumn = 0;
    for (size_t d = 0; d < chord.arrangementMaps.size(); ++d) {
        const TChordArrangementMap& map = chord.arrangementMaps[d];
        for (auto it = map.begin(); it != map.end();) {
            const auto range = map.equal_range(it->first);
            int32_t sub = firstSubColumn;
            for (auto a = range.first; a != range.second; ++a, ++sub) {
                if (!a->second.isValid()) {
                    continue;
                }
                const int32_t offset = MARK_INSET + SUB_COLUMN_STEP * sub;
                const int32_t markLeft =
                    pane == 0 ? cell.right - offset - MARK_WIDTH : cell.left + offset;
                const int32_t top = chordRowTop(it->first);
                const TRectWithCheck mark{markLeft, top, markLeft + MARK_WIDTH, top + MARK_HEIGHT};
                // a mark pushed out of the pane by a very wide column cannot be reached
                if (mark.left < column_.left || mark.right > column_.right) {
                    continue;
                }
                arrangementHits_.push_back({mark, a->second});
            }
            it = range.second;
        }
        if (d < chord.arrangementCounts.size()) {
            firstSubColumn += chord.arrangementCounts[d];
        }
    }
    splitColumn();
}

void TChordVariantStrategy::splitColumn() {
    columnUpper_ = column_;
    columnLower_ = column_;
    if (entryY_ != 0 && !column_.isEmpty()) {
        columnUpper_.bottom = std::max(column_.top, entryY_ - ENTRY_GAP_HALF);
        columnLower_.top = std::min(column_.bottom, entryY_ + ENTRY_GAP_HALF);
    }
}

void TChordVariantStrategy::hover(int32_t index, int pane) {
    hoveredIndex_ = index;
    hoveredRow_ = index / CHORD_CELLS_PER_ROW;
    arrangementChosen_ = false;
    bassOption_ = -1;
    entryY_ = 0;
    chosenRect_ = {};
    bassRect_ = {};
    hoverRect_ = {};
    layoutColumn(pane);
    defineColumnZone(pane);
}

int32_t TChordVariantStrategy::indexBelowGrid(int32_t x, int pane) const {
    const auto n = static_cast<int32_t>(candidates_.size());
    const int32_t col = pane == 0 ? (PANE_BOUNDARY - 1 - x) / CHORD_CELL_WIDTH
                                  : (x - PANE_BOUNDARY - 1) / CHORD_CELL_WIDTH;
    auto indexIn = [&](int32_t row) {
        const int32_t first = row * CHORD_CELLS_PER_ROW;
        const int32_t index = row % 2 == 0 ? first + col : first + CHORD_CELLS_PER_ROW - col;
        const int32_t last = std::min(first + CHORD_CELLS_PER_ROW - 1, n - 1);
        return index >= first && index <= last ? index : -1;
    };
    const int32_t here = indexIn(hoveredRow_);
    // past the end of the row the snake goes on in the row above
    return here != -1 ? here : indexIn(hoveredRow_ + 1);
}

void TChordVariantStrategy::putChord() {
    if (hoveredIndex_ < 0 || bassOption_ < 0 || bassOption_ >= MAX_BASS_OPTIONS) {
        return;
    }
    TVariantModel& model = view_.model();
    TChord& chord = candidates_[static_cast<size_t>(hoveredIndex_)];
    chord.time = model.meter().measureStartOf(model.startPosition());
    const TChordArrangement& a = chosenArrangement_;
    chord.setVoicing(a.upper[0], a.upper[1], a.upper[2],
                     a.bassOptions[static_cast<size_t>(bassOption_)]);
    model.setChord(chord);
}

void TChordVariantStrategy::apply() {
    if (hoveredIndex_ < 0 || bassOption_ < 0) {
        return;
    }
    putChord();
    TVariantModel& model = view_.model();
    const int32_t length = model.meter().measureLength();
    const int32_t next = model.offersNotes()
                             ? model.startPosition()
                             : model.meter().measureStartOf(model.startPosition()) + length;
    TVariantStrategy& other = view_.other(*this);
    other.prepareCandidates(next);
    other.paintPane(1 - pane_);
    view_.soundChord(candidates_[static_cast<size_t>(hoveredIndex_)]);
}

void TChordVariantStrategy::activate(int pane) {
    pane_ = pane;
    layoutCells(pane);
    defineGridZone(pane);
    view_.clipMaker().activateClip(CHORD_GRID_ZONE);
    TVariantModel& model = view_.model();
    const int32_t start = model.startPosition();
    currentChord_ = TChord();
    for (const TChord& c : model.chords()) {
        if (c.time < start) {
            currentChord_ = c;
        }
    }
}

void TChordVariantStrategy::confineAtOpen() {
    pane_ = view_.activePane();
    defineWholeViewZone();
    view_.clipMaker().activateClip(CHORD_GRID_ZONE);
}

void TChordVariantStrategy::commit(int pane) {
    TVariantModel& model = view_.model();
    if (currentChord_.isArranged() && !model.offersNotes()) {
        const int32_t length = model.meter().measureLength();
        model.setStartPosition(model.meter().measureStartOf(model.startPosition()) + length);
        currentChord_.clearVoicing();
    }
    pane_ = pane;
    resetChoice();
    paintPane(pane);
}

void TChordVariantStrategy::edgeBroken(int32_t clipId, int32_t side, bool needsSteadyRow) {
    (void)side;
    (void)needsSteadyRow;
    TClipMaker& clip = view_.clipMaker();
    if (clipId == CHORD_ARRANGEMENT_ZONE) {
        if (!arrangementChosen_ || hoveredIndex_ < 0) {
            clip.activateClip(CHORD_COLUMN_ZONE);
            return;
        }
        // the pointer may cross into the other pane only when there is something to choose
        if (!view_.other(*this).isEmpty()) {
            defineWholeViewZone();
        }
        clip.activateClip(CHORD_GRID_ZONE);
        putChord();
        currentChord_ = candidates_[static_cast<size_t>(hoveredIndex_)];
        candidates_.clear();
        candidateMotions_.clear();
        resetChoice();
        committed_ = true;
    } else if (clipId == CHORD_COLUMN_ZONE) {
        clip.activateClip(CHORD_GRID_ZONE);
    }
}

void TChordVariantStrategy::paintPane(int pane) {
    view_.surface().paintPane(pane, true);
}

void TChordVariantStrategy::poll() {
    const TEdgeTest t = view_.clipMaker().testEdges(true);
    if (t.atEdge) {
        paintPane(view_.activePane());
    }
}

void TChordVariantStrategy::mouseMove(uint32_t shift, int32_t x, int32_t y, int pane) {
    (void)shift;
    pane_ = pane;
    TClipMaker& clip = view_.clipMaker();
    if (view_.demoMode()) {
        const TScreenPoint o = view_.viewOrigin();
        if (clip.testEdgesAtOnce(x + o.x, y + o.y)) {
            record(x, y);
            paintPane(pane);
            return;
        }
    } else {
        const TEdgeTest t = clip.testEdges(false);
        if (t.moved) {
            record(x, y);
            if (t.atEdge) {
                paintPane(pane);
            }
            return;
        }
    }
    if (candidates_.empty()) {
        record(x, y);
        return;
    }

    const int32_t c = x - paneLeft(pane);
    if (!columnUpper_.contains(c, y) && !columnLower_.contains(c, y)) {
        clip.activateClip(CHORD_GRID_ZONE);
        hoverRect_ = {};
        const int32_t band = rows() * CHORD_ROW_HEIGHT;
        if (y < band) {
            for (const auto& [rect, index] : cellHits_) {
                if (rect.contains(c, y)) {
                    hover(index, pane);
                    break;
                }
            }
        } else {
            const int32_t index = indexBelowGrid(x, pane);
            if (index != -1 && index != hoveredIndex_) {
                hover(index, pane);
                // the new chord's column opens around the pointer, so that moving on sideways
                // keeps picking chords and moving up or down enters the column
                const bool nearEdge =
                    y - band <= ENTRY_MARGIN_BELOW_GRID || VIEW_HEIGHT - y <= ENTRY_MARGIN_BOTTOM;
                entryY_ = nearEdge ? 0 : y;
                splitColumn();
            }
        }
        lastZone_ = {};
    } else if (entryY_ != 0) {
        entryY_ = 0;
        splitColumn();
    } else if (arrangementChosen_ && bassRect_.contains(c, y)) {
        const int32_t option = (y - bassRect_.top) / BASS_OPTION_HEIGHT;
        const TChordArrangement& a = chosenArrangement_;
        if (option < a.bassOptionCount && option < MAX_BASS_OPTIONS &&
            a.bassOptionValid[static_cast<size_t>(option)] &&
            (option != bassOption_ || lastZone_ != bassRect_)) {
            bassOption_ = option;
            apply();
        }
        clip.activateClip(CHORD_ARRANGEMENT_ZONE);
        lastZone_ = bassRect_;
    } else if (!hoverRect_.isEmpty() && hoverRect_.contains(c, y)) {
        if (lastZone_ != hoverRect_) {
            if (arrangementChosen_ && hoverRect_ == chosenRect_) {
                // touching the chosen mark again takes the choice back; the pushing edge goes
                // back to the column's, so that nothing can be committed without a choice
                arrangementChosen_ = false;
                bassOption_ = -1;
                bassRect_ = {};
                clip.activateClip(CHORD_COLUMN_ZONE);
            } else {
                chosenArrangement_ = hoverArrangement_;
                chosenRect_ = hoverRect_;
                arrangementChosen_ = true;
                bassRect_ = {chosenRect_.left, chosenRect_.top + BASS_TOP, chosenRect_.right,
                             chosenRect_.top + BASS_TOP + BASS_COLUMN_HEIGHT};
                defineArrangementZone(pane);
                clip.activateClip(CHORD_ARRANGEMENT_ZONE);
                bassOption_ =
                    TChord::chooseBassOption(chosenArrangement_, connection_.bassContext());
                apply();
            }
        }
        lastZone_ = hoverRect_;
    } else {
        hoverRect_ = {};
        for (const auto& [mark, arrangement] : arrangementHits_) {
            const int32_t shiftOut = pane == 0 ? -MARK_WIDTH : MARK_WIDTH;
            const TRectWithCheck area{mark.left + shiftOut, mark.top, mark.right + shiftOut,
                                      mark.bottom};
            if (area.contains(c, y)) {
                hoverArrangement_ = arrangement;
                hoverRect_ = mark;
                break;
            }
        }
        lastZone_ = columnUpper_;
        clip.activateClip(CHORD_COLUMN_ZONE);
    }
    paintPane(pane);
    record(x, y);
}
