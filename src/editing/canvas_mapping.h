#pragma once

#include <cstdint>
#include <optional>

#include "editing/pointer_control.h"

class TMotive;

// Where a canvas's notes area maps to time and pitch: time follows the painted measures, so
// that the head of a note and its time share one column; 5 pixels per diatonic step.
// The time cursor runs this far left of the heads it stands before, clear of them.
constexpr int32_t CURSOR_BEFORE_HEAD = 11;
constexpr int32_t CANVAS_NOTES_BOTTOM = 131;  // a press at or above edits notes, below chords
constexpr int32_t CANVAS_CURSOR_TOP = 3;
constexpr int32_t CANVAS_CURSOR_BOTTOM = 128;

// The tick of the sixteenth nearest a canvas x, kept inside the motive so that a sixteenth
// still fits after it.
int32_t timeAtX(const TMotive& motive, int32_t x);
// The x of a tick's cursor line.
int32_t xOfTime(const TMotive& motive, int32_t t);
// The diatonic position of a canvas y, 13..34; none below the staff area.
std::optional<int32_t> pitchAtY(int32_t y);

// The start of the note (or rest) whose span contains t; t itself outside every span.
int32_t snapToNote(const TMotive& motive, int32_t t);

// The popup's bottom-left corner beside a canvas: right of it, or left of it near the screen's
// right edge, and always on the screen.
TScreenPoint popupAnchor(const TScreenRect& canvas, const TScreenRect& screen, int32_t popupWidth);
