#pragma once

#include <string>

class TRecoveryStore;

// Decides when the composition is kept safe: whenever it differs from what was last saved or
// opened (or freshly made), and only when it changed since it was last kept. Once it is the
// saved composition again, nothing needs keeping and the recovery file goes.
class TRecoveryKeeper {
  public:
    explicit TRecoveryKeeper(TRecoveryStore& store) : store_(&store) {}
    // A keeper with nowhere to keep work: it still knows whether the composition is saved.
    TRecoveryKeeper() = default;

    // The composition as a file holds it, or as a command made it: nothing of it can be lost.
    void markSaved(std::string document);
    // The composition now; keeps it when there is unsaved work that is not kept yet. A failed
    // write is tried again at the next call. True when nothing of it can be lost: it is saved,
    // or kept.
    bool update(const std::string& document, const std::string& name);

    // Whether a recovery file holds the composition.
    bool keeping() const { return kept_; }
    // Whether this composition differs from the one last saved, opened or made.
    bool unsaved(const std::string& document) const { return document != saved_; }

  private:
    TRecoveryStore* store_ = nullptr;
    std::string saved_;
    bool kept_ = false;
    std::string keptDocument_;
    std::string keptName_;
};
