#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

class TPeriodData;

// One step of the step-by-step tutorial: its page, the motive set the period panel scrolls to,
// and the development way (a chooser index) opened on the motive of set k, or -1 for none.
struct TTutorialStep {
    std::string_view page;
    int motive;
    int way;
};

// The tutorial walks through "step8.tnr" in eight steps; each step's play buttons play the motive
// the step shows and the phrase and sentence that hold it.
inline constexpr std::array<TTutorialStep, 8> TUTORIAL_STEPS = {{
    {"step1.html", 2, -1},
    {"step2.html", 4, -1},
    {"step3.html", 5, 10},
    {"step4.html", 7, -1},
    {"step5.html", 8, 12},
    {"step6.html", 11, 3},
    {"step7.html", 12, 3},
    {"step8.html", 14, -1},
}};

// What a step's play buttons play: the motive it scrolls to, and the phrase (counted across the
// whole period) and sentence holding it. Nothing when the period has no such motive.
struct TTutorialPlay {
    size_t motive = 0;
    size_t phrase = 0;
    size_t sentence = 0;
    bool operator==(const TTutorialPlay&) const = default;
};
std::optional<TTutorialPlay> tutorialPlay(const TPeriodData& period, const TTutorialStep& step);

// Where the tutorial's and the theory window's files lie, below the program's data folder.
inline constexpr std::string_view TUTORIAL_FOLDER = "stepbystep/";
inline constexpr std::string_view TUTORIAL_COMPOSITION = "step8.tnr";
inline constexpr std::string_view THEORY_FOLDER = "theoryhelp/";
inline constexpr std::string_view THEORY_PAGE = "theory.html";
