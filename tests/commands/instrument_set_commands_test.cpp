#include "commands/instrument_set_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "help/eng_message_bundle.h"
#include "model/config.h"
#include "model/xml_document.h"
#include "playback/capture_port.h"
#include "playback/instrument_conf.h"
#include "playback/player.h"
#include "support/scratch_folder.h"
#include "support/scripted_prompts.h"

namespace {

class InstrumentSetCommandsTest : public ::testing::Test {
  protected:
    InstrumentSetCommandsTest() : devices_(log_), player_(devices_), config_(scratch_.base()) {
        EXPECT_TRUE(config_.createDefaultConfig());
        std::filesystem::create_directories(scratch_.path("instruments"));
        player_.openDevice(0);
    }

    TInstrumentSetCommands commands() {
        return TInstrumentSetCommands(instruments_, config_, xml_, player_, prompts_, bundle_,
                                      scratch_.base(), [this] { ++stops_; });
    }
    void store(const std::string& name, int32_t melodyVoice) {
        TInstrumentConf set;
        set.setMelodyVoice(melodyVoice);
        ASSERT_TRUE(saveInstrumentSet(set, name, scratch_.base()));
    }

    TScratchFolder scratch_{"instrument-set-commands"};
    TCaptureLog log_;
    TCaptureDevices devices_;
    TPlayer player_;
    TConfig config_;
    TXmlDocument xml_;
    TInstrumentConf instruments_;
    TScriptedPrompts prompts_;
    TEngMessageBundle bundle_;
    int stops_ = 0;
};

TEST_F(InstrumentSetCommandsTest, TheConfiguredSetIsLoadedAndMarkedInTheList) {
    store("Strings", 41);
    store("Brass", 57);
    ASSERT_TRUE(config_.setInstrumentSchemeName("Strings"));
    const TInstrumentSetList list = commands().loadConfigured();
    EXPECT_EQ(list, (TInstrumentSetList{{"Brass", "Strings"}, 1}));
    EXPECT_EQ(instruments_.melodyVoice(), 41);
}

TEST_F(InstrumentSetCommandsTest, ASetThatCannotBeReadGivesWayToTheDefaults) {
    store("Strings", 41);
    scratch_.write("instruments/Broken.xml", "<not a set");
    ASSERT_TRUE(config_.setInstrumentSchemeName("Broken"));
    instruments_.setMelodyVoice(41);
    const TInstrumentSetList list = commands().loadConfigured();
    EXPECT_EQ(list.current, -1);
    EXPECT_EQ(config_.instrumentSchemeName(), "");
    EXPECT_EQ(instruments_.melodyVoice(), TInstrumentConf().melodyVoice());

    // chosen from the list it is forgotten as well, and the list is shown again
    TInstrumentSetCommands sets = commands();
    ASSERT_TRUE(config_.setInstrumentSchemeName("Strings"));
    sets.loadConfigured();
    const std::optional<TInstrumentSetList> again = sets.choose("Broken");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->current, -1);
    EXPECT_EQ(config_.instrumentSchemeName(), "");
    EXPECT_EQ(stops_, 1);
    // a good one needs no new list
    EXPECT_FALSE(sets.choose("Strings"));
    EXPECT_EQ(config_.instrumentSchemeName(), "Strings");
    EXPECT_EQ(instruments_.melodyVoice(), 41);
}

TEST_F(InstrumentSetCommandsTest, DeletingAsksAndTheNextSetTakesThePlace) {
    store("Brass", 57);
    store("Strings", 41);
    ASSERT_TRUE(config_.setInstrumentSchemeName("Strings"));
    TInstrumentSetCommands sets = commands();
    sets.loadConfigured();
    // not confirmed: nothing goes
    prompts_.confirmations.push_back(false);
    EXPECT_FALSE(sets.deleteConfigured());
    EXPECT_TRUE(std::filesystem::exists(instrumentSetPath(scratch_.base(), "Strings")));
    EXPECT_EQ(prompts_.shown.back().text,
              "Are you sure you want to delete the Set of Instruments Strings?");

    prompts_.confirmations.push_back(true);
    const std::optional<TInstrumentSetList> list = sets.deleteConfigured();
    ASSERT_TRUE(list);
    EXPECT_FALSE(std::filesystem::exists(instrumentSetPath(scratch_.base(), "Strings")));
    EXPECT_EQ(*list, (TInstrumentSetList{{"Brass"}, 0}));
    EXPECT_EQ(config_.instrumentSchemeName(), "Brass");
    EXPECT_EQ(instruments_.melodyVoice(), 57);

    // with none configured there is nothing to delete and nothing is asked
    ASSERT_TRUE(config_.setInstrumentSchemeName(""));
    const size_t asked = prompts_.shown.size();
    EXPECT_FALSE(sets.deleteConfigured());
    EXPECT_EQ(prompts_.shown.size(), asked);
}

}  // namespace
