#include "exchange/midi_file_reader.h"

#include <algorithm>
#include <deque>
#include <limits>
#include <map>
#include <string>
#include <utility>

#include "exchange/import_error.h"

namespace {

// Times beyond this are no melody a period can hold, and keep every sum far from overflow.
constexpr int64_t LONGEST_TIME = int64_t{1} << 31;
// More notes than any file a melody comes in holds; it bounds what a hostile file makes read.
constexpr size_t MOST_NOTES = 1 << 20;

// Reads bytes from [pos, end), never past end.
class TByteReader {
  public:
    TByteReader(std::string_view bytes, size_t pos, size_t end)
        : bytes_(bytes), pos_(pos), end_(end) {}

    bool atEnd() const { return pos_ >= end_; }
    size_t left() const { return end_ - pos_; }

    uint8_t byte() {
        if (pos_ >= end_)
            throw TImportError("the MIDI file ends inside a track");
        return static_cast<uint8_t>(bytes_[pos_++]);
    }
    uint8_t peek() const {
        if (pos_ >= end_)
            throw TImportError("the MIDI file ends inside a track");
        return static_cast<uint8_t>(bytes_[pos_]);
    }
    // The standard variable-length quantity: at most four bytes.
    uint32_t variableLength() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const uint8_t b = byte();
            value = (value << 7) | (b & 0x7F);
            if ((b & 0x80) == 0)
                return value;
        }
        throw TImportError("the MIDI file holds a number longer than four bytes");
    }
    void skip(uint32_t count) {
        if (count > left())
            throw TImportError("the MIDI file ends inside a track");
        pos_ += count;
    }
    std::string_view take(uint32_t count) {
        if (count > left())
            throw TImportError("the MIDI file ends inside a track");
        const std::string_view part = bytes_.substr(pos_, count);
        pos_ += count;
        return part;
    }

  private:
    std::string_view bytes_;
    size_t pos_;
    size_t end_;
};

uint32_t bigEndian(std::string_view bytes, size_t pos, int count) {
    uint32_t value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | static_cast<uint8_t>(bytes[pos + static_cast<size_t>(i)]);
    return value;
}

void readTrack(TMidiFileData& file, TByteReader reader) {
    TMidiFileTrack track;
    int64_t time = 0;
    uint8_t running = 0;
    // sounding notes by channel and key, oldest first: a repeated Note On stacks
    std::map<std::pair<int, int>, std::deque<TMidiFileNote>> sounding;
    bool ended = false;
    while (!reader.atEnd() && !ended) {
        time += reader.variableLength();
        if (time > LONGEST_TIME)
            throw TImportError("the MIDI file lasts too long to be a melody");
        uint8_t status = reader.peek();
        if (status >= 0x80)
            reader.byte();
        else if (running != 0)
            status = running;
        else
            throw TImportError("the MIDI file has a data byte where an event should start");
        if (status == 0xFF) {
            const uint8_t type = reader.byte();
            const uint32_t length = reader.variableLength();
            const std::string_view data = reader.take(length);
            running = 0;
            if (type == 0x2F) {
                ended = true;
            } else if (type == 0x58 && length >= 2) {
                // a denominator beyond 64 is no meter at all
                const int power = static_cast<uint8_t>(data[1]);
                file.timeSignatures.push_back(
                    {time, static_cast<uint8_t>(data[0]), power <= 6 ? 1 << power : 0});
            } else if (type == 0x59 && length >= 2) {
                file.keySignatures.push_back(
                    {time, static_cast<int8_t>(data[0]), static_cast<uint8_t>(data[1])});
            } else if (type == 0x51 && length >= 3) {
                file.tempos.push_back({time, int64_t{bigEndian(data, 0, 3)}});
            }
            continue;
        }
        if (status == 0xF0 || status == 0xF7) {
            reader.skip(reader.variableLength());
            running = 0;
            continue;
        }
        if (status > 0xF0)
            throw TImportError("the MIDI file holds a real-time message inside a track");
        running = status;
        const int kind = status & 0xF0;
        const int channel = status & 0x0F;
        const int dataBytes = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
        uint8_t data[2] = {0, 0};
        for (int i = 0; i < dataBytes; ++i) {
            data[i] = reader.byte();
            if (data[i] >= 0x80)
                throw TImportError("the MIDI file has a status byte where data should be");
        }
        track.channels = static_cast<uint16_t>(track.channels | (1u << channel));
        const auto place = std::make_pair(channel, int{data[0]});
        if (kind == 0x90 && data[1] > 0) {
            if (++file.noteCount > MOST_NOTES)
                throw TImportError("the MIDI file holds more notes than any melody could");
            sounding[place].push_back({time, time, channel, data[0], data[1]});
        } else if (kind == 0x80 || kind == 0x90) {
            const auto found = sounding.find(place);
            if (found != sounding.end() && !found->second.empty()) {
                TMidiFileNote note = found->second.front();
                found->second.pop_front();
                note.end = time;
                track.notes.push_back(note);
            }
        }
    }
    // notes still sounding end with their track
    for (auto& [place, notes] : sounding)
        for (TMidiFileNote& note : notes) {
            note.end = time;
            track.notes.push_back(note);
        }
    std::stable_sort(
        track.notes.begin(), track.notes.end(),
        [](const TMidiFileNote& a, const TMidiFileNote& b) { return a.start < b.start; });
    track.endTime = time;
    file.tracks.push_back(std::move(track));
}

}  // namespace

TMidiFileData readMidiFileData(std::string_view bytes) {
    if (bytes.size() < 14 || bytes.substr(0, 4) != "MThd")
        throw TImportError("not a standard MIDI file");
    const uint32_t headerLength = bigEndian(bytes, 4, 4);
    if (headerLength < 6 || headerLength > bytes.size() - 8)
        throw TImportError("the MIDI file ends inside its header");
    TMidiFileData file;
    file.format = static_cast<int>(bigEndian(bytes, 8, 2));
    const uint32_t trackCount = bigEndian(bytes, 10, 2);
    const uint32_t division = bigEndian(bytes, 12, 2);
    if ((division & 0x8000) != 0)
        throw TImportError("the MIDI file counts time in SMPTE frames, not in beats");
    if (division == 0)
        throw TImportError("the MIDI file gives no ticks per quarter note");
    file.ticksPerQuarter = static_cast<int>(division);
    size_t pos = 8 + size_t{headerLength};
    while (pos < bytes.size()) {
        if (bytes.size() - pos < 8)
            throw TImportError("the MIDI file ends inside a chunk header");
        const std::string_view id = bytes.substr(pos, 4);
        const uint32_t length = bigEndian(bytes, pos + 4, 4);
        pos += 8;
        if (length > bytes.size() - pos)
            throw TImportError("the MIDI file ends inside a track: it is truncated");
        if (id == "MTrk")
            readTrack(file, TByteReader(bytes, pos, pos + length));
        pos += length;
    }
    if (file.tracks.size() < trackCount)
        throw TImportError("the MIDI file ends before its last track: it is truncated");
    const auto byTime = [](const auto& a, const auto& b) { return a.time < b.time; };
    std::stable_sort(file.timeSignatures.begin(), file.timeSignatures.end(), byTime);
    std::stable_sort(file.keySignatures.begin(), file.keySignatures.end(), byTime);
    std::stable_sort(file.tempos.begin(), file.tempos.end(), byTime);
    return file;
}
