#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "help/demo_host.h"

// A demonstration: one fixed sequence of steps that takes over the main window, glides the
// pointer, works the controls, replays recorded paths through the popup, shows its pages and
// plays the results. It runs on a thread of its own and reaches the window only through its
// host. Every ending (normal, cancelled by a key, failed) gives the user's composition back.
class TDynamicHelpThread {
  public:
    // One step of a wait.
    static constexpr std::chrono::milliseconds STEP_DELAY{15};

    enum class TEnding { Running, Normal, Cancelled, Failed };

    // `folder` holds the pages, compositions and scripts; the user's composition is parked in
    // `parkFolder` (the program's data may be read-only). Both end with a separator.
    TDynamicHelpThread(TDemoHost& host, std::string folder, std::string parkFolder);
    virtual ~TDynamicHelpThread();
    TDynamicHelpThread(const TDynamicHelpThread&) = delete;
    TDynamicHelpThread& operator=(const TDynamicHelpThread&) = delete;

    // Runs the sequence on a new thread; `onFinished` is called there after the ending.
    void start(std::function<void()> onFinished);
    // Runs the sequence on the calling thread, to its ending.
    void run();
    // Waits for the thread started by `start`.
    void join();
    TEnding ending() const { return ending_.load(); }
    // Tests shorten the waits; the pattern of steps stays.
    void setStepDelay(std::chrono::milliseconds delay) { stepDelay_ = delay; }

    // The name the user's composition is parked under while a demonstration runs.
    static constexpr const char* PARKED_NAME = "temp.tnr";

  protected:
    virtual void sequence() = 0;

    // The steps the sequences are made of. A failed step or a cancel leaves the sequence by an
    // exception that `run` turns into the ending.
    void startDemo();
    void showPage(const std::string& name);
    // Parks the user's composition and opens the demonstration's own (base name + ".tnr").
    void loadComposition(const std::string& baseName);
    void holdStill(int steps);
    void moveSmoothly(TScreenPoint to);
    // To `dx` pixels right of the canvas's left edge, at its vertical centre.
    void moveToCanvasLeft(size_t motive, int32_t dx);
    // To the canvas's top-left corner plus (dx, dy).
    void moveToCanvasCorner(size_t motive, int32_t dx, int32_t dy);
    void moveToControlCentre(const TDemoControl& control);
    void setTimeCursor(size_t motive, int32_t ticks);
    // Presses the canvas at `press` (canvas coordinates), replays the recorded path through the
    // popup and releases: the popup takes what lies under the last position.
    void playScript(size_t motive, const std::string& name, TScreenPoint press, bool ctrl);
    void waitForPlayback();
    void checkCancelled();
    // Glides to a control, holds still for `hold` steps and presses it.
    void click(const TDemoControl& control, int hold);
    // A motive's handle dragged onto a way's chooser: the way develops it.
    void dragMotiveToWay(size_t motive, int way);
    // A variant's handle dragged onto a motive of the period: the motive takes it.
    void dragVariantToMotive(int way, int pane, size_t motive);
    // Plays what a pane or a motive strip plays and waits for its end.
    void playAndWait(const TDemoControl& strip);

  private:
    void press(const TDemoControl& control);
    void dropMotiveOnWay(size_t motive, int way);
    void dropVariant(int way, int pane, size_t motive);

    struct TFailed {};
    struct TCancelled {};

    void step();
    void fail() { throw TFailed{}; }
    TScriptRect canvasRect(size_t motive);
    void finish();

    TDemoHost& host_;
    std::string folder_;
    std::string parkFolder_;
    std::chrono::milliseconds stepDelay_ = STEP_DELAY;
    TScreenPoint pointer_;
    bool parked_ = false;
    std::string savedName_;
    std::atomic<TEnding> ending_{TEnding::Running};
    std::thread thread_;
};

// "How to select the notes for motive".
class TDHSelectNotes : public TDynamicHelpThread {
  public:
    using TDynamicHelpThread::TDynamicHelpThread;

  protected:
    void sequence() override;
};

// "How to select a chord and its location".
class TDHSelectChord : public TDynamicHelpThread {
  public:
    using TDynamicHelpThread::TDynamicHelpThread;

  protected:
    void sequence() override;
};

// "How to use simple (without Rel. prefix) ways of motive development".
class TDHSimpleEffect : public TDynamicHelpThread {
  public:
    using TDynamicHelpThread::TDynamicHelpThread;

  protected:
    void sequence() override;
};

// "How to use relative (with Rel. prefix) ways of motive development".
class TDHRelEffect : public TDynamicHelpThread {
  public:
    using TDynamicHelpThread::TDynamicHelpThread;

  protected:
    void sequence() override;
};

// The demonstration of a Demo menu entry, 1 to 4; none for another number.
// The message keys of demonstrations 1 to 4, whose texts name them in the Demo menu and on
// their help buttons, and the folder below the help data that holds their pages and scripts.
inline constexpr const char* DEMONSTRATION_KEYS[] = {"how to notes", "how to chords",
                                                     "how to simple way", "how to rel way"};
inline constexpr const char* DEMONSTRATION_FOLDER = "dynamichelp/";

std::unique_ptr<TDynamicHelpThread> createDemonstration(int number, TDemoHost& host,
                                                        const std::string& folder,
                                                        const std::string& parkFolder);
