#include "playback/capture_port.h"

#include <utility>

std::vector<uint8_t> TCapturedMessage::packedBytes() const {
    return {static_cast<uint8_t>(packed), static_cast<uint8_t>(packed >> 8),
            static_cast<uint8_t>(packed >> 16), static_cast<uint8_t>(packed >> 24)};
}

void TCaptureLog::reserve(size_t count) {
    std::lock_guard<std::mutex> guard(mutex_);
    messages_.reserve(count);
}

void TCaptureLog::record(TCapturedMessage message) {
    std::lock_guard<std::mutex> guard(mutex_);
    messages_.push_back(std::move(message));
}

std::vector<TCapturedMessage> TCaptureLog::messages() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return messages_;
}

size_t TCaptureLog::size() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return messages_.size();
}

void TCaptureLog::clear() {
    std::lock_guard<std::mutex> guard(mutex_);
    messages_.clear();
}

void TCapturePort::sendShortMessage(uint32_t packed) {
    TCapturedMessage message;
    message.time = std::chrono::steady_clock::now();
    message.packed = packed;
    const auto status = static_cast<uint8_t>(packed);
    message.bytes.push_back(status);
    message.bytes.push_back(static_cast<uint8_t>(packed >> 8));
    if (midiDataBytes(status) == 2)
        message.bytes.push_back(static_cast<uint8_t>(packed >> 16));
    log_.record(std::move(message));
}

void TCapturePort::sendSystemExclusive(const uint8_t* data, size_t size) {
    TCapturedMessage message;
    message.time = std::chrono::steady_clock::now();
    message.systemExclusive = true;
    message.bytes.assign(data, data + size);
    log_.record(std::move(message));
}

namespace {

// Counts itself among the open ports while it lives.
class TCountedCapturePort : public TCapturePort {
  public:
    TCountedCapturePort(TCaptureLog& log, std::shared_ptr<int> counter)
        : TCapturePort(log), counter_(std::move(counter)) {
        ++*counter_;
    }
    ~TCountedCapturePort() override { --*counter_; }

  private:
    std::shared_ptr<int> counter_;
};

}  // namespace

std::optional<std::string> TCaptureDevices::deviceName(int index) {
    if (index < 0 || index >= count_)
        return std::nullopt;
    return "Capture " + std::to_string(index);
}

std::unique_ptr<TMidiPortInterface> TCaptureDevices::openPort(int index) {
    if (index < 0 || index >= count_ || refused_.count(index))
        return nullptr;
    return std::make_unique<TCountedCapturePort>(log_, openPorts_);
}
