#pragma once

#include <string>

#include "model/xml_document.h"

class TPeriodData;

// The period as a MusicXML 4.0 score-partwise document that notation programs open: part 1
// "Melody" on a treble staff with the period's notes and rests, part 2 "Harmony" on a grand staff
// with each chord's four voices (soprano and alto above, tenor and bass below) and its degree and
// inversion as a Roman numeral. The anacrusis is an implicit pickup measure numbered 0; sentence
// and phrase starts are rehearsal marks; key, meter and tempo are the period's. The text is the
// same for the same period, byte for byte.
std::string musicXmlText(const TPeriodData& period);

// Writes that text to `path` through a temporary file; fails with "save error".
TFileResult writeMusicXmlFile(const TPeriodData& period, const std::string& path);
