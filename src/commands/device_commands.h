#pragma once

#include <functional>

class TConfig;
class TInstrumentConf;
class TMessageBundle;
class TPlayer;
class TPromptsInterface;

// The MIDI output commands: opening the configured device at start, and "MIDI Devices...". A
// device that cannot be opened is told once, and the one before it comes back.
class TDeviceCommands {
  public:
    TDeviceCommands(TPlayer& player, TConfig& config, const TInstrumentConf& instruments,
                    TPromptsInterface& prompts, const TMessageBundle& bundle,
                    std::function<void()> stop);

    // Opens device `index`; false, after telling the user, when it does not open.
    bool open(int index);
    // The configured device; when it does not open, the one the user then chooses, which the
    // configuration keeps.
    void openAtStart();
    // Lists the devices with the configured one selected and opens the one chosen, with the
    // instrument set's programs; the configuration keeps it.
    void chooseDevice();

  private:
    TPlayer& player_;
    TConfig& config_;
    const TInstrumentConf& instruments_;
    TPromptsInterface& prompts_;
    const TMessageBundle& bundle_;
    std::function<void()> stop_;
};
