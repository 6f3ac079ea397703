#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

class TConfig;
class TInstrumentConf;
class TMessageBundle;
class TPlayer;
class TPromptsInterface;
class TXmlDocument;

// The instrument sets of the base folder as the window's list shows them: their names, and
// which one is in use (-1 when none is).
struct TInstrumentSetList {
    std::vector<std::string> names;
    int current = -1;

    bool operator==(const TInstrumentSetList&) const = default;
};

// Choosing the instrument set in use: loading the configured one at start, changing it from the
// list and deleting it. The set is applied to the player at once; a set that cannot be read
// gives way to the default instruments, and the configuration forgets it.
class TInstrumentSetCommands {
  public:
    TInstrumentSetCommands(TInstrumentConf& instruments, TConfig& config, TXmlDocument& xml,
                           TPlayer& player, TPromptsInterface& prompts,
                           const TMessageBundle& bundle, std::string base,
                           std::function<void()> stop);

    // Loads the configured set, or the defaults, and returns the list to show.
    TInstrumentSetList loadConfigured();
    // The user chose `name` from the list; the list to show again when it changed (the set could
    // not be read).
    std::optional<TInstrumentSetList> choose(const std::string& name);
    // Deletes the set in use once the user agrees; the next one takes its place. The list to
    // show again, or nothing when nothing was deleted.
    std::optional<TInstrumentSetList> deleteConfigured();

  private:
    TInstrumentConf& instruments_;
    TConfig& config_;
    TXmlDocument& xml_;
    TPlayer& player_;
    TPromptsInterface& prompts_;
    const TMessageBundle& bundle_;
    std::string base_;
    std::function<void()> stop_;
};
