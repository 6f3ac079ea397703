// File > Export to PDF and motivica-cli export --format pdf: the period as a printed score,
// checked by reading the file back with the poppler tools. Set MOTIVICA_NOTATION_SHOTS to a
// folder to keep the 64-motive score there.
#include "print/pdf_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numeric>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "generation/chord_selection.h"
#include "generation/random.h"
#include "generation/scheme.h"
#include "model/document.h"
#include "model/period_data.h"
#include "playback/capture_port.h"
#include "support/largest_period.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace fs = std::filesystem;

namespace {

bool haveTool(const std::string& name) {
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

// What a command printed; `status` gets its exit status.
std::string output(const std::string& command, int* status = nullptr) {
    std::string text;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return text;
    std::array<char, 4096> buffer{};
    size_t n = 0;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        text.append(buffer.data(), n);
    const int result = pclose(pipe);
    if (status)
        *status = WIFEXITED(result) ? WEXITSTATUS(result) : -1;
    return text;
}

// The page count pdfinfo reads; -1 when it cannot read the file.
int pageCount(const std::string& pdf) {
    int status = 0;
    const std::string info = output("pdfinfo " + quoted(pdf) + " 2>&1", &status);
    const size_t at = info.find("Pages:");
    if (status != 0 || at == std::string::npos)
        return -1;
    return std::stoi(info.substr(at + 6));
}

// Renders every page to PNG and returns the pictures, in page order.
std::vector<QImage> renderedPages(const std::string& pdf, const std::string& folder) {
    int status = 0;
    output("pdftoppm -r 40 -png " + quoted(pdf) + " " + quoted(folder + "/page") + " 2>&1",
           &status);
    EXPECT_EQ(status, 0);
    std::vector<std::string> files;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        if (e.path().extension() == ".png")
            files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    std::vector<QImage> pages;
    for (const std::string& file : files)
        pages.emplace_back(QString::fromStdString(file));
    return pages;
}

// The window with scripted prompts and captured devices, driven through its File menu.
class TScriptedWindow {
    TCaptureLog log_;
    TCaptureDevices devices_{log_};
    std::unique_ptr<TScriptedPrompts> owned_ = std::make_unique<TScriptedPrompts>();

  public:
    explicit TScriptedWindow(const std::string& base)
        : window(base, std::move(owned_), &devices_) {}

    TScriptedPrompts& prompts = *owned_;
    TMainWindow window;
};

QAction* fileMenuAction(TMainWindow& window, const QString& text) {
    for (QAction* action : window.menuBar()->actions().front()->menu()->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// The pixels of a picture that are clearly blue, as non-chord tones' heads are.
int64_t bluish(const QImage& image) {
    int64_t n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            n += qBlue(c) > 120 && qBlue(c) > qRed(c) + 100 && qBlue(c) > qGreen(c) + 50;
        }
    return n;
}

// The share of a picture's pixels that are not white.
double inked(const QImage& image) {
    int64_t dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 200;
    return double(dark) / double(int64_t{image.width()} * image.height());
}

class PdfExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!haveTool("pdfinfo") || !haveTool("pdftoppm"))
            GTEST_SKIP() << "the poppler tools (poppler-utils) are not installed";
    }

    TScratchFolder scratch_{"pdf_export"};
};

}  // namespace

TEST_F(PdfExportTest, SixtyFourMotivesMakeTheirPagesAndEachRenders) {
    TPeriodData period = largestPeriod();
    period.setName("/somewhere/tnrs/Four sentences.tnr");
    const TScoreLayout layout = periodPdfLayout(period);
    // a phrase of four motives a line; the lines are as tall as their notes reach, about five a
    // page
    EXPECT_EQ(layout.systemCount(), 16u);
    const size_t n = layout.pages.size();
    ASSERT_GE(n, 3u);
    ASSERT_LE(n, 4u);

    const std::string pdf = scratch_.path("score.pdf");
    ASSERT_TRUE(writePeriodPdf(period, pdf));
    EXPECT_EQ(pageCount(pdf), int(n));
    // MOTIVICA_NOTATION_SHOTS names a folder to keep the score in, to look at
    if (const char* folder = std::getenv("MOTIVICA_NOTATION_SHOTS"))
        fs::copy_file(pdf, fs::path(folder) / "notation_score.pdf",
                      fs::copy_options::overwrite_existing);
    const std::string pictures = scratch_.path("pages");
    fs::create_directories(pictures);
    const std::vector<QImage> pages = renderedPages(pdf, pictures);
    ASSERT_EQ(pages.size(), n);
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_FALSE(pages[i].isNull());
        // A4 portrait at 40 dots an inch
        EXPECT_NEAR(pages[i].width(), 331, 2);
        EXPECT_NEAR(pages[i].height(), 468, 2);
        EXPECT_GT(inked(pages[i]), 0.02);
    }

    // drawn as vectors: no pictures in the file
    if (haveTool("pdfimages")) {
        const std::string images = output("pdfimages -list " + quoted(pdf));
        EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 2) << images;
    }
    // the words on the pages: title, tempo, markers, page numbers
    if (haveTool("pdftotext")) {
        // the reader may drop or keep the blanks between words
        const auto compact = [](std::string s) {
            s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
            return s;
        };
        const std::string text = compact(output("pdftotext " + quoted(pdf) + " -"));
        for (const char* expected : {"Four sentences", "= 75", "Sentence 1", "Sentence 4", "B1",
                                     "A2", "non-chord tone", "subdominant"}) {
            SCOPED_TRACE(expected);
            EXPECT_NE(text.find(compact(expected)), std::string::npos);
        }
        EXPECT_NE(text.find(compact(std::to_string(n) + " / " + std::to_string(n))),
                  std::string::npos);
        EXPECT_EQ(text.find(".tnr"), std::string::npos);
    }
}

TEST_F(PdfExportTest, AFailedWriteLeavesNoFileAndAnOldOneAsItWas) {
    const TPeriodData period = largestPeriod();
    EXPECT_FALSE(writePeriodPdf(period, scratch_.path("no/such/folder/score.pdf")));
    EXPECT_FALSE(fs::exists(scratch_.path("no")));
    const std::string folder = scratch_.path("folder.pdf");
    fs::create_directories(folder);
    EXPECT_FALSE(writePeriodPdf(period, folder));
    EXPECT_TRUE(fs::is_directory(folder));
    // nothing half written is left beside it
    std::vector<std::string> left;
    for (const fs::directory_entry& e : fs::directory_iterator(scratch_.base()))
        left.push_back(e.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"folder.pdf"});
}

TEST_F(PdfExportTest, TheCommandLineWritesTheSameScoreWithoutADisplay) {
    TPeriodData period = largestPeriod();
    const std::string document = scratch_.path("Largest.tnr");
    ASSERT_TRUE(writeDocument(period, document));
    const std::string pdf = scratch_.path("cli score.pdf");
    int status = -1;
    const std::string said =
        output("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + std::string(MOTIVICA_CLI) +
                   " export --format pdf " + quoted(document) + " -o " + quoted(pdf) + " 2>&1",
               &status);
    ASSERT_EQ(status, 0) << said;
    EXPECT_EQ(said, "");
    EXPECT_EQ(pageCount(pdf), int(periodPdfLayout(period).pages.size()));
    if (haveTool("pdftotext")) {
        EXPECT_NE(output("pdftotext " + quoted(pdf) + " -").find("Largest"), std::string::npos);
    }

    // the input is never overwritten by its score
    output(std::string(MOTIVICA_CLI) + " export --format pdf " + quoted(document) + " -o " +
               quoted(document) + " 2>&1",
           &status);
    EXPECT_EQ(status, 1);
    TPeriodData back;
    EXPECT_TRUE(readDocument(back, document));
}

TEST_F(PdfExportTest, TheFileMenuAsksBesideTheMidiFilesAndWrites) {
    TScriptedWindow scripted(scratch_.base());
    TScriptedPrompts& prompts = scripted.prompts;
    TMainWindow& window = scripted.window;
    QAction* item = nullptr;
    QStringList texts;
    for (QAction* action : window.menuBar()->actions().front()->menu()->actions())
        texts << action->text();
    const qsizetype at = texts.indexOf("Export to PDF");
    ASSERT_GE(at, 0) << texts.join(", ").toStdString();
    // after the other exports
    EXPECT_EQ(texts[at - 1], "Export to audio (*.wav)");
    item = window.menuBar()->actions().front()->menu()->actions()[at];

    const std::string pdf = scratch_.path("mids/period.pdf");
    fs::create_directories(scratch_.path("mids"));
    prompts.fileNames.push_back(pdf);
    item->trigger();
    ASSERT_FALSE(prompts.shown.empty());
    EXPECT_EQ(prompts.shown.back().kind, "save");
    EXPECT_EQ(prompts.shown.back().caption, scratch_.path("mids/"));
    EXPECT_EQ(prompts.shown.back().text, "PDF documents|*.pdf|All files|*");
    EXPECT_EQ(pageCount(pdf), 1);  // the default composition: eight motives

    // an existing file is replaced only when the user agrees
    fs::resize_file(pdf, 0);
    prompts.fileNames.push_back(pdf);
    prompts.confirmations.push_back(false);
    item->trigger();
    EXPECT_EQ(prompts.shown.back().kind, "confirm");
    EXPECT_EQ(fs::file_size(pdf), 0u);
    prompts.fileNames.push_back(pdf);
    prompts.confirmations.push_back(true);
    item->trigger();
    EXPECT_EQ(pageCount(pdf), 1);

    // a file that cannot be written is reported as every save error is
    const std::string missing = scratch_.path("no/such/folder/x.pdf");
    prompts.fileNames.push_back(missing);
    item->trigger();
    EXPECT_EQ(prompts.shown.back().kind, "message");
    EXPECT_EQ(prompts.shown.back().text, "The error occurs while saving of the file\n" + missing);

    // the composition's own file is never overwritten by its score
    const std::string saved = scratch_.path("period.tnr");
    ASSERT_TRUE(window.saveDocument(saved));
    const std::string before = readWholeFile(saved);
    prompts.fileNames.push_back(saved);
    prompts.confirmations.push_back(true);
    item->trigger();
    EXPECT_EQ(prompts.shown.back().text, "The error occurs while saving of the file\n" + saved);
    EXPECT_EQ(readWholeFile(saved), before);
}

TEST_F(PdfExportTest, TheBlackHeadsExportPrintsNoColouredHead) {
    TScriptedWindow scripted(scratch_.base());
    TScriptedPrompts& prompts = scripted.prompts;
    TMainWindow& window = scripted.window;
    QAction* coloured = fileMenuAction(window, "Export to PDF");
    QAction* black = fileMenuAction(window, "Export to PDF, black note heads");
    ASSERT_NE(coloured, nullptr);
    ASSERT_NE(black, nullptr);
    // a melody with non-chord tones, which print blue unless asked otherwise
    const std::string document = scratch_.path("Largest.tnr");
    ASSERT_TRUE(writeDocument(largestPeriod(), document));
    ASSERT_TRUE(window.openDocument(document));
    fs::create_directories(scratch_.path("mids"));
    const auto render = [&](QAction* item, const std::string& name) {
        const std::string pdf = scratch_.path("mids/" + name + ".pdf");
        prompts.fileNames.push_back(pdf);
        item->trigger();
        const std::string pictures = scratch_.path(name);
        fs::create_directories(pictures);
        return renderedPages(pdf, pictures);
    };
    const std::vector<QImage> colour = render(coloured, "colour");
    const std::vector<QImage> plain = render(black, "black");
    ASSERT_GE(colour.size(), 3u);
    ASSERT_EQ(plain.size(), colour.size());
    EXPECT_GT(bluish(colour[1]), 50);
    for (const QImage& page : plain)
        EXPECT_EQ(bluish(page), 0);
}
