#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "generation/turn.h"
#include "model/motive.h"

class TMotiveEditor;
class TVariantModel;

// Custom cursors a canvas shows over its areas.
constexpr int CURSOR_EDIT = -27;
constexpr int CURSOR_NEW_CHORD = -28;
constexpr int CURSOR_CHORD = -29;
constexpr int CURSOR_DELETE = -30;

// One way of reacting to the mouse in a canvas area. x, y are canvas coordinates; gx, gy the
// same point on the screen.
class TUMotiveInterface {
  public:
    explicit TUMotiveInterface(TMotiveEditor& canvas) : canvas_(canvas) {}
    virtual ~TUMotiveInterface() = default;
    TUMotiveInterface(const TUMotiveInterface&) = delete;
    TUMotiveInterface& operator=(const TUMotiveInterface&) = delete;

    virtual void mouseUp() = 0;
    virtual void mouseDown(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) = 0;
    virtual void mouseMove(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) = 0;
    // Whether the time cursor line is drawn.
    virtual bool paintsCursor() const { return false; }
    virtual int cursorShape() const = 0;
    bool pressed() const { return pressed_; }

  protected:
    TMotiveEditor& canvas_;
    bool pressed_ = false;
};

// Notes: a press opens the popup at the time cursor.
class TEditUMInterface : public TUMotiveInterface {
  public:
    using TUMotiveInterface::TUMotiveInterface;
    void mouseUp() override;
    void mouseDown(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) override;
    void mouseMove(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) override;
    bool paintsCursor() const override { return true; }
    int cursorShape() const override { return CURSOR_EDIT; }
};

// Dragging across the staff removes every note whose onset it touches.
class TDeleteUMInterface : public TUMotiveInterface {
  public:
    using TUMotiveInterface::TUMotiveInterface;
    void mouseUp() override;
    void mouseDown(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) override;
    void mouseMove(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) override;
    int cursorShape() const override { return CURSOR_DELETE; }
};

// Chords: a press opens the popup with the chords of each measure in turn.
class TSGIBaseUMInterface : public TUMotiveInterface {
  public:
    using TUMotiveInterface::TUMotiveInterface;
    void mouseUp() override;
    void mouseDown(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) override;
    void mouseMove(uint32_t shift, int32_t x, int32_t y, int32_t gx, int32_t gy) override;
    virtual std::unique_ptr<TVariantModel> createVariantModel();

  protected:
    // Before the popup opens, and after it closed.
    virtual void prepare() {}
    virtual void finish() = 0;
    // Carries the previous motive's last chord over the bar line into an anacrusis; true when
    // it did.
    bool carryChordOver();
    virtual bool emptiesMotive() const { return false; }
    virtual bool rawModel() const { return false; }
};

// Chords under the notes the motive has: only chords that fit them are offered.
class TChordUMInterface : public TSGIBaseUMInterface {
  public:
    using TSGIBaseUMInterface::TSGIBaseUMInterface;
    int cursorShape() const override { return CURSOR_CHORD; }

  protected:
    void finish() override;
    bool rawModel() const override { return true; }
};

// New chords for an empty motive.
class TNewChordUMInterface : public TSGIBaseUMInterface {
  public:
    using TSGIBaseUMInterface::TSGIBaseUMInterface;
    int cursorShape() const override { return CURSOR_NEW_CHORD; }

  protected:
    void finish() override;
    bool emptiesMotive() const override { return true; }
};

// New chords, after which the melody is written again under them with its own rhythm, turns
// and starting pitches.
class TChordWithTransferUMInterface : public TSGIBaseUMInterface {
  public:
    using TSGIBaseUMInterface::TSGIBaseUMInterface;
    int cursorShape() const override { return CURSOR_NEW_CHORD; }

  protected:
    void prepare() override;
    void finish() override;

  private:
    TRhythm rhythm_;
    std::vector<TTurnWithDirVector> turns_;
    std::vector<TLight> references_;
};
