#pragma once

#include <functional>
#include <string>

#include "notation/score_layout.h"

class TMessageBundle;
class TPeriodData;
class TPromptsInterface;

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

// File > Export to PDF: asks for the file beside the MIDI files and writes the score there.
class TPdfExport {
  public:
    struct THooks {
        // Playback stops before the export, as before every command.
        std::function<void()> stop;
        // True when nothing of that name exists, or when the user agrees to replace it.
        std::function<bool(const std::string& path)> confirmOverwrite;
    };

    TPdfExport(const TPeriodData& period, TPromptsInterface& prompts, const TMessageBundle& bundle,
               std::string folder, THooks hooks);

    // Asks for the file, then exports.
    void run();
    // Writes the score; false when it failed (the user was told).
    bool exportTo(const std::string& path);

    static constexpr const char* EXTENSION = "pdf";
    static constexpr const char* FILTER = "(*.pdf)|*.pdf|Any file|*.*";

  private:
    const TPeriodData& period_;
    TPromptsInterface& prompts_;
    const TMessageBundle& bundle_;
    std::string folder_;
    THooks hooks_;
};
