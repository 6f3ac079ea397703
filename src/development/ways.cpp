#include "development/ways.h"

#include "development/other_way.h"
#include "development/parts_way.h"
#include "development/rel_other_way.h"
#include "development/rel_parts_way.h"
#include "development/rel_repeat_way.h"
#include "development/rel_rhythm_way.h"
#include "development/repeat_way.h"
#include "development/rhythm_way.h"
#include "development/variation_way.h"

std::unique_ptr<TEffectWay> createWay(int index, const TChordList& chordSet) {
    switch (index) {
        case 0:
            return std::make_unique<TSequenceUpWay>(chordSet);
        case 1:
            return std::make_unique<TSequenceDownWay>(chordSet);
        case 2:
            return std::make_unique<TVariationWay>(chordSet);
        case 3:
            return std::make_unique<TRepeatWay>(chordSet);
        case 4:
            return std::make_unique<TPartsWay>(chordSet);
        case 5:
            return std::make_unique<TOtherWay>(chordSet);
        case 6:
            return std::make_unique<TRhythmWay>(chordSet);
        case 7:
            return std::make_unique<TRelSequenceUpWay>(chordSet);
        case 8:
            return std::make_unique<TRelSequenceDownWay>(chordSet);
        case 9:
            return std::make_unique<TRelRhythmWay>(chordSet);
        case 10:
            return std::make_unique<TRelRepeatWay>(chordSet);
        case 11:
            return std::make_unique<TRelPartsWay>(chordSet);
        case 12:
            return std::make_unique<TRelOtherWay>(chordSet);
        default:
            return nullptr;
    }
}

std::optional<int> wayIndexOf(const std::string& name) {
    for (int index = 0; index < WAY_COUNT; ++index)
        if (name == WAY_CAPTIONS[static_cast<size_t>(index)])
            return index;
    if (name.empty() || name.size() > 2)
        return std::nullopt;
    int index = 0;
    for (char c : name) {
        if (c < '0' || c > '9')
            return std::nullopt;
        index = index * 10 + (c - '0');
    }
    if (index >= WAY_COUNT)
        return std::nullopt;
    return index;
}
