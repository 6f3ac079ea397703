#pragma once

#include <string>

#include "notation/score_layout.h"

class TPeriodData;

// What a printed score may be asked for.
struct TScorePrintOptions {
    // The word before a sentence's number in its marker.
    std::string sentenceWord = "Sentence";
    // Every note head black, for a copy printed without colour.
    bool blackHeads = false;
};

// The period as a printed score on A4 pages: the melody and the harmony on a grand staff with the
// chord labels, systems that start with the clef, key and meter, the sentences' and phrases'
// markers above them, the document's name as the title, the tempo as a metronome mark and a
// legend of the colours. The pages are vector drawings, without bitmaps. The file goes through a
// temporary one, so a failure leaves no partial file and an older file as it was. Needs a
// QGuiApplication for its fonts.
bool writePeriodPdf(const TPeriodData& period, const std::string& path,
                    const TScorePrintOptions& options = {});

// How writePeriodPdf places the period on its pages, with the widths of its fonts.
TScoreLayout periodPdfLayout(const TPeriodData& period, const TScorePrintOptions& options = {});
