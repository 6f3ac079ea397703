#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "commands/prompts_interface.h"
#include "playback/instr_conf_list.h"

// Prompts that answer from a script and record what the user would have seen, for commands
// tested without a screen. An answer not scripted is Cancel.
class TScriptedPrompts : public TPromptsInterface {
  public:
    struct TShown {
        // "message", "confirm", "open", "save", "new", "devices", "about", "recovery", and for the
        // instrument sets "editor", "pitch", "volume", "set name", "open set"
        std::string kind;
        std::string caption;
        std::string text;
    };

    std::deque<bool> confirmations;
    std::deque<std::optional<std::string>> fileNames;
    std::deque<std::optional<TNewDialogResult>> newCompositions;
    std::deque<std::optional<int>> devices;
    // The instrument-set editor runs a script given the editor; it answers whether the editor
    // closed with OK. A chooser's script may press and release entries before it answers.
    std::deque<std::function<bool(TInstrForm&)>> editors;
    std::deque<std::function<std::optional<int64_t>(TPitchSelectionListener&)>> pitches;
    std::deque<std::optional<int32_t>> volumes;
    std::deque<std::optional<std::string>> setNames;
    std::deque<std::optional<std::string>> openNames;
    std::deque<TRecoveryAnswer> recoveries;
    std::deque<TSaveChangesAnswer> saveChanges;
    std::vector<TShown> shown;
    // A progress window stops when it is told this fraction or more; it never stops below 0.
    double cancelProgressAt = 2.0;
    std::vector<double> progress;

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
    std::unique_ptr<TProgressPrompt> showProgress(const std::string& caption,
                                                  const std::string& text) override {
        shown.push_back({"progress", caption, text});
        struct TScriptedProgress : TProgressPrompt {
            TScriptedPrompts& prompts;
            explicit TScriptedProgress(TScriptedPrompts& p) : prompts(p) {}
            bool advance(double fraction) override {
                prompts.progress.push_back(fraction);
                return fraction < prompts.cancelProgressAt;
            }
        };
        return std::make_unique<TScriptedProgress>(*this);
    }
    TRecoveryAnswer askRecovery(const std::string& caption, const std::string& text) override {
        shown.push_back({"recovery", caption, text});
        return take(recoveries).value_or(TRecoveryAnswer::LATER);
    }
    TSaveChangesAnswer askSaveChanges(const std::string& caption, const std::string& text,
                                      const std::array<std::string, 3>& buttons) override {
        shown.push_back({"save changes", caption, text});
        saveChangeButtons = buttons;
        return take(saveChanges).value_or(TSaveChangesAnswer::CANCEL);
    }
    std::array<std::string, 3> saveChangeButtons;
    bool editInstrumentSet(TInstrForm& editor) override {
        shown.push_back({"editor", "", ""});
        const std::optional<std::function<bool(TInstrForm&)>> script = take(editors);
        return script && (*script)(editor);
    }
    std::optional<int64_t> choosePitch(const std::string& caption, const TInstrumentSet&,
                                       int32_t number, TPitchSelectionListener& previews) override {
        shown.push_back({"pitch", caption, std::to_string(number)});
        const auto script = take(pitches);
        return script ? (*script)(previews) : std::nullopt;
    }
    std::optional<int32_t> chooseVolume(const std::string& caption, int32_t volume) override {
        shown.push_back({"volume", caption, std::to_string(volume)});
        return take(volumes).value_or(std::nullopt);
    }
    std::optional<std::string> newInstrumentSetName(const TInstrConfList& existing) override {
        shown.push_back({"set name", "", joined(existing)});
        return take(setNames).value_or(std::nullopt);
    }
    std::optional<std::string> openInstrumentSetName(const TInstrConfList& existing) override {
        shown.push_back({"open set", "", joined(existing)});
        return take(openNames).value_or(std::nullopt);
    }

    size_t count(const std::string& kind) const {
        size_t n = 0;
        for (const TShown& s : shown)
            n += s.kind == kind ? 1 : 0;
        return n;
    }

  private:
    static std::string joined(const TInstrConfList& names) {
        std::string text;
        for (const std::string& n : names)
            text += n + ";";
        return text;
    }
    template <typename T>
    static std::optional<T> take(std::deque<T>& answers) {
        if (answers.empty())
            return std::nullopt;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
