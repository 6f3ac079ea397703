#include "commands/instrument_set_commands.h"

#include "commands/prompts_interface.h"
#include "help/message_bundle.h"
#include "model/config.h"
#include "playback/apply_instrument_set.h"
#include "playback/instr_conf_list.h"
#include "playback/instrument_conf.h"

TInstrumentSetCommands::TInstrumentSetCommands(TInstrumentConf& instruments, TConfig& config,
                                               TXmlDocument& xml, TPlayer& player,
                                               TPromptsInterface& prompts,
                                               const TMessageBundle& bundle, std::string base,
                                               std::function<void()> stop)
    : instruments_(instruments),
      config_(config),
      xml_(xml),
      player_(player),
      prompts_(prompts),
      bundle_(bundle),
      base_(std::move(base)),
      stop_(std::move(stop)) {}

TInstrumentSetList TInstrumentSetCommands::loadConfigured() {
    const TInstrConfList sets = scanInstrumentSets(base_);
    TInstrumentSetList list;
    list.names = sets.names();
    const std::string name = config_.instrumentSchemeName();
    if (!name.empty()) {
        if (loadInstrumentSet(instruments_, name, xml_, base_)) {
            applyInstrumentSet(instruments_, player_);
            if (const std::optional<size_t> i = indexOfName(sets, name))
                list.current = static_cast<int>(*i);
            return list;
        }
        (void)config_.setInstrumentSchemeName("");
    }
    instruments_.resetToDefaults();
    applyInstrumentSet(instruments_, player_);
    return list;
}

std::optional<TInstrumentSetList> TInstrumentSetCommands::choose(const std::string& name) {
    stop_();
    (void)config_.setInstrumentSchemeName(name);
    if (loadInstrumentSet(instruments_, name, xml_, base_)) {
        applyInstrumentSet(instruments_, player_);
        return std::nullopt;
    }
    (void)config_.setInstrumentSchemeName("");
    return loadConfigured();
}

std::optional<TInstrumentSetList> TInstrumentSetCommands::deleteConfigured() {
    const std::string name = config_.instrumentSchemeName();
    if (name.empty())
        return std::nullopt;
    stop_();
    if (!prompts_.confirm(bundle_.text("confirm"),
                          bundle_.text("confirm instr delete") + " " + name + "?"))
        return std::nullopt;
    if (::deleteInstrumentSet(name, base_)) {
        const TInstrConfList rest = scanInstrumentSets(base_);
        (void)config_.setInstrumentSchemeName(rest.empty() ? std::string() : rest[0]);
    } else {
        prompts_.showMessage(bundle_.text("error"),
                             bundle_.text("unable delet instr set") + " " + name + ".");
    }
    return loadConfigured();
}
