#include "cli/play_command.h"

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <ctime>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>

#include "cli/cli_args.h"
#include "cli/export_command.h"
#include "help/eng_message_bundle.h"
#include "model/base_folder.h"
#include "model/config.h"
#include "model/period_data.h"
#include "playback/apply_instrument_set.h"
#include "playback/instrument_conf.h"
#include "playback/motive_player.h"
#include "playback/period_motives.h"
#include "playback/player.h"

namespace {

constexpr const char* USAGE =
    "Usage: motivica-cli play IN.tnr [--device N] [--from K] [--to K] [--instruments NAME]\n"
    "Plays the period, or its motives K..K (0-based, in period order), in real time through\n"
    "MIDI output device N (see the devices command; default: the configured device), printing\n"
    "each motive as it starts. The instrument set is NAME, else the configured one. Ctrl+C\n"
    "stops at once with every sounding note released.\n";

// How often the waiting thread looks for news while the timer plays.
constexpr auto POLL = std::chrono::milliseconds(10);
// After the last note the synthesizer's sound needs a moment to die away before closing.
constexpr auto RELEASE_TAIL = std::chrono::milliseconds(800);

// Collects what the timer thread tells, for the waiting thread to print.
class TPlayProgress : public TMotivePlayerStopListener {
  public:
    void started(size_t number) {
        std::lock_guard<std::mutex> guard(mutex_);
        started_.push_back(number);
    }
    std::vector<size_t> takeStarted() {
        std::lock_guard<std::mutex> guard(mutex_);
        std::vector<size_t> taken;
        taken.swap(started_);
        return taken;
    }
    void onPlayStopped() override { stopped_ = true; }
    bool stopped() const { return stopped_; }

  private:
    std::mutex mutex_;
    std::vector<size_t> started_;
    std::atomic<bool> stopped_{false};
};

class TMotiveAnnouncer : public TMotivePlayerListener {
  public:
    TMotiveAnnouncer(TPlayProgress& progress, size_t number)
        : progress_(progress), number_(number) {}
    void onNoteOn(int32_t, int32_t) override {}
    void onNoteOff(int32_t, int32_t) override {}
    void onMotiveStart() override { progress_.started(number_); }
    void onMotiveEnd() override {}

  private:
    TPlayProgress& progress_;
    size_t number_;
};

// Holds SIGINT back from this thread and every thread it starts, so that Ctrl+C can be waited
// for like any other event; the previous mask returns at the end.
class TInterruptCatcher {
  public:
    TInterruptCatcher() {
        sigemptyset(&interrupt_);
        sigaddset(&interrupt_, SIGINT);
        pthread_sigmask(SIG_BLOCK, &interrupt_, &previous_);
    }
    ~TInterruptCatcher() { pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    // Waits up to `timeout` for Ctrl+C.
    bool interrupted(std::chrono::milliseconds timeout) {
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(timeout).count();
        const timespec wait{static_cast<time_t>(ns / 1000000000),
                            static_cast<long>(ns % 1000000000)};
        return sigtimedwait(&interrupt_, nullptr, &wait) == SIGINT;
    }

  private:
    sigset_t interrupt_;
    sigset_t previous_;
};

void printStarted(TPlayProgress& progress, std::ostream& out) {
    for (size_t number : progress.takeStarted())
        out << "motive " << number << std::endl;
}

}  // namespace

int playInRealTime(TPlayer& player, const TInstrumentConf& set,
                   const std::vector<TNumberedMotive>& motives, int32_t tempo, std::ostream& out,
                   std::chrono::milliseconds stopAfter) {
    if (motives.empty())
        return 0;
    TInterruptCatcher catcher;
    TPlayProgress progress;
    std::vector<std::unique_ptr<TMotiveAnnouncer>> announcers;
    TMotivePlayer sequencer(player, set);
    sequencer.setStopListener(&progress);
    sequencer.setTempo(tempo);
    for (const TNumberedMotive& m : motives) {
        announcers.push_back(std::make_unique<TMotiveAnnouncer>(progress, m.number));
        sequencer.addMotive(m.motive, announcers.back().get());
    }
    const auto deadline = stopAfter == std::chrono::milliseconds::max()
                              ? std::chrono::steady_clock::time_point::max()
                              : std::chrono::steady_clock::now() + stopAfter;
    int released = 0;
    while (!progress.stopped()) {
        printStarted(progress, out);
        if (catcher.interrupted(POLL) || std::chrono::steady_clock::now() >= deadline) {
            released = sequencer.stop();
            break;
        }
    }
    printStarted(progress, out);
    if (released == 0)
        std::this_thread::sleep_for(RELEASE_TAIL);
    return released;
}

int runPlayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)err;
    const TCliArgs parsed(args, {"--device", "--from", "--to", "--instruments"}, {});
    if (parsed.helpRequested()) {
        out << USAGE;
        return 0;
    }
    const TPeriodData period = readPeriodArgument(parsed);
    const std::vector<TMotive> all = periodMotives(period);
    const int last = static_cast<int>(all.size()) - 1;
    if ((parsed.has("--from") || parsed.has("--to")) && all.empty())
        throw TUsageError("options --from and --to: the document has no motives");
    const int from = parsed.has("--from") ? *parsed.intValue("--from", 0, last) : 0;
    const int to = parsed.has("--to") ? *parsed.intValue("--to", from, last) : last;

    TConfig config(baseFolder());
    TXmlDocument configDocument;
    config.loadConfig(configDocument);
    const int device =
        parsed.has("--device") ? *parsed.intValue("--device", 0, 32767) : config.midiDevice();
    const TInstrumentConf set = readInstrumentsOption(parsed, config.instrumentSchemeName());

    // before the device opens: the synthesizer's audio thread takes the signal mask it is
    // started with, and a Ctrl+C delivered there would end the process with its notes sounding
    TInterruptCatcher interrupts;
    TPlayer player;
    try {
        player.openDevice(device);
    } catch (const TMidiOpenError&) {
        throw TCommandError(TEngMessageBundle().text("open midi error"));
    }
    applyInstrumentSet(set, player);
    // a large soundfont may still be loading: its first notes would go unheard
    player.waitUntilReady();
    std::vector<TNumberedMotive> chosen;
    for (int i = from; i <= to; ++i)
        chosen.push_back({static_cast<size_t>(i), all[static_cast<size_t>(i)]});
    playInRealTime(player, set, chosen, period.tempo(), out);
    player.sendGeneralMidiReset();
    return 0;
}
