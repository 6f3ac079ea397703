#pragma once

// Which pitch a rendering or a recording sounds: the power of single frequencies in the first
// channel of interleaved 16-bit frames.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

inline double midiFrequency(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

// The power of `frequency` in frames [from, to) (Goertzel). The frames are weighed with a Hann
// window: cut off square, a strong neighbour (the chord's next note, a click where the recorder
// lost frames) leaks enough into a semitone beside it to outweigh a weaker note.
inline double frequencyPower(const std::vector<int16_t>& samples, int channels, int rate,
                             double frequency, size_t from, size_t to) {
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / rate);
    const double length = to > from + 1 ? double(to - from - 1) : 1.0;
    double previous = 0;
    double beforePrevious = 0;
    for (size_t frame = from; frame < to; ++frame) {
        const double weight =
            0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(frame - from) / length);
        const double s = weight * samples[frame * static_cast<size_t>(channels)] +
                         coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = s;
    }
    return previous * previous + beforePrevious * beforePrevious -
           coefficient * previous * beforePrevious;
}

// The key in lowest..highest whose frequency is strongest in frames [from, to).
inline int strongestKey(const std::vector<int16_t>& samples, int channels, int rate, size_t from,
                        size_t to, int lowest, int highest) {
    int strongest = lowest;
    double best = -1;
    for (int key = lowest; key <= highest; ++key) {
        const double p = frequencyPower(samples, channels, rate, midiFrequency(key), from, to);
        if (p > best) {
            best = p;
            strongest = key;
        }
    }
    return strongest;
}
