#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The names of the stored instrument sets, sorted by byte value (upper-case letters before
// lower-case ones).
class TInstrConfList {
  public:
    TInstrConfList() = default;
    explicit TInstrConfList(std::vector<std::string> names);

    const std::vector<std::string>& names() const { return names_; }
    size_t size() const { return names_.size(); }
    bool empty() const { return names_.empty(); }
    const std::string& operator[](size_t i) const { return names_[i]; }
    std::vector<std::string>::const_iterator begin() const { return names_.begin(); }
    std::vector<std::string>::const_iterator end() const { return names_.end(); }

    bool operator==(const TInstrConfList&) const = default;

  private:
    std::vector<std::string> names_;
};

// Finds a name without regard to the case of its ASCII letters.
class TFindLowerCase {
  public:
    explicit TFindLowerCase(const std::string& target);
    bool operator()(const std::string& name) const;

    static std::string lowerCase(const std::string& text);

  private:
    std::string target_;
};

// The sets stored in base + "instruments": every regular file ending in ".xml" whose name
// is a usable set name, without the extension, sorted.
TInstrConfList scanInstrumentSets(const std::string& base);

// The position of the first name equal to `name` without regard to case.
std::optional<size_t> indexOfName(const TInstrConfList& list, const std::string& name);
