#pragma once

#include <cstdint>
#include <deque>

#include "model/motive.h"

// The undo history of one canvas's motive: up to MAX_HISTORY snapshots, newest first, each with
// the version number the player's reports name it by. Browsing copies a snapshot into the live
// motive; any new edit from there goes on from what is shown without storing it again.
class TMotiveHistory {
  public:
    static constexpr size_t MAX_HISTORY = 20;

    // Stores the live motive before an edit; false (and only back to the live state) when the
    // motive is empty or an older snapshot is shown.
    bool pushSnapshot(TMotive& motive);
    void back(TMotive& motive);
    void forward(TMotive& motive);
    // Shows snapshot `index` in the motive; nothing outside the history.
    bool goTo(TMotive& motive, int32_t index);
    // Shows the version a player's report names: the motive itself when it has that version, else
    // the snapshot that has it (back there, going from the live state stores the live motive
    // first); false when none has it.
    bool showVersion(TMotive& motive, int32_t version);

    bool canGoBack() const { return historyIndex_ < static_cast<int32_t>(snapshots_.size()) - 1; }
    bool canGoForward() const { return historyIndex_ > 0; }
    int32_t index() const { return historyIndex_; }
    size_t size() const { return snapshots_.size(); }
    const TMotive& snapshot(size_t i) const { return snapshots_[i]; }

  private:
    std::deque<TMotive> snapshots_;
    int32_t historyIndex_ = -1;
    int32_t nextVersion_ = 0;
};
