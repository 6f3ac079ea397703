#pragma once

#include <functional>
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
    struct THooks {
        // Playback stops before the export, as before every command.
        std::function<void()> stop;
        // True when nothing of that name exists, or when the user agrees to replace it.
        std::function<bool(const std::string& path)> confirmOverwrite;
    };

    TAudioExport(const TPeriodData& period, const TInstrumentConf& instruments,
                 TPromptsInterface& prompts, const TMessageBundle& bundle, std::string folder,
                 THooks hooks);

    // Asks for the file, then exports.
    void run();
    // Renders and writes; false when the user stopped it or it failed (the user was told).
    bool exportTo(const std::string& path);
    // Where the sound comes from: the given soundfont, or the system's General MIDI one.
    void setSoundfont(std::optional<std::string> soundfont) { soundfont_ = std::move(soundfont); }

    static constexpr const char* EXTENSION = "wav";
    static constexpr const char* FILTER = "(*.wav)|*.wav|Any file|*.*";

  private:
    void tellError(const std::string& text);

    const TPeriodData& period_;
    const TInstrumentConf& instruments_;
    TPromptsInterface& prompts_;
    const TMessageBundle& bundle_;
    std::string folder_;
    THooks hooks_;
    std::optional<std::string> soundfont_;
};
