// Exported MIDI files read back by two independent readers, midicsv and Python's mido, and
// compared with what the document says should sound.

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <compare>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "playback/instrument_conf.h"
#include "playback_documents.h"
#include "support/scratch_folder.h"

namespace {

// ---------------------------------------------------------------------------------------------
// Documents, described by value so that the expected sound can be derived from the same values

struct TSpecNote {
    int time;
    int pitch;
    int duration;  // negative: a rest
};

struct TSpecChord {
    int bass;
    int tenor;
    int alt;
    int soprano;
    bool operator==(const TSpecChord&) const = default;
};

struct TSpecMotive {
    std::vector<TSpecChord> chords;
    std::vector<TSpecNote> notes;
};

// One sentence of one phrase; each sentence states its own anacrusis before it, as a
// hand-edited document may, so that motives of different anacrusis meet.
struct TSpecSentence {
    int anacrusis = 0;
    std::vector<TSpecMotive> motives;
};

struct TSpecPeriod {
    int beats = 2;
    int beatValue = 120;
    int signs = 0;
    bool minor = false;
    int tempo = 100;
    std::vector<TSpecSentence> sentences;
};

std::string tnrText(const TSpecPeriod& period) {
    const int length = period.beats * period.beatValue;
    std::ostringstream out;
    out << "<PERIOD>\n"
        << "    <MEASURE BEATS_PER_MEASURE=\"" << period.beats << "\" BEAT_VALUE=\""
        << period.beatValue << "\"/>\n"
        << "    <KEY LAD=\"" << (period.minor ? "MINOR" : "MAJOR") << "\" SIGN=\"" << period.signs
        << "\"/>\n"
        << "    <TEMP VALUE=\"" << period.tempo << "\"/>\n";
    for (const TSpecSentence& sentence : period.sentences) {
        out << "    <MOTIVE_TYPE VALUE=\"" << sentence.anacrusis << "\"/>\n"
            << "    <SENTENCE>\n"
            << "        <PHRASE SUFFIX=\"A\">\n";
        for (const TSpecMotive& motive : sentence.motives) {
            out << "            <MOTIVE>\n                <CHORDS>\n";
            for (size_t i = 0; i < motive.chords.size(); ++i) {
                const TSpecChord& c = motive.chords[i];
                out << "                    <CHORD CHORD_TYPE=\"TONIC_THREE_CHORD\" TIME=\""
                    << static_cast<int>(i) * length << "\" BASS=\"" << c.bass << "\" TENOR=\""
                    << c.tenor << "\" ALT=\"" << c.alt << "\" SOPRANO=\"" << c.soprano << "\"/>\n";
            }
            out << "                </CHORDS>\n                <NOTES>\n";
            for (const TSpecNote& n : motive.notes)
                out << "                    <NOTE TIME=\"" << n.time << "\" PITCH=\"" << n.pitch
                    << "\" DURATION=\"" << n.duration
                    << "\" SIGN=\"NONE\" CHORDING_NOTE=\"YES\"/>\n";
            out << "                </NOTES>\n            </MOTIVE>\n";
        }
        out << "        </PHRASE>\n    </SENTENCE>\n";
    }
    out << "</PERIOD>";
    return out.str();
}

// ---------------------------------------------------------------------------------------------
// What the document should sound like, worked out from music theory and the scheduling rules

constexpr int MELODY = 0;
constexpr int CHORDS = 1;
constexpr int BASS = 2;

// MIDI key of a diatonic position: position 0 is the D of MIDI octave 1 (key 26), positions
// step through the letters, the signature alters its letters and a minor key raises its
// leading tone.
int midiKey(const TSpecPeriod& period, int position) {
    static const int NATURAL[7] = {0, 2, 4, 5, 7, 9, 11};  // C D E F G A B
    static const int SHARP_ORDER[7] = {3, 0, 4, 1, 5, 2, 6};
    static const int FLAT_ORDER[7] = {6, 2, 5, 1, 4, 0, 3};
    const int letter = (position + 1) % 7;
    int key = 24 + 12 * ((position + 1) / 7) + NATURAL[letter];
    const int count = std::abs(period.signs);
    for (int i = 0; i < count; ++i) {
        if (period.signs > 0 && SHARP_ORDER[i] == letter)
            ++key;
        if (period.signs < 0 && FLAT_ORDER[i] == letter)
            --key;
    }
    if (period.minor) {
        const int majorTonic = period.signs > 0 ? (4 * period.signs) % 7 : (3 * count) % 7;
        // the relative minor's tonic lies two letters below, its leading tone one more
        if (letter == (majorTonic + 4) % 7)
            ++key;
    }
    return key;
}

struct TSounding {
    int channel;
    int key;
    long on;
    long off;
    int velocity;
    auto operator<=>(const TSounding&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TSounding& s) {
    return out << "{ch " << s.channel << " key " << s.key << " " << s.on << ".." << s.off << " vel "
               << s.velocity << "}";
}

struct THeldChord {
    TSpecChord chord;
    long on;
};

std::vector<TSounding> expectedSoundings(const TSpecPeriod& period) {
    const long length = period.beats * period.beatValue;
    std::vector<TSounding> out;
    auto release = [&](const THeldChord& held, long off) {
        for (int voice : {held.chord.soprano, held.chord.alt, held.chord.tenor})
            out.push_back({CHORDS, midiKey(period, voice), held.on, off, 90});
        out.push_back({BASS, midiKey(period, held.chord.bass), held.on, off, 110});
    };
    long nextStart = 0;
    bool first = true;
    int previousAnacrusis = 0;
    // the chord that sounds past the end of the motive before
    std::optional<THeldChord> carried;
    for (const TSpecSentence& sentence : period.sentences) {
        const int anacrusis = sentence.anacrusis;
        for (const TSpecMotive& motive : sentence.motives) {
            const long start = nextStart;
            const long floor = start / length * length;
            // one chord a measure sounds: one, or two with an anacrusis
            const size_t played = std::min(motive.chords.size(), size_t(anacrusis ? 2 : 1));
            long base = floor;
            std::optional<THeldChord> firstChord;
            long firstChordEnd = 0;
            if (first || previousAnacrusis != anacrusis) {
                if (!first) {
                    // the new motive waits for the next bar line, the old chord sounds until it
                    base = start % length == 0 ? start : floor + length;
                    if (carried)
                        release(*carried, base);
                }
                if (played > 0) {
                    firstChord = THeldChord{motive.chords[0], base};
                    firstChordEnd = base + length;
                }
            } else if (played == 0) {
                if (carried)
                    release(*carried, start);
            } else {
                // with an anacrusis the same chord across the junction is held, not re-struck
                if (carried && anacrusis != 0 && carried->chord == motive.chords[0]) {
                    firstChord = carried;
                } else {
                    if (carried)
                        release(*carried, start);
                    firstChord = THeldChord{motive.chords[0], start};
                }
                firstChordEnd = floor + length;
            }
            const long end = base + (anacrusis == 0 ? length : 2 * length - anacrusis);
            carried.reset();
            if (firstChord) {
                if (anacrusis != 0)
                    release(*firstChord, firstChordEnd);
                else
                    carried = firstChord;
            }
            if (anacrusis != 0 && played == 2)
                carried = THeldChord{motive.chords[1], base + length};
            for (const TSpecNote& note : motive.notes) {
                if (note.duration <= 0)
                    continue;
                const long on = base + note.time;
                out.push_back({MELODY, midiKey(period, note.pitch), on, on + note.duration,
                               on % length == 0 ? 110 : 105});
            }
            nextStart = end;
            previousAnacrusis = anacrusis;
            first = false;
        }
    }
    if (carried)
        release(*carried, nextStart);
    std::sort(out.begin(), out.end());
    return out;
}

struct TPrograms {
    int melody;
    int chord;
    int bass;
};

// The programs of a set nobody changed.
constexpr TPrograms DEFAULT_PROGRAMS = {1, 89, 32};

// ---------------------------------------------------------------------------------------------
// The two readers, both brought to one event form

struct TEvent {
    int track;
    long time;
    std::string kind;
    std::vector<long> values;
    bool operator==(const TEvent&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TEvent& e) {
    out << "[track " << e.track << " @" << e.time << " " << e.kind;
    for (long v : e.values)
        out << " " << v;
    return out << "]";
}

struct TReadFile {
    std::string tool;
    long format = -1;
    long trackCount = -1;
    long division = -1;
    std::vector<TEvent> events;
    std::vector<std::string> problems;
};

struct TCommandResult {
    bool exitedCleanly = false;
    std::string out;
    std::string err;
};

std::string shellWord(const std::string& text) {
    EXPECT_EQ(text.find('\''), std::string::npos) << text;
    return "'" + text + "'";
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs a shell command with its error output in `errorFile`. A reader gone wrong on a bad file
// can print without end, so only the first megabytes are kept.
TCommandResult runCommand(const std::string& command, const std::string& errorFile) {
    constexpr size_t LIMIT = 8 << 20;
    TCommandResult result;
    FILE* pipe = popen((command + " 2>" + shellWord(errorFile)).c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    size_t n = 0;
    while (result.out.size() < LIMIT && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        result.out.append(buffer, n);
    const int status = pclose(pipe);
    result.exitedCleanly = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    result.err = fileText(errorFile);
    return result;
}

std::vector<std::string> csvFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, ',')) {
        const size_t first = field.find_first_not_of(" \r");
        const size_t last = field.find_last_not_of(" \r");
        fields.push_back(first == std::string::npos ? "" : field.substr(first, last - first + 1));
    }
    return fields;
}

std::optional<long> number(const std::string& text) {
    try {
        size_t used = 0;
        const long value = std::stol(text, &used);
        if (used == text.size())
            return value;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

TReadFile parseMidicsv(const std::string& text) {
    TReadFile file;
    file.tool = "midicsv";
    bool endOfFile = false;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        const std::vector<std::string> f = csvFields(line);
        if (f.size() < 3 || !number(f[0]) || !number(f[1])) {
            file.problems.push_back("unreadable line: " + line);
            continue;
        }
        std::vector<long> values;
        for (size_t i = 3; i < f.size(); ++i) {
            if (f[2] == "Key_signature" && i == 4) {
                values.push_back(f[i] == "\"minor\"" ? 1 : 0);
                continue;
            }
            const std::optional<long> v = number(f[i]);
            if (!v)
                file.problems.push_back("unreadable field: " + line);
            values.push_back(v.value_or(-1));
        }
        // midicsv counts the header as track 0 and the file's tracks from 1
        const int track = static_cast<int>(*number(f[0])) - 1;
        const long time = *number(f[1]);
        const std::string& type = f[2];
        if (type == "Header" && values.size() == 3) {
            file.format = values[0];
            file.trackCount = values[1];
            file.division = values[2];
        } else if (type == "Start_track") {
        } else if (type == "End_of_file") {
            endOfFile = true;
        } else if (type == "End_track") {
            file.events.push_back({track, time, "end_of_track", {}});
        } else if (type == "Time_signature" && values.size() == 4) {
            // the denominator is written as a power of two
            const long denominator = values[1] >= 0 && values[1] < 16 ? 1L << values[1] : -1;
            file.events.push_back(
                {track, time, "time_signature", {values[0], denominator, values[2], values[3]}});
        } else if (type == "Key_signature") {
            file.events.push_back({track, time, "key_signature", values});
        } else if (type == "Tempo") {
            file.events.push_back({track, time, "tempo", values});
        } else if (type == "Program_c") {
            file.events.push_back({track, time, "program", values});
        } else if (type == "Note_on_c") {
            file.events.push_back({track, time, "note_on", values});
        } else if (type == "Note_off_c") {
            file.events.push_back({track, time, "note_off", values});
        } else {
            file.events.push_back({track, time, type, values});
        }
    }
    if (!endOfFile)
        file.problems.push_back("no End_of_file record");
    return file;
}

// Prints the file as mido reads it: a header line, then one line per message with its track,
// its absolute tick and its fields. mido raises on malformed data.
constexpr const char* MIDO_SCRIPT = R"(import sys
import mido
f = mido.MidiFile(sys.argv[1])
print('header', f.type, len(f.tracks), f.ticks_per_beat)
for i, track in enumerate(f.tracks):
    t = 0
    for m in track:
        t += m.time
        if m.type in ('note_on', 'note_off'):
            fields = [m.channel, m.note, m.velocity]
        elif m.type == 'program_change':
            fields = [m.channel, m.program]
        elif m.type == 'set_tempo':
            fields = [m.tempo]
        elif m.type == 'time_signature':
            fields = [m.numerator, m.denominator, m.clocks_per_click,
                      m.notated_32nd_notes_per_beat]
        elif m.type == 'key_signature':
            fields = [m.key]
        else:
            fields = []
        print(i, t, m.type, *fields)
)";

// mido names a key signature; the sharps (positive) or flats and the mode it stands for.
std::optional<std::pair<long, long>> keyOfName(const std::string& name) {
    static const char* MAJOR_NAMES[15] = {"Cb", "Gb", "Db", "Ab", "Eb", "Bb", "F", "C",
                                          "G",  "D",  "A",  "E",  "B",  "F#", "C#"};
    static const char* MINOR_NAMES[15] = {"Abm", "Ebm", "Bbm", "Fm",  "Cm",  "Gm",  "Dm", "Am",
                                          "Em",  "Bm",  "F#m", "C#m", "G#m", "D#m", "A#m"};
    for (long i = 0; i < 15; ++i) {
        if (name == MAJOR_NAMES[i])
            return std::pair<long, long>(i - 7, 0);
        if (name == MINOR_NAMES[i])
            return std::pair<long, long>(i - 7, 1);
    }
    return std::nullopt;
}

TReadFile parseMido(const std::string& text) {
    TReadFile file;
    file.tool = "mido";
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;)
            w.push_back(word);
        if (w.size() == 4 && w[0] == "header" && number(w[1]) && number(w[2]) && number(w[3])) {
            file.format = *number(w[1]);
            file.trackCount = *number(w[2]);
            file.division = *number(w[3]);
            continue;
        }
        if (w.size() < 3 || !number(w[0]) || !number(w[1])) {
            file.problems.push_back("unreadable line: " + line);
            continue;
        }
        TEvent event{static_cast<int>(*number(w[0])), *number(w[1]), w[2], {}};
        if (event.kind == "key_signature") {
            const auto key = w.size() == 4 ? keyOfName(w[3]) : std::nullopt;
            if (!key)
                file.problems.push_back("unknown key: " + line);
            else
                event.values = {key->first, key->second};
        } else {
            for (size_t i = 3; i < w.size(); ++i) {
                const std::optional<long> v = number(w[i]);
                if (!v)
                    file.problems.push_back("unreadable field: " + line);
                event.values.push_back(v.value_or(-1));
            }
        }
        if (event.kind == "set_tempo")
            event.kind = "tempo";
        else if (event.kind == "program_change")
            event.kind = "program";
        file.events.push_back(event);
    }
    return file;
}

// The failures `check` reports, caught instead of failing the running test.
std::vector<std::string> failuresOf(const std::function<void()>& check) {
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        check();
    }
    std::vector<std::string> messages;
    for (int i = 0; i < results.size(); ++i)
        messages.push_back(results.GetTestPartResult(i).message());
    return messages;
}

// ---------------------------------------------------------------------------------------------

class ExportReadbackTest : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = scratch_.path("home") + "/";
        std::filesystem::create_directories(instrumentSetFolder(home_));
    }

    // Both readers must be there: without them the test would prove nothing.
    void requireTools() {
        const TCommandResult midicsv = runCommand("command -v midicsv", scratch_.path("which.err"));
        ASSERT_TRUE(midicsv.exitedCleanly)
            << "midicsv is not installed; run scripts/install-deps.sh (Debian package midicsv)";
        ASSERT_TRUE(std::filesystem::exists("/usr/bin/python3"))
            << "/usr/bin/python3 is missing; run scripts/install-deps.sh";
        const TCommandResult mido =
            runCommand("/usr/bin/python3 -c 'import mido'", scratch_.path("import.err"));
        ASSERT_TRUE(mido.exitedCleanly)
            << "mido is not importable by /usr/bin/python3; run scripts/install-deps.sh "
               "(Debian package python3-mido): "
            << mido.err;
        ASSERT_TRUE(std::filesystem::exists(MOTIVICA_CLI))
            << "the command line program is not built: " << MOTIVICA_CLI;
    }

    // Writes the document, exports it with the real command line program and returns the path.
    std::string exportPeriod(const TSpecPeriod& period, const std::string& setName = "") {
        const std::string input = scratch_.write("in.tnr", tnrText(period));
        const std::string output = scratch_.path("out.mid");
        std::filesystem::remove(output);
        std::string command = "MOTIVICA_HOME=" + shellWord(home_) + " " + shellWord(MOTIVICA_CLI) +
                              " export " + shellWord(input) + " -o " + shellWord(output);
        if (!setName.empty())
            command += " --instruments " + shellWord(setName);
        const TCommandResult run = runCommand(command, scratch_.path("export.err"));
        EXPECT_TRUE(run.exitedCleanly) << command << "\n" << run.err;
        EXPECT_TRUE(std::filesystem::exists(output));
        return output;
    }

    TReadFile readWithMidicsv(const std::string& path) {
        const TCommandResult run =
            runCommand("midicsv " + shellWord(path), scratch_.path("midicsv.err"));
        TReadFile file = parseMidicsv(run.out);
        if (!run.exitedCleanly)
            file.problems.push_back("midicsv failed: " + run.err);
        else if (!run.err.empty())
            file.problems.push_back("midicsv complained: " + run.err);
        return file;
    }

    TReadFile readWithMido(const std::string& path) {
        const std::string script = scratch_.write("read.py", MIDO_SCRIPT);
        // Debian's interpreter: another python3 on the path may lack the Debian package
        const TCommandResult run =
            runCommand("/usr/bin/python3 " + shellWord(script) + " " + shellWord(path),
                       scratch_.path("mido.err"));
        TReadFile file = parseMido(run.out);
        if (!run.exitedCleanly)
            file.problems.push_back("mido failed: " + run.err);
        else if (!run.err.empty())
            file.problems.push_back("mido complained: " + run.err);
        return file;
    }

    // Everything one reader saw, against the document.
    void checkContent(const TReadFile& file, const TSpecPeriod& period, const TPrograms& programs) {
        SCOPED_TRACE("read by " + file.tool);
        for (const std::string& problem : file.problems)
            ADD_FAILURE() << problem;
        EXPECT_EQ(file.format, 1);
        EXPECT_EQ(file.trackCount, 4);
        EXPECT_EQ(file.division, 120);

        std::vector<std::vector<TEvent>> tracks(4);
        for (const TEvent& e : file.events) {
            if (e.track < 0 || e.track >= 4) {
                ADD_FAILURE() << "event outside the four tracks: " << e;
                continue;
            }
            tracks[static_cast<size_t>(e.track)].push_back(e);
        }
        for (size_t t = 0; t < tracks.size(); ++t) {
            SCOPED_TRACE("track " + std::to_string(t));
            const std::vector<TEvent>& events = tracks[t];
            ASSERT_FALSE(events.empty());
            // exactly one end of track, the last event, right after the last message
            EXPECT_EQ(events.back().kind, "end_of_track");
            EXPECT_EQ(std::count_if(events.begin(), events.end(),
                                    [](const TEvent& e) { return e.kind == "end_of_track"; }),
                      1);
            const long lastTime = events.size() > 1 ? events[events.size() - 2].time : 0;
            EXPECT_EQ(events.back().time, lastTime);
            for (size_t i = 1; i < events.size(); ++i)
                EXPECT_LE(events[i - 1].time, events[i].time) << events[i];
        }

        // conductor: meter (the file knows two or three beats of a quarter or an eighth), key
        // with the mode byte left major, and the tempo of a quarter
        const long numerator = period.beats == 2 ? 2 : 3;
        const long denominator = period.beatValue == 120 ? 4 : 8;
        const long micros = 800000L * (200 - period.tempo) / 100;
        const std::vector<TEvent> conductor = {
            {0, 0, "time_signature", {numerator, denominator, 24, 8}},
            {0, 0, "key_signature", {period.signs, 0}},
            {0, 0, "tempo", {micros}},
            {0, 0, "end_of_track", {}},
        };
        EXPECT_EQ(tracks[0], conductor);

        const int trackPrograms[3] = {programs.melody, programs.chord, programs.bass};
        std::vector<TSounding> heard;
        for (int channel = 0; channel < 3; ++channel) {
            SCOPED_TRACE("channel " + std::to_string(channel));
            const std::vector<TEvent>& events = tracks[static_cast<size_t>(channel) + 1];
            ASSERT_GE(events.size(), 2u);
            EXPECT_EQ(events.front(),
                      (TEvent{channel + 1, 0, "program", {channel, trackPrograms[channel]}}));
            // every note-on is released by a note-off of the same key with its velocity; a key
            // struck while it sounds would be cut short by a synthesizer
            std::map<long, std::pair<long, long>> sounding;  // key: start, velocity
            for (size_t i = 1; i + 1 < events.size(); ++i) {
                const TEvent& e = events[i];
                if ((e.kind != "note_on" && e.kind != "note_off") || e.values.size() != 3) {
                    ADD_FAILURE() << "unexpected event " << e;
                    continue;
                }
                EXPECT_EQ(e.values[0], channel) << e;
                const long key = e.values[1];
                const long velocity = e.values[2];
                EXPECT_GT(velocity, 0) << e;
                if (e.kind == "note_on") {
                    if (sounding.count(key))
                        ADD_FAILURE() << "key struck again while it sounds: " << e;
                    sounding[key] = {e.time, velocity};
                } else {
                    const auto on = sounding.find(key);
                    if (on == sounding.end()) {
                        ADD_FAILURE() << "note-off without note-on: " << e;
                        continue;
                    }
                    EXPECT_EQ(velocity, on->second.second) << e;
                    heard.push_back({channel, static_cast<int>(key), on->second.first, e.time,
                                     static_cast<int>(on->second.second)});
                    sounding.erase(on);
                }
            }
            for (const auto& [key, on] : sounding)
                ADD_FAILURE() << "key " << key << " struck at " << on.first << " never released";
        }
        std::sort(heard.begin(), heard.end());
        const std::vector<TSounding> expected = expectedSoundings(period);
        for (int channel = 0; channel < 3; ++channel) {
            SCOPED_TRACE("notes of channel " + std::to_string(channel));
            auto ofChannel = [channel](const std::vector<TSounding>& all) {
                std::vector<TSounding> some;
                std::copy_if(all.begin(), all.end(), std::back_inserter(some),
                             [channel](const TSounding& s) { return s.channel == channel; });
                return some;
            };
            EXPECT_EQ(ofChannel(heard), ofChannel(expected));
        }
    }

    void checkExport(const TSpecPeriod& period, const TPrograms& programs,
                     const std::string& setName = "") {
        requireTools();
        if (HasFatalFailure())
            return;
        const std::string path = exportPeriod(period, setName);
        const TReadFile csv = readWithMidicsv(path);
        const TReadFile mido = readWithMido(path);
        checkContent(csv, period, programs);
        checkContent(mido, period, programs);
        // the two readers agree on every event
        EXPECT_EQ(csv.format, mido.format);
        EXPECT_EQ(csv.trackCount, mido.trackCount);
        EXPECT_EQ(csv.division, mido.division);
        EXPECT_EQ(csv.events.size(), mido.events.size());
        for (size_t i = 0; i < std::min(csv.events.size(), mido.events.size()); ++i)
            if (!(csv.events[i] == mido.events[i])) {
                ADD_FAILURE() << "event " << i << ": midicsv " << csv.events[i] << ", mido "
                              << mido.events[i];
                break;
            }
        // four conductor events, a program and an end in each channel track, two per note
        EXPECT_EQ(csv.events.size(), 10 + 2 * expectedSoundings(period).size());
    }

    TScratchFolder scratch_{"export_readback"};
    std::string home_;
};

// Chords as diatonic positions: bass, tenor, alto, soprano.
const TSpecChord CHORD_A = {13, 17, 20, 22};
const TSpecChord CHORD_B = {11, 18, 21, 25};
const TSpecChord CHORD_AV = {16, 19, 23, 26};

TEST_F(ExportReadbackTest, AnacrusisInAMinorKeyWithFlats) {
    // G minor, an eighth before the bar line: the first motive's second chord is the next
    // motive's first and is held across the junction; a motive with one chord carries nothing
    TSpecPeriod period;
    period.signs = -2;
    period.minor = true;
    period.sentences = {
        {60,
         {
             {{CHORD_A, CHORD_B}, {{180, 22, 60}, {240, 24, 120}, {360, 24, -60}}},
             {{CHORD_B, CHORD_A}, {{180, 23, 60}, {240, 21, 60}, {300, 21, -60}, {360, 22, 60}}},
             {{CHORD_AV}, {{180, 22, 60}, {240, 20, 180}}},
             {{CHORD_B, CHORD_A}, {{180, 19, 60}, {240, 20, 30}, {270, 18, 30}, {300, 17, 120}}},
         }},
    };
    checkExport(period, DEFAULT_PROGRAMS);
}

TEST_F(ExportReadbackTest, MotivesOfDifferentAnacrusisMeetAtTempoOne) {
    // 3/4 in D major: no anacrusis, a quarter, none again, then a half; the chord of each
    // motive sounds until the next one starts at a bar line
    TSpecPeriod period;
    period.beats = 3;
    period.signs = 2;
    period.tempo = 1;
    period.sentences = {
        {0,
         {
             {{CHORD_A}, {{0, 20, 120}, {120, 21, 120}, {240, 22, 120}}},
             {{CHORD_A}, {{0, 22, 240}, {240, 22, -120}}},
         }},
        {120,
         {
             {{CHORD_B, CHORD_A}, {{240, 23, 120}, {360, 24, 120}, {480, 22, 120}}},
             {{CHORD_A, CHORD_B}, {{240, 21, 60}, {300, 22, 60}, {360, 20, 240}}},
         }},
        {0,
         {
             {{CHORD_B}, {{0, 21, 360}}},
         }},
        {240,
         {
             {{}, {{120, 20, 120}, {240, 22, 180}, {420, 23, 60}}},
             {{CHORD_AV, CHORD_A}, {{120, 24, 240}, {360, 23, 120}}},
         }},
    };
    checkExport(period, DEFAULT_PROGRAMS);
}

TEST_F(ExportReadbackTest, ChordsReStruckAndReleasedAtTempo199) {
    // 3/8 in E-flat major without anacrusis: the same chord in two motives is released and
    // struck again at the bar line, a motive without chords ends the chord before it, and a
    // melody key repeated at once is released before it is struck again
    TSpecPeriod period;
    period.beats = 3;
    period.beatValue = 60;
    period.signs = -3;
    period.tempo = 199;
    period.sentences = {
        {0,
         {
             {{CHORD_A}, {{0, 20, 60}, {60, 21, 60}, {120, 22, 60}}},
             {{CHORD_A}, {{0, 22, 90}, {90, 21, 30}, {120, 20, -60}}},
             {{}, {{0, 19, 180}}},
             {{CHORD_B}, {{0, 18, 120}, {120, 18, 60}}},
             {{CHORD_AV}, {{0, 18, -60}, {60, 19, 120}}},
         }},
    };
    checkExport(period, DEFAULT_PROGRAMS);
}

TEST_F(ExportReadbackTest, SixEighthsInCSharpMajor) {
    // six beats of an eighth, seven sharps, a dotted-quarter anacrusis
    TSpecPeriod period;
    period.beats = 6;
    period.beatValue = 60;
    period.signs = 7;
    period.tempo = 55;
    period.sentences = {
        {180,
         {
             {{CHORD_A, CHORD_AV}, {{180, 20, 180}, {360, 22, 90}, {450, 21, 90}}},
             {{CHORD_B, CHORD_A}, {{180, 18, 60}, {240, 19, 60}, {300, 20, 60}, {360, 20, 180}}},
         }},
    };
    checkExport(period, DEFAULT_PROGRAMS);
}

TEST_F(ExportReadbackTest, NamedSetWithOtherProgramsInEMinor) {
    // 2/8 in E minor, whose raised leading tone D sharp is the lowest position; the set's
    // mutes do not reach the file
    TSpecPeriod period;
    period.beatValue = 60;
    period.signs = 1;
    period.minor = true;
    period.tempo = 150;
    const TSpecChord lowChord = {0, 14, 18, 21};
    period.sentences = {
        {0,
         {
             {{lowChord}, {{0, 21, 30}, {30, 20, 30}, {60, 21, 60}}},
             {{CHORD_B}, {{0, 7, 120}}},
             {{lowChord}, {{0, 14, 60}, {60, 7, -60}}},
         }},
    };
    TInstrumentConf set;
    set.setMelodyVoice(0);
    set.setChordVoice(127);
    set.setBassVoice(40);
    set.setMuteMelody(true);
    set.setMuteBass(true);
    ASSERT_TRUE(saveInstrumentSet(set, "readback-set", home_));
    checkExport(period, {0, 127, 40}, "readback-set");
}

TEST_F(ExportReadbackTest, ProgramsOutOfRangeInAHandEditedSet) {
    // set files are loaded unchecked: the file must still hold valid program bytes, the
    // nearest ones
    TSpecPeriod period;
    period.sentences = {{0, {{{CHORD_A}, {{0, 20, 120}, {120, 22, 120}}}}}};
    TInstrumentConf set;
    set.setMelodyVoice(200);
    set.setChordVoice(-1);
    set.setBassVoice(128);
    ASSERT_TRUE(saveInstrumentSet(set, "wild-set", home_));
    checkExport(period, {127, 0, 127}, "wild-set");
}

TEST_F(ExportReadbackTest, DefaultSetWithoutMutesOnAnEmptyMelody) {
    // chords only, no notes: the melody track holds its program and nothing else
    TSpecPeriod period;
    period.sentences = {
        {0,
         {
             {{CHORD_A}, {}},
             {{CHORD_AV}, {}},
             {{CHORD_B}, {}},
         }},
    };
    checkExport(period, DEFAULT_PROGRAMS);
}

// The harness itself: damaged or unbalanced files must not pass.

TEST_F(ExportReadbackTest, ACutFileDoesNotPass) {
    requireTools();
    if (HasFatalFailure())
        return;
    TSpecPeriod period;
    period.sentences = {{0, {{{CHORD_A}, {{0, 20, 120}, {120, 22, 120}}}}}};
    const std::string path = exportPeriod(period);
    const std::string bytes = fileText(path);
    ASSERT_GT(bytes.size(), 20u);
    // the last track loses its final release and its end, its length stays
    const std::string cut = scratch_.write("cut.mid", bytes.substr(0, bytes.size() - 6));
    // mido refuses the file; midicsv reads on past the end, which the checks must notice
    EXPECT_FALSE(readWithMido(cut).problems.empty());
    const TReadFile csv = readWithMidicsv(cut);
    EXPECT_FALSE(failuresOf([&] { checkContent(csv, period, DEFAULT_PROGRAMS); }).empty());
}

TEST_F(ExportReadbackTest, AHangingNoteIsFound) {
    requireTools();
    if (HasFatalFailure())
        return;
    // an empty period whose melody track strikes middle C and never releases it
    const unsigned char bytes[] = {
        0x4D, 0x54, 0x68, 0x64, 0,    0,    0,    6,    0,    1,    0,    4, 0,    0x78,  //
        0x4D, 0x54, 0x72, 0x6B, 0,    0,    0,    0x19,                                   //
        0,    0xFF, 0x58, 4,    2,    2,    0x18, 8,    0,    0xFF, 0x59, 2, 0,    0,     //
        0,    0xFF, 0x51, 3,    0x0C, 0x35, 0,    0,    0xFF, 0x2F, 0,                    //
        0x4D, 0x54, 0x72, 0x6B, 0,    0,    0,    0x0B,                                   //
        0,    0xC0, 1,    0,    0x90, 0x3C, 0x6E, 0,    0xFF, 0x2F, 0,                    //
        0x4D, 0x54, 0x72, 0x6B, 0,    0,    0,    7,    0,    0xC1, 89,   0, 0xFF, 0x2F, 0,
        0x4D, 0x54, 0x72, 0x6B, 0,    0,    0,    7,    0,    0xC2, 32,   0, 0xFF, 0x2F, 0,
    };
    const std::string path = scratch_.write(
        "hanging.mid", std::string(reinterpret_cast<const char*>(bytes), sizeof bytes));
    const TSpecPeriod empty;
    const TReadFile csv = readWithMidicsv(path);
    const TReadFile mido = readWithMido(path);
    for (const TReadFile* file : {&csv, &mido}) {
        const std::vector<std::string> failures =
            failuresOf([&] { checkContent(*file, empty, DEFAULT_PROGRAMS); });
        ASSERT_EQ(failures.size(), 1u) << file->tool;
        EXPECT_NE(failures[0].find("key 60 struck at 0 never released"), std::string::npos)
            << failures[0];
    }
}

}  // namespace
