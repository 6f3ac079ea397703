#include "help/eng_message_bundle.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

// Every key/text pair of the English bundle apart from the file element names and the home page
// address, in table order.
const std::vector<std::pair<std::string, std::string>>& englishTable() {
    static const std::vector<std::pair<std::string, std::string>> table = {
        {"period", "Period"},
        {"sentence", "Sentence"},
        {"phrase", "Phrase"},
        {"motive", "Motive"},
        {"phrase big", "PHRASE"},
        {"phrase small", "Phrase"},
        {"major", "Major"},
        {"minor", "Minor"},
        {"temp", "Temp:"},
        {"duration before measure bar", "Duration before the measure bar:"},
        {"duration after measure bar", "Duration after the measure bar:"},
        {"sequence up", "Sequence Up"},
        {"sequence down", "Sequence Down"},
        {"rel. sequence up", "Rel. Sequence Up"},
        {"rel. sequence down", "Rel. Sequence Down"},
        {"variation", "Variation"},
        {"repeat", "Repeat"},
        {"rel. repeat", "Rel. Repeat"},
        {"rhythm", "Rhythm"},
        {"rel. rhythm", "Rel. Rhythm"},
        {"piece", "Parts"},
        {"other", "Other"},
        {"rel. piece", "Rel. Parts"},
        {"rel. other", "Rel. Other"},
        {"error", "Error"},
        {"warning", "Warning"},
        {"save error", "The error occurs while saving of the file"},
        {"open error", "Unable to open file"},
        {"the file", "The file"},
        {"already exists", " already exists. Replace?"},
        {"midi device list error", "The error occurs while loading of the Midi Devices list"},
        {"there are no devices", "There are no MIDI devices."},
        {"open midi error", "Cannot open MIDI output device."},
        {"dynamic help error",
         "There was an error. To execute given demonstration script it is impossible"},
        {"dynamic help canceled", "CANCELLING..."},
        {"filter compositions", "Compositions"},
        {"filter midi files", "MIDI files"},
        {"filter musicxml scores", "MusicXML scores"},
        {"filter wav audio", "WAV audio"},
        {"filter pdf documents", "PDF documents"},
        {"filter all files", "All files"},
        {"filter melodies", "MusicXML scores and MIDI files"},
        {"import caption", "Import"},
        {"import error", "Unable to import the melody of"},
        {"import unchanged", "The melody was imported as it stands."},
        {"save changes caption", "Save Changes"},
        {"save changes", "Save changes to "},
        {"save changes save", "Save"},
        {"save changes discard", "Discard"},
        {"save changes cancel", "Cancel"},
        {"step by step start warning",
         "Current edited melody will be closed after start of step-by-step help"},
        {"wrong integer", "Please enter correct integer value in 0 ... 127 diapason."},
        {"program name", "Motivica 1.0 - "},
        {"home page", "Home Page"},
        {"new", "New"},
        {"open", "Open"},
        {"save", "Save"},
        {"play", "Play"},
        {"stop", "Stop play"},
        {"play all", "Play all"},
        {"more", "More"},
        {"select chords", "Select chords"},
        {"select chords under notes", "Choose chords for the current notes"},
        {"delete all notes", "Delete notes"},
        {"insert line", "Select notes - 'In the line'"},
        {"insert arpedgio", "Select notes - 'Arpedgio'"},
        {"insert classic", "Select notes - 'Classic way'"},
        {"insert new gen", "Select notes - 'New way'"},
        {"insert all", "Select notes - 'All'"},
        {"step sixteenth", "Durations with step - Sixteenth"},
        {"step eighth", "Durations with step - Eighth"},
        {"step quarter", "Durations with step - Quarter"},
        {"the same rhythm", "With the same rhythm"},
        {"how to notes", "How to select the notes for motive"},
        {"how to chords", "How to select a chord and its location"},
        {"how to simple way", "How to use simple (without Rel. prefix) ways of motive development"},
        {"how to rel way", "How to use relative (with Rel. prefix) ways of motive development"},
        {"dad chord caption", "DAD"},
        {"dad note caption", "DAD - Hold the Ctrl to change the pitch of the current note."},
        {"dad note hint",
         "Push towards the other pane to take the note, outwards to lengthen it; hold Ctrl to "
         "change its pitch."},
        {"dad meter take", "take"},
        {"dad meter longer", "longer"},
        {"dad chord hint",
         "Point at a chord, then at one of its arrangements; push towards the other pane to take "
         "it and go on to the next measure."},
        {"instruments play mode melody", "Instruments - Melody - Play mode"},
        {"instruments play mode chord", "Instruments - Chord - Play mode"},
        {"instruments play mode bass", "Instruments - Bass - Play mode"},
        {"instruments dad mode melody", "Instruments - Melody - DAD mode"},
        {"instruments dad mode chord", "Instruments - Chord - DAD mode"},
        {"instruments metronome upbeat", "Instruments - Up Beat - Metronome"},
        {"instruments metronome beat", "Instruments - Beat - Metronome"},
        {"volume play mode melody", "Melody - Play mode"},
        {"volume play mode chord", "Chord - Play mode"},
        {"volume play mode bass", "Bass - Play mode"},
        {"volume dad mode melody", "Melody - DAD mode"},
        {"volume dad mode chord", "Chord - DAD mode"},
        {"volume metronome", "Metronome"},
        {"instr file extension", ".xml"},
        {"instr set exists",
         "The Set of Instruments with such name already exists. \nDo you want to replace?"},
        {"instr name empty", "The field with name is empty."},
        {"select instr name", "Please select the Set of Instruments."},
        {"instr set", "Set of Instruments - "},
        {"new instr set", "New Set of Instruments"},
        {"modify instr set", "Modify current Set of Instruments"},
        {"delete instr set", "Delete current Set of Instruments"},
        {"confirm instr delete", "Are you sure you want to delete the Set of Instruments"},
        {"confirm", "Confirm"},
        {"unable delet instr set", "Unable to delete the Set of Instruments"},
        {"wrong file name",
         "Wrong name.\n The name cannot contain any of the following characters: \n \\ / : * ? \" "
         "< > |\n The maximal length of the name is 215 characters."},
    };
    return table;
}

const std::vector<std::string> IDENTITY_NAMES = {
    "INSTRUMENT_CONF",
    "MELODY_VOICE",
    "CHORD_VOICE",
    "BASS_VOICE",
    "DRAFT_MELODY_VOICE",
    "DRAFT_CHORD_VOICE",
    "DRUM_VOICE",
    "UP_BEAT_DRUM_VOICE",
    "MELODY_VOLUME",
    "CHORD_VOLUME",
    "BASS_VOLUME",
    "DRAFT_MELODY_VOLUME",
    "DRAFT_CHORD_VOLUME",
    "DRUM_VOLUME",
    "MUTE_MELODY",
    "MUTE_CHORD",
    "MUTE_BASS",
    "MUTE_DRUM",
    "PITCH",
    "VOLUME",
    "VALUE",
    "YES",
    "NO",
    "MIDI_DEVICE",
    "INSTRUMENT_SCHEME_NAME",
    "NAME",
    "CONFIG",
    "CURSOR_DELAY",
};

TEST(EngMessageBundleTest, EveryTextExactly) {
    TEngMessageBundle bundle;
    for (const auto& [key, text] : englishTable()) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(bundle.hasText(key));
        EXPECT_EQ(bundle.text(key), text);
    }
    for (const std::string& name : IDENTITY_NAMES) {
        SCOPED_TRACE(name);
        EXPECT_EQ(bundle.text(name), name);
    }
    EXPECT_FALSE(bundle.text("site url").empty());
    // nothing beyond the tables, the file element names and the home page address
    EXPECT_EQ(englishTable().size(), 108u);
    EXPECT_EQ(IDENTITY_NAMES.size(), 28u);
    EXPECT_EQ(bundle.textKeys().size(), 108u + 28u + 1u);
}

TEST(EngMessageBundleTest, TextsOtherCodeReliesOn) {
    TEngMessageBundle bundle;
    EXPECT_EQ(bundle.text("open error"), "Unable to open file");
    EXPECT_EQ(bundle.text("save error"), "The error occurs while saving of the file");
    EXPECT_EQ(bundle.text("open midi error"), "Cannot open MIDI output device.");
    EXPECT_EQ(bundle.text("error"), "Error");
    EXPECT_EQ(bundle.text("warning"), "Warning");
    EXPECT_EQ(bundle.text("program name"), "Motivica 1.0 - ");
    EXPECT_EQ(bundle.text("instr file extension"), ".xml");
    EXPECT_EQ(bundle.text("sentence"), "Sentence");
    EXPECT_EQ(bundle.text("phrase big"), "PHRASE");
    EXPECT_EQ(bundle.text("phrase small"), "Phrase");

    SCOPED_TRACE("the replace question reads as one sentence");
    EXPECT_EQ(bundle.text("the file") + " song.tnr" + bundle.text("already exists"),
              "The file song.tnr already exists. Replace?");

    SCOPED_TRACE("the wrong-name text holds four lines");
    const std::string wrongName = bundle.text("wrong file name");
    EXPECT_EQ(wrongName,
              "Wrong name.\n"
              " The name cannot contain any of the following characters: \n"
              " \\ / : * ? \" < > |\n"
              " The maximal length of the name is 215 characters.");
    EXPECT_EQ(bundle.text("instr set exists"),
              "The Set of Instruments with such name already exists. \nDo you want to replace?");
}

TEST(EngMessageBundleTest, AbsentKeys) {
    TEngMessageBundle bundle;
    EXPECT_EQ(bundle.text("Sentence"), "");
    EXPECT_EQ(bundle.text("no such key"), "");
    EXPECT_EQ(bundle.text(""), "");
    EXPECT_EQ(bundle.text("major group"), "");
    EXPECT_TRUE(bundle.group("major").empty());
    EXPECT_TRUE(bundle.group("Major group").empty());
}

TEST(EngMessageBundleTest, EveryGroupExactly) {
    TEngMessageBundle bundle;
    EXPECT_EQ(bundle.groupKeys(),
              (std::vector<std::string>{"duration group", "major group", "minor group",
                                        "motive type group", "temp group"}));
    const std::vector<std::string> major = bundle.group("major group");
    EXPECT_EQ(major,
              (std::vector<std::string>{
                  "7 Flats: Ces-dur", "6 Flats: Ges-dur", "5 Flats: Des-dur", "4 Flats: As-dur",
                  "3 Flats: Es-dur", "2 Flats: B-dur", "1 Flat: F-dur", "C-dur", "1 Sharp: G-dur",
                  "2 Sharps: D-dur", "3 Sharps: A-dur", "4 Sharps: E-dur", "5 Sharps: H-dur",
                  "6 Sharps: Fis-dur", "7 Sharps: Cis-dur"}));
    const std::vector<std::string> minor = bundle.group("minor group");
    EXPECT_EQ(minor,
              (std::vector<std::string>{
                  "7 Flats: as-moll", "6 Flats: es-moll", "5 Flats: b-moll", "4 Flats: f-moll",
                  "3 Flats: c-moll", "2 Flats: g-moll", "1 Flat: d-moll", "a-moll",
                  "1 Sharp: e-moll", "2 Sharps: h-moll", "3 Sharps: fis-moll", "4 Sharps: cis-moll",
                  "5 Sharps: gis-moll", "6 Sharps: dis-moll", "7 Sharps: ais-moll"}));
    // the key lists are indexed by the number of sharps plus 7
    EXPECT_EQ(minor[1 + 7], "1 Sharp: e-moll");
    EXPECT_EQ(major[-2 + 7], "2 Flats: B-dur");
    EXPECT_EQ(bundle.group("temp group"),
              (std::vector<std::string>{"Wide", "Slowly", "Unhurriedly", "Moderately", "Reservedly",
                                        "Animatedly", "Fast"}));
    EXPECT_EQ(bundle.group("duration group"),
              (std::vector<std::string>{"Sixteenth", "Eighth", "Pointed eighth", "Quarter",
                                        "Quarter and sixteenth", "Pointed quarter",
                                        "Quarter and pointed eighth", "Half"}));
    EXPECT_EQ(bundle.group("motive type group"),
              (std::vector<std::string>{"Iambus", "Trochee", "Amphibrachys"}));
}

}  // namespace
