#pragma once

#include <array>
#include <string_view>

// One step of the step-by-step tutorial: its page, the motive set the period panel scrolls to,
// and the development way (a chooser index) opened on the motive of set k, or -1 for none.
struct TTutorialStep {
    std::string_view page;
    int motive;
    int way;
};

// The tutorial walks through "step8.tnr" in eight steps; step k plays motive k, phrase k / 2 and
// sentence k / 4.
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

// Where the tutorial's and the theory window's files lie, below the program's data folder.
inline constexpr std::string_view TUTORIAL_FOLDER = "stepbystep/";
inline constexpr std::string_view TUTORIAL_COMPOSITION = "step8.tnr";
inline constexpr std::string_view THEORY_FOLDER = "theoryhelp/";
inline constexpr std::string_view THEORY_PAGE = "theory.html";
