#pragma once

#include <cstdint>
#include <optional>
#include <string>

class TInstrConfList;
class TInstrumentSet;
class TPitchSelectionListener;

// Everything the instrument-set editor and its dialogs ask of the user, so that the editor's
// commands run the same with real dialogs and with scripted answers.
class TInstrPromptsInterface {
  public:
    virtual ~TInstrPromptsInterface() = default;

    // A message box with one OK button.
    virtual void showMessage(const std::string& caption, const std::string& text) = 0;
    // An OK/Cancel box; true on OK.
    virtual bool confirm(const std::string& caption, const std::string& text) = 0;

    // The instrument chooser on `catalogue`, captioned `caption`, preselecting `number`; the
    // user's presses in it go to `previews`. The chosen number, nothing on Cancel.
    virtual std::optional<int64_t> choosePitch(const std::string& caption,
                                               const TInstrumentSet& catalogue, int32_t number,
                                               TPitchSelectionListener& previews) = 0;
    // The volume dialog showing `volume`; the accepted value (0..127), nothing on Cancel.
    virtual std::optional<int32_t> chooseVolume(const std::string& caption, int32_t volume) = 0;
    // The name dialog of a new set, listing the stored sets; the accepted name, nothing on
    // Cancel.
    virtual std::optional<std::string> newInstrumentSetName(const TInstrConfList& existing) = 0;
    // The open dialog listing the stored sets; the chosen name, nothing on Cancel.
    virtual std::optional<std::string> openInstrumentSetName(const TInstrConfList& existing) = 0;
};
