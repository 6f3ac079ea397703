#pragma once

// Reads a written MusicXML score back as a notation program would, for tests.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <vector>

// What a notation program makes of the melody part: the notes with their onsets, tied parts
// joined.
struct TReadNote {
    int64_t onset = 0;  // ticks from the start of the score
    char step = '?';
    int alter = 0;
    int octave = 0;
    int64_t duration = 0;
};

struct TReadPart {
    std::vector<TReadNote> notes;
    std::vector<int64_t> measureLengths;  // per measure, per voice: the ticks it fills
    int64_t totalTicks = 0;
};

inline TReadPart readPart(const pugi::xml_document& doc, const char* id) {
    TReadPart part;
    const pugi::xml_node node =
        doc.child("score-partwise").find_child_by_attribute("part", "id", id);
    int64_t divisions = 0;
    int64_t measureStart = 0;
    for (const pugi::xml_node measure : node.children("measure")) {
        if (const pugi::xml_node d = measure.child("attributes").child("divisions"))
            divisions = d.text().as_llong();
        EXPECT_GT(divisions, 0);
        if (divisions <= 0)
            return part;
        int64_t position = 0;
        int64_t longest = 0;
        for (const pugi::xml_node child : measure.children()) {
            const std::string name = child.name();
            if (name == "backup") {
                position -= child.child("duration").text().as_llong() * 120 / divisions;
                continue;
            }
            if (name != "note")
                continue;
            const int64_t duration = child.child("duration").text().as_llong() * 120 / divisions;
            EXPECT_EQ(child.child("duration").text().as_llong() * 120 % divisions, 0);
            const int64_t onset = measureStart + position;
            position += duration;
            longest = std::max(longest, position);
            if (child.child("rest"))
                continue;
            const pugi::xml_node pitch = child.child("pitch");
            bool tiedIn = false;
            for (const pugi::xml_node tie : child.children("tie"))
                tiedIn = tiedIn || std::string(tie.attribute("type").value()) == "stop";
            if (tiedIn && std::string(id) == "P1") {
                EXPECT_FALSE(part.notes.empty());
                if (part.notes.empty())
                    continue;
                TReadNote& last = part.notes.back();
                EXPECT_EQ(last.onset + last.duration, onset);
                EXPECT_EQ(last.step, pitch.child("step").text().as_string()[0]);
                EXPECT_EQ(last.octave, pitch.child("octave").text().as_int());
                last.duration += duration;
                continue;
            }
            TReadNote note;
            note.onset = onset;
            note.step = pitch.child("step").text().as_string()[0];
            note.alter = pitch.child("alter").text().as_int();
            note.octave = pitch.child("octave").text().as_int();
            note.duration = duration;
            part.notes.push_back(note);
        }
        part.measureLengths.push_back(longest);
        measureStart += longest;
    }
    part.totalTicks = measureStart;
    return part;
}

// The sounding key of a spelled note.
inline int midiOf(char step, int alter, int octave) {
    static const std::string LETTERS = "CDEFGAB";
    static const int NATURAL[7] = {0, 2, 4, 5, 7, 9, 11};
    const size_t letter = LETTERS.find(step);
    EXPECT_NE(letter, std::string::npos) << step;
    if (letter == std::string::npos)
        return -1;
    return 12 * (octave + 1) + NATURAL[letter] + alter;
}
