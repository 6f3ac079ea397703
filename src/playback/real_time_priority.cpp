#include "playback/real_time_priority.h"

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

#include <systemd/sd-bus.h>

#include <cstdint>
#include <memory>

namespace {

// RealtimeKit serves only processes that cap the CPU time a real-time thread may take without
// blocking; this is its default ceiling. The timer thread blocks every period, far sooner.
constexpr rlim_t BROKER_RTTIME_US = 200000;

bool capRealTimeCpu() {
    rlimit limit{};
    if (getrlimit(RLIMIT_RTTIME, &limit) != 0)
        return false;
    if (limit.rlim_max != RLIM_INFINITY && limit.rlim_max <= BROKER_RTTIME_US)
        return true;
    limit.rlim_cur = BROKER_RTTIME_US;
    limit.rlim_max = BROKER_RTTIME_US;
    return setrlimit(RLIMIT_RTTIME, &limit) == 0;
}

struct TBusCloser {
    void operator()(sd_bus* bus) const { sd_bus_flush_close_unref(bus); }
};
struct TMessageReleaser {
    void operator()(sd_bus_message* message) const { sd_bus_message_unref(message); }
};

bool askRealtimeKit(int priority, int timeoutMs) {
    sd_bus* opened = nullptr;
    if (sd_bus_open_system(&opened) < 0)
        return false;
    std::unique_ptr<sd_bus, TBusCloser> bus(opened);
    // the cap stays with the process, so it is set only where there is a broker to ask
    if (!capRealTimeCpu())
        return false;
    sd_bus_message* created = nullptr;
    if (sd_bus_message_new_method_call(bus.get(), &created, "org.freedesktop.RealtimeKit1",
                                       "/org/freedesktop/RealtimeKit1",
                                       "org.freedesktop.RealtimeKit1", "MakeThreadRealtime") < 0)
        return false;
    std::unique_ptr<sd_bus_message, TMessageReleaser> call(created);
    if (sd_bus_message_append(call.get(), "tu", static_cast<uint64_t>(gettid()),
                              static_cast<uint32_t>(priority)) < 0)
        return false;
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message* reply = nullptr;
    const int called =
        sd_bus_call(bus.get(), call.get(), static_cast<uint64_t>(timeoutMs) * 1000, &error, &reply);
    sd_bus_error_free(&error);
    sd_bus_message_unref(reply);
    return called >= 0;
}

}  // namespace

bool requestRealTimePriority(bool askBroker, int brokerTimeoutMs) {
    const int priority = sched_get_priority_min(SCHED_FIFO);
    sched_param param{};
    param.sched_priority = priority;
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) == 0)
        return true;
    return askBroker && askRealtimeKit(priority, brokerTimeoutMs);
}
