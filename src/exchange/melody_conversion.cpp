#include "exchange/melody_conversion.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <string>
#include <utility>

#include "exchange/import_error.h"
#include "model/duration.h"
#include "model/key_names.h"
#include "model/pitch_spelling.h"
#include "model/tempo.h"
#include "templates/raw_letter_scheme.h"
#include "templates/raw_period_data.h"

namespace {

constexpr std::array<const char*, 12> SHARP_NAMES = {"C",  "C♯", "D",  "D♯", "E",  "F",
                                                     "F♯", "G",  "G♯", "A",  "A♯", "B"};
constexpr std::array<const char*, 12> FLAT_NAMES = {"C",  "D♭", "D",  "E♭", "E",  "F",
                                                    "G♭", "G",  "A♭", "A",  "B♭", "B"};

int64_t floorDiv(int64_t a, int64_t b) {
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// a / b to the nearest whole number, halves upward.
int64_t roundDiv(int64_t a, int64_t b) {
    return floorDiv(2 * a + b, 2 * b);
}

int pitchClass(int midi) {
    return ((midi % 12) + 12) % 12;
}

// What the file wrote: its spelling where it has one, else the key's way of naming black keys.
std::string writtenName(const TImportedNote& note, const TKey& key) {
    if (note.written)
        return spelledName(*note.written);
    const auto& names = key.signs() < 0 ? FLAT_NAMES : SHARP_NAMES;
    return std::string(names[static_cast<size_t>(pitchClass(note.midi))]) +
           std::to_string(floorDiv(note.midi, 12) - 1);
}

struct TLine {
    int64_t time = 0;
    std::string text;
};

// Turns melody times into the measure and beat a student reads.
class TPlaces {
  public:
    TPlaces(int64_t unitsPerQuarter, int64_t measureLength, int64_t beatLength, bool pickup)
        : units_(unitsPerQuarter), measure_(measureLength), beat_(beatLength), pickup_(pickup) {}

    std::string at(int64_t time) const {
        return "Measure " + std::to_string(floorDiv(time, measure_) + (pickup_ ? 0 : 1)) +
               ", beat " + beat(time);
    }

    // 1 on the bar line; a place between beats in hundredths of a beat: "2.5", "1.33".
    std::string beat(int64_t time) const { return beatIn(time, measure_, beat_); }
    // The same for a place on the sixteenth grid, counted in sixteenths.
    std::string beatOfSixteenth(int64_t sixteenth) const {
        return beatIn(sixteenth, measure_ * 4 / units_, beat_ * 4 / units_);
    }

    std::string length(int64_t units) const {
        const int64_t scaled = units * QUARTER;
        if (scaled % units_ == 0)
            return std::to_string(scaled / units_) + " ticks";
        return "about " + std::to_string(roundDiv(scaled, units_)) + " ticks";
    }

  private:
    static std::string beatIn(int64_t time, int64_t measure, int64_t beat) {
        const int64_t offset = time - floorDiv(time, measure) * measure;
        std::string text = std::to_string(1 + offset / beat);
        if (offset % beat != 0) {
            const int64_t hundredths = roundDiv((offset % beat) * 100, beat);
            if (hundredths >= 100)
                return std::to_string(2 + offset / beat);
            // appended piece by piece: g++ 12 warns falsely of an overlap in a joined temporary
            text += '.';
            text += std::to_string(hundredths / 10);
            if (hundredths % 10 != 0)
                text += std::to_string(hundredths % 10);
        }
        return text;
    }

    int64_t units_;
    int64_t measure_;
    int64_t beat_;
    bool pickup_;
};

// The key with the fewest notes outside it; among equals the one whose tonic the melody ends on,
// then the one with fewer signs, then major.
TKey likeliestKey(const TImportedMelody& melody, const std::vector<TImportedNote>& notes,
                  std::optional<int32_t> signs, int& outside) {
    std::vector<int> pitches = melody.companionPitches;
    int last = -1;
    for (const TImportedNote& note : notes)
        if (!note.isRest()) {
            pitches.push_back(note.midi);
            last = pitchClass(note.midi);
        }
    std::optional<TKey> best;
    int bestOutside = 0;
    auto better = [&](const TKey& key, int count) {
        if (!best || count != bestOutside)
            return !best || count < bestOutside;
        auto tonic = [](const TKey& k) {
            return pitchClass(7 * k.signs() + (k.isMinor() ? 9 : 0));
        };
        const bool endsHome = tonic(key) == last;
        const bool bestEndsHome = tonic(*best) == last;
        if (endsHome != bestEndsHome)
            return endsHome;
        if (std::abs(key.signs()) != std::abs(best->signs()))
            return std::abs(key.signs()) < std::abs(best->signs());
        return !key.isMinor() && best->isMinor();
    };
    for (int32_t s = -7; s <= 7; ++s) {
        if (signs && s != *signs)
            continue;
        for (const uint8_t mode : {MAJOR, MINOR}) {
            const TKey key(s, mode);
            std::array<bool, 12> inKey{};
            for (int p = 0; p < 7; ++p)
                inKey[static_cast<size_t>(pitchClass(key.pitch(p)))] = true;
            int count = 0;
            for (const int pitch : pitches)
                count += inKey[static_cast<size_t>(pitchClass(pitch))] ? 0 : 1;
            if (better(key, count)) {
                best = key;
                bestOutside = count;
            }
        }
    }
    outside = bestOutside;
    return *best;
}

// The position of the key nearest to a MIDI note; among two equally near, the one with the
// written letter, else the lower in a sharp key and the higher in a flat one.
int nearestPosition(int midi, int letter, const TKey& key) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    bool bestLetter = false;
    for (int p = 0; p < PITCH_COUNT; ++p) {
        const int distance = std::abs(key.pitch(p) - midi);
        const bool sameLetter = (p + 1) % 7 == letter;
        bool take = distance < bestDistance;
        if (distance == bestDistance) {
            if (sameLetter != bestLetter)
                take = sameLetter;
            else
                take = key.signs() < 0;
        }
        if (take) {
            best = p;
            bestDistance = distance;
            bestLetter = sameLetter;
        }
    }
    return best;
}

// Tells what the fitting changed at a time of the melody.
using TReport = std::function<void(int64_t time, const std::string& text)>;

// One line of notes and rests from notes in time order: grace notes take no time and are left
// out, a chord keeps its top note.
std::vector<TImportedNote> topLine(const std::vector<TImportedNote>& notes, const TKey& key,
                                   const TReport& report) {
    std::vector<TImportedNote> line;
    const auto leaveOut = [&](const TImportedNote& grace) {
        if (!grace.isRest())
            report(grace.start, "grace note " + writtenName(grace, key) + "; left out");
    };
    for (size_t i = 0; i < notes.size();) {
        if (notes[i].grace) {
            leaveOut(notes[i++]);
            continue;
        }
        // the notes that start with this one
        const int64_t start = notes[i].start;
        size_t j = i;
        std::vector<const TImportedNote*> together;
        for (; j < notes.size() && notes[j].start == start; ++j)
            if (!notes[j].grace && !notes[j].isRest())
                together.push_back(&notes[j]);
        if (together.empty()) {
            line.push_back(notes[i]);
        } else {
            std::stable_sort(together.begin(), together.end(),
                             [](const auto* a, const auto* b) { return a->midi < b->midi; });
            // of two spellings of the top note, the one written first
            const TImportedNote* top =
                *std::find_if(together.begin(), together.end(),
                              [&](const auto* n) { return n->midi == together.back()->midi; });
            if (together.size() > 1) {
                std::string chord;
                for (const TImportedNote* n : together) {
                    // piece by piece: g++ 12 warns falsely of an overlap in a joined temporary
                    if (!chord.empty())
                        chord += ' ';
                    chord += writtenName(*n, key);
                }
                report(start, "chord " + chord + "; kept its top note " + writtenName(*top, key));
            }
            line.push_back(*top);
        }
        for (; i < j; ++i)
            if (notes[i].grace)
                leaveOut(notes[i]);
    }
    return line;
}

struct TMeter {
    int beats;
    int beatType;
    TMeasure measure;
};

// The most a new composition's shape holds: four sentences of four phrases of four motives.
constexpr int MOST_MOTIVES = MAX_SENTENCES * MAX_PHRASES_PER_SENTENCE * MAX_MOTIVES_PER_PHRASE;

// The smallest shape the New dialog makes that holds `count` motives: the smallest built-in
// template that does, else the shape its editor makes with phrases of four motives (the last one
// holding the rest) in as few sentences as hold them, the phrases shared out evenly.
TRawPeriodData shapeFor(int count) {
    const std::vector<TRawPeriodData> templates = TRawPeriodData::builtInTemplates(nullptr);
    const TRawPeriodData* chosen = nullptr;
    int chosenSize = 0;
    for (const TRawPeriodData& t : templates) {
        int size = 0;
        for (const int n : t.motivesPerPhrase())
            size += n;
        if (size >= count && (chosen == nullptr || size < chosenSize)) {
            chosen = &t;
            chosenSize = size;
        }
    }
    TRawPeriodData shape(nullptr);
    if (chosen != nullptr) {
        shape.assignTemplate(*chosen);
        return shape;
    }
    const int phrases = (count + MAX_MOTIVES_PER_PHRASE - 1) / MAX_MOTIVES_PER_PHRASE;
    const int sentences = (phrases + MAX_PHRASES_PER_SENTENCE - 1) / MAX_PHRASES_PER_SENTENCE;
    std::vector<int> phrasesPerSentence;
    for (int i = 0; i < sentences; ++i)
        phrasesPerSentence.push_back(phrases / sentences + (i < phrases % sentences ? 1 : 0));
    std::vector<int> motivesPerPhrase(size_t(phrases), MAX_MOTIVES_PER_PHRASE);
    motivesPerPhrase.back() = count - (phrases - 1) * MAX_MOTIVES_PER_PHRASE;
    return TRawPeriodData(phrasesPerSentence, motivesPerPhrase, {}, nullptr);
}

}  // namespace

TMelodyImport convertMelody(const TImportedMelody& source) {
    // an even unit lets an eighth's beat be a whole number of units
    const int64_t scale = source.unitsPerQuarter % 2 == 0 ? 1 : 2;
    const int64_t units = source.unitsPerQuarter * scale;
    std::vector<TImportedNote> notes = source.notes;
    for (TImportedNote& note : notes) {
        note.start *= scale;
        note.length *= scale;
    }

    const std::array<TMeter, 4> meters = {
        TMeter{2, 4, TMeasure(2, QUARTER)}, TMeter{3, 4, TMeasure(3, QUARTER)},
        TMeter{2, 8, TMeasure(2, EIGHTH)}, TMeter{3, 8, TMeasure(3, EIGHTH)}};
    const auto meter = std::find_if(meters.begin(), meters.end(), [&](const TMeter& m) {
        return m.beats == source.beats && m.beatType == source.beatType;
    });
    if (meter == meters.end())
        throw TImportError("the meter " + std::to_string(source.beats) + "/" +
                           std::to_string(source.beatType) +
                           " is not one the program offers (2/4, 3/4, 2/8, 3/8)");
    const TMeasure measure = meter->measure;
    const int32_t length = measure.measureLength();
    const int64_t measureUnits = int64_t{meter->beats} * 4 * units / meter->beatType;
    const int64_t beatUnits = 4 * units / meter->beatType;

    DURATION anacrusis = 0;
    if (source.pickup > 0) {
        const int64_t pickup = source.pickup * scale;
        const int64_t ticks = pickup * QUARTER;
        const bool whole = ticks % units == 0 && (ticks / units) % SIXTEENTH == 0;
        if (!whole || ticks / units < SIXTEENTH || ticks / units > length - SIXTEENTH) {
            const TPlaces places(units, measureUnits, beatUnits, true);
            throw TImportError("the pickup measure lasts " + places.length(pickup) +
                               "; an up-beat must be whole sixteenths shorter than the measure (" +
                               std::to_string(length) + " ticks)");
        }
        anacrusis = static_cast<DURATION>(ticks / units);
    }
    const TPlaces places(units, measureUnits, beatUnits, anacrusis != 0);
    std::vector<TLine> lines;
    auto report = [&](int64_t time, const std::string& text) {
        lines.push_back({time, places.at(time) + ": " + text});
    };
    for (const TImportedNotice& notice : source.notices)
        report(notice.time * scale, notice.text);

    std::stable_sort(
        notes.begin(), notes.end(),
        [](const TImportedNote& a, const TImportedNote& b) { return a.start < b.start; });

    // the key, from the file or from the notes
    std::string keyLine;
    TKey key;
    if (source.key && !source.modeUnknown) {
        key = *source.key;
    } else {
        int outside = 0;
        std::optional<int32_t> signs;
        if (source.key)
            signs = source.key->signs();
        key = likeliestKey(source, notes, signs, outside);
        keyLine = "Key: the file gives " +
                  (signs ? signatureText(*signs) + " but not the mode" : "no key signature") +
                  "; chose " + keyName(key) + ", with " + std::to_string(outside) +
                  (outside == 1 ? " note" : " notes") + " outside it";
    }

    const std::vector<TImportedNote> line = topLine(notes, key, report);

    // lengths to the sixteenth grid: both ends of a note go to the nearest sixteenth, so that
    // the measure keeps its length
    struct TPlaced {
        int64_t start;  // in sixteenths
        int64_t end;
        int64_t time;  // where the file has it, in units
        TImportedNote note;
    };
    std::vector<TPlaced> placed;
    for (const TImportedNote& note : line) {
        const int64_t start = roundDiv(note.start * 4, units);
        const int64_t end = roundDiv(note.end() * 4, units);
        const bool onGrid = (note.start * 4) % units == 0 && (note.end() * 4) % units == 0;
        if (!onGrid && !note.isRest()) {
            const std::string name = writtenName(note, key);
            if (end <= start) {
                report(note.start, name + " lasting " + places.length(note.length) +
                                       ", shorter than a sixteenth; left out");
            } else {
                std::string kept = "kept " + name;
                if (start * units != note.start * 4)
                    kept += " at beat " + places.beatOfSixteenth(start);
                report(note.start, name + " lasting " + places.length(note.length) +
                                       ", off the sixteenth grid; " + kept + " lasting " +
                                       std::to_string((end - start) * SIXTEENTH) + " ticks");
            }
        }
        if (end > start)
            placed.push_back({start, end, note.start, note});
    }
    // one voice: a note ends where the next begins
    std::vector<TPlaced> voice;
    for (size_t i = 0; i < placed.size(); ++i) {
        TPlaced p = placed[i];
        if (i + 1 < placed.size())
            p.end = std::min(p.end, placed[i + 1].start);
        if (p.end > p.start)
            voice.push_back(p);
    }

    // pitches to positions of the key, moved by octaves into the range
    const int lowest = key.pitch(0);
    const int highest = key.pitch(PITCH_COUNT - 1);
    std::vector<int32_t> positions;
    for (const TPlaced& p : voice) {
        if (p.note.isRest()) {
            positions.push_back(NO_PITCH);
            continue;
        }
        int midi = p.note.midi;
        const bool outOfRange = midi < lowest || midi > highest;
        while (midi < lowest)
            midi += 12;
        while (midi > highest)
            midi -= 12;
        const int position =
            nearestPosition(midi, p.note.written ? p.note.written->letter : -1, key);
        const bool outOfKey = key.pitch(position) != midi;
        positions.push_back(position);
        if (outOfRange || outOfKey) {
            const std::string what = outOfRange && outOfKey ? "the range and the key"
                                     : outOfRange           ? "the range"
                                                            : keyName(key);
            report(p.time, writtenName(p.note, key) + " outside " + what + "; kept " +
                               pitchName(position, key));
        }
    }

    // measures to motives: the up-beat before a bar line belongs to the motive after it
    const int32_t windowStart = anacrusis != 0 ? length - anacrusis : 0;
    std::vector<TNoteList> motives;
    int64_t lastSounding = -1;
    for (size_t i = 0; i < voice.size(); ++i) {
        int64_t start = voice[i].start * SIXTEENTH;
        const int64_t end = voice[i].end * SIXTEENTH;
        const bool rest = positions[i] == NO_PITCH;
        start = std::max<int64_t>(start, windowStart);
        bool split = false;
        while (start < end) {
            const int64_t index = (start - windowStart) / length;
            // far beyond what a period holds: only the count matters
            if (index > MOST_MOTIVES) {
                if (!rest)
                    lastSounding = std::max(lastSounding, index);
                break;
            }
            const int64_t motiveEnd = windowStart + (index + 1) * length;
            const int64_t pieceEnd = std::min(end, motiveEnd);
            if (motives.size() <= static_cast<size_t>(index))
                motives.resize(static_cast<size_t>(index) + 1);
            const int32_t time = static_cast<int32_t>(start - index * length);
            const auto duration = static_cast<DURATION>(pieceEnd - start);
            motives[static_cast<size_t>(index)].push_back(
                TNote(time, positions[i], rest ? DURATION(-duration) : duration));
            if (!rest)
                lastSounding = std::max(lastSounding, index);
            split = split || pieceEnd < end;
            start = pieceEnd;
        }
        if (split && !rest)
            report(voice[i].time, writtenName(voice[i].note, key) +
                                      " goes on into the next motive; kept as two notes");
    }
    if (lastSounding < 0)
        throw TImportError("the melody has no notes");
    const int64_t motiveCount = lastSounding + 1;
    if (motiveCount > MOST_MOTIVES)
        throw TImportError("the melody fills " + std::to_string(motiveCount) +
                           " motives; the largest period holds " + std::to_string(MOST_MOTIVES));
    motives.resize(static_cast<size_t>(motiveCount));
    const int count = static_cast<int>(motiveCount);

    // the smallest shape a new composition can have that holds them, lettered as it would be
    TRawPeriodData shape = shapeFor(count);
    shape.applyLetterScheme(
        TRawLetterScheme::builtInSchemes()[static_cast<size_t>(DEFAULT_LETTER_SCHEME_INDEX)]);

    const int32_t tempo = source.quartersPerMinute && *source.quartersPerMinute > 0
                              ? tempoForQuartersPerMinute(*source.quartersPerMinute)
                              : DEFAULT_TEMPO;

    TMelodyImport result;
    result.period.buildFromLayout(shape.phrasesPerSentence(), shape.motivesPerPhrase(),
                                  shape.phraseLetters(), key, measure, anacrusis, tempo);
    const std::vector<TMotiveAddress> addresses = result.period.motiveAddresses();
    for (size_t i = 0; i < motives.size(); ++i) {
        TMotive& motive = result.period.motiveAt(addresses[i]);
        motive.notes = motives[i];
        motive.updateSharps();
    }

    std::stable_sort(lines.begin(), lines.end(),
                     [](const TLine& a, const TLine& b) { return a.time < b.time; });
    if (!keyLine.empty())
        result.report.push_back(keyLine);
    for (TLine& l : lines)
        result.report.push_back(std::move(l.text));
    return result;
}
