#include "app/audition_timer.h"

#include <stdexcept>

#include "app/relay.h"

TRelayAuditionTimer::TRelayAuditionTimer(TRelay& relay) {
    timer_.setOnTimer([&relay](TRealTimer& t) {
        if (t.isCurrentRun())
            relay.postTimerStep();
    });
}

void TRelayAuditionTimer::start(int32_t periodMs) {
    timer_.setDelayMs(periodMs);
    timer_.setResolutionMs(periodMs);
    try {
        timer_.start();
    } catch (const std::runtime_error&) {
        // without the tick, pressure still builds with every move of the mouse
    }
}
