// What is played and what is written down come from one placing of the motives: for random
// periods every melody note the player strikes is a note of the MusicXML melody, at the same
// time and key, and every chord it strikes begins a chord of the harmony part.
#include <gtest/gtest.h>

#include <algorithm>
#include <pugixml.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "exchange/musicxml_writer.h"
#include "playback/motive_player.h"
#include "playback/voice_map.h"
#include "support/musicxml_reading.h"
#include "support/random_period.h"

namespace {

using TOnset = std::tuple<int64_t, int>;  // ticks from the score's start, sounding key

// The player's note-ons on the given channels, in ticks from where the score starts.
std::vector<TOnset> playedOnsets(const TPeriodData& period, std::vector<int32_t> channels,
                                 int64_t origin) {
    TMotivePlayer player;
    for (const TMotiveAddress& address : period.motiveAddresses())
        player.addMotive(period.motiveAt(address));
    std::vector<TOnset> onsets;
    for (const TPlayUnit& unit : player.events())
        if (unit.isNoteOn &&
            std::find(channels.begin(), channels.end(), unit.channel) != channels.end())
            onsets.emplace_back(unit.time - origin, unit.midiKey);
    std::sort(onsets.begin(), onsets.end());
    return onsets;
}

// The notes a part strikes: not rests, not the tied-on rest of a note.
std::vector<TOnset> writtenOnsets(const pugi::xml_document& doc, const char* part) {
    std::vector<TOnset> onsets;
    const pugi::xml_node node =
        doc.child("score-partwise").find_child_by_attribute("part", "id", part);
    int64_t divisions = 0;
    int64_t measureStart = 0;
    for (const pugi::xml_node measure : node.children("measure")) {
        if (const pugi::xml_node d = measure.child("attributes").child("divisions"))
            divisions = d.text().as_llong();
        int64_t position = 0;
        int64_t longest = 0;
        int64_t chordOnset = 0;
        for (const pugi::xml_node child : measure.children()) {
            const std::string name = child.name();
            const int64_t duration = child.child("duration").text().as_llong() * 120 / divisions;
            if (name == "backup")
                position -= duration;
            if (name != "note")
                continue;
            // a note of a chord starts with the note before it
            const int64_t onset = child.child("chord") ? chordOnset : measureStart + position;
            if (!child.child("chord"))
                position += duration;
            chordOnset = onset;
            longest = std::max(longest, position);
            bool tiedIn = false;
            for (const pugi::xml_node tie : child.children("tie"))
                tiedIn = tiedIn || std::string(tie.attribute("type").value()) == "stop";
            if (child.child("rest") || tiedIn)
                continue;
            const pugi::xml_node pitch = child.child("pitch");
            onsets.emplace_back(onset, midiOf(pitch.child("step").text().as_string()[0],
                                              pitch.child("alter").text().as_int(),
                                              pitch.child("octave").text().as_int()));
        }
        measureStart += longest;
    }
    std::sort(onsets.begin(), onsets.end());
    return onsets;
}

TEST(TimelineAgreementTest, WhatThePlayerStrikesIsWhatTheScoreWrites) {
    resetMotivicaRandForTesting();
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const TPeriodData period = randomPeriod(round);
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(musicXmlText(period).c_str()));
        const int32_t length = period.measure.measureLength();
        const int64_t origin = period.anacrusis > 0 ? length - period.anacrusis : 0;
        EXPECT_EQ(playedOnsets(period, {MELODY_CHANNEL}, origin), writtenOnsets(doc, "P1"));
        // voices of a chord that double one another are one note on the staff and one key
        // struck twice by the player: compare the keys struck, not how often
        std::vector<TOnset> chords = playedOnsets(period, {CHORD_CHANNEL, BASS_CHANNEL}, origin);
        // an up-beat's chord sounds from the bar line before it, where the score has not begun:
        // the score writes it where it begins
        for (TOnset& onset : chords)
            std::get<0>(onset) = std::max<int64_t>(std::get<0>(onset), 0);
        std::sort(chords.begin(), chords.end());
        std::vector<TOnset> written = writtenOnsets(doc, "P2");
        chords.erase(std::unique(chords.begin(), chords.end()), chords.end());
        written.erase(std::unique(written.begin(), written.end()), written.end());
        EXPECT_EQ(chords, written);
        if (HasFailure())
            return;
    }
}

}  // namespace
