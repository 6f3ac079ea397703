#include "help/dynamic_help_thread.h"

#include <utility>

TDynamicHelpThread::TDynamicHelpThread(TDemoHost& host, std::string folder, std::string parkFolder)
    : host_(host), folder_(std::move(folder)), parkFolder_(std::move(parkFolder)) {}

TDynamicHelpThread::~TDynamicHelpThread() {
    join();
}

void TDynamicHelpThread::start(std::function<void()> onFinished) {
    thread_ = std::thread([this, onFinished = std::move(onFinished)] {
        run();
        if (onFinished) {
            onFinished();
        }
    });
}

void TDynamicHelpThread::join() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void TDynamicHelpThread::run() {
    TEnding ending = TEnding::Normal;
    try {
        sequence();
    } catch (const TCancelled&) {
        ending = TEnding::Cancelled;
    } catch (const TFailed&) {
        ending = TEnding::Failed;
        if (!host_.cancelled()) {
            host_.showError();
        }
    }
    finish();
    ending_ = ending;
}

void TDynamicHelpThread::finish() {
    // only a composition parked by this run comes back: an older "temp.tnr" is not the user's
    host_.finishDemo(parked_ ? parkFolder_ + PARKED_NAME : std::string(), savedName_);
}

void TDynamicHelpThread::step() {
    if (stepDelay_.count() > 0) {
        std::this_thread::sleep_for(stepDelay_);
    }
    checkCancelled();
}

void TDynamicHelpThread::checkCancelled() {
    if (host_.cancelled()) {
        throw TCancelled{};
    }
}

void TDynamicHelpThread::startDemo() {
    if (!host_.startDemo()) {
        fail();
    }
    checkCancelled();
}

void TDynamicHelpThread::showPage(const std::string& name) {
    checkCancelled();
    if (!host_.showPage(folder_ + name)) {
        fail();
    }
    checkCancelled();
}

void TDynamicHelpThread::loadComposition(const std::string& baseName) {
    const std::optional<std::string> name = host_.documentName();
    if (!name) {
        fail();
    }
    savedName_ = *name;
    if (!host_.saveComposition(parkFolder_ + PARKED_NAME)) {
        fail();
    }
    parked_ = true;
    if (!host_.openComposition(folder_ + baseName + ".tnr")) {
        fail();
    }
    checkCancelled();
}

void TDynamicHelpThread::holdStill(int steps) {
    checkCancelled();
    for (int i = 0; i < steps; ++i) {
        host_.setPointer(pointer_);
        step();
    }
}

void TDynamicHelpThread::moveSmoothly(TScreenPoint to) {
    pointer_ = host_.pointer();
    for (const TScreenPoint p : smoothPath(pointer_, to)) {
        pointer_ = p;
        host_.setPointer(p);
        step();
    }
}

TScriptRect TDynamicHelpThread::canvasRect(size_t motive) {
    const std::optional<TScriptRect> rect =
        host_.controlRect({TDemoControlKind::MotiveCanvas, static_cast<int>(motive), 0});
    if (!rect) {
        fail();
    }
    return *rect;
}

void TDynamicHelpThread::moveToCanvasLeft(size_t motive, int32_t dx) {
    const TScriptRect r = canvasRect(motive);
    moveSmoothly({r.left + dx, r.top + r.height / 2});
}

void TDynamicHelpThread::moveToCanvasCorner(size_t motive, int32_t dx, int32_t dy) {
    const TScriptRect r = canvasRect(motive);
    moveSmoothly({r.left + dx, r.top + dy});
}

void TDynamicHelpThread::moveToControlCentre(const TDemoControl& control) {
    const std::optional<TScriptRect> rect = host_.controlRect(control);
    if (!rect) {
        fail();
    }
    moveSmoothly(rect->centre());
}

void TDynamicHelpThread::setTimeCursor(size_t motive, int32_t ticks) {
    if (!host_.setTimeCursor(motive, ticks)) {
        fail();
    }
}

void TDynamicHelpThread::playScript(size_t motive, const std::string& name, TScreenPoint press,
                                    bool ctrl) {
    // the path is read before the press, so that a damaged script never leaves the popup open
    const std::optional<std::vector<TScreenPoint>> points =
        host_.readScript(folder_ + name + ".xml");
    if (!points) {
        fail();
    }
    const TScriptRect canvas = canvasRect(motive);
    try {
        if (!host_.pressCanvas(motive, press)) {
            fail();
        }
        if (!host_.referenceOrigin()) {
            fail();
        }
        step();
        for (const TScreenPoint& p : *points) {
            // asked anew at every point: the window manager may place the popup only after it
            // was first shown, and the recorded path is relative to where it really is
            const std::optional<TScreenPoint> origin = host_.referenceOrigin();
            if (!origin) {
                fail();
            }
            const TScreenPoint screen{origin->x + p.x, origin->y + p.y};
            pointer_ = screen;
            host_.setPointer(screen);
            if (!host_.dragCanvas(motive, {screen.x - canvas.left, screen.y - canvas.top}, ctrl)) {
                fail();
            }
            step();
        }
    } catch (...) {
        // the popup closes whatever ended the path
        host_.releaseCanvas(motive);
        throw;
    }
    if (!host_.releaseCanvas(motive)) {
        fail();
    }
}

void TDynamicHelpThread::waitForPlayback() {
    host_.awaitPlaybackEnd();
    do {
        step();
    } while (!host_.playbackEnded());
}

void TDynamicHelpThread::press(const TDemoControl& control) {
    checkCancelled();
    if (!host_.pressControl(control)) {
        fail();
    }
}

void TDynamicHelpThread::dropMotiveOnWay(size_t motive, int way) {
    checkCancelled();
    if (!host_.dropMotiveOnWay(motive, way)) {
        fail();
    }
}

void TDynamicHelpThread::dropVariant(int way, int pane, size_t motive) {
    checkCancelled();
    if (!host_.dropVariant(way, pane, motive)) {
        fail();
    }
}

void TDynamicHelpThread::click(const TDemoControl& control, int hold) {
    moveToControlCentre(control);
    holdStill(hold);
    press(control);
}

void TDynamicHelpThread::dragMotiveToWay(size_t motive, int way) {
    moveToControlCentre({TDemoControlKind::MotiveHandle, static_cast<int>(motive)});
    holdStill(30);
    moveToControlCentre({TDemoControlKind::WayChooser, way});
    dropMotiveOnWay(motive, way);
}

void TDynamicHelpThread::dragVariantToMotive(int way, int pane, size_t motive) {
    moveToControlCentre({TDemoControlKind::PaneHandle, way, pane});
    holdStill(30);
    moveToControlCentre({TDemoControlKind::MotiveCanvas, static_cast<int>(motive)});
    dropVariant(way, pane, motive);
}

void TDynamicHelpThread::playAndWait(const TDemoControl& strip) {
    click(strip, 20);
    waitForPlayback();
    holdStill(30);
}
