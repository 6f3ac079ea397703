#pragma once

#include <string>

#include "notation/score_layout.h"

class TPeriodData;

// The period as a printed score on A4 pages: every motive as its canvas draws it (grand staff,
// chord labels), systems that start with the clef, key and meter, the sentences' and phrases'
// markers above them, the document's name as the title and the tempo as a metronome mark. The
// pages are vector drawings, without bitmaps. The file goes through a temporary one, so a failure
// leaves no partial file and an older file as it was. Needs a QGuiApplication for its fonts.
bool writePeriodPdf(const TPeriodData& period, const std::string& path,
                    const std::string& sentenceWord = "Sentence");

// How writePeriodPdf places the period on its pages, with the widths of its fonts.
TScoreLayout periodPdfLayout(const TPeriodData& period,
                             const std::string& sentenceWord = "Sentence");
