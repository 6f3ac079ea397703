#include "commands/document_commands.h"

#include <sys/stat.h>

#include "commands/prompts_interface.h"
#include "exchange/import_error.h"
#include "exchange/melody_import.h"
#include "exchange/musicxml_writer.h"
#include "help/message_bundle.h"
#include "model/document.h"
#include "model/output_file.h"
#include "model/period_data.h"

namespace {

constexpr const char* DOCUMENT_EXTENSION = "tnr";
constexpr const char* MIDI_EXTENSION = "mid";
constexpr const char* MUSICXML_EXTENSION = "musicxml";
constexpr const char* PDF_EXTENSION = "pdf";

bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

TDocumentCommands::TDocumentCommands(TPeriodData& period, TPromptsInterface& prompts,
                                     const TMessageBundle& bundle, std::string baseFolder,
                                     THooks hooks)
    : period_(period),
      prompts_(prompts),
      bundle_(bundle),
      base_(std::move(baseFolder)),
      hooks_(std::move(hooks)) {}

void TDocumentCommands::buildDefaultComposition(TPeriodData& period) {
    period.buildFromLayout({2, 2}, {2, 2, 2, 2}, {5, 6, 10, 11}, TKey(-2, MINOR),
                           TMeasure(2, QUARTER), EIGHTH, 100);
}

std::string TDocumentCommands::fileFilter(const char* labelKey, const char* extension) const {
    return bundle_.text(labelKey) + "|*." + extension + "|" + bundle_.text("filter all files") +
           "|*";
}

void TDocumentCommands::showFileError(const char* key, const std::string& path) {
    prompts_.showMessage(bundle_.text("error"), bundle_.text(key) + "\n" + path);
}

void TDocumentCommands::newComposition() {
    hooks_.stop();
    const std::optional<TNewDialogResult> chosen = prompts_.newComposition();
    if (!chosen)
        return;
    hooks_.releaseViews();
    chosen->buildPeriod(period_);
    hooks_.chooseFirstChords();
    settled();
}

void TDocumentCommands::importMelody() {
    hooks_.stop();
    const std::string filter = bundle_.text("filter melodies") + "|*.musicxml;*.xml;*.mid;*.midi|" +
                               bundle_.text("filter musicxml scores") + "|*.musicxml;*.xml|" +
                               bundle_.text("filter midi files") + "|*.mid;*.midi|" +
                               bundle_.text("filter all files") + "|*";
    const std::optional<std::string> path =
        prompts_.openFileName(documentFolder(), MUSICXML_EXTENSION, filter);
    if (!path)
        return;
    const std::optional<std::string> report = importMelodyFile(*path);
    if (report)
        prompts_.showReport(bundle_.text("import caption"), *report);
}

std::optional<std::string> TDocumentCommands::importMelodyFile(const std::string& path) {
    TMelodyImport imported;
    try {
        imported = ::importMelodyFile(path, {});
    } catch (const TImportError& e) {
        prompts_.showMessage(bundle_.text("error"),
                             bundle_.text("import error") + "\n" + path + "\n" + e.what());
        return std::nullopt;
    }
    hooks_.releaseViews();
    // an assignment tells the window nothing: the tempo and the name are told as they are set
    period_ = imported.period;
    period_.setTempo(imported.period.tempo());
    period_.setName("Untitled");
    period_.notifyChanged();
    hooks_.chooseFirstChords();
    settled();
    std::string report;
    for (const std::string& line : imported.report)
        report += (report.empty() ? "" : "\n") + line;
    return report.empty() ? bundle_.text("import unchanged") : report;
}

void TDocumentCommands::open() {
    hooks_.stop();
    const std::optional<std::string> path =
        prompts_.openFileName(documentFolder(), DOCUMENT_EXTENSION,
                              fileFilter("filter compositions", DOCUMENT_EXTENSION));
    if (path)
        openUsedDocument(*path);
}

bool TDocumentCommands::openUsedDocument(const std::string& path) {
    if (!openDocument(path))
        return false;
    if (hooks_.used)
        hooks_.used(path);
    return true;
}

bool TDocumentCommands::openDocument(const std::string& path) {
    // a file that does not read leaves the composition that was open, with its name: replacing
    // it with the default one would lose it
    TPeriodData probe;
    if (!readDocument(probe, path)) {
        showFileError("open error", path);
        return false;
    }
    hooks_.releaseViews();
    if (!readDocument(period_, path)) {
        // the file changed between the two reads: the period is half read
        showFileError("open error", path);
        buildDefaultComposition(period_);
        settled();
        return false;
    }
    period_.setName(path);
    period_.notifyChanged();
    settled();
    return true;
}

bool TDocumentCommands::restoreDocument(const std::string& document, const std::string& name) {
    // a text that does not read leaves the composition on the screen as it is
    TPeriodData probe;
    if (!readDocumentText(probe, document))
        return false;
    hooks_.stop();
    hooks_.releaseViews();
    if (!readDocumentText(period_, document)) {
        buildDefaultComposition(period_);
        settled();
        return false;
    }
    period_.setName(name);
    period_.notifyChanged();
    return true;
}

bool TDocumentCommands::save() {
    if (period_.name() == "Untitled")
        return saveAs();
    hooks_.stop();
    const std::string path = period_.name();
    if (!saveDocument(path))
        return false;
    if (hooks_.used)
        hooks_.used(path);
    return true;
}

bool TDocumentCommands::saveAs() {
    hooks_.stop();
    const std::optional<std::string> path =
        prompts_.saveFileName(documentFolder(), DOCUMENT_EXTENSION,
                              fileFilter("filter compositions", DOCUMENT_EXTENSION));
    if (!path || !confirmOverwrite(*path) || !saveDocument(*path))
        return false;
    if (hooks_.used)
        hooks_.used(*path);
    return true;
}

bool TDocumentCommands::saveDocument(const std::string& path) {
    if (!writeDocument(period_, path)) {
        showFileError("save error", path);
        return false;
    }
    period_.setName(path);
    settled();
    return true;
}

void TDocumentCommands::settled() {
    if (hooks_.settled)
        hooks_.settled();
}

bool TDocumentCommands::confirmOverwrite(const std::string& path) {
    if (!exists(path))
        return true;
    return prompts_.confirm(bundle_.text("warning"), bundle_.text("the file") + "\n" + path + "\n" +
                                                         bundle_.text("already exists"));
}

void TDocumentCommands::exportMidi() {
    exportFile(MIDI_EXTENSION, "filter midi files", hooks_.writeMidiFile);
}

void TDocumentCommands::exportMusicXml() {
    exportFile(MUSICXML_EXTENSION, "filter musicxml scores",
               [this](const std::string& path) { return bool(writeMusicXmlFile(period_, path)); });
}

void TDocumentCommands::exportPdf(bool blackHeads) {
    exportFile(PDF_EXTENSION, "filter pdf documents", [this, blackHeads](const std::string& path) {
        return hooks_.writePdfFile &&
               hooks_.writePdfFile(path, bundle_.text("sentence"), blackHeads);
    });
}

void TDocumentCommands::exportFile(const char* extension, const char* filterLabelKey,
                                   const std::function<bool(const std::string& path)>& write) {
    hooks_.stop();
    const std::optional<std::string> path =
        prompts_.saveFileName(midiFolder(), extension, fileFilter(filterLabelKey, extension));
    if (!path || !confirmOverwrite(*path))
        return;
    // an export over the composition's own file would lose it
    if (isSameFile(*path, period_.name()) || !write(*path))
        showFileError("save error", *path);
}
