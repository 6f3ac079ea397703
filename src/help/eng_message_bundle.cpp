#include "help/eng_message_bundle.h"

#include <iterator>

namespace {

struct TKeyText {
    const char* key;
    const char* text;
};

// Element and value names of the instrument-set and configuration files are looked up through
// the bundle as well, so they are stored under their own name.
const char* const IDENTITY_NAMES[] = {
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

const TKeyText ENGLISH_TEXTS[] = {
    // structure, development and key words
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
    // messages and titles
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
    {"site url", "help/index.html"},
    // buttons, hints and captions of the editor
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
     "Push towards the other pane to take the note, outwards to lengthen it; hold Ctrl to change "
     "its pitch."},
    {"dad meter take", "take"},
    {"dad meter longer", "longer"},
    {"dad chord hint",
     "Point at a chord, then at one of its arrangements; push towards the other pane to take "
     "it and go on to the next measure."},
    // instrument sets
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
     "Wrong name.\n The name cannot contain any of the following characters: \n \\ / : * ? \" < "
     "> |\n The maximal length of the name is 215 characters."},
};

// Key lists run from seven flats to seven sharps: the item index is the number of sharps plus 7.
const char* const MAJOR_GROUP[] = {
    "7 Flats: Ces-dur", "6 Flats: Ges-dur",  "5 Flats: Des-dur",  "4 Flats: As-dur",
    "3 Flats: Es-dur",  "2 Flats: B-dur",    "1 Flat: F-dur",     "C-dur",
    "1 Sharp: G-dur",   "2 Sharps: D-dur",   "3 Sharps: A-dur",   "4 Sharps: E-dur",
    "5 Sharps: H-dur",  "6 Sharps: Fis-dur", "7 Sharps: Cis-dur",
};

const char* const MINOR_GROUP[] = {
    "7 Flats: as-moll",   "6 Flats: es-moll",   "5 Flats: b-moll",    "4 Flats: f-moll",
    "3 Flats: c-moll",    "2 Flats: g-moll",    "1 Flat: d-moll",     "a-moll",
    "1 Sharp: e-moll",    "2 Sharps: h-moll",   "3 Sharps: fis-moll", "4 Sharps: cis-moll",
    "5 Sharps: gis-moll", "6 Sharps: dis-moll", "7 Sharps: ais-moll",
};

const char* const TEMP_GROUP[] = {
    "Wide", "Slowly", "Unhurriedly", "Moderately", "Reservedly", "Animatedly", "Fast",
};

const char* const DURATION_GROUP[] = {
    "Sixteenth",
    "Eighth",
    "Pointed eighth",
    "Quarter",
    "Quarter and sixteenth",
    "Pointed quarter",
    "Quarter and pointed eighth",
    "Half",
};

const char* const MOTIVE_TYPE_GROUP[] = {"Iambus", "Trochee", "Amphibrachys"};

}  // namespace

TEngMessageBundle::TEngMessageBundle() {
    for (const char* name : IDENTITY_NAMES) {
        addText(name, name);
    }
    for (const TKeyText& entry : ENGLISH_TEXTS) {
        addText(entry.key, entry.text);
    }
    addGroup(MAJOR_GROUP, static_cast<int>(std::size(MAJOR_GROUP)), "major group");
    addGroup(MINOR_GROUP, static_cast<int>(std::size(MINOR_GROUP)), "minor group");
    addGroup(TEMP_GROUP, static_cast<int>(std::size(TEMP_GROUP)), "temp group");
    addGroup(DURATION_GROUP, static_cast<int>(std::size(DURATION_GROUP)), "duration group");
    addGroup(MOTIVE_TYPE_GROUP, static_cast<int>(std::size(MOTIVE_TYPE_GROUP)),
             "motive type group");
}
