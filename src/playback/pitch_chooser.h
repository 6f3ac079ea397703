#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "playback/instrument_set.h"

class TPitchSelectionListener;

// What the instrument chooser decides: which category and entry are selected, the number they
// stand for, and when the user's presses on the entry list are to be heard. The dialog shows
// the lists and forwards clicks and mouse buttons here.
class TPitchChooser {
  public:
    // The catalogue must outlive the chooser.
    explicit TPitchChooser(const TInstrumentSet& catalogue) : catalogue_(catalogue) {}

    void setListener(TPitchSelectionListener* listener) { listener_ = listener; }

    // Selects the category covering `number` and its entry; clears both when none covers it.
    void preselect(int32_t number);
    // Selects a category, as a click does, and its first entry; none clears both.
    void selectCategory(std::optional<size_t> category);
    // Selects an entry of the selected category; while the button is held, a new number is heard.
    void selectEntry(std::optional<size_t> entry);

    std::optional<size_t> category() const { return category_; }
    std::optional<size_t> entry() const { return entry_; }
    std::vector<std::string> categoryNames() const;
    // The entries of the selected category; none without one.
    std::vector<std::string> entryNames() const;
    // The number chosen: the category's first number plus the entry's position.
    std::optional<int64_t> result() const;
    bool canAccept() const { return result().has_value(); }

    // A button went down on the entry list (after the list selected what is under the mouse):
    // only the left one, with no other held, starts hearing.
    void mouseDown(bool leftButton, bool otherButtonHeld);
    void mouseUp();
    // The dialog closes: a held button is let go.
    void close() { mouseUp(); }

  private:
    void pressNumber();

    const TInstrumentSet& catalogue_;
    TPitchSelectionListener* listener_ = nullptr;
    std::optional<size_t> category_;
    std::optional<size_t> entry_;
    bool pressed_ = false;
    std::optional<int64_t> heard_;  // the number last pressed while the button is held
};
