#include "playback/fluid_synth_port.h"

#include <sys/stat.h>

namespace {

bool offersDriver(fluid_settings_t* settings, const char* name) {
    struct TSearch {
        const char* name;
        bool found;
    } search{name, false};
    fluid_settings_foreach_option(settings, "audio.driver", &search,
                                  [](void* data, const char*, const char* option) {
                                      auto* s = static_cast<TSearch*>(data);
                                      if (std::string(option) == s->name)
                                          s->found = true;
                                  });
    return search.found;
}

bool hasSoundDevices() {
    struct stat info;
    return stat("/dev/snd", &info) == 0;
}

}  // namespace

std::unique_ptr<TFluidSynthPort> TFluidSynthPort::open(const std::string& soundfont) {
    if (!isSoundfont(soundfont))
        return nullptr;
    std::unique_ptr<TFluidSynthPort> port(new TFluidSynthPort());
    if (!port->engine_.valid())
        return nullptr;
    fluid_settings_t* settings = port->engine_.settings();
    fluid_settings_setint(settings, "audio.period-size", PERIOD_FRAMES);
    fluid_settings_setint(settings, "audio.periods", PERIODS);
    // The sound servers first (PipeWire serves PulseAudio clients too), then ALSA directly.
    // JACK is left out: asking for it may start a JACK server behind the user's back. ALSA
    // needs sound hardware; without it the library only searches its configuration and fails.
    const char* drivers[] = {"pipewire", "pulseaudio", "alsa"};
    for (const char* name : drivers) {
        if (!offersDriver(settings, name))
            continue;
        if (std::string(name) == "alsa" && !hasSoundDevices())
            continue;
        fluid_settings_setstr(settings, "audio.driver", name);
        port->driver_ = new_fluid_audio_driver(settings, port->engine_.synth());
        if (port->driver_)
            break;
    }
    if (!port->driver_)
        return nullptr;
    // the output is there; it is opened again for the first note, so a program that has not
    // played yet keeps the sound server idle
    delete_fluid_audio_driver(port->driver_);
    port->driver_ = nullptr;
    TFluidSynthPort* self = port.get();
    port->loader_ = std::thread([self, soundfont] { self->load(soundfont); });
    port->watcher_ = std::thread([self] { self->watchIdle(); });
    return port;
}

TFluidSynthPort::~TFluidSynthPort() {
    {
        std::lock_guard<std::mutex> guard(outputMutex_);
        stopping_ = true;
    }
    stop_.notify_all();
    if (watcher_.joinable())
        watcher_.join();
    if (loader_.joinable())
        loader_.join();
    if (driver_)
        delete_fluid_audio_driver(driver_);
}

void TFluidSynthPort::heard(bool sounds) {
    std::lock_guard<std::mutex> guard(outputMutex_);
    lastMessage_ = std::chrono::steady_clock::now();
    // the driver setting that opened the output first is still in the settings; a failure
    // leaves the note unheard and the next note tries again
    if (sounds && driver_ == nullptr)
        driver_ = new_fluid_audio_driver(engine_.settings(), engine_.synth());
}

void TFluidSynthPort::watchIdle() {
    // a quarter of a second is fine enough for a release that waits two seconds
    constexpr std::chrono::milliseconds LOOK_EVERY{250};
    std::unique_lock<std::mutex> lock(outputMutex_);
    while (!stopping_) {
        stop_.wait_for(lock, LOOK_EVERY, [this] { return stopping_; });
        if (stopping_ || driver_ == nullptr)
            continue;
        // released notes keep their voices until they have decayed
        const bool silent = fluid_synth_get_active_voice_count(engine_.synth()) == 0;
        if (silent && std::chrono::steady_clock::now() - lastMessage_ >= idleAfter_) {
            delete_fluid_audio_driver(driver_);
            driver_ = nullptr;
        }
    }
}

bool TFluidSynthPort::outputOpen() {
    std::lock_guard<std::mutex> guard(outputMutex_);
    return driver_ != nullptr;
}

void TFluidSynthPort::setIdleAfter(std::chrono::milliseconds idle) {
    std::lock_guard<std::mutex> guard(outputMutex_);
    idleAfter_ = idle;
}

double TFluidSynthPort::bufferMilliseconds() {
    return 1000.0 * PERIOD_FRAMES * PERIODS / TFluidSynthEngine::SAMPLE_RATE;
}

void TFluidSynthPort::load(std::string soundfont) {
    engine_.loadSoundfont(soundfont);
    std::lock_guard<std::mutex> guard(pendingMutex_);
    for (const std::vector<uint8_t>& message : pending_) {
        if (message.front() == 0xF0)
            engine_.playSystemExclusive(message.data(), message.size());
        else
            engine_.playShortMessage(message[0] | message[1] << 8 | message[2] << 16);
    }
    pending_.clear();
    ready_ = true;
    loaded_.notify_all();
}

void TFluidSynthPort::waitUntilReady() {
    std::unique_lock<std::mutex> lock(pendingMutex_);
    loaded_.wait(lock, [this] { return ready_.load(); });
}

void TFluidSynthPort::sendShortMessage(uint32_t packed) {
    // only a note needs the output; programs, controllers and note-offs change the
    // synthesizer alone
    heard((packed & 0xF0) == 0x90 && ((packed >> 16) & 0x7F) > 0);
    if (!ready_) {
        std::lock_guard<std::mutex> guard(pendingMutex_);
        if (!ready_) {
            // a note would sound late; programs and volumes must not be lost
            const uint8_t kind = packed & 0xF0;
            if (kind != 0x80 && kind != 0x90)
                pending_.push_back({static_cast<uint8_t>(packed), static_cast<uint8_t>(packed >> 8),
                                    static_cast<uint8_t>(packed >> 16)});
            return;
        }
    }
    engine_.playShortMessage(packed);
}

void TFluidSynthPort::sendSystemExclusive(const uint8_t* data, size_t size) {
    if (size == 0)
        return;
    heard(false);
    if (!ready_) {
        std::lock_guard<std::mutex> guard(pendingMutex_);
        if (!ready_) {
            pending_.emplace_back(data, data + size);
            return;
        }
    }
    engine_.playSystemExclusive(data, size);
}
