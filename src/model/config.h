#pragma once

#include <cstdint>
#include <string>

#include "model/xml_document.h"

// The three settings that survive between runs, kept in "config.xml" in the base folder.
// Every change is written to the file at once; the file is read once at start-up.
class TConfig {
  public:
    static constexpr const char* FILE_NAME = "config.xml";
    // Values of a configuration that cannot be read.
    static constexpr int32_t UNREADABLE_MIDI_DEVICE = 0;
    static constexpr int32_t UNREADABLE_CURSOR_DELAY = 4;
    // Values of a new configuration; on Linux the cursor delay is the one of the NT family.
    static constexpr int32_t DEFAULT_MIDI_DEVICE = 0;
    static constexpr const char* DEFAULT_INSTRUMENT_SCHEME_NAME = "Default";
    static constexpr int32_t DEFAULT_CURSOR_DELAY = 5;

    // `folder` ends with a separator; the file is `folder` + "config.xml".
    explicit TConfig(std::string folder);

    // Writes a new configuration when the file does not exist yet.
    TFileResult createDefaultConfig();
    // Reads the file into the fields; on any failure the fields get the unreadable values.
    TFileResult loadConfig(TXmlDocument& document);
    // The same for a root element already loaded; a failure names the configuration's path.
    TFileResult readConfig(const TXmlElement& root);
    TFileResult saveConfig() const;

    TFileResult setMidiDevice(int32_t index);
    TFileResult setInstrumentSchemeName(const std::string& name);
    // Writes only when the position differs from the stored one.
    TFileResult setCursorDelay(int32_t position);

    int32_t midiDevice() const { return midiDevice_; }
    const std::string& instrumentSchemeName() const { return instrumentSchemeName_; }
    int32_t cursorDelay() const { return cursorDelay_; }
    std::string path() const { return folder_ + FILE_NAME; }

    // The five lines of the file for the present values.
    std::string text() const;

  private:
    void setUnreadable();

    std::string folder_;
    int32_t midiDevice_ = UNREADABLE_MIDI_DEVICE;
    std::string instrumentSchemeName_;
    int32_t cursorDelay_ = UNREADABLE_CURSOR_DELAY;
};
