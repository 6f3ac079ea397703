#include "exchange/musicxml_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "exchange/import_error.h"
#include "model/key_names.h"
#include "model/xml_document.h"

namespace {

// Divisions a score may count a quarter in; real scores use a few hundred at most.
constexpr int64_t MOST_DIVISIONS = 100000;
// The common unit of all divisions of one part stays within this.
constexpr int64_t MOST_UNITS = 10000000;
// No note, rest or move of a melody lasts more quarters than this; longer ones are cut, which
// keeps every sum of times far from overflow.
constexpr int64_t LONGEST_QUARTERS = 1000;

// A whole number in an element's text; `fallback` when it is missing or not one.
int64_t integerOf(const TXmlElement& node, int64_t fallback) {
    const std::string text = node.text();
    if (text.empty())
        return fallback;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !std::isfinite(value) || std::fabs(value) > 1e12)
        return fallback;
    return std::llround(value);
}

// A positive finite number in an attribute, or nothing.
std::optional<double> positiveOf(const std::optional<std::string>& text) {
    if (!text || text->empty())
        return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text->c_str(), &end);
    if (end == text->c_str() || !std::isfinite(value) || value <= 0)
        return std::nullopt;
    return value;
}

std::string textOf(const TXmlElement& node) {
    std::string text = node.text();
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// One note or rest of the part, as the measure holds it.
struct TRawNote {
    size_t measure = 0;
    int64_t position = 0;  // from the measure's start, in common units
    int64_t length = 0;
    TImportedNote note;
    bool tieStart = false;
    bool tieStop = false;
    std::string voice;
};

struct TRawMeasure {
    int64_t length = 0;
    bool implicit = false;
};

bool hasTie(const TXmlElement& note, const char* type) {
    for (const TXmlElement& tie : note.children("tie"))
        if (tie.attribute("type").value_or("") == type)
            return true;
    for (const TXmlElement& notations : note.children("notations"))
        for (const TXmlElement& tied : notations.children("tied"))
            if (tied.attribute("type").value_or("") == type)
                return true;
    return false;
}

// What a <key> element gives: the key, and whether it names the mode. Nothing for a key
// without fifths (a non-traditional key).
struct TWrittenKey {
    TKey key;
    bool modeKnown = false;
};

std::optional<TWrittenKey> keyOf(const TXmlElement& key) {
    if (key.child("fifths").isNull())
        return std::nullopt;
    const int64_t fifths = integerOf(key.child("fifths"), 0);
    if (fifths < -7 || fifths > 7)
        throw TImportError("the key signature of " + textOf(key.child("fifths")) +
                           " fifths is not one of the program's keys");
    const std::string mode = textOf(key.child("mode"));
    const bool minor = mode == "minor" || mode == "aeolian";
    // a signature alone leaves major and its relative minor to the notes
    return TWrittenKey{TKey(static_cast<int32_t>(fifths), minor ? MINOR : MAJOR),
                       minor || mode == "major" || mode == "ionian"};
}

// What a <time> element writes, as a student reads it ("6/8", "without meter"), and its numbers
// when they are plain ones (else 0).
struct TWrittenMeter {
    std::string text;
    int beats = 0;
    int beatType = 0;
};

TWrittenMeter meterOf(const TXmlElement& time) {
    if (!time.child("senza-misura").isNull())
        return {"without meter"};
    const std::string top = textOf(time.child("beats"));
    const std::string bottom = textOf(time.child("beat-type"));
    TWrittenMeter meter{top + "/" + bottom};
    const auto plain = [](const std::string& digits) {
        return !digits.empty() && digits.size() < 4 &&
               digits.find_first_not_of("0123456789") == std::string::npos;
    };
    if (plain(top) && plain(bottom)) {
        meter.beats = std::stoi(top);
        meter.beatType = std::stoi(bottom);
    }
    return meter;
}

// The spelling of a <pitch> element; nothing when its step is not a letter.
std::optional<TPitchSpelling> spellingOf(const TXmlElement& pitch) {
    const std::string step = textOf(pitch.child("step"));
    const size_t letter =
        step.size() == 1 ? std::string("CDEFGAB").find(step[0]) : std::string::npos;
    if (letter == std::string::npos)
        return std::nullopt;
    TPitchSpelling written;
    written.letter = static_cast<int>(letter);
    written.alter =
        static_cast<int>(std::clamp<int64_t>(integerOf(pitch.child("alter"), 0), -3, 3));
    written.octave =
        static_cast<int>(std::clamp<int64_t>(integerOf(pitch.child("octave"), 4), -1, 10));
    return written;
}

int64_t commonUnit(const TXmlElement& part) {
    int64_t unit = 2;
    for (const TXmlElement& measure : part.children("measure"))
        for (const TXmlElement& attributes : measure.children("attributes"))
            for (const TXmlElement& divisions : attributes.children("divisions")) {
                const int64_t d = integerOf(divisions, 0);
                if (d <= 0 || d > MOST_DIVISIONS)
                    throw TImportError("the score counts " + textOf(divisions) +
                                       " divisions to a quarter, which is not usable");
                unit = std::lcm(unit, d);
                if (unit > MOST_UNITS)
                    throw TImportError("the score's divisions have no common unit of usable size");
            }
    return unit;
}

}  // namespace

TImportedMelody readMusicXmlMelody(std::string_view text, int partNumber) {
    TXmlDocument document;
    if (!document.loadText(text))
        throw TImportError("not a MusicXML file: the text is not well-formed XML");
    const TXmlElement root = document.documentElement();
    const std::string rootName = root.name();
    if (rootName == "score-timewise")
        throw TImportError("a timewise MusicXML score is not read; save it as a partwise score");
    if (rootName != "score-partwise")
        throw TImportError("not a MusicXML score: the document is <" + rootName + ">");
    const std::vector<TXmlElement> parts = root.children("part");
    if (parts.empty())
        throw TImportError("the MusicXML score has no parts");
    if (partNumber < 1 || static_cast<size_t>(partNumber) > parts.size())
        throw TImportError("the score has " + std::to_string(parts.size()) +
                           (parts.size() == 1 ? " part" : " parts") + "; there is no part " +
                           std::to_string(partNumber));
    const TXmlElement part = parts[static_cast<size_t>(partNumber) - 1];
    const int64_t unit = commonUnit(part);

    TImportedMelody melody;
    melody.unitsPerQuarter = unit;
    int64_t scale = unit;  // common units per division
    std::vector<TRawMeasure> measures;
    std::vector<TRawNote> notes;
    // the key of the melody and the keys it changes to later, with where they change
    struct TKeyChange {
        size_t measure;
        int64_t position;
        TKey key;
    };
    std::vector<TKeyChange> keyChanges;
    std::string voice;
    bool voiceChosen = false;
    std::map<size_t, int64_t> otherVoices;  // first left-out note of each measure
    for (const TXmlElement& measure : part.children("measure")) {
        const size_t index = measures.size();
        TRawMeasure raw;
        raw.implicit = measure.attribute("implicit").value_or("") == "yes";
        int64_t position = 0;
        int64_t lastStart = 0;
        for (const TXmlElement& child : measure.children()) {
            const std::string name = child.name();
            if (name == "attributes") {
                for (const TXmlElement& divisions : child.children("divisions"))
                    scale = unit / std::max<int64_t>(1, integerOf(divisions, 1));
                for (const TXmlElement& key : child.children("key")) {
                    const std::optional<TWrittenKey> read = keyOf(key);
                    if (!read) {
                        continue;
                    } else if (!melody.key) {
                        melody.key = read->key;
                        melody.modeUnknown = !read->modeKnown;
                    } else {
                        keyChanges.push_back({index, position, read->key});
                    }
                }
                for (const TXmlElement& time : child.children("time")) {
                    const TWrittenMeter meter = meterOf(time);
                    if (melody.beats == 0 && melody.beatType == 0 && index == 0) {
                        if (meter.beats == 0 || meter.beatType == 0)
                            throw TImportError("the meter " + meter.text +
                                               " is not one the program offers (2/4, 3/4, 2/8, "
                                               "3/8)");
                        melody.beats = meter.beats;
                        melody.beatType = meter.beatType;
                    } else if (meter.beats != melody.beats || meter.beatType != melody.beatType) {
                        throw TImportError("the meter changes to " + meter.text + " in measure " +
                                           measure.attribute("number").value_or("") +
                                           "; a period keeps one meter");
                    }
                }
            } else if (name == "backup" || name == "forward") {
                const int64_t d = std::clamp<int64_t>(integerOf(child.child("duration"), 0) * scale,
                                                      0, LONGEST_QUARTERS * unit);
                position += name == "backup" ? -d : d;
                position = std::max<int64_t>(0, position);
                raw.length = std::max(raw.length, position);
            } else if (name == "sound" || name == "direction") {
                const TXmlElement sound = name == "sound" ? child : child.child("sound");
                const std::optional<double> tempo = positiveOf(sound.attribute("tempo"));
                if (!melody.quartersPerMinute && tempo)
                    melody.quartersPerMinute = *tempo;
            } else if (name == "note") {
                if (!child.child("cue").isNull())
                    continue;
                TRawNote raw_note;
                raw_note.measure = index;
                const bool grace = !child.child("grace").isNull();
                const bool chord = !child.child("chord").isNull();
                const int64_t length =
                    grace ? 0
                          : std::clamp<int64_t>(integerOf(child.child("duration"), 0) * scale, 0,
                                                LONGEST_QUARTERS * unit);
                raw_note.position = chord ? lastStart : position;
                raw_note.length = length;
                raw_note.note.grace = grace;
                const TXmlElement pitch = child.child("pitch");
                raw_note.note.written = pitch.isNull() ? std::nullopt : spellingOf(pitch);
                if (raw_note.note.written)
                    raw_note.note.midi = spelledMidiKey(*raw_note.note.written);
                raw_note.tieStart = hasTie(child, "start");
                raw_note.tieStop = hasTie(child, "stop");
                raw_note.voice = textOf(child.child("voice"));
                if (raw_note.voice.empty())
                    raw_note.voice = "1";
                if (!chord)
                    lastStart = position;
                if (!chord && !grace)
                    position += length;
                raw.length = std::max(raw.length, position);
                if (!grace && !voiceChosen) {
                    voice = raw_note.voice;
                    voiceChosen = true;
                }
                if (voiceChosen && raw_note.voice != voice) {
                    otherVoices.emplace(index, raw_note.position);
                    continue;
                }
                notes.push_back(raw_note);
            }
        }
        measures.push_back(raw);
    }
    if (measures.empty())
        throw TImportError("the part has no measures");
    if (melody.beats == 0)
        throw TImportError("the score gives no meter");

    // the pickup: a first measure shorter than the meter's
    const int64_t measureLength = int64_t{melody.beats} * 4 * unit / melody.beatType;
    const int64_t first = measures.front().length;
    if (first > 0 && first < measureLength && measures.size() > 1)
        melody.pickup = first;
    std::vector<int64_t> starts;
    for (size_t m = 0; m < measures.size(); ++m) {
        if (melody.pickup > 0)
            starts.push_back(m == 0 ? measureLength - melody.pickup
                                    : static_cast<int64_t>(m) * measureLength);
        else
            starts.push_back(static_cast<int64_t>(m) * measureLength);
    }

    // ties: the note that stops a tie lengthens the one that started it
    std::map<int, size_t> openTies;
    for (const TRawNote& raw : notes) {
        TImportedNote note = raw.note;
        note.start = starts[raw.measure] + raw.position;
        note.length = raw.length;
        if (!note.isRest() && !note.grace && raw.tieStop) {
            const auto open = openTies.find(note.midi);
            if (open != openTies.end() && melody.notes[open->second].end() == note.start) {
                melody.notes[open->second].length += note.length;
                if (!raw.tieStart)
                    openTies.erase(open);
                continue;
            }
        }
        melody.notes.push_back(note);
        if (!note.isRest() && !note.grace) {
            if (raw.tieStart)
                openTies[note.midi] = melody.notes.size() - 1;
            else
                openTies.erase(note.midi);
        }
    }
    std::stable_sort(
        melody.notes.begin(), melody.notes.end(),
        [](const TImportedNote& a, const TImportedNote& b) { return a.start < b.start; });
    for (const TKeyChange& change : keyChanges)
        if (melody.key && !(change.key == *melody.key))
            melody.notices.push_back({starts[change.measure] + change.position,
                                      "the key changes to " + keyName(change.key) +
                                          "; the notes are read in " + keyName(*melody.key)});
    for (const auto& [m, position] : otherVoices)
        melody.notices.push_back(
            {starts[m] + position, "notes of other voices than voice " + voice + "; left out"});
    return melody;
}
