#pragma once

#include "editing/variant_view.h"
#include "playback/real_timer.h"

class TRelay;

// The popup's tick: a real-time timer whose callback only posts a step to the relay, which
// hands it to the user-interface thread.
class TRelayAuditionTimer : public TAuditionTimer {
  public:
    explicit TRelayAuditionTimer(TRelay& relay);

    void start(int32_t periodMs) override;
    void stop() override { timer_.stop(); }

  private:
    TRealTimer timer_;
};
