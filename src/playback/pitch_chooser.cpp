#include "playback/pitch_chooser.h"

#include <limits>

#include "playback/pitch_preview.h"

void TPitchChooser::preselect(int32_t number) {
    const std::optional<TPitchPlace> place = catalogue_.placeOfNumber(number);
    if (!place) {
        category_.reset();
        entry_.reset();
        return;
    }
    category_ = place->category;
    entry_ = place->position;
}

void TPitchChooser::selectCategory(std::optional<size_t> category) {
    if (!category || *category >= catalogue_.categories().size()) {
        category_.reset();
        entry_.reset();
        return;
    }
    category_ = category;
    entry_.reset();
    if (!catalogue_.categories()[*category].pitches.empty())
        selectEntry(0);
}

void TPitchChooser::selectEntry(std::optional<size_t> entry) {
    if (!category_ || !entry || *entry >= catalogue_.categories()[*category_].pitches.size())
        entry_.reset();
    else
        entry_ = entry;
    if (pressed_ && result() != heard_)
        pressNumber();
}

std::vector<std::string> TPitchChooser::categoryNames() const {
    std::vector<std::string> names;
    for (const TPitchCategory& c : catalogue_.categories())
        names.push_back(c.name);
    return names;
}

std::vector<std::string> TPitchChooser::entryNames() const {
    std::vector<std::string> names;
    if (category_)
        for (const TPitch& p : catalogue_.categories()[*category_].pitches)
            names.push_back(p.name);
    return names;
}

std::optional<int64_t> TPitchChooser::result() const {
    if (!category_ || !entry_)
        return std::nullopt;
    return catalogue_.numberAt({*category_, *entry_});
}

void TPitchChooser::mouseDown(bool leftButton, bool otherButtonHeld) {
    if (!leftButton || otherButtonHeld)
        return;
    pressed_ = true;
    pressNumber();
}

void TPitchChooser::mouseUp() {
    if (!pressed_)
        return;
    pressed_ = false;
    heard_.reset();
    if (listener_ != nullptr)
        listener_->pitchReleased();
}

void TPitchChooser::pressNumber() {
    heard_ = result();
    // numbers beyond 32 bits cannot be stored in a set; they are not heard either
    if (listener_ == nullptr || !heard_ || *heard_ < std::numeric_limits<int32_t>::min() ||
        *heard_ > std::numeric_limits<int32_t>::max())
        return;
    listener_->pitchPressed(static_cast<int32_t>(*heard_));
}
