#include "exchange/musicxml_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <map>
#include <numeric>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "harmony/chord.h"
#include "model/key.h"
#include "model/motive.h"
#include "model/output_file.h"
#include "model/period_data.h"
#include "model/period_timeline.h"
#include "model/pitch_spelling.h"
#include "model/tempo.h"
#include "notation/beam_groups.h"
#include "templates/phrase_letter.h"

namespace {

constexpr int32_t TICKS_PER_QUARTER = 120;
constexpr const char* STEP_LETTERS = "CDEFGAB";
// Letters (C = 0) that the signature alters, in the order sharps and flats are added.
constexpr std::array<int, 7> SHARP_LETTERS = {3, 0, 4, 1, 5, 2, 6};
constexpr std::array<int, 7> FLAT_LETTERS = {6, 2, 5, 1, 4, 0, 3};

// Lengths a single note symbol can show, with or without a dot.
constexpr std::array<int32_t, 10> WRITTEN_LENGTHS = {480, 360, 240, 180, 120, 90, 60, 45, 30, 15};
// Lengths another length is split into first, so that 150 reads as a quarter tied to a
// sixteenth and 210 as a quarter tied to a dotted eighth, as the program's notation draws them.
constexpr std::array<int32_t, 6> PLAIN_LENGTHS = {480, 240, 120, 60, 30, 15};
// A silence longer than this is one rest of its own length rather than a row of whole rests.
constexpr int32_t LONGEST_SPLIT_REST = 8 * 480;

// One stretch of one voice on the period's time line: a note or a rest.
struct TSpan {
    int32_t start = 0;
    int32_t length = 0;
    int32_t pitch = NO_PITCH;
    const TKey* key = nullptr;

    int32_t end() const { return start + length; }
    bool isRest() const { return key == nullptr || !isValidPitch(pitch); }
};

struct TMark {
    int32_t time = 0;
    std::string text;
};

struct TLabel {
    int32_t time = 0;
    const TChord* chord = nullptr;
    const TKey* key = nullptr;
};

// Voices of the harmony part: soprano and alto on the upper staff, tenor and bass on the lower,
// numbered as notation programs number the voices of a grand staff.
struct TVoiceSpec {
    int voice = 1;
    int staff = 0;  // 0: a part of one staff
    const char* stem = nullptr;
};
constexpr std::array<TVoiceSpec, 4> CHORD_VOICES = {
    TVoiceSpec{1, 1, "up"}, TVoiceSpec{2, 1, "down"}, TVoiceSpec{5, 2, "up"},
    TVoiceSpec{6, 2, "down"}};
constexpr TVoiceSpec MELODY_VOICE = {1, 0, nullptr};

// A voice's stretches laid end to end from the start of the time line, silences filled in.
class TVoiceLine {
  public:
    explicit TVoiceLine(int32_t origin) : cursor_(origin) {}

    // Places [start, end), clipped to what is not yet placed; a silence before it becomes a
    // rest. Rests join the rest before them when that lies after `joinFrom`, so that a silence
    // is written as one and still starts where a motive starts.
    void place(int32_t start, int32_t end, int32_t pitch, const TKey* key, int32_t joinFrom) {
        start = std::max(start, cursor_);
        if (end <= start)
            return;
        if (start > cursor_)
            append(cursor_, start, NO_PITCH, nullptr, joinFrom);
        append(start, end, pitch, key, joinFrom);
    }
    // Lengthens the last stretch to `end`: a chord held over the bar line sounds as one.
    void holdUntil(int32_t end) {
        if (!spans_.empty() && spans_.back().end() == cursor_ && end > cursor_) {
            spans_.back().length += end - cursor_;
            cursor_ = end;
        }
    }
    void restUntil(int32_t end, int32_t joinFrom) {
        if (end > cursor_)
            append(cursor_, end, NO_PITCH, nullptr, joinFrom);
    }

    int32_t cursor() const { return cursor_; }
    const std::vector<TSpan>& spans() const { return spans_; }

  private:
    void append(int32_t start, int32_t end, int32_t pitch, const TKey* key, int32_t joinFrom) {
        TSpan span{start, end - start, pitch, key};
        if (span.isRest() && !spans_.empty() && spans_.back().isRest() &&
            spans_.back().start >= joinFrom && spans_.back().end() == start)
            spans_.back().length += span.length;
        else
            spans_.push_back(span);
        cursor_ = end;
    }

    int32_t cursor_;
    std::vector<TSpan> spans_;
};

// Everything the score shows, on one time line in ticks (as the player places the motives).
struct TScoreLayout {
    int32_t origin = 0;
    int32_t end = 0;
    bool pickup = false;
    TVoiceLine melody{0};
    std::array<TVoiceLine, 4> chordVoices{TVoiceLine{0}, TVoiceLine{0}, TVoiceLine{0},
                                          TVoiceLine{0}};
    std::vector<TMark> marks;
    std::vector<TLabel> labels;
};

TScoreLayout layoutScore(const TPeriodData& period) {
    TScoreLayout score;
    const int32_t length = period.measure.measureLength();
    score.pickup = length > 0 && period.anacrusis > 0 && period.anacrusis < length;
    score.origin = score.pickup ? length - period.anacrusis : 0;
    score.melody = TVoiceLine(score.origin);
    for (TVoiceLine& line : score.chordVoices)
        line = TVoiceLine(score.origin);

    // motives follow one another as "Play all" places them
    // the chord sounding last, to know when the next one only holds it on
    int32_t lastChordEnd = -1;
    // the sentence and the phrase whose mark is placed
    std::optional<size_t> markedSentence;
    std::optional<std::pair<size_t, size_t>> markedPhrase;
    for (const TPlacedMotive& placed : periodTimeline(period)) {
        const TMotive& motive = period.motiveAt(placed.address);
        const TPhraseData& phrase =
            period.sentences[placed.address.sentence].phrases[placed.address.phrase];
        const int32_t l = motive.measureLength();
        const int32_t base = placed.base;
        const int32_t windowStart = placed.windowStart;
        const int32_t windowEnd = placed.windowEnd;
        if (windowEnd <= score.melody.cursor())
            continue;
        const int32_t markTime = std::max(windowStart, score.melody.cursor());

        if (markedSentence != placed.address.sentence)
            score.marks.push_back(
                {markTime, "Sentence " + std::to_string(placed.address.sentence + 1)});
        markedSentence = placed.address.sentence;
        const std::pair<size_t, size_t> phraseAddress{placed.address.sentence,
                                                      placed.address.phrase};
        const std::string letter = phraseLetterName(phrase.letter);
        if (markedPhrase != phraseAddress && !letter.empty())
            score.marks.push_back({markTime, letter});
        markedPhrase = phraseAddress;

        score.melody.restUntil(markTime, markTime);
        for (const TNote& note : motive.notes) {
            if (note.duration == 0)
                continue;
            const int32_t start = base + note.time;
            const int32_t end =
                std::min(windowEnd, start + (note.isRest() ? -note.duration : note.duration));
            score.melody.place(start, end, note.isRest() ? NO_PITCH : note.pitch, &motive.key,
                               markTime);
        }
        score.melody.restUntil(windowEnd, markTime);

        // the chords that sound: one a measure, as many as the motive has measures
        const size_t chordCount = soundingChordCount(motive);
        for (TVoiceLine& line : score.chordVoices)
            line.restUntil(markTime, markTime);
        for (size_t k = 0; k < chordCount; ++k) {
            const TChord& chord = motive.chords[k];
            const int32_t start = std::max(windowStart, base + static_cast<int32_t>(k) * l);
            const int32_t end = std::min(windowEnd, base + static_cast<int32_t>(k + 1) * l);
            if (end <= std::max(start, score.chordVoices[0].cursor()))
                continue;
            // the up-beat chord that repeats the voicing sounding before it is held on rather
            // than struck again, when the chord before reaches it
            const bool heldOver = k == 0 && placed.firstChordHeldOver && lastChordEnd == start;
            lastChordEnd = end;
            if (heldOver) {
                for (TVoiceLine& line : score.chordVoices)
                    line.holdUntil(end);
                continue;
            }
            if (chord.hasType())
                score.labels.push_back(
                    {std::max(start, score.chordVoices[0].cursor()), &chord, &motive.key});
            const TVoicing voicing = chord.voicing();
            for (size_t v = 0; v < 4; ++v)
                score.chordVoices[v].place(start, end, voicing[v], &motive.key, markTime);
        }
        for (TVoiceLine& line : score.chordVoices)
            line.restUntil(windowEnd, markTime);
    }
    // a period without music still gives each part one measure of silence
    if (score.melody.cursor() <= score.origin && length > 0) {
        score.pickup = false;
        score.origin = 0;
        score.melody = TVoiceLine(0);
        score.melody.restUntil(length, 0);
        for (TVoiceLine& line : score.chordVoices) {
            line = TVoiceLine(0);
            line.restUntil(length, 0);
        }
    }
    score.end = score.melody.cursor();
    return score;
}

struct TMeasureSpan {
    int number = 1;
    int32_t start = 0;
    int32_t end = 0;
    bool implicit = false;
};

std::vector<TMeasureSpan> measuresOf(const TScoreLayout& score, int32_t length) {
    std::vector<TMeasureSpan> measures;
    if (length <= 0 || score.end <= score.origin) {
        measures.push_back({1, score.origin, score.end, false});
        return measures;
    }
    int32_t start = score.origin;
    int number = 1;
    if (score.pickup) {
        measures.push_back({0, start, std::min(length, score.end), true});
        start = length;
    }
    for (; start < score.end; start += length)
        measures.push_back({number++, start, std::min(start + length, score.end), false});
    return measures;
}

// Parts of a length that single symbols show, longest first; a remainder no symbol shows is one
// part of its own, written without a type.
std::vector<int32_t> writtenParts(int32_t length, bool rest) {
    std::vector<int32_t> parts;
    if (rest && length > LONGEST_SPLIT_REST) {
        parts.push_back(length);
        return parts;
    }
    while (length > 0) {
        if (std::find(WRITTEN_LENGTHS.begin(), WRITTEN_LENGTHS.end(), length) !=
            WRITTEN_LENGTHS.end()) {
            parts.push_back(length);
            break;
        }
        const auto plain = std::find_if(PLAIN_LENGTHS.begin(), PLAIN_LENGTHS.end(),
                                        [&](int32_t p) { return p <= length; });
        if (plain == PLAIN_LENGTHS.end()) {
            parts.push_back(length);
            break;
        }
        parts.push_back(*plain);
        length -= *plain;
    }
    return parts;
}

// The note type and dot of a written length; no type for a length no symbol shows.
std::pair<const char*, bool> noteType(int32_t length) {
    switch (length) {
        case 480:
            return {"whole", false};
        case 360:
            return {"half", true};
        case 240:
            return {"half", false};
        case 180:
            return {"quarter", true};
        case 120:
            return {"quarter", false};
        case 90:
            return {"eighth", true};
        case 60:
            return {"eighth", false};
        case 45:
            return {"16th", true};
        case 30:
            return {"16th", false};
        case 15:
            return {"32nd", false};
        default:
            return {nullptr, false};
    }
}

const char* beamName(TBeam beam) {
    switch (beam) {
        case TBeam::BEGIN:
            return "begin";
        case TBeam::CONTINUE:
            return "continue";
        case TBeam::END:
            return "end";
        case TBeam::FORWARD_HOOK:
            return "forward hook";
        case TBeam::BACKWARD_HOOK:
            return "backward hook";
        case TBeam::NONE:
            break;
    }
    return "";
}

const char* accidentalName(int alter) {
    switch (alter) {
        case -2:
            return "flat-flat";
        case -1:
            return "flat";
        case 0:
            return "natural";
        case 1:
            return "sharp";
        case 2:
            return "double-sharp";
        default:
            return nullptr;
    }
}

// The alteration the key signature gives a letter (C = 0).
int signatureAlter(int32_t signs, int letter) {
    signs = std::clamp(signs, -7, 7);
    const int count = signs < 0 ? -signs : signs;
    const std::array<int, 7>& order = signs > 0 ? SHARP_LETTERS : FLAT_LETTERS;
    for (int i = 0; i < count; ++i)
        if (order[static_cast<size_t>(i)] == letter)
            return signs > 0 ? 1 : -1;
    return 0;
}

// Roman numeral names of the degrees.
constexpr std::array<const char*, 7> NUMERALS = {"I", "II", "III", "IV", "V", "VI", "VII"};

struct TChordQuality {
    const char* kind = "other";
    bool upper = true;  // major-type chords show an upper-case numeral
    const char* sign = "";
};

TChordQuality qualityOf(const TChord& chord, const TKey& key) {
    int32_t root = 7;
    while (root < 14 && key.degreeOf(root) != chord.degree)
        ++root;
    const int32_t third = key.pitch(root + 2) - key.pitch(root);
    const int32_t fifth = key.pitch(root + 4) - key.pitch(root);
    const int32_t seventh = key.pitch(root + 6) - key.pitch(root);
    const bool major = third == 4 && fifth == 7;
    const bool minor = third == 3 && fifth == 7;
    const bool diminished = third == 3 && fifth == 6;
    const bool augmented = third == 4 && fifth == 8;
    if (chord.toneCount == 4) {
        if (major && seventh == 10)
            return {"dominant", true, ""};
        if (major && seventh == 11)
            return {"major-seventh", true, ""};
        if (minor && seventh == 10)
            return {"minor-seventh", false, ""};
        if (minor && seventh == 11)
            return {"major-minor", false, ""};
        if (diminished && seventh == 9)
            return {"diminished-seventh", false, "\xC2\xB0"};
        if (diminished && seventh == 10)
            return {"half-diminished", false, "\xC3\xB8"};
        if (augmented && seventh == 11)
            return {"augmented-seventh", true, "+"};
        return {};
    }
    if (major)
        return {"major", true, ""};
    if (minor)
        return {"minor", false, ""};
    if (diminished)
        return {"diminished", false, "\xC2\xB0"};
    if (augmented)
        return {"augmented", true, "+"};
    return {};
}

// The figure of the inversion, as the program's chord labels show it.
const char* figureOf(const TChord& chord) {
    static constexpr std::array<const char*, 3> TRIAD = {"", "6", "64"};
    static constexpr std::array<const char*, 4> SEVENTH = {"7", "65", "43", "2"};
    if (chord.toneCount == 4 && chord.bassTone < 4)
        return SEVENTH[chord.bassTone];
    if (chord.toneCount == 3 && chord.bassTone < 3)
        return TRIAD[chord.bassTone];
    return "";
}

std::string lowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Keeps well-formed UTF-8 and drops control characters, so that any document name makes a
// readable title.
std::string cleanText(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        size_t n = c < 0x80           ? 1
                   : (c >> 5) == 0x6  ? 2
                   : (c >> 4) == 0xE  ? 3
                   : (c >> 3) == 0x1E ? 4
                                      : 0;
        bool ok = n != 0 && i + n <= text.size() && !(n == 1 && c < 0x20);
        for (size_t k = 1; ok && k < n; ++k)
            ok = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        if (ok)
            out.append(text.substr(i, n));
        i += ok ? n : 1;
    }
    return out;
}

std::string titleOf(const std::string& name) {
    std::string title = name.substr(name.rfind('/') == std::string::npos ? 0 : name.rfind('/') + 1);
    const size_t dot = title.rfind('.');
    if (dot != std::string::npos && dot > 0)
        title.erase(dot);
    title = cleanText(title);
    return title.empty() ? "Untitled" : title;
}

// Builds the text line by line, two blanks of indentation a level, as MusicXML files are
// usually laid out.
class TXmlText {
  public:
    std::string text;

    void open(std::string_view tag, std::string_view attributes = {}) {
        indent();
        text += '<';
        text += tag;
        text += attributes;
        text += ">\n";
        ++depth_;
    }
    void close(std::string_view tag) {
        --depth_;
        indent();
        text += "</";
        text += tag;
        text += ">\n";
    }
    void leaf(std::string_view tag, std::string_view value, std::string_view attributes = {}) {
        indent();
        text += '<';
        text += tag;
        text += attributes;
        text += '>';
        text += value;
        text += "</";
        text += tag;
        text += ">\n";
    }
    void leaf(std::string_view tag, int64_t value) { leaf(tag, std::to_string(value)); }
    void empty(std::string_view tag, std::string_view attributes = {}) {
        indent();
        text += '<';
        text += tag;
        text += attributes;
        text += "/>\n";
    }

  private:
    void indent() { text.append(static_cast<size_t>(2 * depth_), ' '); }

    int depth_ = 0;
};

// Writes the measures of the score; one object a score.
class TScoreWriter {
  public:
    TScoreWriter(const TPeriodData& period, const TScoreLayout& score, TXmlText& out)
        : period_(period), score_(score), out_(out) {
        length_ = period.measure.measureLength();
        measures_ = measuresOf(score, length_);
        // the longest unit every position and length of the score is a whole number of
        int32_t unit = TICKS_PER_QUARTER;
        auto fold = [&](int32_t ticks) { unit = std::gcd(unit, ticks); };
        fold(length_ > 0 ? length_ : TICKS_PER_QUARTER);
        for (const TMeasureSpan& m : measures_)
            fold(m.start - score.origin), fold(m.end - m.start);
        for (const TSpan& s : score.melody.spans())
            fold(s.start - score.origin), fold(s.length);
        for (const TVoiceLine& line : score.chordVoices)
            for (const TSpan& s : line.spans())
                fold(s.start - score.origin), fold(s.length);
        unit_ = unit;
    }

    void writeMelodyPart() {
        out_.open("part", " id=\"P1\"");
        size_t index = 0;
        size_t mark = 0;
        for (size_t m = 0; m < measures_.size(); ++m) {
            openMeasure(m, false);
            std::map<std::pair<int, int>, int> inForce;
            writeVoice(score_.melody.spans(), index, measures_[m], MELODY_VOICE, inForce,
                       [&](int32_t time) {
                           if (m == 0 && time == measures_[m].start)
                               writeTempo();
                           for (; mark < score_.marks.size() && score_.marks[mark].time <= time;
                                ++mark)
                               writeRehearsal(score_.marks[mark].text);
                       });
            closeMeasure(m);
        }
        out_.close("part");
    }

    void writeHarmonyPart() {
        out_.open("part", " id=\"P2\"");
        std::array<size_t, 4> indices{};
        size_t label = 0;
        for (size_t m = 0; m < measures_.size(); ++m) {
            openMeasure(m, true);
            std::map<std::pair<int, int>, int> upperInForce;
            std::map<std::pair<int, int>, int> lowerInForce;
            for (size_t v = 0; v < 4; ++v) {
                if (v > 0 && measures_[m].end > measures_[m].start) {
                    out_.open("backup");
                    out_.leaf("duration", divisions(measures_[m].end - measures_[m].start));
                    out_.close("backup");
                }
                writeVoice(
                    score_.chordVoices[v].spans(), indices[v], measures_[m], CHORD_VOICES[v],
                    v < 2 ? upperInForce : lowerInForce, [&](int32_t time) {
                        if (v != 0)
                            return;
                        for (; label < score_.labels.size() && score_.labels[label].time <= time;
                             ++label)
                            writeHarmony(score_.labels[label]);
                    });
            }
            closeMeasure(m);
        }
        out_.close("part");
    }

  private:
    int64_t divisions(int32_t ticks) const { return ticks / unit_; }

    void openMeasure(size_t m, bool grandStaff) {
        const TMeasureSpan& measure = measures_[m];
        out_.open("measure", " number=\"" + std::to_string(measure.number) + "\"" +
                                 (measure.implicit ? " implicit=\"yes\"" : ""));
        if (m == 0)
            writeAttributes(grandStaff);
    }

    void closeMeasure(size_t m) {
        if (m + 1 == measures_.size()) {
            out_.open("barline", " location=\"right\"");
            out_.leaf("bar-style", "light-heavy");
            out_.close("barline");
        }
        out_.close("measure");
    }

    void writeAttributes(bool grandStaff) {
        out_.open("attributes");
        out_.leaf("divisions", TICKS_PER_QUARTER / unit_);
        out_.open("key");
        out_.leaf("fifths", std::clamp(period_.key.signs(), -7, 7));
        out_.leaf("mode", period_.key.isMinor() ? "minor" : "major");
        out_.close("key");
        writeTime();
        if (grandStaff) {
            out_.leaf("staves", 2);
            writeClef(" number=\"1\"", "G", 2);
            writeClef(" number=\"2\"", "F", 4);
        } else {
            writeClef("", "G", 2);
        }
        out_.close("attributes");
    }

    void writeClef(std::string_view attributes, const char* sign, int line) {
        out_.open("clef", attributes);
        out_.leaf("sign", sign);
        out_.leaf("line", line);
        out_.close("clef");
    }

    void writeTime() {
        const int32_t beats = period_.measure.beatsPerMeasure();
        const int32_t beatValue = period_.measure.beatValue();
        int32_t top = 0;
        int32_t bottom = 0;
        if (beats > 0 && beatValue > 0 && 480 % beatValue == 0 &&
            std::has_single_bit(static_cast<uint32_t>(480 / beatValue))) {
            top = beats;
            bottom = 480 / beatValue;
        } else if (length_ > 0 && length_ % 30 == 0) {
            top = length_ / 30;
            bottom = 16;
        } else if (length_ > 0 && length_ % 15 == 0) {
            top = length_ / 15;
            bottom = 32;
        }
        if (top == 0) {
            out_.open("time");
            out_.empty("senza-misura");
            out_.close("time");
            return;
        }
        out_.open("time");
        out_.leaf("beats", top);
        out_.leaf("beat-type", bottom);
        out_.close("time");
    }

    // One quarter lasts 8 x (200 - tempo) ms: 7500 / (200 - tempo) quarters a minute.
    void writeTempo() {
        const int64_t d = 200 - int64_t{period_.tempo()};
        if (d <= 0)
            return;
        const int64_t hundredths = (2 * 750000 + d) / (2 * d);
        std::string tempo = std::to_string(hundredths / 100);
        if (hundredths % 100 != 0) {
            tempo += '.' + std::to_string(hundredths % 100 / 10);
            if (hundredths % 10 != 0)
                tempo += std::to_string(hundredths % 10);
        }
        out_.open("direction", " placement=\"above\"");
        out_.open("direction-type");
        out_.open("metronome", " parentheses=\"no\"");
        out_.leaf("beat-unit", "quarter");
        out_.leaf("per-minute", quartersPerMinute(period_.tempo()));
        out_.close("metronome");
        out_.close("direction-type");
        out_.empty("sound", " tempo=\"" + tempo + "\"");
        out_.close("direction");
    }

    void writeRehearsal(const std::string& text) {
        out_.open("direction", " placement=\"above\"");
        out_.open("direction-type");
        out_.leaf("rehearsal", escapeXmlAttribute(text));
        out_.close("direction-type");
        out_.close("direction");
    }

    // The degree and the inversion travel as a Roman numeral in the key of the score; a minor
    // key's numerals are read in harmonic minor, as the chords are built.
    void writeHarmony(const TLabel& label) {
        const TChord& chord = *label.chord;
        if (chord.degree < 1 || chord.degree > 7)
            return;
        const TChordQuality quality = qualityOf(chord, *label.key);
        std::string numeral = NUMERALS[chord.degree - 1u];
        if (!quality.upper)
            numeral = lowerCase(numeral);
        numeral += quality.sign;
        if (chord.type == TChordType::K_SIXTH_FOURTH_CHORD)
            numeral = "K";
        out_.open("harmony", " placement=\"below\"");
        out_.open("numeral");
        out_.leaf("numeral-root", std::to_string(chord.degree), " text=\"" + numeral + "\"");
        out_.open("numeral-key");
        out_.leaf("numeral-fifths", std::clamp(label.key->signs(), -7, 7));
        out_.leaf("numeral-mode", label.key->isMinor() ? "harmonic minor" : "major");
        out_.close("numeral-key");
        out_.close("numeral");
        out_.leaf("kind", quality.kind, std::string(" text=\"") + figureOf(chord) + "\"");
        out_.leaf("inversion", chord.bassTone);
        out_.leaf("staff", 2);
        out_.close("harmony");
    }

    // One written note or rest of a voice in a measure, waiting for its beams.
    struct TPendingNote {
        int32_t start = 0;
        int32_t length = 0;
        std::optional<TPitchSpelling> pitch;
        bool wholeMeasure = false;
        bool tiedIn = false;
        bool tiedOut = false;
        const char* accidental = nullptr;
    };

    // The pieces of one voice that lie in the measure: stretches cut at the bar lines and into
    // written lengths, tied where a note goes on, beamed by the meter's beats. `before` is told
    // the start of each piece.
    template <typename Before>
    void writeVoice(const std::vector<TSpan>& spans, size_t& index, const TMeasureSpan& measure,
                    const TVoiceSpec& voice, std::map<std::pair<int, int>, int>& inForce,
                    Before before) {
        while (index < spans.size() && spans[index].end() <= measure.start)
            ++index;
        std::vector<TPendingNote> notes;
        for (size_t i = index; i < spans.size() && spans[i].start < measure.end; ++i) {
            const TSpan& span = spans[i];
            const int32_t start = std::max(span.start, measure.start);
            const int32_t end = std::min(span.end(), measure.end);
            if (span.isRest() && start == measure.start && end == measure.end &&
                end - start == length_ && !measure.implicit) {
                notes.push_back({start, end - start, std::nullopt, true, false, false, nullptr});
                continue;
            }
            const std::vector<int32_t> parts = writtenParts(end - start, span.isRest());
            std::optional<TPitchSpelling> spelling;
            const char* accidental = nullptr;
            if (!span.isRest()) {
                spelling = spellPitch(span.pitch, *span.key);
                const auto place = std::make_pair(spelling->letter, spelling->octave);
                const auto found = inForce.find(place);
                const int current = found != inForce.end()
                                        ? found->second
                                        : signatureAlter(period_.key.signs(), spelling->letter);
                // a note tied over the bar line keeps the accidental it started with
                if (span.start == start && current != spelling->alter) {
                    accidental = accidentalName(spelling->alter);
                    inForce[place] = spelling->alter;
                }
            }
            int32_t at = start;
            for (size_t p = 0; p < parts.size(); ++p) {
                const bool tiedIn = !span.isRest() && (p > 0 || span.start < start);
                const bool tiedOut = !span.isRest() && (p + 1 < parts.size() || span.end() > end);
                notes.push_back({at, parts[p], spelling, false, tiedIn, tiedOut,
                                 p == 0 ? accidental : nullptr});
                at += parts[p];
            }
        }
        // beams count from where a whole measure would start: a pickup is its measure's end
        const int32_t origin = measure.implicit ? measure.end - length_ : measure.start;
        std::vector<TWrittenNote> written;
        for (const TPendingNote& n : notes)
            written.push_back({n.start - origin, n.length, !n.pitch || n.wholeMeasure});
        const std::vector<TNoteBeams> beams = beamNotes(period_.measure, written);
        for (size_t i = 0; i < notes.size(); ++i) {
            const TPendingNote& n = notes[i];
            before(n.start);
            writeNote(n.pitch ? &*n.pitch : nullptr, n.length, n.wholeMeasure, n.tiedIn, n.tiedOut,
                      voice, n.accidental, beams[i]);
        }
    }

    void writeNote(const TPitchSpelling* pitch, int32_t length, bool wholeMeasure, bool tiedIn,
                   bool tiedOut, const TVoiceSpec& voice, const char* accidental,
                   const TNoteBeams& beams) {
        out_.open("note");
        if (pitch) {
            out_.open("pitch");
            out_.leaf("step", std::string(1, STEP_LETTERS[pitch->letter]));
            if (pitch->alter != 0)
                out_.leaf("alter", pitch->alter);
            out_.leaf("octave", pitch->octave);
            out_.close("pitch");
        } else {
            out_.empty("rest", wholeMeasure ? " measure=\"yes\"" : "");
        }
        out_.leaf("duration", divisions(length));
        if (tiedIn)
            out_.empty("tie", " type=\"stop\"");
        if (tiedOut)
            out_.empty("tie", " type=\"start\"");
        out_.leaf("voice", voice.voice);
        const auto [type, dotted] = noteType(length);
        if (type && !wholeMeasure) {
            out_.leaf("type", type);
            if (dotted)
                out_.empty("dot");
        }
        if (accidental)
            out_.leaf("accidental", accidental);
        if (pitch && voice.stem)
            out_.leaf("stem", voice.stem);
        if (voice.staff != 0)
            out_.leaf("staff", voice.staff);
        int number = 1;
        for (const TBeam beam : {beams.primary, beams.secondary}) {
            if (beam != TBeam::NONE)
                out_.leaf("beam", beamName(beam), " number=\"" + std::to_string(number) + "\"");
            ++number;
        }
        if (tiedIn || tiedOut) {
            out_.open("notations");
            if (tiedIn)
                out_.empty("tied", " type=\"stop\"");
            if (tiedOut)
                out_.empty("tied", " type=\"start\"");
            out_.close("notations");
        }
        out_.close("note");
    }

    const TPeriodData& period_;
    const TScoreLayout& score_;
    TXmlText& out_;
    int32_t length_ = 0;
    int32_t unit_ = 1;
    std::vector<TMeasureSpan> measures_;
};

}  // namespace

std::string musicXmlText(const TPeriodData& period) {
    const TScoreLayout score = layoutScore(period);
    TXmlText out;
    out.text.reserve(4096 + 1024 * period.motiveCount());
    out.text +=
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
        "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
        "\"http://www.musicxml.org/dtds/partwise.dtd\">\n";
    out.open("score-partwise", " version=\"4.0\"");
    out.open("work");
    out.leaf("work-title", escapeXmlAttribute(titleOf(period.name())));
    out.close("work");
    out.open("identification");
    out.open("encoding");
    out.leaf("software", "Motivica");
    out.close("encoding");
    out.close("identification");
    out.open("part-list");
    out.open("score-part", " id=\"P1\"");
    out.leaf("part-name", "Melody");
    out.close("score-part");
    out.open("score-part", " id=\"P2\"");
    out.leaf("part-name", "Harmony");
    out.close("score-part");
    out.close("part-list");
    TScoreWriter writer(period, score, out);
    writer.writeMelodyPart();
    writer.writeHarmonyPart();
    out.close("score-partwise");
    return out.text;
}

TFileResult writeMusicXmlFile(const TPeriodData& period, const std::string& path) {
    return writeTextFileAtomically(path, musicXmlText(period));
}
