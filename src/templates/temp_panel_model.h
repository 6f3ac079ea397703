#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/tempo.h"
#include "templates/temp_panel_listener.h"

class TMessageBundle;

// The tempo panel's choice: a tempo category and the tempo value, kept in step. The user's
// changes reach the listener; the program's own (a loaded period's tempo) do not.
class TTempPanelModel {
  public:
    int32_t value() const { return value_; }
    // The category the value shows as.
    int category() const { return tempoCategory(value_); }

    // The texts of the "temp group", one per category.
    static std::vector<std::string> categoryItems(const TMessageBundle& bundle);

    // The user picks a category: the value becomes the category's value.
    void chooseCategory(int category);
    // The user steps the value; it stays within 50..150.
    void changeValue(int32_t value);
    // Shows a value without telling anybody, limited to what the panel can show.
    void setValue(int32_t value);
    // Draws a value from 50..149, as a user's change.
    void chooseRandom();

    TTempPanelListener* listener() const { return listener_; }
    void setListener(TTempPanelListener* listener) { listener_ = listener; }

  private:
    void notify();

    int32_t value_ = DEFAULT_TEMPO;
    TTempPanelListener* listener_ = nullptr;
};
