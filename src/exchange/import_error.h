#pragma once

#include <stdexcept>
#include <string>

// A file that cannot become a composition: the message is one line that says why.
class TImportError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
