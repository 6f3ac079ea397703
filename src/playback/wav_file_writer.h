#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/xml_document.h"

// A RIFF WAVE file of 16-bit PCM: `samples` interleaved over `channels`.
std::vector<uint8_t> wavFileBytes(const std::vector<int16_t>& samples, int sampleRate,
                                  int channels);
// Writes those bytes to `path`; fails with "save error".
TFileResult writeWavFile(const std::vector<int16_t>& samples, int sampleRate, int channels,
                         const std::string& path);
