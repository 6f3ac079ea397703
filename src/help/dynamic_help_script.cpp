#include "help/dynamic_help_script.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "model/xml_document.h"

std::string dynamicHelpScriptText(const std::vector<TScreenPoint>& points) {
    std::string text = "<DYNAMIC_HELP>\n";
    for (const TScreenPoint& p : points) {
        text += "    <MOVE X=\"" + std::to_string(p.x) + "\" Y=\"" + std::to_string(p.y) + "\"/>\n";
    }
    text += "</DYNAMIC_HELP>\n";
    return text;
}

namespace {

std::optional<int32_t> wholeNumber(const std::optional<std::string>& text) {
    if (!text || text->empty()) {
        return std::nullopt;
    }
    int32_t value = 0;
    const char* first = text->data();
    const char* last = first + text->size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<std::vector<TScreenPoint>> readDynamicHelpScript(TXmlDocument& document,
                                                               const std::string& path) {
    if (!document.load(path)) {
        return std::nullopt;
    }
    const TXmlElement root = document.documentElement();
    if (root.isNull() || root.name() != "DYNAMIC_HELP") {
        return std::nullopt;
    }
    std::vector<TScreenPoint> points;
    for (const TXmlElement& move : root.children()) {
        if (move.name() != "MOVE") {
            continue;
        }
        const std::optional<int32_t> x = wholeNumber(move.attribute("X"));
        const std::optional<int32_t> y = wholeNumber(move.attribute("Y"));
        if (!x || !y) {
            return std::nullopt;
        }
        points.push_back({*x, *y});
    }
    return points;
}

std::vector<TScreenPoint> smoothPath(TScreenPoint from, TScreenPoint to) {
    const int32_t dx = to.x - from.x;
    const int32_t dy = to.y - from.y;
    const int32_t nx = std::min(std::abs(dx), 30);
    const int32_t ny = std::min(std::abs(dy), 30);
    std::vector<TScreenPoint> path;
    double x = from.x;
    double y = from.y;
    for (int32_t i = 0; i < std::max(nx, ny); ++i) {
        if (i < nx) {
            x += static_cast<double>(dx) / nx;
        }
        if (i < ny) {
            y += static_cast<double>(dy) / ny;
        }
        path.push_back(
            {static_cast<int32_t>(std::lround(x)), static_cast<int32_t>(std::lround(y))});
    }
    path.push_back(to);
    return path;
}
