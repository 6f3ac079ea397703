#include "editing/clip_maker.h"

#include <algorithm>

void TClipMaker::defineClip(int32_t id, const TScreenRect& rect,
                            std::vector<TDirection> directions) {
    std::erase_if(clips_, [id](const TOneClip& c) { return c.id == id; });
    clips_.push_back(TOneClip{id, rect, std::move(directions)});
}

bool TClipMaker::activateClip(int32_t id) {
    const auto it =
        std::find_if(clips_.begin(), clips_.end(), [id](const TOneClip& c) { return c.id == id; });
    if (it == clips_.end() || *it == currentClip_) {
        return false;
    }
    pointer_->confine(it->rect);
    currentClip_ = *it;
    return true;
}

TDirection* TClipMaker::directionOf(int32_t side) {
    for (TDirection& d : currentClip_.directions) {
        if (d.side == side) {
            return &d;
        }
    }
    return nullptr;
}

const TDirection* TClipMaker::direction(int32_t side) const {
    for (const TDirection& d : currentClip_.directions) {
        if (d.side == side) {
            return &d;
        }
    }
    return nullptr;
}

void TClipMaker::pushBack(int32_t x, int32_t y) {
    const TScreenRect& r = currentClip_.rect;
    const int32_t e = y == r.top ? 1 : (y == r.bottom - 1 ? -1 : jiggleSign_);
    int32_t target = y + e;
    jiggleSign_ = -e;
    if (x == lastX_ && target == lastY_) {
        // going back to where the pointer was last seen would not look like a push
        target = y;
        jiggleSign_ = e;
    }
    pointer_->setPos({x, target});
    warped_ = true;
}

void TClipMaker::breakThrough(int32_t side, bool needsSteadyRow, int32_t x, int32_t y) {
    const int32_t id = currentClip_.id;
    // a listener may change the zone or the listeners while it is told
    const std::vector<TClipMakerListener*> told = listeners_;
    for (TClipMakerListener* l : told) {
        l->edgeBroken(id, side, needsSteadyRow);
    }
    pointer_->setPos({side == SIDE_RIGHT ? x + 2 : x - 2, y});
}

void TClipMaker::testSide(int32_t side, bool narrow, int32_t x, int32_t y, TEdgeTest& result,
                          bool& reset) {
    TDirection* d = directionOf(side);
    if (d == nullptr) {
        return;
    }
    // pixels between the pointer and the edge, and the step that leads back inside
    const int32_t distance =
        side == SIDE_RIGHT ? currentClip_.rect.right - 1 - x : x - currentClip_.rect.left;
    const int32_t inward = side == SIDE_RIGHT ? -1 : 1;
    if (distance == 0 || (!narrow && distance == 1)) {
        if (d->needsSteadyRow && y != lastY_) {
            pushBack(x + inward, y);
        } else {
            d->pressure += d->increment;
            if (d->pressure > PRESSURE_LIMIT) {
                breakThrough(side, d->needsSteadyRow, x, y);
                result.moved = true;
            } else {
                pushBack(x + inward, y);
            }
        }
        result.atEdge = true;
    } else if (distance == 2 || (narrow && distance == 1)) {
        reset = false;
    }
}

TEdgeTest TClipMaker::testEdges(bool narrow) {
    const TScreenPoint p = pointer_->pos();
    const int32_t x = p.x;
    const int32_t y = p.y;
    TEdgeTest result;
    if (warped_) {
        warped_ = false;
        lastX_ = x;
        lastY_ = y;
        result.moved = true;
        return result;
    }
    bool reset = true;
    testSide(SIDE_RIGHT, narrow, x, y, result, reset);
    testSide(SIDE_LEFT, narrow, x, y, result, reset);
    lastX_ = x;
    lastY_ = y;
    if (!warped_ && reset && resetPressure()) {
        result.moved = true;
        result.atEdge = true;
    }
    result.moved = warped_ || result.moved;
    return result;
}

bool TClipMaker::testEdgesAtOnce(int32_t x, int32_t y) {
    (void)y;
    bool fired = false;
    const TScreenRect rect = currentClip_.rect;
    const int32_t id = currentClip_.id;
    const TDirection* right = direction(SIDE_RIGHT);
    const TDirection* left = direction(SIDE_LEFT);
    const bool rightSteady = right != nullptr && right->needsSteadyRow;
    const bool leftSteady = left != nullptr && left->needsSteadyRow;
    const bool hitRight = right != nullptr && x == rect.right - 1;
    const bool hitLeft = left != nullptr && x == rect.left;
    const std::vector<TClipMakerListener*> told = listeners_;
    if (hitRight) {
        for (TClipMakerListener* l : told) {
            l->edgeBroken(id, SIDE_RIGHT, rightSteady);
        }
        fired = true;
    }
    if (hitLeft) {
        for (TClipMakerListener* l : told) {
            l->edgeBroken(id, SIDE_LEFT, leftSteady);
        }
        fired = true;
    }
    return fired;
}

bool TClipMaker::resetPressure() {
    bool changed = false;
    for (TDirection& d : currentClip_.directions) {
        if (d.pressure != d.initialPressure) {
            d.pressure = d.initialPressure;
            changed = true;
        }
    }
    return changed;
}

bool TClipMaker::resetSteadyPressure() {
    bool changed = false;
    for (TDirection& d : currentClip_.directions) {
        if (d.needsSteadyRow && d.pressure != d.initialPressure) {
            d.pressure = d.initialPressure;
            changed = true;
        }
    }
    return changed;
}

int32_t TClipMaker::pressureColour(int32_t side) const {
    const TDirection* d = direction(side);
    if (d == nullptr) {
        return 128;
    }
    return std::clamp(d->pressure, 0, 255);
}

int32_t TClipMaker::pressurePercent(int32_t side) const {
    const TDirection* d = direction(side);
    if (d == nullptr || d->initialPressure >= 255) {
        return 0;
    }
    return static_cast<int32_t>((255 - d->pressure) / ((255 - d->initialPressure) * 0.01));
}

void TClipMaker::releasePointer() {
    pointer_->release();
}

void TClipMaker::translate(int32_t dx, int32_t dy) {
    if (dx == 0 && dy == 0)
        return;
    const auto shift = [dx, dy](TScreenRect& r) {
        r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    };
    for (TOneClip& c : clips_)
        shift(c.rect);
    if (currentClip_.id == -1)
        return;
    const TScreenPoint p = pointer_->pos();
    shift(currentClip_.rect);
    pointer_->confine(currentClip_.rect);
    pointer_->setPos({p.x + dx, p.y + dy});
    lastX_ += dx;
    lastY_ += dy;
}

void TClipMaker::clear() {
    listeners_.clear();
    currentClip_.id = -1;
}

void TClipMaker::addListener(TClipMakerListener* listener) {
    if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end()) {
        listeners_.push_back(listener);
    }
}

void TClipMaker::removeListener(TClipMakerListener* listener) {
    std::erase(listeners_, listener);
}
