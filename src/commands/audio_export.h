#pragma once

#include <optional>
#include <string>

class TInstrumentConf;
class TMessageBundle;
class TPeriodData;
class TPromptsInterface;

// File > Export to audio: the period as "Play all" sounds, rendered by the built-in synthesizer
// into a WAV file, with a progress window that can stop it. A stopped or failed export leaves
// no file behind, and never a partly written one.
class TAudioExport {
  public:
    TAudioExport(const TPeriodData& period, const TInstrumentConf& instruments,
                 TPromptsInterface& prompts, const TMessageBundle& bundle);

    // Renders and writes; false when the user stopped it or it failed (the user was told).
    bool exportTo(const std::string& path);
    // Where the sound comes from: the given soundfont, or the system's General MIDI one.
    void setSoundfont(std::optional<std::string> soundfont) { soundfont_ = std::move(soundfont); }

    static constexpr const char* EXTENSION = "wav";
    static constexpr const char* FILTER_LABEL = "filter wav audio";

  private:
    void tellError(const std::string& text);

    const TPeriodData& period_;
    const TInstrumentConf& instruments_;
    TPromptsInterface& prompts_;
    const TMessageBundle& bundle_;
    std::optional<std::string> soundfont_;
};
