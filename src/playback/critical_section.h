#pragma once

#include <mutex>

// The motive player's re-entrant lock: stopAndDetach calls stop while holding it.
class TCriticalSection {
  public:
    void enter() { mutex_.lock(); }
    void leave() { mutex_.unlock(); }

  private:
    std::recursive_mutex mutex_;
};

// Holds a critical section for a scope; a null one (the export player has none) is no lock.
class TCriticalSectionGuard {
  public:
    explicit TCriticalSectionGuard(TCriticalSection* section) : section_(section) {
        if (section_)
            section_->enter();
    }
    ~TCriticalSectionGuard() { release(); }
    TCriticalSectionGuard(const TCriticalSectionGuard&) = delete;
    TCriticalSectionGuard& operator=(const TCriticalSectionGuard&) = delete;

    // Leaves early, before telling someone who may call back in.
    void release() {
        if (section_)
            section_->leave();
        section_ = nullptr;
    }

  private:
    TCriticalSection* section_;
};
