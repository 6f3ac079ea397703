#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/prompts_interface.h"

// Prompts that answer from a script and record what the user would have seen, for commands
// tested without a screen. An answer not scripted is Cancel.
class TScriptedPrompts : public TPromptsInterface {
  public:
    struct TShown {
        std::string kind;  // "message", "confirm", "open", "save", "new", "devices", "about"
        std::string caption;
        std::string text;
    };

    std::deque<bool> confirmations;
    std::deque<std::optional<std::string>> fileNames;
    std::deque<std::optional<TNewDialogResult>> newCompositions;
    std::deque<std::optional<int>> devices;
    std::vector<TShown> shown;

    void showMessage(const std::string& caption, const std::string& text) override {
        shown.push_back({"message", caption, text});
    }
    bool confirm(const std::string& caption, const std::string& text) override {
        shown.push_back({"confirm", caption, text});
        return take(confirmations).value_or(false);
    }
    std::optional<std::string> openFileName(const std::string& folder, const std::string&,
                                            const std::string& filter) override {
        shown.push_back({"open", folder, filter});
        return take(fileNames).value_or(std::nullopt);
    }
    std::optional<std::string> saveFileName(const std::string& folder, const std::string&,
                                            const std::string& filter) override {
        shown.push_back({"save", folder, filter});
        return take(fileNames).value_or(std::nullopt);
    }
    std::optional<TNewDialogResult> newComposition() override {
        shown.push_back({"new", "", ""});
        return take(newCompositions).value_or(std::nullopt);
    }
    std::optional<int> chooseMidiDevice(const TMidiDeviceList& list) override {
        std::string names;
        for (const std::string& n : list.names)
            names += n + ";";
        shown.push_back({"devices", std::to_string(list.selected), names});
        return take(devices).value_or(std::nullopt);
    }
    void showAbout(TBaseActionInterface&) override { shown.push_back({"about", "", ""}); }

    size_t count(const std::string& kind) const {
        size_t n = 0;
        for (const TShown& s : shown)
            n += s.kind == kind ? 1 : 0;
        return n;
    }

  private:
    template <typename T>
    static std::optional<T> take(std::deque<T>& answers) {
        if (answers.empty())
            return std::nullopt;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
