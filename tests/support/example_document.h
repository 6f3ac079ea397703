#pragma once

// The one-motive composition every reader and writer test starts from: C major, 2/4, no
// anacrusis, tempo 100, a tonic triad under C and D quarters, as the program writes it.
inline const char* const EXAMPLE_DOCUMENT =
    "<PERIOD>\n"
    "    <MEASURE BEATS_PER_MEASURE=\"2\" BEAT_VALUE=\"QUARTER\"/>\n"
    "    <KEY LAD=\"MAJOR\" SIGN=\"0\"/>\n"
    "    <TEMP VALUE=\"100\"/>\n"
    "    <MOTIVE_TYPE VALUE=\"0\"/>\n"
    "    <SENTENCE>\n"
    "        <PHRASE SUFFIX=\"A\">\n"
    "            <MOTIVE>\n"
    "                <CHORDS>\n"
    "                    <CHORD CHORD_TYPE=\"TONIC_THREE_CHORD\" TIME=\"0\" BASS=\"6\" "
    "TENOR=\"15\" ALT=\"17\" SOPRANO=\"20\"/>\n"
    "                </CHORDS>\n"
    "                <NOTES>\n"
    "                    <NOTE TIME=\"0\" PITCH=\"20\" DURATION=\"QUARTER\" SIGN=\"NONE\" "
    "CHORDING_NOTE=\"YES\"/>\n"
    "                    <NOTE TIME=\"120\" PITCH=\"21\" DURATION=\"QUARTER\" SIGN=\"NONE\" "
    "CHORDING_NOTE=\"NO\"/>\n"
    "                </NOTES>\n"
    "            </MOTIVE>\n"
    "        </PHRASE>\n"
    "    </SENTENCE>\n"
    "</PERIOD>";
