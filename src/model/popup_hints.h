#pragma once

#include <string>

// Whether the DAD popup shows its one-line hint for the first gestures. Shown until the user
// turns it off; kept per user in a one-line file ("shown" or "hidden"), so the choice survives
// the run. An empty path keeps the choice for this run only.
class TPopupHints {
  public:
    explicit TPopupHints(std::string path);

    bool shown() const { return shown_; }
    // False when the file could not be written; the choice holds for this run all the same.
    bool setShown(bool shown);

    // The file's text for a choice, and the choice a text holds (anything but "hidden" shows).
    static std::string text(bool shown);
    static bool parse(const std::string& text);

  private:
    std::string path_;
    bool shown_ = true;
};
