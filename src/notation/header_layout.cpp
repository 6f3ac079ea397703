#include "notation/header_layout.h"

#include <algorithm>
#include <cstdlib>

#include "notation/notation_metrics.h"

namespace {

constexpr int CLEF_TOP = 19;
constexpr int STAFF_START = 42;
constexpr int SIGNATURE_START = 50;
constexpr int NUMBER_HEIGHT = 20;
constexpr int HEADER_END_MARGIN = 5;
// the bass staff's signature lies two octaves below the treble's
constexpr int BASS_SHIFT = 14;

int signCount(int32_t signs) {
    return std::min(std::abs(signs), 7);
}

}  // namespace

int meterX(int32_t signs) {
    if (signs > 0)
        return 54 + 10 * signCount(signs);
    if (signs < 0)
        return 54 + 8 * signCount(signs);
    return 48;
}

std::string meterTop(const TMeasure& meter) {
    return std::to_string(meter.beatsPerMeasure());
}

std::string meterBottom(const TMeasure& meter) {
    return std::to_string(meter.beatValue() > 0 ? WHOLE / meter.beatValue() : 0);
}

int headerWidth(int32_t signs, const TMeasure& meter, const TTextWidth& textWidth) {
    return meterX(signs) + std::max(textWidth(meterTop(meter)), textWidth(meterBottom(meter))) +
           HEADER_END_MARGIN;
}

TPlacedItems layoutHeader(int32_t signs, const TMeasure& meter, const TTextWidth& textWidth) {
    const int width = headerWidth(signs, meter, textWidth);
    TPlacedItems items;
    items.push_back(placedGlyph(TGlyph::CLEF, 0, CLEF_TOP));
    for (const int y : TREBLE_LINES)
        items.push_back(
            placedRect(TItemKind::STAFF_LINE, {STAFF_START, y, width - STAFF_START, 1}));
    for (const int y : BASS_LINES)
        items.push_back(
            placedRect(TItemKind::STAFF_LINE, {STAFF_START, y, width - STAFF_START, 1}));

    const TGlyph sign = signs > 0 ? TGlyph::SHARP : TGlyph::FLAT;
    const auto& positions = signs > 0 ? SHARP_POSITIONS : FLAT_POSITIONS;
    const int step = glyphSize(sign).width + 2;
    for (const int shift : {0, BASS_SHIFT})
        for (int i = 0; i < signCount(signs); ++i)
            items.push_back(placedGlyph(sign, SIGNATURE_START + i * step,
                                        pitchY(positions[size_t(i)] - shift) - 8));

    const std::string top = meterTop(meter);
    const std::string bottom = meterBottom(meter);
    const int x = meterX(signs);
    const int numberWidth = std::max(textWidth(top), textWidth(bottom));
    for (const int staffTop : {TREBLE_LINES.front(), BASS_LINES.front()}) {
        TPlacedItem upper = placedRect(TItemKind::TEXT, {x, staffTop, numberWidth, NUMBER_HEIGHT});
        upper.text = top;
        items.push_back(upper);
        TPlacedItem lower =
            placedRect(TItemKind::TEXT, {x, staffTop + NUMBER_HEIGHT, numberWidth, NUMBER_HEIGHT});
        lower.text = bottom;
        items.push_back(lower);
    }
    return items;
}
