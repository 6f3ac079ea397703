#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exchange/import_error.h"
#include "exchange/melody_import.h"

// Small MusicXML scores and MIDI files for the import tests, written the way notation programs
// and sequencers write them.

inline std::string scoreOf(const std::string& measures, int parts = 1) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<score-partwise version=\"3.1\">\n"
        "<part-list>";
    for (int p = 1; p <= parts; ++p)
        text += "<score-part id=\"P" + std::to_string(p) + "\"><part-name>Voice " +
                std::to_string(p) + "</part-name></score-part>";
    text += "</part-list>\n";
    for (int p = 1; p <= parts; ++p)
        text += "<part id=\"P" + std::to_string(p) + "\">" + measures + "</part>\n";
    return text + "</score-partwise>\n";
}

// The attributes of a first measure: divisions a quarter, the key (no key element when `fifths`
// is above 7) and the meter.
inline std::string attributesOf(int divisions, int fifths, const std::string& mode, int beats,
                                int beatType) {
    std::string text = "<attributes><divisions>" + std::to_string(divisions) + "</divisions>";
    if (fifths <= 7)
        text +=
            "<key><fifths>" + std::to_string(fifths) + "</fifths><mode>" + mode + "</mode></key>";
    return text + "<time><beats>" + std::to_string(beats) + "</beats><beat-type>" +
           std::to_string(beatType) + "</beat-type></time><clef><sign>G</sign><line>2</line>" +
           "</clef></attributes>";
}

inline std::string measureOf(int number, const std::string& content, bool implicit = false) {
    return "<measure number=\"" + std::to_string(number) + "\"" +
           (implicit ? " implicit=\"yes\"" : "") + ">" + content + "</measure>";
}

// A note "C#4" (step, optional '#' or 'b', octave) of `duration` divisions; `extra` goes inside
// the note element after the duration.
inline std::string noteOf(const std::string& name, int duration, const std::string& extra = "",
                          const std::string& before = "") {
    std::string alter;
    size_t octaveAt = 1;
    if (name.size() > 2 && name[1] == '#')
        alter = "<alter>1</alter>", octaveAt = 2;
    if (name.size() > 2 && name[1] == 'b')
        alter = "<alter>-1</alter>", octaveAt = 2;
    return "<note>" + before + "<pitch><step>" + name.substr(0, 1) + "</step>" + alter +
           "<octave>" + name.substr(octaveAt) + "</octave></pitch><duration>" +
           std::to_string(duration) + "</duration>" + extra + "<voice>1</voice></note>";
}

inline std::string restOf(int duration) {
    return "<note><rest/><duration>" + std::to_string(duration) +
           "</duration><voice>1</voice></note>";
}

// A standard MIDI file from raw track data (each without its end-of-track event).
inline std::string midiOf(int format, int ticksPerQuarter,
                          const std::vector<std::vector<uint8_t>>& tracks) {
    std::string bytes = "MThd";
    bytes += std::string("\0\0\0\6\0", 5) + char(format) + char(tracks.size() >> 8) +
             char(tracks.size() & 0xFF) + char(ticksPerQuarter >> 8) + char(ticksPerQuarter & 0xFF);
    for (std::vector<uint8_t> track : tracks) {
        track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
        bytes += "MTrk";
        const uint32_t size = static_cast<uint32_t>(track.size());
        bytes += char(size >> 24);
        bytes += char((size >> 16) & 0xFF);
        bytes += char((size >> 8) & 0xFF);
        bytes += char(size & 0xFF);
        bytes += std::string(track.begin(), track.end());
    }
    return bytes;
}

// Time signature and key signature events at time 0.
inline std::vector<uint8_t> conductorOf(int numerator, int denominatorPower, int sharps,
                                        int minor) {
    return {0x00,
            0xFF,
            0x58,
            0x04,
            uint8_t(numerator),
            uint8_t(denominatorPower),
            0x18,
            0x08,
            0x00,
            0xFF,
            0x59,
            0x02,
            uint8_t(int8_t(sharps)),
            uint8_t(minor)};
}

// Notes one after another on a channel: (key, delta before it, length) at `ticks` a quarter.
struct TMidiStep {
    int key;
    int before;
    int length;
};
inline std::vector<uint8_t> notesOf(int channel, const std::vector<TMidiStep>& steps) {
    std::vector<uint8_t> track;
    for (const TMidiStep& s : steps) {
        auto vlq = [&](int value) {
            std::vector<uint8_t> groups;
            do {
                groups.push_back(uint8_t(value & 0x7F));
                value >>= 7;
            } while (value != 0);
            for (size_t i = groups.size(); i-- > 0;)
                track.push_back(uint8_t(groups[i] | (i > 0 ? 0x80 : 0)));
        };
        vlq(s.before);
        track.insert(track.end(), {uint8_t(0x90 + channel), uint8_t(s.key), 100});
        vlq(s.length);
        track.insert(track.end(), {uint8_t(0x80 + channel), uint8_t(s.key), 64});
    }
    return track;
}

// The one line an import of these bytes fails with, "no error" when it succeeds.
inline std::string importError(const std::string& bytes, const TImportOptions& options = {}) {
    try {
        importMelody(bytes, options);
    } catch (const TImportError& e) {
        return e.what();
    }
    return "no error";
}
