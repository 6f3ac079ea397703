#include "playback/midi_file_writer.h"

#include <algorithm>

#include "playback/instrument_conf.h"
#include "playback/motive_player.h"
#include "playback/period_motives.h"
#include "playback/voice_map.h"

namespace {

constexpr int32_t TICKS_PER_QUARTER = 120;
// The 3-byte tempo field holds at most this many microseconds a quarter.
constexpr int32_t LONGEST_QUARTER = 0xFFFFFF;

void appendBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void appendChunk(std::vector<uint8_t>& file, const char* id, const std::vector<uint8_t>& data) {
    file.insert(file.end(), id, id + 4);
    appendBigEndian(file, static_cast<uint32_t>(data.size()), 4);
    file.insert(file.end(), data.begin(), data.end());
}

void appendEndOfTrack(std::vector<uint8_t>& track) {
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
}

std::vector<uint8_t> conductorTrack(const TMidiFileContent& content) {
    std::vector<uint8_t> track;
    const uint8_t numerator = content.measure.beatsPerMeasure() == 2 ? 2 : 3;
    const uint8_t denominator = content.measure.beatValue() == TICKS_PER_QUARTER ? 2 : 3;
    track.insert(track.end(), {0x00, 0xFF, 0x58, 0x04, numerator, denominator, 0x18, 0x08});
    // the mode byte stays major also for minor keys: the file has always been written so
    track.insert(track.end(),
                 {0x00, 0xFF, 0x59, 0x02, static_cast<uint8_t>(content.key.signs()), 0x00});
    // a tempo a hand-edited file puts out of range still gives a valid tempo field
    const int32_t micros = std::clamp(800000 * (200 - content.tempo) / 100, 1, LONGEST_QUARTER);
    track.insert(track.end(), {0x00, 0xFF, 0x51, 0x03});
    appendBigEndian(track, static_cast<uint32_t>(micros), 3);
    appendEndOfTrack(track);
    return track;
}

std::vector<uint8_t> channelTrack(const std::vector<const TPlayUnit*>& schedule, int32_t channel,
                                  int32_t program) {
    std::vector<uint8_t> track;
    uint8_t lastStatus = static_cast<uint8_t>(0xC0 + channel);
    // element by element: g++ 12 reports a false overflow for a list inserted into a new vector
    track.push_back(0x00);
    track.push_back(lastStatus);
    // a program a hand-edited set puts out of range would write a data byte readers take for a
    // status byte
    track.push_back(static_cast<uint8_t>(std::clamp(program, 0, 127)));
    int32_t previousTime = 0;
    for (const TPlayUnit* unit : schedule) {
        if (unit->channel != channel)
            continue;
        // an event placed before its predecessor (notes a hand-edited file puts ahead of their
        // motive) is written at the predecessor's time rather than as a huge delta
        const int32_t delta = std::max(0, unit->time - previousTime);
        previousTime += delta;
        appendVariableLength(track, static_cast<uint32_t>(delta));
        const auto status = static_cast<uint8_t>((unit->isNoteOn ? 0x90 : 0x80) + channel);
        if (status != lastStatus)
            track.push_back(status);
        lastStatus = status;
        track.push_back(static_cast<uint8_t>(unit->midiKey));
        track.push_back(static_cast<uint8_t>(unit->velocity));
    }
    appendEndOfTrack(track);
    return track;
}

}  // namespace

TMidiFileContent TMidiFileContent::ofPeriod(const TPeriodData& period, const TInstrumentConf& set) {
    TMidiFileContent content;
    content.motives = periodMotives(period);
    content.measure = period.measure;
    content.key = period.key;
    content.tempo = period.tempo();
    content.setPrograms(set);
    return content;
}

void TMidiFileContent::setPrograms(const TInstrumentConf& set) {
    melodyProgram = set.melodyVoice();
    chordProgram = set.chordVoice();
    bassProgram = set.bassVoice();
}

void appendVariableLength(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7F;
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        out.push_back(groups[--count] | 0x80);
    out.push_back(groups[0]);
}

std::vector<uint8_t> midiFileBytes(const TMidiFileContent& content) {
    TMotivePlayer scheduler;
    for (const TMotive& motive : content.motives)
        scheduler.addMotive(motive);
    const std::vector<TPlayUnit> events = scheduler.events();
    const std::vector<TPlayUnit> pending = scheduler.pendingUnits();
    std::vector<const TPlayUnit*> schedule;
    for (const TPlayUnit& unit : events)
        schedule.push_back(&unit);
    for (const TPlayUnit& unit : pending)
        schedule.push_back(&unit);

    std::vector<uint8_t> file;
    appendChunk(file, "MThd", {0x00, 0x01, 0x00, 0x04, 0x00, TICKS_PER_QUARTER});
    appendChunk(file, "MTrk", conductorTrack(content));
    appendChunk(file, "MTrk", channelTrack(schedule, MELODY_CHANNEL, content.melodyProgram));
    appendChunk(file, "MTrk", channelTrack(schedule, CHORD_CHANNEL, content.chordProgram));
    appendChunk(file, "MTrk", channelTrack(schedule, BASS_CHANNEL, content.bassProgram));
    return file;
}

TFileResult writeMidiFile(const TMidiFileContent& content, const std::string& path) {
    const std::vector<uint8_t> bytes = midiFileBytes(content);
    return writeBytesFileAtomically(path, bytes);
}
