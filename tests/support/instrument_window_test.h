#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "instruments_ui/instr_form.h"
#include "model/config.h"
#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

using TMidiBytes = std::vector<uint8_t>;

// The messages that put a set on the output: the reset, five programs, six volumes.
inline std::vector<TMidiBytes> appliedSet(const TInstrumentConf& s) {
    const auto b = [](int32_t v) { return static_cast<uint8_t>(v); };
    return {
        {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7},
        {0xC0, b(s.melodyVoice())},
        {0xC1, b(s.chordVoice())},
        {0xC2, b(s.bassVoice())},
        {0xC3, b(s.draftMelodyVoice())},
        {0xC4, b(s.draftChordVoice())},
        {0xB0, 7, b(s.melodyVolume())},
        {0xB1, 7, b(s.chordVolume())},
        {0xB2, 7, b(s.bassVolume())},
        {0xB3, 7, b(s.draftMelodyVolume())},
        {0xB4, 7, b(s.draftChordVolume())},
        {0xB9, 7, b(s.drumVolume())},
    };
}

inline std::vector<TMidiBytes> operator+(std::vector<TMidiBytes> a,
                                         const std::vector<TMidiBytes>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A window over a scratch base folder with the shipped catalogues and one set, "Mine",
// configured, asking through scripted prompts and playing into the capture port. The
// instrument-set editor runs the scripts pushed to the prompts' editors.
class TInstrumentWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string data = std::string(MOTIVICA_DATA_DIR) + "/";
        for (const char* file : {"instruments.xml", "drums.xml"})
            std::filesystem::copy_file(data + file, scratch_.path(file));
        mine_.setMelodyVoice(40);
        mine_.setDrumVolume(127);
        mine_.setMuteMelody(true);
        ASSERT_TRUE(saveInstrumentSet(mine_, "Mine", scratch_.base()));
        TConfig config(scratch_.base());
        ASSERT_TRUE(config.createDefaultConfig());
        ASSERT_TRUE(config.setInstrumentSchemeName("Mine"));
        auto prompts = std::make_unique<TScriptedPrompts>();
        prompts_ = prompts.get();
        window_ = std::make_unique<TMainWindow>(scratch_.base(), std::move(prompts), &devices_);
        ASSERT_EQ(window_->instrumentSet(), mine_);
        log_.clear();
    }

    // "Instruments..." with the editor driven by `script`.
    void edit(std::function<bool(TInstrForm&)> script) {
        prompts_->editors.push_back(std::move(script));
        window_->modifyInstrumentSetAction();
    }
    // What reached the output since the last call.
    std::vector<TMidiBytes> sent() {
        std::vector<TMidiBytes> bytes;
        for (const TCapturedMessage& m : log_.messages())
            bytes.push_back(m.bytes);
        log_.clear();
        return bytes;
    }
    std::string setFile(const std::string& name) {
        return scratch_.read("instruments/" + name + ".xml");
    }

    TScratchFolder scratch_{"instrument_sets"};
    TCaptureLog log_;
    TCaptureDevices devices_{log_};
    TInstrumentConf mine_;
    TScriptedPrompts* prompts_ = nullptr;
    std::unique_ptr<TMainWindow> window_;
};
