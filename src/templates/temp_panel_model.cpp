#include "templates/temp_panel_model.h"

#include <algorithm>

#include "generation/random.h"
#include "help/message_bundle.h"

std::vector<std::string> TTempPanelModel::categoryItems(const TMessageBundle& bundle) {
    return bundle.group("temp group");
}

void TTempPanelModel::chooseCategory(int category) {
    if (category < 0 || category >= static_cast<int>(TEMPO_CATEGORY_VALUES.size()))
        return;
    value_ = TEMPO_CATEGORY_VALUES[static_cast<size_t>(category)];
    notify();
}

void TTempPanelModel::changeValue(int32_t value) {
    setValue(value);
    notify();
}

void TTempPanelModel::setValue(int32_t value) {
    value_ = std::clamp(value, MIN_TEMPO, MAX_TEMPO);
}

void TTempPanelModel::chooseRandom() {
    // 50..149: the top of the range is only reached by the arrows
    changeValue(MIN_TEMPO + motivicaRand() % (MAX_TEMPO - MIN_TEMPO));
}

void TTempPanelModel::notify() {
    if (listener_ != nullptr)
        listener_->tempValueChanged(value_);
}
