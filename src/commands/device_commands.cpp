#include "commands/device_commands.h"

#include <optional>

#include "commands/prompts_interface.h"
#include "help/message_bundle.h"
#include "model/config.h"
#include "playback/apply_instrument_set.h"
#include "playback/midi_device_list.h"
#include "playback/player.h"

TDeviceCommands::TDeviceCommands(TPlayer& player, TConfig& config,
                                 const TInstrumentConf& instruments, TPromptsInterface& prompts,
                                 const TMessageBundle& bundle, std::function<void()> stop)
    : player_(player),
      config_(config),
      instruments_(instruments),
      prompts_(prompts),
      bundle_(bundle),
      stop_(std::move(stop)) {}

bool TDeviceCommands::open(int index) {
    try {
        player_.openDevice(index);
        return true;
    } catch (const TMidiOpenError&) {
        prompts_.showMessage(bundle_.text("error"), bundle_.text("open midi error"));
        return false;
    }
}

void TDeviceCommands::openAtStart() {
    if (open(config_.midiDevice()))
        return;
    const TMidiDeviceList list = listMidiDevices(player_.devices(), config_.midiDevice());
    const std::optional<int> chosen = prompts_.chooseMidiDevice(list);
    if (chosen && open(*chosen))
        (void)config_.setMidiDevice(*chosen);
}

void TDeviceCommands::chooseDevice() {
    stop_();
    const TMidiDeviceList list = listMidiDevices(player_.devices(), config_.midiDevice());
    const std::optional<int> chosen = prompts_.chooseMidiDevice(list);
    if (!chosen)
        return;
    if (open(*chosen)) {
        (void)config_.setMidiDevice(*chosen);
        applyInstrumentSet(instruments_, player_);
        return;
    }
    // the previous device comes back without a word of its own
    try {
        player_.openDevice(config_.midiDevice());
        applyInstrumentSet(instruments_, player_);
    } catch (const TMidiOpenError&) {
    }
}
