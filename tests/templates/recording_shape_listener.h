#pragma once

#include <string>
#include <vector>

#include "templates/raw_period_data.h"

// Remembers, by name, every change a period shape told its listener of.
class TRecordingShapeListener : public TRawPeriodDataListener {
  public:
    void structureChanged() override { events.push_back("structure"); }
    void phrasesChanged() override { events.push_back("phrases"); }
    void sentenceSelected() override { events.push_back("sentence"); }
    void phraseSelected() override { events.push_back("phrase"); }

    // The events since the last call.
    std::vector<std::string> take() {
        std::vector<std::string> result;
        result.swap(events);
        return result;
    }

    std::vector<std::string> events;
};
