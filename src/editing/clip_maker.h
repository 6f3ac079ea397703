#pragma once

#include <cstdint>
#include <vector>

#include "editing/pointer_control.h"

// A pressure limit above which an edge gives way.
constexpr int32_t PRESSURE_LIMIT = 254;

// The sides of a zone that can carry pressure.
constexpr int32_t SIDE_RIGHT = 0;
constexpr int32_t SIDE_LEFT = 1;

// An edge of a zone that gives way when pushed long enough.
struct TDirection {
    int32_t side = SIDE_RIGHT;
    int32_t initialPressure = 0;
    int32_t pressure = 0;
    int32_t increment = 0;
    // Pushes count only while the pointer stays in one row.
    bool needsSteadyRow = false;

    static TDirection make(int32_t side, int32_t initialPressure, int32_t increment,
                           bool needsSteadyRow) {
        return {side, initialPressure, initialPressure, increment, needsSteadyRow};
    }
    bool operator==(const TDirection&) const = default;
};

// Left, top, right, bottom with a point test; right and bottom exclusive. The hit areas of a
// pane are the same kind of rectangle as the zones on the screen.
using TRectWithCheck = TScreenRect;

// A confinement zone with its pressure edges; at most one direction per side.
struct TOneClip {
    int32_t id = -1;
    TScreenRect rect;
    std::vector<TDirection> directions;

    bool operator==(const TOneClip&) const = default;
};

class TClipMakerListener {
  public:
    virtual ~TClipMakerListener() = default;
    virtual void edgeBroken(int32_t clipId, int32_t side, bool needsSteadyRow) = 0;
};

// What a pressure test found.
struct TEdgeTest {
    bool moved = false;
    bool atEdge = false;
};

// Keeps the pointer inside one zone at a time and turns pushing against the zone's pressure
// edges into pressure. A pushed pointer is moved one pixel back inside, trembling one pixel up
// and down, so that a user who keeps pushing keeps producing pushes; enough pressure breaks
// through and tells the listeners.
class TClipMaker {
  public:
    explicit TClipMaker(TPointerControl& pointer) : pointer_(&pointer) {}

    void defineClip(int32_t id, const TScreenRect& rect, std::vector<TDirection> directions);
    // False when there is no such zone or it is the one in force already (whose pressures then
    // stay as they are).
    bool activateClip(int32_t id);

    TEdgeTest testEdges(bool narrow);
    // Demonstrations: an edge pixel breaks through at once.
    bool testEdgesAtOnce(int32_t x, int32_t y);

    bool resetPressure();
    bool resetSteadyPressure();

    // Grey level of a side's pressure (128 without a direction), and how far it has risen.
    int32_t pressureColour(int32_t side) const;
    int32_t pressurePercent(int32_t side) const;

    void releasePointer();
    void clear();
    // The zones move with the window they lie in: every zone, the one in force and the pointer
    // inside it move by (dx, dy); the pressures stay as they are.
    void translate(int32_t dx, int32_t dy);

    void addListener(TClipMakerListener* listener);
    void removeListener(TClipMakerListener* listener);

    const TOneClip& currentClip() const { return currentClip_; }
    int32_t currentId() const { return currentClip_.id; }
    bool warped() const { return warped_; }
    const TDirection* direction(int32_t side) const;
    TPointerControl& pointer() { return *pointer_; }

  private:
    TDirection* directionOf(int32_t side);
    // The pressure test of one side: a push at its edge, or the margin next to it that keeps
    // the pressures.
    void testSide(int32_t side, bool narrow, int32_t x, int32_t y, TEdgeTest& result, bool& reset);
    void pushBack(int32_t x, int32_t y);
    void breakThrough(int32_t side, bool needsSteadyRow, int32_t x, int32_t y);

    TPointerControl* pointer_;
    std::vector<TOneClip> clips_;
    TOneClip currentClip_;
    std::vector<TClipMakerListener*> listeners_;
    int32_t lastX_ = 0;
    int32_t lastY_ = 0;
    int32_t jiggleSign_ = 1;
    bool warped_ = false;
};
