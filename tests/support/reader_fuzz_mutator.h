#pragma once

// The mutation engine of the reader fuzz tests: deterministic for a seed, bounded by a count
// that MOTIVICA_FUZZ_ITERATIONS raises for longer runs.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

inline int fuzzIterations(int normal) {
    if (const char* v = std::getenv("MOTIVICA_FUZZ_ITERATIONS")) {
        int n = std::atoi(v);
        if (n > 0)
            return n;
    }
    return normal;
}

// Pieces that steer mutations towards the places where readers decide something.
inline const std::vector<std::string> FUZZ_TOKENS = {
    "<",
    ">",
    "/>",
    "</",
    "\"",
    "=",
    " ",
    "\r\n",
    "&amp;",
    "&#0;",
    "&#x41;",
    "&bogus;",
    "<!--",
    "-->",
    "<![CDATA[",
    "]]>",
    "<?xml version=\"1.0\"?>",
    "<!DOCTYPE x [<!ENTITY e \"ee\">]>",
    "-",
    "+",
    "0",
    "-1",
    "99999999999",
    "2147483648",
    "-2147483648",
    "32768",
    "HALF",
    "SHARP",
    "YES",
    "NO",
    "MAJOR",
    "MINOR",
    "A2",
    "<SENTENCE>",
    "</SENTENCE>",
    "<PHRASE>",
    "<MOTIVE>",
    "<CHORDS>",
    "<NOTES>",
    "<NOTE/>",
    "<CHORD/>",
    "<KEY SIGN=\"7\"/>",
    "<TEMP VALUE=\"150\"/>",
    "<CATEGORY NAME=\"x\">",
    "<PITCH INDEX=\"5\"/>",
    "<MUTE_DRUM VALUE=\"YES\"/>",
    "<MELODY_VOICE PITCH=\"x\"/>",
    "<CURSOR_DELAY/>",
    "\xff",
    "\xc3\xa9",
    "\t",
};

class TFuzzMutator {
  public:
    explicit TFuzzMutator(uint32_t seed) : random_(seed) {}

    std::string mutate(const std::vector<std::string>& seeds) {
        std::string text = seeds[pick(seeds.size())];
        const int rounds = 1 + static_cast<int>(pick(4));
        for (int i = 0; i < rounds; ++i)
            mutateOnce(text, seeds);
        return text;
    }

  private:
    size_t pick(size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<size_t>(0, n - 1)(random_);
    }

    void mutateOnce(std::string& text, const std::vector<std::string>& seeds) {
        const size_t at = pick(text.size() + 1);
        switch (pick(7)) {
            case 0:  // flip a byte
                if (!text.empty())
                    text[pick(text.size())] ^= static_cast<char>(1u << pick(8));
                break;
            case 1:  // a random byte
                text.insert(at, 1, static_cast<char>(pick(256)));
                break;
            case 2:  // cut a stretch
                text.erase(at, pick(32));
                break;
            case 3: {  // repeat a stretch
                const std::string piece = text.substr(at, pick(64));
                text.insert(at, piece);
                break;
            }
            case 4:  // a token
                text.insert(at, FUZZ_TOKENS[pick(FUZZ_TOKENS.size())]);
                break;
            case 5: {  // replace a quoted value by a token
                const size_t q = text.find('"', at);
                if (q != std::string::npos) {
                    const size_t e = text.find('"', q + 1);
                    if (e != std::string::npos)
                        text.replace(q + 1, e - q - 1, FUZZ_TOKENS[pick(FUZZ_TOKENS.size())]);
                }
                break;
            }
            default: {  // splice with another seed
                const std::string& other = seeds[pick(seeds.size())];
                const size_t from = pick(other.size() + 1);
                text = text.substr(0, at) + other.substr(from);
                break;
            }
        }
    }

    std::mt19937 random_;
};

// Inputs no mutation reaches in a short run: very deep nesting and very long values.
inline std::vector<std::string> fuzzExtremeInputs() {
    std::string deep;
    for (int i = 0; i < 20000; ++i)
        deep += "<SENTENCE>";
    std::string deepClosed = deep;
    for (int i = 0; i < 20000; ++i)
        deepClosed += "</SENTENCE>";
    std::string wide = "<PERIOD><SENTENCE><PHRASE><MOTIVE><NOTES>";
    for (int i = 0; i < 5000; ++i)
        wide += "<NOTE TIME=\"" + std::to_string(i) + "\"/>";
    wide += "</NOTES></MOTIVE></PHRASE></SENTENCE></PERIOD>";
    return {deep,
            "<PERIOD>" + deepClosed + "</PERIOD>",
            wide,
            "<PERIOD><TEMP VALUE=\"" + std::string(100000, '9') + "\"/></PERIOD>",
            "<PERIOD " + std::string(50000, 'A') + "=\"1\"/>",
            std::string(1, '\0') + "<PERIOD/>",
            "<PERIOD>\0</PERIOD>"};
}

// Gives a reader the extreme inputs and then n mutations of the seeds, stopping at the first
// fatal failure; the trace names the input, and shows it unless it is too long to be read.
template <class TCheck>
void fuzzReader(const std::vector<std::string>& seeds, uint32_t mutatorSeed, int n, TCheck check,
                bool traceText = true) {
    for (const std::string& text : fuzzExtremeInputs())
        ASSERT_NO_FATAL_FAILURE(check(text));
    TFuzzMutator mutator(mutatorSeed);
    for (int i = 0; i < n; ++i) {
        const std::string text = mutator.mutate(seeds);
        SCOPED_TRACE("input " + std::to_string(i) + (traceText ? ": " + text : ""));
        ASSERT_NO_FATAL_FAILURE(check(text));
    }
}
