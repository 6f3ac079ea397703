#include "templates/zatakt_panel_model.h"

#include <algorithm>

#include "generation/random.h"
#include "help/message_bundle.h"

namespace {

// The duration list never offers more than the eight lengths of the "duration group".
constexpr int MAX_DURATION_INDEX = 7;

}  // namespace

std::vector<std::string> TZataktPanelModel::typeItems(const TMessageBundle& bundle) {
    return bundle.group("motive type group");
}

int TZataktPanelModel::durationCount() const {
    const int steps = measure_.measureLength() / SIXTEENTH - 2;
    return std::max(std::min(steps, MAX_DURATION_INDEX) + 1, 0);
}

std::vector<std::string> TZataktPanelModel::durationItems(const TMessageBundle& bundle) const {
    std::vector<std::string> items = bundle.group("duration group");
    items.resize(std::min(items.size(), static_cast<size_t>(durationCount())));
    return items;
}

std::string TZataktPanelModel::durationLabel(const TMessageBundle& bundle) const {
    switch (type_) {
        case TMotiveType::IAMBUS:
            return bundle.text("duration after measure bar");
        case TMotiveType::AMPHIBRACHYS:
            return bundle.text("duration before measure bar");
        case TMotiveType::TROCHEE:
            break;
    }
    return std::string();
}

std::vector<TMotiveTypeSymbol> TZataktPanelModel::pictureSymbols() const {
    using S = TMotiveTypeSymbol;
    switch (type_) {
        case TMotiveType::IAMBUS:
            return {S::UNSTRESSED_NOTE, S::BAR_LINE, S::STRESSED_NOTE};
        case TMotiveType::TROCHEE:
            return {S::BAR_LINE, S::STRESSED_NOTE, S::UNSTRESSED_NOTE};
        case TMotiveType::AMPHIBRACHYS:
            return {S::UNSTRESSED_NOTE, S::BAR_LINE, S::STRESSED_NOTE, S::UNSTRESSED_NOTE};
    }
    return {};
}

void TZataktPanelModel::setType(TMotiveType type) {
    type_ = type;
}

void TZataktPanelModel::setDurationIndex(int index) {
    if (index >= 0 && index < durationCount())
        durationIndex_ = index;
}

void TZataktPanelModel::setMeasure(const TMeasure& measure) {
    measure_ = measure;
    const int count = durationCount();
    durationIndex_ = count > 0 ? std::clamp(durationIndex_, 0, count - 1) : -1;
}

void TZataktPanelModel::chooseRandom() {
    const int r = motivicaRand() % 3;
    type_ = static_cast<TMotiveType>(r);
    if (type_ != TMotiveType::TROCHEE && durationCount() > 0)
        durationIndex_ = motivicaRand() % durationCount();
}
