#pragma once

#include <stdexcept>
#include <string>

// A value in a file that cannot be converted (a duration or number that is not an integer).
// Readers raise it and the document reader turns it into a failed read.
class TConversionError : public std::runtime_error {
  public:
    explicit TConversionError(const std::string& text)
        : std::runtime_error("'" + text + "' is not a valid value"), text_(text) {}
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};
