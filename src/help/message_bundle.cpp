#include "help/message_bundle.h"

#include <cstddef>
#include <utility>

std::string TMessageBundle::text(const std::string& key) const {
    auto found = messages.find(key);
    return found == messages.end() ? missingText : found->second;
}

std::vector<std::string> TMessageBundle::group(const std::string& key) const {
    auto found = groups.find(key);
    return found == groups.end() ? std::vector<std::string>() : found->second;
}

bool TMessageBundle::hasText(const std::string& key) const {
    return messages.count(key) != 0;
}

bool TMessageBundle::hasGroup(const std::string& key) const {
    return groups.count(key) != 0;
}

std::vector<std::string> TMessageBundle::textKeys() const {
    std::vector<std::string> keys;
    keys.reserve(messages.size());
    for (const auto& entry : messages) {
        keys.push_back(entry.first);
    }
    return keys;
}

std::vector<std::string> TMessageBundle::groupKeys() const {
    std::vector<std::string> keys;
    keys.reserve(groups.size());
    for (const auto& entry : groups) {
        keys.push_back(entry.first);
    }
    return keys;
}

void TMessageBundle::addText(const std::string& key, const std::string& value) {
    messages.emplace(key, value);
}

void TMessageBundle::addGroup(const char* const* texts, int count, const std::string& key) {
    if (groups.count(key) != 0) {
        return;
    }
    std::vector<std::string> items;
    if (texts != nullptr && count > 0) {
        items.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            // a hole in the array ends the list rather than reading through a null pointer
            if (texts[i] == nullptr) {
                break;
            }
            items.emplace_back(texts[i]);
        }
    }
    groups.emplace(key, std::move(items));
}
