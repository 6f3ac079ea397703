#include "templates/key_panel_model.h"

#include "generation/random.h"
#include "help/message_bundle.h"

std::vector<std::string> TKeyPanelModel::modeItems(const TMessageBundle& bundle) {
    return {bundle.text("major"), bundle.text("minor")};
}

std::vector<std::string> TKeyPanelModel::keyItems(const TMessageBundle& bundle) const {
    return bundle.group(mode_ == MINOR ? "minor group" : "major group");
}

void TKeyPanelModel::setMode(uint8_t mode) {
    if (mode == MAJOR || mode == MINOR)
        mode_ = mode;
}

void TKeyPanelModel::setKeyIndex(int index) {
    if (index >= 0 && index < KEY_COUNT)
        keyIndex_ = index;
}

void TKeyPanelModel::setKey(const TKey& key) {
    setMode(key.mode());
    setKeyIndex(key.signs() + NO_SIGNS_INDEX);
}

void TKeyPanelModel::chooseRandom() {
    const int signs = 1 + motivicaRand() % 7;
    const bool minor = motivicaRand() % 2 == 1;
    // an odd third draw gives flats
    const bool flats = motivicaRand() % 2 == 1;
    setKey(TKey(flats ? -signs : signs, minor ? MINOR : MAJOR));
}
