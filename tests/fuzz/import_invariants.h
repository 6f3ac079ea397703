#pragma once

// What every imported melody must be, whatever the file: a composition the program can save and
// open again unchanged, every note inside its motive on the sixteenth grid, one voice.

#include <string>

#include "exchange/melody_conversion.h"
#include "model/document.h"
#include "round_trip.h"

inline void expectImportedPeriodIsSound(const TMelodyImport& imported) {
    const TPeriodData& period = imported.period;
    expectRoundTrip(period.motiveCount() >= 1 && period.motiveCount() <= 64, "motive count");
    const int32_t length = period.measure.measureLength();
    expectRoundTrip(length == 240 || length == 360 || length == 120 || length == 180, "meter");
    expectRoundTrip(
        period.anacrusis >= 0 && period.anacrusis < length && period.anacrusis % 30 == 0,
        "anacrusis");
    expectRoundTrip(period.key.signs() >= -7 && period.key.signs() <= 7, "key");
    for (const TMotiveAddress& a : period.motiveAddresses()) {
        const TMotive& motive = period.motiveAt(a);
        int32_t end = motive.startTime();
        for (const TNote& note : motive.notes) {
            expectRoundTrip(note.time >= end, "notes in order without overlap");
            expectRoundTrip(note.time % 30 == 0 && note.duration % 30 == 0 && note.duration != 0,
                            "sixteenth grid");
            expectRoundTrip(note.isRest() ? note.pitch == NO_PITCH : isValidPitch(note.pitch),
                            "pitch");
            end = note.endTime();
        }
        expectRoundTrip(end <= motive.endTime(), "notes inside the motive");
    }
    const std::string text = documentText(period);
    TPeriodData again;
    expectRoundTrip(bool(readDocumentText(again, text)), "document reads back");
    const std::string second = documentText(again);
    if (second != text)
        roundTripFailed("document text", text, second);
}
