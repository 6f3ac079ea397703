#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/screen_point.h"

class TXmlDocument;

// A control's place on the screen.
struct TScriptRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;

    TScreenPoint centre() const { return {left + width / 2, top + height / 2}; }
    bool operator==(const TScriptRect&) const = default;
};

// The recorded mouse path of a demonstration, one MOVE element per line, as the recorder writes
// it and the demonstrations read it.
std::string dynamicHelpScriptText(const std::vector<TScreenPoint>& points);

// Reads a script: the document element must be DYNAMIC_HELP; every MOVE child gives one point
// from its integer X and Y, other children and attributes are ignored. Nothing when the file
// cannot be read, its root is another, or a MOVE lacks a whole-number X or Y.
std::optional<std::vector<TScreenPoint>> readDynamicHelpScript(TXmlDocument& document,
                                                               const std::string& path);

// The positions a smooth glide sets, one per step, from `from` to `to`: at most 30 steps per
// axis, each axis advancing by its share until its steps are used up; the last is `to` itself.
std::vector<TScreenPoint> smoothPath(TScreenPoint from, TScreenPoint to);
