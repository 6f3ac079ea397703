#pragma once

#include <map>
#include <string>
#include <vector>

// Every text the program shows is fetched by a short key; a misspelt key yields an empty text,
// never an error. A bundle is filled by its subclass's constructor and read-only afterwards.
class TMessageBundle {
  public:
    // The stored text, or the empty missing text when the key is absent.
    std::string text(const std::string& key) const;
    // The stored list, or an empty list when the key is absent.
    std::vector<std::string> group(const std::string& key) const;

    bool hasText(const std::string& key) const;
    bool hasGroup(const std::string& key) const;
    // Keys in byte order, so callers and tests can walk the whole bundle.
    std::vector<std::string> textKeys() const;
    std::vector<std::string> groupKeys() const;

  protected:
    TMessageBundle() = default;

    // A key already present keeps its first text.
    void addText(const std::string& key, const std::string& value);
    // Stores the first count texts as the list of the key; a key already present keeps its
    // first list. A negative count or a missing array stores an empty list.
    void addGroup(const char* const* texts, int count, const std::string& key);

    // std::string compares bytewise, so a key that is a prefix of another sorts first.
    std::map<std::string, std::string> messages;
    std::map<std::string, std::vector<std::string>> groups;
    const std::string missingText;
};
