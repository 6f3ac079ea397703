#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/key.h"

class TMessageBundle;

// The key panel's choice: a mode and an index into that mode's list of fifteen keys, which runs
// from seven flats (0) to seven sharps (14). A new panel shows E minor.
class TKeyPanelModel {
  public:
    static constexpr int KEY_COUNT = 15;
    static constexpr int NO_SIGNS_INDEX = 7;

    uint8_t mode() const { return mode_; }
    int keyIndex() const { return keyIndex_; }
    TKey key() const { return TKey(keyIndex_ - NO_SIGNS_INDEX, mode_); }

    // "Major" and "Minor", in mode order.
    static std::vector<std::string> modeItems(const TMessageBundle& bundle);
    // The keys of the current mode, from the "major group" or the "minor group".
    std::vector<std::string> keyItems(const TMessageBundle& bundle) const;

    // Another mode keeps the number of signs.
    void setMode(uint8_t mode);
    // Indices outside the list are ignored.
    void setKeyIndex(int index);
    void setKey(const TKey& key);
    // One to seven sharps or flats in either mode; never a key without signs.
    void chooseRandom();

  private:
    uint8_t mode_ = MINOR;
    int keyIndex_ = NO_SIGNS_INDEX + 1;
};
