// What the built-in synthesizer costs while nothing plays, and how soon a note sounds after an
// idle time. Needs a sound server that can be recorded:
//   PULSE_SERVER=$(scripts/start-test-sound-server.sh) build/bench/bench/idle_sound_bench
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "playback/fluid_synth_engine.h"
#include "playback/fluid_synth_port.h"
#include "support/sound_recorder.h"

namespace {

constexpr int RATE = 44100;
constexpr auto IDLE_SPAN = std::chrono::seconds(20);

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// The sound server's process, when one runs on this machine.
std::optional<int> soundServerPid() {
    FILE* pipe = popen("pgrep -o -x pulseaudio || pgrep -o -x pipewire-pulse", "r");
    if (pipe == nullptr)
        return std::nullopt;
    int pid = 0;
    const bool found = std::fscanf(pipe, "%d", &pid) == 1;
    pclose(pipe);
    return found ? std::optional<int>(pid) : std::nullopt;
}

// User and system time of a process in seconds, from /proc/PID/stat.
double cpuSecondsOf(int pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(in, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i)
        if (i == 14 || i == 15)
            ticks += std::stol(field);
    return double(ticks) / double(sysconf(_SC_CLK_TCK));
}

std::unique_ptr<TFluidSynthPort> openPort(benchmark::State& state) {
    const std::optional<std::string> soundfont = findSoundfont();
    std::unique_ptr<TFluidSynthPort> port = soundfont ? TFluidSynthPort::open(*soundfont) : nullptr;
    if (port == nullptr)
        state.SkipWithError("no sound output or no soundfont");
    else
        port->waitUntilReady();
    return port;
}

// Twenty seconds of a synthesizer that has been set up as the program does at its start (a
// program change) and has played nothing since, once as it is (released) and once holding its
// output the whole time (as before): the share of one core this process and the sound server
// use.
void idleCpu(benchmark::State& state) {
    const bool released = state.range(0) == 1;
    for (auto _ : state) {
        std::unique_ptr<TFluidSynthPort> port = openPort(state);
        if (port == nullptr)
            return;
        port->sendShortMessage(0xC0 | 0 << 8);
        if (!released) {
            // a silent note opens the output, which is then never let go
            port->setIdleAfter(std::chrono::hours(1));
            port->sendShortMessage(0x90 | 60 << 8 | 1 << 16);
            port->sendShortMessage(0x80 | 60 << 8);
        }
        const std::optional<int> server = soundServerPid();
        const double program = processCpuSeconds();
        const double serverStart = server ? cpuSecondsOf(*server) : 0;
        std::this_thread::sleep_for(IDLE_SPAN);
        const double seconds = std::chrono::duration<double>(IDLE_SPAN).count();
        state.counters["program_cpu_pct"] = 100 * (processCpuSeconds() - program) / seconds;
        if (server)
            state.counters["server_cpu_pct"] =
                100 * (cpuSecondsOf(*server) - serverStart) / seconds;
        state.counters["output_open_at_end"] = port->outputOpen() ? 1 : 0;
    }
}
BENCHMARK(idleCpu)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kSecond);

// From a note-on to its first sound at the server: with the output open (warm) and after the
// output was let go (cold). The recorder's own delay is in both.
void firstNoteDelay(benchmark::State& state) {
    for (auto _ : state) {
        TRecorder recorder(20 * RATE);
        if (!recorder.opened() || !recorder.waitUntilRecording(std::chrono::seconds(10))) {
            state.SkipWithError("nothing to record from");
            return;
        }
        std::unique_ptr<TFluidSynthPort> port = openPort(state);
        if (port == nullptr)
            return;
        port->setIdleAfter(std::chrono::milliseconds(500));
        const auto strike = [&] {
            const size_t sent = recorder.heardSoFar();
            port->sendShortMessage(0x90 | 67 << 8 | 100 << 16);
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            port->sendShortMessage(0x80 | 67 << 8);
            return sent;
        };
        std::vector<std::pair<size_t, bool>> struck;
        for (int i = 0; i < 5; ++i) {
            // warm: right after the note before; cold: once the output has gone
            struck.push_back({strike(), true});
            while (port->outputOpen())
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            struck.push_back({strike(), false});
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        port.reset();
        const std::vector<int16_t> recorded = recorder.finish();
        double warm = 0, cold = 0;
        int warmCount = 0, coldCount = 0;
        for (const auto& [sent, isWarm] : struck) {
            size_t onset = sent;
            while (onset < recorded.size() && std::abs(int(recorded[onset])) < 500)
                ++onset;
            const double ms = 1000.0 * double(onset - sent) / RATE;
            (isWarm ? warm : cold) += ms;
            ++(isWarm ? warmCount : coldCount);
        }
        state.counters["warm_ms"] = warm / warmCount;
        state.counters["cold_ms"] = cold / coldCount;
        state.counters["cold_minus_warm_ms"] = cold / coldCount - warm / warmCount;
    }
}
BENCHMARK(firstNoteDelay)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
