// The demonstrations without a screen: the script format, the glide, and the sequences run
// against a host that records what they ask and can fail or cancel at any step.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "help/dynamic_help_script.h"
#include "help/dynamic_help_thread.h"
#include "model/xml_document.h"

namespace fs = std::filesystem;

namespace {

class ScratchFolder {
  public:
    ScratchFolder() {
        path_ =
            fs::temp_directory_path() /
            ("motivica-demo-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchFolder() { fs::remove_all(path_); }
    std::string file(const std::string& name, const std::string& text) const {
        const fs::path p = path_ / name;
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }
    std::string folder() const { return path_.string() + "/"; }

  private:
    fs::path path_;
};

TEST(DynamicHelpScript, WritesOneMoveElementPerLine) {
    EXPECT_EQ(dynamicHelpScriptText({{12, -3}, {0, 450}}),
              "<DYNAMIC_HELP>\n"
              "    <MOVE X=\"12\" Y=\"-3\"/>\n"
              "    <MOVE X=\"0\" Y=\"450\"/>\n"
              "</DYNAMIC_HELP>\n");
    EXPECT_EQ(dynamicHelpScriptText({}), "<DYNAMIC_HELP>\n</DYNAMIC_HELP>\n");
}

TEST(DynamicHelpScript, ReadsWhatItWritesAndIgnoresOtherElementsAndAttributes) {
    ScratchFolder scratch;
    TXmlDocument xml;
    const std::vector<TScreenPoint> points = {{5, 7}, {239, 100}, {-4, 600}};
    auto read = readDynamicHelpScript(xml, scratch.file("a.xml", dynamicHelpScriptText(points)));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, points);

    read = readDynamicHelpScript(
        xml, scratch.file("b.xml",
                          "<DYNAMIC_HELP><NOTE X=\"1\" Y=\"2\"/>"
                          "<MOVE Z=\"9\" Y=\"3\" X=\"4\"/><!-- c --></DYNAMIC_HELP>"));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, (std::vector<TScreenPoint>{{4, 3}}));

    read = readDynamicHelpScript(xml, scratch.file("c.xml", "<DYNAMIC_HELP/>"));
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->empty());
}

TEST(DynamicHelpScript, RefusesAnotherRootAMissingFileAndNumbersThatAreNotWhole) {
    ScratchFolder scratch;
    TXmlDocument xml;
    EXPECT_FALSE(readDynamicHelpScript(xml, scratch.folder() + "missing.xml"));
    EXPECT_FALSE(readDynamicHelpScript(
        xml, scratch.file("r.xml", "<SCRIPT><MOVE X=\"1\" Y=\"2\"/></SCRIPT>")));
    EXPECT_FALSE(readDynamicHelpScript(xml, scratch.file("t.xml", "<DYNAMIC_HELP><MOVE X=\"1\"")));
    EXPECT_FALSE(readDynamicHelpScript(
        xml, scratch.file("x.xml", "<DYNAMIC_HELP><MOVE X=\"1.5\" Y=\"2\"/></DYNAMIC_HELP>")));
    EXPECT_FALSE(readDynamicHelpScript(
        xml, scratch.file("y.xml", "<DYNAMIC_HELP><MOVE X=\"1\"/></DYNAMIC_HELP>")));
}

TEST(SmoothPath, AtMostThirtyStepsPerAxisAndEndsExactlyOnTheTarget) {
    // far on both axes: 30 steps, the last one the target itself
    std::vector<TScreenPoint> path = smoothPath({0, 0}, {300, -90});
    ASSERT_EQ(path.size(), 31u);
    EXPECT_EQ(path[0], (TScreenPoint{10, -3}));
    EXPECT_EQ(path[29], (TScreenPoint{300, -90}));
    EXPECT_EQ(path.back(), (TScreenPoint{300, -90}));

    // a short axis stops when its steps are used up
    path = smoothPath({10, 10}, {70, 13});
    ASSERT_EQ(path.size(), 31u);
    EXPECT_EQ(path[0], (TScreenPoint{12, 11}));
    EXPECT_EQ(path[2], (TScreenPoint{16, 13}));
    EXPECT_EQ(path[10].y, 13);

    // no distance: only the final set
    EXPECT_EQ(smoothPath({5, 5}, {5, 5}), (std::vector<TScreenPoint>{{5, 5}}));
}

// Records every request; answers from a small model of the window.
class FakeHost : public TDemoHost {
  public:
    std::vector<std::string> calls;
    std::string documentName_ = "tnrs/mine.tnr";
    std::string failOn;       // the call that fails
    std::string cancelAfter;  // the user presses a key when this call has run
    bool cancelledFlag = false;
    std::map<std::string, std::vector<TScreenPoint>> scripts;
    std::vector<TScreenPoint> drags;
    std::string parked;
    std::string restoredName;
    bool finished = false;
    int errors = 0;
    int pointerSets = 0;
    TScreenPoint pointerAt{0, 0};

    bool log(const std::string& call) {
        calls.push_back(call);
        const bool ok = failOn.empty() || call.rfind(failOn, 0) != 0;
        if (!cancelAfter.empty() && call.rfind(cancelAfter, 0) == 0) {
            cancelledFlag = true;
        }
        return ok;
    }
    static std::string leaf(const std::string& path) { return fs::path(path).filename().string(); }

    bool startDemo() override { return log("start"); }
    bool showPage(const std::string& path) override { return log("page " + leaf(path)); }
    std::optional<std::string> documentName() override { return documentName_; }
    bool saveComposition(const std::string& path) override {
        if (!log("save " + leaf(path)))
            return false;
        parked = path;
        return true;
    }
    bool openComposition(const std::string& path) override { return log("open " + leaf(path)); }
    std::optional<TScriptRect> controlRect(const TDemoControl& c) override {
        if (!log("rect " + std::to_string(static_cast<int>(c.kind)) + " " +
                 std::to_string(c.index)))
            return std::nullopt;
        return TScriptRect{100 + 200 * c.index, 400, 230, 180};
    }
    bool pressControl(const TDemoControl& c) override {
        return log("press " + std::to_string(static_cast<int>(c.kind)) + " " +
                   std::to_string(c.index) + " " + std::to_string(c.pane));
    }
    bool dropMotiveOnWay(size_t motive, int way) override {
        return log("way " + std::to_string(motive) + " " + std::to_string(way));
    }
    bool dropVariant(int way, int pane, size_t motive) override {
        return log("variant " + std::to_string(way) + " " + std::to_string(pane) + " " +
                   std::to_string(motive));
    }
    bool setTimeCursor(size_t motive, int32_t ticks) override {
        return log("cursor " + std::to_string(motive) + " " + std::to_string(ticks));
    }
    bool pressCanvas(size_t motive, TScreenPoint local) override {
        return log("down " + std::to_string(motive) + " " + std::to_string(local.x) + "," +
                   std::to_string(local.y));
    }
    bool dragCanvas(size_t, TScreenPoint local, bool ctrl) override {
        drags.push_back(local);
        return log(std::string("drag") + (ctrl ? " ctrl" : ""));
    }
    bool releaseCanvas(size_t motive) override { return log("up " + std::to_string(motive)); }
    TScreenPoint pointer() override { return pointerAt; }
    void setPointer(TScreenPoint p) override {
        pointerAt = p;
        ++pointerSets;
    }
    std::optional<TScreenPoint> referenceOrigin() override { return TScreenPoint{20, 30}; }
    std::optional<std::vector<TScreenPoint>> readScript(const std::string& path) override {
        if (!log("script " + leaf(path)))
            return std::nullopt;
        const auto i = scripts.find(leaf(path));
        if (i == scripts.end())
            return std::vector<TScreenPoint>{};
        return i->second;
    }
    void awaitPlaybackEnd() override { calls.push_back("await"); }
    bool playbackEnded() override { return true; }
    bool cancelled() override { return cancelledFlag; }
    void showError() override { ++errors; }
    void finishDemo(const std::string& parkedPath, const std::string& savedName) override {
        calls.push_back("finish " + leaf(parkedPath));
        restoredName = savedName;
        finished = true;
    }

    size_t count(const std::string& prefix) const {
        size_t n = 0;
        for (const std::string& c : calls)
            n += c.rfind(prefix, 0) == 0;
        return n;
    }
};

std::unique_ptr<TDynamicHelpThread> demo(int n, FakeHost& host) {
    auto d = createDemonstration(n, host, "/data/dynamichelp/", "/home/me/dynamichelp/");
    d->setStepDelay(std::chrono::milliseconds(0));
    return d;
}

TEST(Demonstrations, NotesDemoParksTheCompositionShowsItsPagesAndReplaysItsFourScripts) {
    FakeHost host;
    host.scripts["helpSelectNotes.xml"] = {{10, 20}, {239, 20}};
    auto d = demo(1, host);
    d->run();
    EXPECT_EQ(d->ending(), TDynamicHelpThread::TEnding::Normal);
    EXPECT_EQ(host.calls[0], "start");
    EXPECT_EQ(host.calls[1], "page helpSelectNotes1.html");
    EXPECT_EQ(host.calls[2], "save temp.tnr");
    EXPECT_EQ(host.parked, "/home/me/dynamichelp/temp.tnr");
    EXPECT_EQ(host.calls[3], "open helpSelectNotes.tnr");
    for (const char* page : {"page helpSelectNotes2.html", "page helpSelectNotes3.html",
                             "page helpSelectNotes4.html", "page helpSelectNotes5.html"})
        EXPECT_EQ(host.count(page), 1u) << page;
    EXPECT_EQ(host.count("script "), 4u);
    EXPECT_EQ(host.count("down 0 0,0"), 4u);
    EXPECT_EQ(host.count("up 0"), 4u);
    EXPECT_EQ(host.count("cursor 0 180"), 3u);
    EXPECT_EQ(host.count("cursor 0 300"), 1u);
    EXPECT_EQ(host.count("await"), 4u);
    // the recorded points are the popup's: on the screen beside it, relative to the canvas
    ASSERT_GE(host.drags.size(), 2u);
    EXPECT_EQ(host.drags[0], (TScreenPoint{20 + 10 - 100, 30 + 20 - 400}));
    // the last script is replayed with Ctrl held
    EXPECT_EQ(host.count("drag ctrl"), 0u);  // its script is empty: press and release only
    EXPECT_EQ(host.calls.back(), "finish temp.tnr");
    EXPECT_EQ(host.restoredName, "tnrs/mine.tnr");
    EXPECT_EQ(host.errors, 0);
}

TEST(Demonstrations, CtrlIsHeldOnlyDuringTheLastNotesScript) {
    FakeHost host;
    host.scripts["helpSelectNotes3.xml"] = {{1, 1}, {2, 2}};
    host.scripts["helpSelectNotes2.xml"] = {{3, 3}};
    auto d = demo(1, host);
    d->run();
    EXPECT_EQ(host.count("drag ctrl"), 2u);
    EXPECT_EQ(host.count("drag"), 3u);
}

TEST(Demonstrations, ChordDemoPressesInTheChordArea) {
    FakeHost host;
    auto d = demo(2, host);
    d->run();
    EXPECT_EQ(host.count("down 0 111,166"), 2u);
    EXPECT_EQ(host.count("script helpSelectChord.xml"), 1u);
    EXPECT_EQ(host.count("script helpSelectChord1.xml"), 1u);
    EXPECT_EQ(host.calls.back(), "finish temp.tnr");
}

TEST(Demonstrations, EffectDemosShowEveryPageInOrderAndPutVariantsIntoThePeriod) {
    for (int n : {3, 4}) {
        FakeHost host;
        auto d = demo(n, host);
        d->run();
        EXPECT_EQ(d->ending(), TDynamicHelpThread::TEnding::Normal);
        const std::string base = n == 3 ? "helpSimpleEffect" : "helpRelEffect";
        const int pages = n == 3 ? 9 : 5;
        std::vector<std::string> shown;
        for (const std::string& c : host.calls)
            if (c.rfind("page ", 0) == 0)
                shown.push_back(c);
        ASSERT_EQ(shown.size(), static_cast<size_t>(pages));
        for (int i = 0; i < pages; ++i)
            EXPECT_EQ(shown[static_cast<size_t>(i)],
                      "page " + base + std::to_string(i + 1) + ".html");
        EXPECT_EQ(host.count("open " + base + ".tnr"), 1u);
        EXPECT_GE(host.count("way "), 2u);
        EXPECT_GE(host.count("variant "), 1u);
        EXPECT_GE(host.count("await"), 3u);
        EXPECT_EQ(host.calls.back(), "finish temp.tnr");
    }
}

TEST(Demonstrations, AFailedStepShowsTheErrorAndStillGivesTheCompositionBack) {
    // any step of any demonstration: the message once, then the composition from its park
    for (int n : {1, 2, 3, 4}) {
        for (const char* failing : {"open ", "script ", "page ", "rect ", "down ", "way "}) {
            FakeHost host;
            host.failOn = failing;
            auto d = demo(n, host);
            d->run();
            if (host.count(failing) == 0) {
                EXPECT_EQ(d->ending(), TDynamicHelpThread::TEnding::Normal);
                continue;
            }
            SCOPED_TRACE(std::to_string(n) + " " + failing);
            EXPECT_EQ(d->ending(), TDynamicHelpThread::TEnding::Failed);
            EXPECT_EQ(host.errors, 1);
            // what was parked comes back; a failure before the park leaves the composition
            if (host.count("save ") > 0) {
                EXPECT_EQ(host.calls.back(), "finish temp.tnr");
                EXPECT_EQ(host.restoredName, "tnrs/mine.tnr");
            } else {
                EXPECT_EQ(host.calls.back(), "finish ");
            }
            // a press is always followed by its release
            EXPECT_EQ(host.count("down "), host.count("up "));
        }
    }
}

TEST(Demonstrations, ACompositionThatCouldNotBeParkedIsNotReplacedByAnOldPark) {
    FakeHost host;
    host.failOn = "save ";
    auto d = demo(1, host);
    d->run();
    EXPECT_EQ(d->ending(), TDynamicHelpThread::TEnding::Failed);
    EXPECT_EQ(host.count("open "), 0u);
    EXPECT_EQ(host.calls.back(), "finish ");  // nothing to reopen
}

TEST(Demonstrations, AKeyDuringAWaitEndsTheDemonstrationAtOnce) {
    FakeHost host;
    host.cancelAfter = "open helpSelectNotes.tnr";
    auto d = demo(1, host);
    d->run();
    EXPECT_EQ(d->ending(), TDynamicHelpThread::TEnding::Cancelled);
    EXPECT_EQ(host.errors, 0);
    // the first wait of 200 steps ends at its first step
    EXPECT_LE(host.pointerSets, 1);
    EXPECT_EQ(host.count("page helpSelectNotes2.html"), 0u);
    EXPECT_EQ(host.calls.back(), "finish temp.tnr");
    EXPECT_EQ(host.restoredName, "tnrs/mine.tnr");
}

TEST(Demonstrations, AKeyDuringAScriptReleasesTheCanvasBeforeFinishing) {
    FakeHost host;
    host.scripts["helpSelectNotes.xml"] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}};
    host.cancelAfter = "drag";
    auto d = demo(1, host);
    d->run();
    EXPECT_EQ(d->ending(), TDynamicHelpThread::TEnding::Cancelled);
    EXPECT_EQ(host.count("drag"), 1u);
    EXPECT_EQ(host.count("up 0"), 1u);
    EXPECT_EQ(host.calls.back(), "finish temp.tnr");
}

TEST(Demonstrations, RunsOnItsOwnThreadAndTellsItsEnd) {
    FakeHost host;
    auto d = demo(2, host);
    std::mutex m;
    bool told = false;
    d->start([&] {
        std::lock_guard<std::mutex> lock(m);
        told = true;
    });
    d->join();
    EXPECT_TRUE(told);
    EXPECT_EQ(d->ending(), TDynamicHelpThread::TEnding::Normal);
    EXPECT_TRUE(host.finished);
}

TEST(Demonstrations, OnlyFourExist) {
    FakeHost host;
    EXPECT_EQ(createDemonstration(0, host, "", ""), nullptr);
    EXPECT_EQ(createDemonstration(5, host, "", ""), nullptr);
}

}  // namespace
