#pragma once

#include <functional>
#include <optional>
#include <string>

class TMessageBundle;
class TPeriodData;
class TPromptsInterface;
struct TMidiFileContent;

// The document commands of the main window: New, Open, Save, Save As and the exports, with their
// messages. They change the period through its own operations, so the window hears of every
// change through its period listener.
class TDocumentCommands {
  public:
    // What the window supplies: stopping playback before a command, letting go of every view
    // of the composition's motives before they are replaced, choosing chords for the first
    // motive of a new composition, and the MIDI file of the period as it stands.
    struct THooks {
        std::function<void()> stop;
        std::function<void()> releaseViews;
        std::function<void()> chooseFirstChords;
        std::function<bool(const std::string& path)> writeMidiFile;
        // The user opened or saved this document with a command (not a demonstration or the
        // tutorial, which go through openDocument and saveDocument alone).
        std::function<void(const std::string& path)> used;
        // The composition is now as a file holds it or as a command made it.
        std::function<void()> settled;
        // The printed score of the period as it stands, with the word before a sentence's
        // number; false when it could not be written.
        std::function<bool(const std::string& path, const std::string& sentenceWord,
                           bool blackHeads)>
            writePdfFile;
    };

    TDocumentCommands(TPeriodData& period, TPromptsInterface& prompts, const TMessageBundle& bundle,
                      std::string baseFolder, THooks hooks);

    void newComposition();
    void open();
    // True when the composition is now in its file.
    bool save();
    bool saveAs();
    void exportMidi();
    // The period as a MusicXML score, and as a printed score, beside the MIDI files.
    void exportMusicXml();
    // blackHeads: every note head black, for a copy printed without colour.
    void exportPdf(bool blackHeads = false);
    // Every export: asks for a file beside the MIDI files and, once an existing one may be
    // replaced, writes the period into it with `write`, never over the composition's own file.
    // `write` is false when the file could not be written, and the user is then told.
    void exportFile(const char* extension, const char* filterLabelKey,
                    const std::function<bool(const std::string& path)>& write);

    // File > Import...: asks for a MusicXML score or a MIDI file and puts its melody into the
    // period as a new composition "Untitled", the first motive given chords as after New, then
    // shows one line for every change the melody needed to fit. A file that cannot be imported
    // is reported and leaves the composition as it was. The window asks about unsaved work
    // first, as it does for New.
    void importMelody();
    // The same for a named file, without the file dialog and without showing the report: the
    // report's text, or nothing when the file could not be imported (the user was told).
    std::optional<std::string> importMelodyFile(const std::string& path);
    // Reads the file into the period and names the period after it; on failure tells the user
    // and leaves the composition as it was.
    bool openDocument(const std::string& path);
    // Open as the user asks for it by name (a recent document, one a file manager handed
    // over): the document joins the recent ones.
    bool openUsedDocument(const std::string& path);
    // Puts a document text kept safe by an earlier run in the period, under the name it had
    // then; it stays unsaved work. False, with the period untouched, when the text does not read.
    bool restoreDocument(const std::string& document, const std::string& name);
    // Writes the period and names it after the file; on failure tells the user and keeps the name.
    bool saveDocument(const std::string& path);
    // True when nothing of that name exists, or when the user agrees to replace it.
    bool confirmOverwrite(const std::string& path);
    // The composition every run starts with: G minor, 2/4, an eighth's anacrusis, tempo 100,
    // two sentences of two two-motive phrases lettered A, B, A1, B1.
    static void buildDefaultComposition(TPeriodData& period);

    std::string documentFolder() const { return base_ + "tnrs/"; }
    std::string midiFolder() const { return base_ + "mids/"; }

  private:
    void settled();
    // A file dialog's filter: files of the extension under the bundle's label, then all files.
    std::string fileFilter(const char* labelKey, const char* extension) const;
    void showFileError(const char* key, const std::string& path);

    TPeriodData& period_;
    TPromptsInterface& prompts_;
    const TMessageBundle& bundle_;
    std::string base_;
    THooks hooks_;
};
