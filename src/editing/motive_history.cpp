#include "editing/motive_history.h"

bool TMotiveHistory::pushSnapshot(TMotive& motive) {
    if (motive.isEmpty() || historyIndex_ != -1) {
        historyIndex_ = -1;
        motive.setVariantTag(nextVersion_);
        return false;
    }
    // a motive's copy starts without a version: the stored one is given its own
    snapshots_.emplace_front(motive);
    snapshots_.front().setVariantTag(nextVersion_);
    ++nextVersion_;
    motive.setVariantTag(nextVersion_);
    if (snapshots_.size() > MAX_HISTORY) {
        snapshots_.pop_back();
    }
    historyIndex_ = -1;
    return true;
}

void TMotiveHistory::back(TMotive& motive) {
    if (historyIndex_ == -1) {
        goTo(motive, pushSnapshot(motive) ? 1 : 0);
    } else {
        goTo(motive, historyIndex_ + 1);
    }
}

void TMotiveHistory::forward(TMotive& motive) {
    goTo(motive, historyIndex_ - 1);
}

bool TMotiveHistory::goTo(TMotive& motive, int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(snapshots_.size())) {
        return false;
    }
    const TMotive& s = snapshots_[static_cast<size_t>(index)];
    motive.assignContent(s);
    motive.setVariantTag(s.variantTag());
    historyIndex_ = index;
    return true;
}

bool TMotiveHistory::showVersion(TMotive& motive, int32_t version) {
    if (motive.variantTag() == version) {
        return true;
    }
    for (size_t i = 0; i < snapshots_.size(); ++i) {
        if (snapshots_[i].variantTag() == version) {
            return goTo(motive, static_cast<int32_t>(i));
        }
    }
    return false;
}
