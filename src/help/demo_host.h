#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "help/dynamic_help_script.h"

// The controls a demonstration glides to and works, named by what they are for.
enum class TDemoControlKind {
    MotiveCanvas,     // index: motive set
    MotiveSelection,  // index: motive set; its strip selects the motive
    MotivePlay,       // index: motive set; its strip plays the motive
    MotiveHandle,     // index: motive set; the handle a motive is dragged by
    WayChooser,       // index: development way (chooser index)
    PaneCanvas,       // index: way, pane: variant pane 0..2
    PanePlay,         // index: way, pane
    PaneHandle,       // index: way, pane
    MoreButton,       // index: way; three new variants
};

struct TDemoControl {
    TDemoControlKind kind = TDemoControlKind::MotiveCanvas;
    int index = 0;
    int pane = 0;

    bool operator==(const TDemoControl&) const = default;
};

// What a demonstration needs of the main window. The demonstration runs on its own thread and
// calls these from there; every operation that touches windows, controls or the composition
// runs on the user-interface thread and returns when it has run. A false or empty answer is a
// failed step. Only `cancelled` is meant to be cheap: it is asked at every step of a wait.
class TDemoHost {
  public:
    virtual ~TDemoHost() = default;

    // Input off, the page window shown at the main window's top-left corner, the popup driven
    // by the demonstration.
    virtual bool startDemo() = 0;
    // The page window shows the page of that path.
    virtual bool showPage(const std::string& path) = 0;
    // The composition's file name, and the documents the demonstration parks and loads.
    virtual std::optional<std::string> documentName() = 0;
    virtual bool saveComposition(const std::string& path) = 0;
    virtual bool openComposition(const std::string& path) = 0;

    // A control's place on the screen; nothing when it does not exist.
    virtual std::optional<TScriptRect> controlRect(const TDemoControl& control) = 0;
    // Runs what a click on the control runs.
    virtual bool pressControl(const TDemoControl& control) = 0;
    // A motive's handle dropped on a way's chooser: the way develops that motive.
    virtual bool dropMotiveOnWay(size_t motive, int way) = 0;
    // A variant pane's handle dropped on a motive's canvas: the motive takes the variant.
    virtual bool dropVariant(int way, int pane, size_t motive) = 0;

    virtual bool setTimeCursor(size_t motive, int32_t ticks) = 0;
    // The mouse on a motive's canvas, in the canvas's own coordinates: the left button pressed,
    // moved with it held (with Ctrl or not), released.
    virtual bool pressCanvas(size_t motive, TScreenPoint local) = 0;
    virtual bool dragCanvas(size_t motive, TScreenPoint local, bool ctrl) = 0;
    virtual bool releaseCanvas(size_t motive) = 0;

    virtual TScreenPoint pointer() = 0;
    virtual void setPointer(TScreenPoint p) = 0;
    // The screen position of the popup's client origin, which recorded paths are relative to.
    virtual std::optional<TScreenPoint> referenceOrigin() = 0;
    virtual std::optional<std::vector<TScreenPoint>> readScript(const std::string& path) = 0;

    // The demonstration waits for what the last edit plays.
    virtual void awaitPlaybackEnd() = 0;
    virtual bool playbackEnded() = 0;

    // True once the user pressed a key (or the demonstration must stop for another reason).
    virtual bool cancelled() = 0;
    // The "dynamic help error" message.
    virtual void showError() = 0;
    // The user's composition back from `parkedPath` under `savedName` (nothing is reopened when
    // `parkedPath` is empty), the page window gone, the popup the user's, input on.
    virtual void finishDemo(const std::string& parkedPath, const std::string& savedName) = 0;
};
