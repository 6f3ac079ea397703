#include "app/relay.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

enum class TRelayKind { NOTE, PLAY, TIMER_STEP };

const QEvent::Type RELAY_EVENT = static_cast<QEvent::Type>(QEvent::registerEventType());

class TRelayEvent : public QEvent {
  public:
    TRelayEvent(TRelayKind kind, int32_t canvasId, int32_t variantTag, int32_t noteIndex,
                bool started)
        : QEvent(RELAY_EVENT),
          kind(kind),
          canvasId(canvasId),
          variantTag(variantTag),
          noteIndex(noteIndex),
          started(started) {}

    TRelayKind kind;
    int32_t canvasId;
    int32_t variantTag;
    int32_t noteIndex;
    bool started;
};

}  // namespace

TRelay::TRelay(QObject* parent) : QObject(parent) {}

void TRelay::postNote(int32_t canvasId, int32_t variantTag, int32_t noteIndex, bool started) {
    QCoreApplication::postEvent(
        this, new TRelayEvent(TRelayKind::NOTE, canvasId, variantTag, noteIndex, started));
}

void TRelay::postPlay(int32_t canvasId, bool started) {
    QCoreApplication::postEvent(this, new TRelayEvent(TRelayKind::PLAY, canvasId, -1, -1, started));
}

void TRelay::postTimerStep() {
    if (timerStepPending_.exchange(true))
        return;
    QCoreApplication::postEvent(this, new TRelayEvent(TRelayKind::TIMER_STEP, -1, -1, -1, false));
}

bool TRelay::event(QEvent* event) {
    if (event->type() != RELAY_EVENT)
        return QObject::event(event);
    const auto* e = static_cast<const TRelayEvent*>(event);
    if (e->kind == TRelayKind::TIMER_STEP)
        timerStepPending_ = false;
    if (listener_ == nullptr)
        return true;
    switch (e->kind) {
        case TRelayKind::NOTE:
            listener_->relayNote(e->canvasId, e->variantTag, e->noteIndex, e->started);
            break;
        case TRelayKind::PLAY:
            listener_->relayPlay(e->canvasId, e->started);
            break;
        case TRelayKind::TIMER_STEP:
            listener_->relayTimerStep();
            break;
    }
    return true;
}
