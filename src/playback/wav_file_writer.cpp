#include "playback/wav_file_writer.h"

namespace {

void appendLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void appendTag(std::vector<uint8_t>& out, const char* tag) {
    // byte by byte: g++ 12 at -O3 reports a false overflow for a range inserted after reserve
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> wavFileBytes(const std::vector<int16_t>& samples, int sampleRate,
                                  int channels) {
    const auto dataBytes = static_cast<uint32_t>(samples.size() * 2);
    const auto blockAlign = static_cast<uint32_t>(channels * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    appendTag(out, "RIFF");
    appendLittleEndian(out, 36 + dataBytes, 4);
    appendTag(out, "WAVE");
    appendTag(out, "fmt ");
    appendLittleEndian(out, 16, 4);
    appendLittleEndian(out, 1, 2);  // PCM
    appendLittleEndian(out, static_cast<uint32_t>(channels), 2);
    appendLittleEndian(out, static_cast<uint32_t>(sampleRate), 4);
    appendLittleEndian(out, static_cast<uint32_t>(sampleRate) * blockAlign, 4);
    appendLittleEndian(out, blockAlign, 2);
    appendLittleEndian(out, 16, 2);
    appendTag(out, "data");
    appendLittleEndian(out, dataBytes, 4);
    for (int16_t sample : samples)
        appendLittleEndian(out, static_cast<uint16_t>(sample), 2);
    return out;
}

TFileResult writeWavFile(const std::vector<int16_t>& samples, int sampleRate, int channels,
                         const std::string& path) {
    const std::vector<uint8_t> bytes = wavFileBytes(samples, sampleRate, channels);
    return writeBytesFileAtomically(path, bytes);
}
