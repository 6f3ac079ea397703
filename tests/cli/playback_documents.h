#pragma once

#include <string>

// Composition documents the playback command tests read (2/4, C major).

inline std::string tnrHead(int tempo = 100) {
    return "<PERIOD>\n"
           "    <MEASURE BEATS_PER_MEASURE=\"2\" BEAT_VALUE=\"QUARTER\"/>\n"
           "    <KEY LAD=\"MAJOR\" SIGN=\"0\"/>\n"
           "    <TEMP VALUE=\"" +
           std::to_string(tempo) +
           "\"/>\n"
           "    <MOTIVE_TYPE VALUE=\"0\"/>\n"
           "    <SENTENCE>\n"
           "        <PHRASE SUFFIX=\"A\">\n";
}

inline const char* TNR_TAIL =
    "        </PHRASE>\n"
    "    </SENTENCE>\n"
    "</PERIOD>";

// C5 G4 E4 over C3, the tonic triad of C major.
inline const char* TNR_TONIC_CHORD =
    "                    <CHORD CHORD_TYPE=\"TONIC_THREE_CHORD\" TIME=\"0\" BASS=\"13\" "
    "TENOR=\"22\" ALT=\"24\" SOPRANO=\"27\"/>\n";

inline std::string tnrNote(int time, int pitch, const char* duration) {
    return "                    <NOTE TIME=\"" + std::to_string(time) + "\" PITCH=\"" +
           std::to_string(pitch) + "\" DURATION=\"" + duration +
           "\" SIGN=\"NONE\" CHORDING_NOTE=\"YES\"/>\n";
}

inline std::string tnrMotive(const std::string& chords, const std::string& notes) {
    return "            <MOTIVE>\n"
           "                <CHORDS>\n" +
           chords +
           "                </CHORDS>\n"
           "                <NOTES>\n" +
           notes +
           "                </NOTES>\n"
           "            </MOTIVE>\n";
}
