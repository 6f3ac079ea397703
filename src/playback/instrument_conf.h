#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "model/xml_document.h"

class TInstrumentConf;

// Told of every change of an instrument set.
class TInstrConfListener {
  public:
    virtual ~TInstrConfListener() = default;
    virtual void instrumentConfChanged() = 0;
};

// The numeric fields of a set, in the order of the set file.
enum class TInstrumentNumber {
    MELODY_VOICE,
    CHORD_VOICE,
    BASS_VOICE,
    DRAFT_MELODY_VOICE,
    DRAFT_CHORD_VOICE,
    DRUM_VOICE,
    UP_BEAT_DRUM_VOICE,
    MELODY_VOLUME,
    CHORD_VOLUME,
    BASS_VOLUME,
    DRAFT_MELODY_VOLUME,
    DRAFT_CHORD_VOLUME,
    DRUM_VOLUME,
};
constexpr int INSTRUMENT_NUMBER_COUNT = 13;

// The mute flags of a set, in the order of the set file.
enum class TInstrumentMute { MUTE_MELODY, MUTE_CHORD, MUTE_BASS, MUTE_DRUM };
constexpr int INSTRUMENT_MUTE_COUNT = 4;

// Which General MIDI program sounds each voice, which drum keys the metronome strikes, the
// volume of every channel and which voices playback leaves out. Programs are 0-based, drum keys
// are keys of channel 9, volumes are channel volume values; ranges are the editor's business.
// The mute flags may be set on the user-interface thread while the timer thread plays.
class TInstrumentConf {
  public:
    TInstrumentConf() = default;
    // A copy never takes the listener along; an assigned set keeps its own listener.
    TInstrumentConf(const TInstrumentConf& other);
    TInstrumentConf& operator=(const TInstrumentConf& other);

    // Compares the values only.
    bool operator==(const TInstrumentConf& other) const;

    void setListener(TInstrConfListener* listener) { listener_ = listener; }
    TInstrConfListener* listener() const { return listener_; }

    // The defaults, without listener and without telling anybody.
    void resetToDefaults();

    int32_t number(TInstrumentNumber field) const { return numbers_[index(field)]; }
    // Read as each event plays; a change counts from the next one.
    bool mute(TInstrumentMute field) const {
        return mutes_[index(field)].load(std::memory_order_relaxed);
    }
    // Each setter stores and notifies only when the value changes.
    void setNumber(TInstrumentNumber field, int32_t value);
    void setMute(TInstrumentMute field, bool value);

    int32_t melodyVoice() const { return number(TInstrumentNumber::MELODY_VOICE); }
    int32_t chordVoice() const { return number(TInstrumentNumber::CHORD_VOICE); }
    int32_t bassVoice() const { return number(TInstrumentNumber::BASS_VOICE); }
    int32_t draftMelodyVoice() const { return number(TInstrumentNumber::DRAFT_MELODY_VOICE); }
    int32_t draftChordVoice() const { return number(TInstrumentNumber::DRAFT_CHORD_VOICE); }
    int32_t drumVoice() const { return number(TInstrumentNumber::DRUM_VOICE); }
    int32_t upBeatDrumVoice() const { return number(TInstrumentNumber::UP_BEAT_DRUM_VOICE); }
    int32_t melodyVolume() const { return number(TInstrumentNumber::MELODY_VOLUME); }
    int32_t chordVolume() const { return number(TInstrumentNumber::CHORD_VOLUME); }
    int32_t bassVolume() const { return number(TInstrumentNumber::BASS_VOLUME); }
    int32_t draftMelodyVolume() const { return number(TInstrumentNumber::DRAFT_MELODY_VOLUME); }
    int32_t draftChordVolume() const { return number(TInstrumentNumber::DRAFT_CHORD_VOLUME); }
    int32_t drumVolume() const { return number(TInstrumentNumber::DRUM_VOLUME); }
    bool muteMelody() const { return mute(TInstrumentMute::MUTE_MELODY); }
    bool muteChord() const { return mute(TInstrumentMute::MUTE_CHORD); }
    bool muteBass() const { return mute(TInstrumentMute::MUTE_BASS); }
    bool muteDrum() const { return mute(TInstrumentMute::MUTE_DRUM); }

    void setMelodyVoice(int32_t v) { setNumber(TInstrumentNumber::MELODY_VOICE, v); }
    void setChordVoice(int32_t v) { setNumber(TInstrumentNumber::CHORD_VOICE, v); }
    void setBassVoice(int32_t v) { setNumber(TInstrumentNumber::BASS_VOICE, v); }
    void setDraftMelodyVoice(int32_t v) { setNumber(TInstrumentNumber::DRAFT_MELODY_VOICE, v); }
    void setDraftChordVoice(int32_t v) { setNumber(TInstrumentNumber::DRAFT_CHORD_VOICE, v); }
    void setDrumVoice(int32_t v) { setNumber(TInstrumentNumber::DRUM_VOICE, v); }
    void setUpBeatDrumVoice(int32_t v) { setNumber(TInstrumentNumber::UP_BEAT_DRUM_VOICE, v); }
    void setMelodyVolume(int32_t v) { setNumber(TInstrumentNumber::MELODY_VOLUME, v); }
    void setChordVolume(int32_t v) { setNumber(TInstrumentNumber::CHORD_VOLUME, v); }
    void setBassVolume(int32_t v) { setNumber(TInstrumentNumber::BASS_VOLUME, v); }
    void setDraftMelodyVolume(int32_t v) { setNumber(TInstrumentNumber::DRAFT_MELODY_VOLUME, v); }
    void setDraftChordVolume(int32_t v) { setNumber(TInstrumentNumber::DRAFT_CHORD_VOLUME, v); }
    void setDrumVolume(int32_t v) { setNumber(TInstrumentNumber::DRUM_VOLUME, v); }
    void setMuteMelody(bool v) { setMute(TInstrumentMute::MUTE_MELODY, v); }
    void setMuteChord(bool v) { setMute(TInstrumentMute::MUTE_CHORD, v); }
    void setMuteBass(bool v) { setMute(TInstrumentMute::MUTE_BASS, v); }
    void setMuteDrum(bool v) { setMute(TInstrumentMute::MUTE_DRUM, v); }

    // The element names of the set file, which are also the field names.
    static const char* elementName(TInstrumentNumber field);
    static const char* elementName(TInstrumentMute field);
    // "PITCH" for programs and drum keys, "VOLUME" for volumes.
    static const char* attributeName(TInstrumentNumber field);

  private:
    static int index(TInstrumentNumber f) { return static_cast<int>(f); }
    static int index(TInstrumentMute f) { return static_cast<int>(f); }
    void changed();

    int32_t numbers_[INSTRUMENT_NUMBER_COUNT] = {1,   89,  32,  93,  89, 60, 62,
                                                 110, 100, 105, 100, 90, 80};
    std::atomic<bool> mutes_[INSTRUMENT_MUTE_COUNT] = {false, false, false, true};
    TInstrConfListener* listener_ = nullptr;
};

// The folder of the set files under a base folder (which ends with a separator).
std::string instrumentSetFolder(const std::string& base);
// Whether a set name stays inside the instruments folder: not empty, no path separator, not "..".
bool isSafeInstrumentSetName(const std::string& name);
// The file of set `name`: base + "instruments/" + name + ".xml".
std::string instrumentSetPath(const std::string& base, const std::string& name);

// The 19 lines of a set file.
std::string instrumentSetText(const TInstrumentConf& set);
// Writes the set under `name`, replacing an existing file; fails with "save error".
TFileResult saveInstrumentSet(const TInstrumentConf& set, const std::string& name,
                              const std::string& base);
// Reads the set file into `set` through its setters; fields the file lacks keep their values.
// Fails with "open error"; fields read before a bad value keep their new values.
TFileResult loadInstrumentSet(TInstrumentConf& set, const std::string& name, TXmlDocument& document,
                              const std::string& base);
// Reads set text already in memory the same way.
TFileResult readInstrumentSet(TInstrumentConf& set, const TXmlElement& root,
                              const std::string& path);
// Removes the file of set `name`; fails with "unable delet instr set".
TFileResult deleteInstrumentSet(const std::string& name, const std::string& base);
