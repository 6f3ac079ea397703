#pragma once

#include <QObject>
#include <atomic>
#include <cstdint>

// What the relay hands back on the user-interface thread.
class TRelayListener {
  public:
    virtual ~TRelayListener() = default;
    // A note of the motive version `variantTag` shown by canvas `canvasId` started or ended.
    virtual void relayNote(int32_t canvasId, int32_t variantTag, int32_t noteIndex,
                           bool started) = 0;
    // The motive of canvas `canvasId` started or stopped playing.
    virtual void relayPlay(int32_t canvasId, bool started) = 0;
    // One step of the popup's audition timer.
    virtual void relayTimerStep() = 0;
};

// The one bridge from timer threads to the user-interface thread. The player's tick and the
// popup's audition timer never touch a widget: they post here, and the notifications arrive on
// the user-interface thread in posting order, after any input already queued.
class TRelay : public QObject {
    Q_OBJECT

  public:
    explicit TRelay(QObject* parent = nullptr);

    // Set on the user-interface thread before anything is posted.
    void setListener(TRelayListener* listener) { listener_ = listener; }

    // Safe from any thread.
    void postNote(int32_t canvasId, int32_t variantTag, int32_t noteIndex, bool started);
    void postPlay(int32_t canvasId, bool started);
    // At most one step waits at a time: a user-interface thread that falls behind the timer
    // gets one step, not a backlog.
    void postTimerStep();

  protected:
    bool event(QEvent* event) override;

  private:
    TRelayListener* listener_ = nullptr;
    std::atomic<bool> timerStepPending_{false};
};
