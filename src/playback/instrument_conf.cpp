#include "playback/instrument_conf.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr const char* ROOT_ELEMENT = "INSTRUMENT_CONF";
constexpr const char* MUTE_ATTRIBUTE = "VALUE";
constexpr const char* YES = "YES";
constexpr const char* NO = "NO";
constexpr const char* FOLDER = "instruments";
constexpr const char* EXTENSION = ".xml";

constexpr const char* NUMBER_ELEMENTS[INSTRUMENT_NUMBER_COUNT] = {
    "MELODY_VOICE",      "CHORD_VOICE", "BASS_VOICE",          "DRAFT_MELODY_VOICE",
    "DRAFT_CHORD_VOICE", "DRUM_VOICE",  "UP_BEAT_DRUM_VOICE",  "MELODY_VOLUME",
    "CHORD_VOLUME",      "BASS_VOLUME", "DRAFT_MELODY_VOLUME", "DRAFT_CHORD_VOLUME",
    "DRUM_VOLUME",
};
constexpr const char* MUTE_ELEMENTS[INSTRUMENT_MUTE_COUNT] = {"MUTE_MELODY", "MUTE_CHORD",
                                                              "MUTE_BASS", "MUTE_DRUM"};
// the first seven numbers are programs and drum keys, the rest volumes
constexpr int FIRST_VOLUME = static_cast<int>(TInstrumentNumber::MELODY_VOLUME);

}  // namespace

TInstrumentConf::TInstrumentConf(const TInstrumentConf& other) {
    *this = other;
}

TInstrumentConf& TInstrumentConf::operator=(const TInstrumentConf& other) {
    if (this != &other) {
        std::memcpy(numbers_, other.numbers_, sizeof numbers_);
        for (int i = 0; i < INSTRUMENT_MUTE_COUNT; ++i)
            mutes_[i].store(other.mutes_[i].load(std::memory_order_relaxed),
                            std::memory_order_relaxed);
    }
    return *this;
}

bool TInstrumentConf::operator==(const TInstrumentConf& other) const {
    for (int i = 0; i < INSTRUMENT_NUMBER_COUNT; ++i)
        if (numbers_[i] != other.numbers_[i])
            return false;
    for (int i = 0; i < INSTRUMENT_MUTE_COUNT; ++i)
        if (mute(TInstrumentMute(i)) != other.mute(TInstrumentMute(i)))
            return false;
    return true;
}

void TInstrumentConf::resetToDefaults() {
    *this = TInstrumentConf();
    listener_ = nullptr;
}

void TInstrumentConf::setNumber(TInstrumentNumber field, int32_t value) {
    int32_t& slot = numbers_[index(field)];
    if (slot == value)
        return;
    slot = value;
    changed();
}

void TInstrumentConf::setMute(TInstrumentMute field, bool value) {
    if (mutes_[index(field)].exchange(value, std::memory_order_relaxed) == value)
        return;
    changed();
}

void TInstrumentConf::changed() {
    if (listener_ != nullptr)
        listener_->instrumentConfChanged();
}

const char* TInstrumentConf::elementName(TInstrumentNumber field) {
    return NUMBER_ELEMENTS[index(field)];
}

const char* TInstrumentConf::elementName(TInstrumentMute field) {
    return MUTE_ELEMENTS[index(field)];
}

const char* TInstrumentConf::attributeName(TInstrumentNumber field) {
    return index(field) < FIRST_VOLUME ? "PITCH" : "VOLUME";
}

std::string instrumentSetFolder(const std::string& base) {
    return base + FOLDER;
}

bool isSafeInstrumentSetName(const std::string& name) {
    if (name.empty() || name == "..")
        return false;
    // the backslash is refused too: it separates folders where set files come from
    for (char c : name)
        if (c == '/' || c == '\\' || c == '\0')
            return false;
    return true;
}

std::string instrumentSetPath(const std::string& base, const std::string& name) {
    return instrumentSetFolder(base) + "/" + name + EXTENSION;
}

std::string instrumentSetText(const TInstrumentConf& set) {
    std::string text = std::string("<") + ROOT_ELEMENT + ">\n";
    for (int i = 0; i < INSTRUMENT_NUMBER_COUNT; ++i) {
        auto f = static_cast<TInstrumentNumber>(i);
        text += std::string("    <") + TInstrumentConf::elementName(f) + " " +
                TInstrumentConf::attributeName(f) + "=\"" + std::to_string(set.number(f)) +
                "\"/>\n";
    }
    for (int i = 0; i < INSTRUMENT_MUTE_COUNT; ++i) {
        auto f = static_cast<TInstrumentMute>(i);
        text += std::string("    <") + TInstrumentConf::elementName(f) + " " + MUTE_ATTRIBUTE +
                "=\"" + (set.mute(f) ? YES : NO) + "\"/>\n";
    }
    text += std::string("</") + ROOT_ELEMENT + ">\n";
    return text;
}

TFileResult saveInstrumentSet(const TInstrumentConf& set, const std::string& name,
                              const std::string& base) {
    if (!isSafeInstrumentSetName(name))
        return TFileResult::saveError(instrumentSetFolder(base) + "/" + name,
                                      "not a name of a set inside the instruments folder");
    // a fresh base folder may lack the instruments folder
    ::mkdir(instrumentSetFolder(base).c_str(), 0777);
    return writeTextFileAtomically(instrumentSetPath(base, name), instrumentSetText(set));
}

TFileResult readInstrumentSet(TInstrumentConf& set, const TXmlElement& root,
                              const std::string& path) {
    for (const TXmlElement& child : root.children()) {
        const std::string name = child.name();
        bool matched = false;
        for (int i = 0; i < INSTRUMENT_NUMBER_COUNT && !matched; ++i) {
            auto f = static_cast<TInstrumentNumber>(i);
            if (name != TInstrumentConf::elementName(f))
                continue;
            matched = true;
            int32_t value = 0;
            auto text = child.attribute(TInstrumentConf::attributeName(f));
            if (text && !parseInt32(*text, value))
                return TFileResult::openError(path, name + " does not hold an integer");
            set.setNumber(f, value);
        }
        for (int i = 0; i < INSTRUMENT_MUTE_COUNT && !matched; ++i) {
            auto f = static_cast<TInstrumentMute>(i);
            if (name != TInstrumentConf::elementName(f))
                continue;
            matched = true;
            set.setMute(f, child.attribute(MUTE_ATTRIBUTE) == std::optional<std::string>(YES));
        }
    }
    return TFileResult::success();
}

TFileResult loadInstrumentSet(TInstrumentConf& set, const std::string& name, TXmlDocument& document,
                              const std::string& base) {
    if (!isSafeInstrumentSetName(name))
        return TFileResult::openError(instrumentSetFolder(base) + "/" + name,
                                      "not a name of a set inside the instruments folder");
    const std::string path = instrumentSetPath(base, name);
    TFileResult loaded = document.load(path);
    if (!loaded)
        return loaded;
    return readInstrumentSet(set, document.documentElement(), path);
}

TFileResult deleteInstrumentSet(const std::string& name, const std::string& base) {
    const std::string shown = instrumentSetFolder(base) + "/" + name;
    if (!isSafeInstrumentSetName(name))
        return {false, "unable delet instr set", shown,
                "not a name of a set inside the instruments folder"};
    const std::string path = instrumentSetPath(base, name);
    if (::unlink(path.c_str()) != 0)
        return {false, "unable delet instr set", path, std::strerror(errno)};
    return TFileResult::success();
}
