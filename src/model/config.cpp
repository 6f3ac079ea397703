#include "model/config.h"

#include <sys/stat.h>

#include <utility>

TConfig::TConfig(std::string folder) : folder_(std::move(folder)) {}

TFileResult TConfig::createDefaultConfig() {
    struct stat st {};
    if (::stat(path().c_str(), &st) == 0)
        return TFileResult::success();
    midiDevice_ = DEFAULT_MIDI_DEVICE;
    instrumentSchemeName_ = DEFAULT_INSTRUMENT_SCHEME_NAME;
    cursorDelay_ = DEFAULT_CURSOR_DELAY;
    return saveConfig();
}

TFileResult TConfig::loadConfig(TXmlDocument& document) {
    const TFileResult loaded = document.load(path());
    if (!loaded) {
        setUnreadable();
        return loaded;
    }
    return readConfig(document.documentElement());
}

TFileResult TConfig::readConfig(const TXmlElement& root) {
    for (const TXmlElement& child : root.children()) {
        const std::string name = child.name();
        if (name == "MIDI_DEVICE") {
            auto v = child.attribute("VALUE");
            midiDevice_ = 0;
            if (v && !parseInt32(*v, midiDevice_)) {
                setUnreadable();
                return TFileResult::openError(path(), "a value is not an integer");
            }
        } else if (name == "INSTRUMENT_SCHEME_NAME") {
            instrumentSchemeName_ = child.attribute("NAME").value_or(std::string());
        } else if (name == "CURSOR_DELAY") {
            auto v = child.attribute("VALUE");
            cursorDelay_ = UNREADABLE_CURSOR_DELAY;
            if (v && !parseInt32(*v, cursorDelay_)) {
                setUnreadable();
                return TFileResult::openError(path(), "a value is not an integer");
            }
        }
    }
    return TFileResult::success();
}

void TConfig::setUnreadable() {
    midiDevice_ = UNREADABLE_MIDI_DEVICE;
    instrumentSchemeName_.clear();
    cursorDelay_ = UNREADABLE_CURSOR_DELAY;
}

std::string TConfig::text() const {
    // the set name is escaped so that any name the user gave reads back unchanged
    return "<CONFIG>\n"
           "    <MIDI_DEVICE VALUE=\"" +
           std::to_string(midiDevice_) +
           "\"/>\n"
           "    <INSTRUMENT_SCHEME_NAME NAME=\"" +
           escapeXmlAttribute(instrumentSchemeName_) +
           "\"/>\n"
           "    <CURSOR_DELAY VALUE=\"" +
           std::to_string(cursorDelay_) +
           "\"/>\n"
           "</CONFIG>";
}

TFileResult TConfig::saveConfig() const {
    return writeTextFileAtomically(path(), text());
}

TFileResult TConfig::setMidiDevice(int32_t index) {
    midiDevice_ = index;
    return saveConfig();
}

TFileResult TConfig::setInstrumentSchemeName(const std::string& name) {
    instrumentSchemeName_ = name;
    return saveConfig();
}

TFileResult TConfig::setCursorDelay(int32_t position) {
    if (position == cursorDelay_)
        return TFileResult::success();
    cursorDelay_ = position;
    return saveConfig();
}
