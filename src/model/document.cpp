#include "model/document.h"

#include <array>
#include <ostream>
#include <sstream>

#include "model/conversion_error.h"
#include "model/duration.h"

namespace {

constexpr std::array<const char*, 11> SUFFIX_NAMES = {"A",  "B",  "C",  "D",  "E", "A1",
                                                      "B1", "C1", "D1", "E1", "A2"};
constexpr COLORED_BOX_SUFFIX FIRST_LETTER = 5;

// Limits beyond which the rest of the program could not give a document a meaning: a key has
// at most seven signs, a measure is a few beats of a non-negative length, and the playback
// timer ticks every 200 - tempo milliseconds. Files the program writes stay well inside them.
constexpr int32_t MAX_SIGNS = 7;
constexpr int32_t MAX_BEATS_PER_MEASURE = 64;
constexpr int32_t MIN_DOCUMENT_TEMPO = 1;
constexpr int32_t MAX_DOCUMENT_TEMPO = 199;
// Times and pitches far beyond anything a motive can hold: a measure is at most 64 beats of
// 32767 ticks (about 2^21), and a pitch lies in 0..41. Inside these limits every sum, difference
// and product the editors, generators and the player form stays within 32 bits; a document
// beyond them cannot be shown or played and is refused like one with a value that is no number.
constexpr int32_t MAX_DOCUMENT_TIME = 1 << 24;
constexpr int32_t MAX_DOCUMENT_PITCH = 1 << 16;

void indent(std::ostream& out, int depth) {
    for (int i = 0; i < depth; ++i)
        out << "    ";
}

int32_t integerWithin(const std::string& text, int32_t lo, int32_t hi) {
    const int32_t v = parseInteger(text);
    if (v < lo || v > hi)
        throw TConversionError(text);
    return v;
}

int32_t pitchValue(const std::string& text) {
    return integerWithin(text, -MAX_DOCUMENT_PITCH, MAX_DOCUMENT_PITCH);
}

}  // namespace

std::string suffixName(COLORED_BOX_SUFFIX letter) {
    if (letter < FIRST_LETTER || letter >= FIRST_LETTER + SUFFIX_NAMES.size())
        return {};
    return SUFFIX_NAMES[letter - FIRST_LETTER];
}

COLORED_BOX_SUFFIX suffixCode(const std::string& text) {
    for (size_t i = 0; i < SUFFIX_NAMES.size(); ++i)
        if (text == SUFFIX_NAMES[i])
            return static_cast<COLORED_BOX_SUFFIX>(FIRST_LETTER + i);
    return FIRST_LETTER;
}

void writeXml(std::ostream& out, const TNote& note, int depth) {
    indent(out, depth);
    out << "<" << NOTE_ELEMENT << " TIME=\"" << note.time << "\" PITCH=\"" << note.pitch
        << "\" DURATION=\"" << durationName(note.duration) << "\" SIGN=\""
        << (note.sharp ? "SHARP" : "NONE") << "\" CHORDING_NOTE=\""
        << (note.chording ? "YES" : "NO") << "\"/>\n";
}

void writeXml(std::ostream& out, const TChord& chord, int depth) {
    indent(out, depth);
    out << "<" << CHORD_ELEMENT << " CHORD_TYPE=\"" << chordTypeName(chord.type) << "\" TIME=\""
        << chord.time << "\" BASS=\"" << chord.bass << "\" TENOR=\"" << chord.tenor << "\" ALT=\""
        << chord.alt << "\" SOPRANO=\"" << chord.soprano << "\"/>\n";
}

void writeXml(std::ostream& out, const TMotive& motive, int depth) {
    indent(out, depth);
    out << "<" << MOTIVE_ELEMENT << ">\n";
    indent(out, depth + 1);
    out << "<" << CHORDS_ELEMENT << ">\n";
    for (const TChord& chord : motive.chords)
        writeXml(out, chord, depth + 2);
    indent(out, depth + 1);
    out << "</" << CHORDS_ELEMENT << ">\n";
    indent(out, depth + 1);
    out << "<" << NOTES_ELEMENT << ">\n";
    for (const TNote& note : motive.notes)
        writeXml(out, note, depth + 2);
    indent(out, depth + 1);
    out << "</" << NOTES_ELEMENT << ">\n";
    indent(out, depth);
    out << "</" << MOTIVE_ELEMENT << ">\n";
}

void writeXml(std::ostream& out, const TPhraseData& phrase, int depth) {
    indent(out, depth);
    out << "<" << PHRASE_ELEMENT << " SUFFIX=\"" << suffixName(phrase.letter) << "\">\n";
    for (const TMotive& motive : phrase.motives)
        writeXml(out, motive, depth + 1);
    indent(out, depth);
    out << "</" << PHRASE_ELEMENT << ">\n";
}

void writeXml(std::ostream& out, const TSentenceData& sentence, int depth) {
    indent(out, depth);
    out << "<" << SENTENCE_ELEMENT << ">\n";
    for (const TPhraseData& phrase : sentence.phrases)
        writeXml(out, phrase, depth + 1);
    indent(out, depth);
    out << "</" << SENTENCE_ELEMENT << ">\n";
}

void writeXml(std::ostream& out, const TPeriodData& period, int depth) {
    indent(out, depth);
    out << "<" << PERIOD_ELEMENT << ">\n";
    indent(out, depth + 1);
    out << "<" << MEASURE_ELEMENT << " BEATS_PER_MEASURE=\"" << period.measure.beatsPerMeasure()
        << "\" BEAT_VALUE=\"" << durationName(period.measure.beatValue()) << "\"/>\n";
    indent(out, depth + 1);
    out << "<" << KEY_ELEMENT << " LAD=\"" << (period.key.isMinor() ? "MINOR" : "MAJOR")
        << "\" SIGN=\"" << period.key.signs() << "\"/>\n";
    indent(out, depth + 1);
    out << "<" << TEMPO_ELEMENT << " VALUE=\"" << period.tempo() << "\"/>\n";
    indent(out, depth + 1);
    out << "<" << MOTIVE_TYPE_ELEMENT << " VALUE=\"" << durationName(period.anacrusis) << "\"/>\n";
    for (const TSentenceData& sentence : period.sentences)
        writeXml(out, sentence, depth + 1);
    indent(out, depth);
    out << "</" << PERIOD_ELEMENT << ">";  // the document ends without a line break
}

std::string documentText(const TPeriodData& period) {
    std::ostringstream out;
    writeXml(out, period, 0);
    return out.str();
}

void readXml(TNote& note, const TXmlElement& element) {
    for (const TXmlAttribute& a : element.attributes()) {
        if (a.name == "TIME")
            note.time = integerWithin(a.value, -MAX_DOCUMENT_TIME, MAX_DOCUMENT_TIME);
        else if (a.name == "PITCH")
            note.pitch = pitchValue(a.value);
        else if (a.name == "DURATION")
            note.duration = parseDuration(a.value);
        else if (a.name == "SIGN")
            note.sharp = a.value == "SHARP";
        else if (a.name == "CHORDING_NOTE")
            note.chording = a.value == "YES";
    }
    note.playing = false;
}

void readXml(TChord& chord, const TXmlElement& element) {
    for (const TXmlAttribute& a : element.attributes()) {
        // the type replaces the whole chord, so whatever came before it is lost
        if (a.name == "CHORD_TYPE")
            chord = chordFromTypeName(a.value);
        else if (a.name == "TIME")
            chord.time = integerWithin(a.value, -MAX_DOCUMENT_TIME, MAX_DOCUMENT_TIME);
        else if (a.name == "BASS")
            chord.bass = pitchValue(a.value);
        else if (a.name == "TENOR")
            chord.tenor = pitchValue(a.value);
        else if (a.name == "ALT")
            chord.alt = pitchValue(a.value);
        else if (a.name == "SOPRANO")
            chord.soprano = pitchValue(a.value);
    }
}

namespace {

TChordList readChords(const TXmlElement& element) {
    TChordList chords;
    for (const TXmlElement& child : element.children()) {
        if (child.name() != CHORD_ELEMENT)
            continue;
        chords.emplace_back();
        readXml(chords.back(), child);
    }
    return chords;
}

TNoteList readNotes(const TXmlElement& element) {
    TNoteList notes;
    for (const TXmlElement& child : element.children()) {
        if (child.name() != NOTE_ELEMENT)
            continue;
        notes.emplace_back();
        readXml(notes.back(), child);
    }
    return notes;
}

void readMeasure(TMeasure& measure, const TXmlElement& element) {
    for (const TXmlAttribute& a : element.attributes()) {
        if (a.name == "BEATS_PER_MEASURE") {
            measure.setBeatsPerMeasure(integerWithin(a.value, 0, MAX_BEATS_PER_MEASURE));
        } else if (a.name == "BEAT_VALUE") {
            const DURATION beat = parseDuration(a.value);
            if (beat < 0)
                throw TConversionError(a.value);
            measure.setBeatValue(beat);
        }
    }
}

void readKey(TKey& key, const TXmlElement& element) {
    for (const TXmlAttribute& a : element.attributes()) {
        if (a.name == "SIGN") {
            key.setSigns(integerWithin(a.value, -MAX_SIGNS, MAX_SIGNS));
        } else if (a.name == "LAD") {
            if (a.value == "MAJOR")
                key.setMode(MAJOR);
            else if (a.value == "MINOR")
                key.setMode(MINOR);
        }
    }
}

}  // namespace

void readXml(TMotive& motive, const TXmlElement& element) {
    // the lists are replaced directly: readers do not notify the motive's listener
    for (const TXmlElement& child : element.children()) {
        const std::string name = child.name();
        if (name == CHORDS_ELEMENT)
            motive.chords = readChords(child);
        else if (name == NOTES_ELEMENT)
            motive.notes = readNotes(child);
    }
}

void readXml(TPhraseData& phrase, const TXmlElement& element, const TKey& key,
             const TMeasure& measure, DURATION anacrusis) {
    phrase.motives.clear();
    phrase.motiveCount = 0;
    phrase.letter = suffixCode(element.attribute("SUFFIX").value_or(std::string()));
    for (const TXmlElement& child : element.children()) {
        if (child.name() != MOTIVE_ELEMENT)
            continue;
        ++phrase.motiveCount;
        phrase.motives.emplace_back(key, measure, anacrusis);
        readXml(phrase.motives.back(), child);
    }
}

void readXml(TSentenceData& sentence, const TXmlElement& element, const TKey& key,
             const TMeasure& measure, DURATION anacrusis) {
    sentence.phrases.clear();
    for (const TXmlElement& child : element.children()) {
        if (child.name() != PHRASE_ELEMENT)
            continue;
        sentence.phrases.emplace_back();
        readXml(sentence.phrases.back(), child, key, measure, anacrusis);
    }
}

void readXml(TPeriodData& period, const TXmlElement& element) {
    period.clearSentences();
    for (const TXmlElement& child : element.children()) {
        const std::string name = child.name();
        if (name == MEASURE_ELEMENT) {
            readMeasure(period.measure, child);
        } else if (name == KEY_ELEMENT) {
            readKey(period.key, child);
        } else if (name == MOTIVE_TYPE_ELEMENT) {
            if (auto v = child.attribute("VALUE"))
                period.anacrusis = parseDuration(*v);
        } else if (name == TEMPO_ELEMENT) {
            if (auto v = child.attribute("VALUE")) {
                const int32_t tempo = integerWithin(*v, MIN_DOCUMENT_TEMPO, MAX_DOCUMENT_TEMPO);
                // reading is not a tempo change the window should hear of
                TPeriodDataListener* listener = period.listener();
                period.setListener(nullptr);
                period.setTempo(tempo);
                period.setListener(listener);
            }
        } else if (name == SENTENCE_ELEMENT) {
            // the sentence takes key, meter and anacrusis as they stand at this point
            period.sentences.emplace_back();
            readXml(period.sentences.back(), child, period.key, period.measure, period.anacrusis);
        }
    }
}

TFileResult writeDocument(const TPeriodData& period, const std::string& path) {
    return writeTextFileAtomically(path, documentText(period));
}

namespace {

// The root of a loaded document into the period; "open error" when a value does not convert.
TFileResult readLoaded(TPeriodData& period, const TXmlDocument& document, const std::string& path) {
    try {
        readXml(period, document.documentElement());
    } catch (const TConversionError& e) {
        return TFileResult::openError(path, e.what());
    }
    return TFileResult::success();
}

}  // namespace

TFileResult readDocument(TPeriodData& period, const std::string& path, TXmlDocument& document) {
    TFileResult loaded = document.load(path);
    return loaded ? readLoaded(period, document, path) : loaded;
}

TFileResult readDocument(TPeriodData& period, const std::string& path) {
    TXmlDocument document;
    return readDocument(period, path, document);
}

TFileResult readDocumentText(TPeriodData& period, std::string_view text, const std::string& path) {
    TXmlDocument document;
    TFileResult loaded = document.loadText(text, path);
    return loaded ? readLoaded(period, document, path) : loaded;
}
