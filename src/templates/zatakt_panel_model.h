#pragma once

#include <string>
#include <vector>

#include "model/duration.h"
#include "model/measure.h"
#include "model/tempo.h"

class TMessageBundle;

// What the motive-type picture shows, left to right.
enum class TMotiveTypeSymbol { UNSTRESSED_NOTE, STRESSED_NOTE, BAR_LINE };

// The motive-type panel's choice: Iambus, Trochee or Amphibrachys, and for the two types with an
// anacrusis how long the part before or after the bar line is, as an index into a list of
// sixteenth steps that the meter limits. Its value is the anacrusis in ticks.
class TZataktPanelModel {
  public:
    // Amphibrachys with an eighth before the bar, in 2/4.
    TZataktPanelModel() = default;

    TMotiveType type() const { return type_; }
    // -1 only when the meter leaves no duration to choose.
    int durationIndex() const { return durationIndex_; }
    const TMeasure& measure() const { return measure_; }
    // The anacrusis in ticks.
    DURATION value() const { return anacrusisFor(type_, durationIndex_, measure_.measureLength()); }

    // The "motive type group" texts, in type order.
    static std::vector<std::string> typeItems(const TMessageBundle& bundle);
    // How many sixteenth steps the meter offers: one fewer than fit in the measure, at most eight.
    int durationCount() const;
    // The first durationCount() texts of the "duration group".
    std::vector<std::string> durationItems(const TMessageBundle& bundle) const;
    // A Trochee starts on the bar line and has no duration to choose.
    bool durationShown() const { return type_ != TMotiveType::TROCHEE; }
    // The text above the duration list; empty for a Trochee.
    std::string durationLabel(const TMessageBundle& bundle) const;
    std::vector<TMotiveTypeSymbol> pictureSymbols() const;

    void setType(TMotiveType type);
    // Indices outside the list are ignored.
    void setDurationIndex(int index);
    // Keeps the duration when the new meter still offers it, else takes the longest it offers,
    // so that the anacrusis stays inside the measure.
    void setMeasure(const TMeasure& measure);
    // A third of the draws give a Trochee; the others a type with an anacrusis and a duration.
    void chooseRandom();

  private:
    TMotiveType type_ = TMotiveType::AMPHIBRACHYS;
    int durationIndex_ = 1;
    TMeasure measure_;
};
