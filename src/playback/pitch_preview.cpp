#include "playback/pitch_preview.h"

#include "playback/player.h"

void TPitchPreview::pitchPressed(int32_t number) {
    if (!design_.drums())
        pitchReleased();
    // a catalogue entry beyond a data byte cannot be sent; it stays silent
    if (!isMidiDataValue(number))
        return;
    const int16_t value = static_cast<int16_t>(number);
    if (design_.drums()) {
        // drum strokes die away by themselves: the previous one is left to ring out
        sounding_ = {value};
        player_.setChannelVolume(design_.channel, PREVIEW_VOLUME);
        player_.noteOn(design_.channel, value, PREVIEW_VELOCITY);
        return;
    }
    player_.programChange(design_.channel, value);
    player_.setChannelVolume(design_.channel, PREVIEW_VOLUME);
    for (size_t i = 0; i < design_.keyCount; ++i) {
        player_.noteOn(design_.channel, design_.keys[i], PREVIEW_VELOCITY);
        sounding_.push_back(design_.keys[i]);
    }
}

void TPitchPreview::pitchReleased() {
    for (int16_t key : sounding_)
        player_.noteOff(design_.channel, key, PREVIEW_VELOCITY);
    sounding_.clear();
}
