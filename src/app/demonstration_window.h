#pragma once

#include "app/for_help_service.h"

class TDadWindow;
class TEffectMotivePanel;
class TMessageBundle;
class TMotivePanelChooserGroup;
class TPointerControl;
class TPromptsInterface;
class TVariantView;

// What a demonstration drives in the window beside what the help asks of it: the popup and the
// pointer it moves, the development panels and their choosers it drops motives on, and the texts
// and dialogs of an error.
class TDemonstrationWindow : public TForHelpService {
  public:
    virtual const TMessageBundle& bundle() = 0;
    virtual TPromptsInterface& prompts() = 0;
    // Ends the press that drives the popup, keeping what it entered.
    virtual void finishEditing() = 0;
    virtual TPointerControl& pointerControl() = 0;
    virtual bool pointerIsDrawn() = 0;
    virtual TDadWindow* dadWindow() = 0;
    // The development panel of a chooser index (0..12), and the panels' choosers.
    virtual TEffectMotivePanel* developmentPanel(int wayIndex) = 0;
    virtual TMotivePanelChooserGroup& panelChoosers() = 0;
    virtual TVariantView& variantView() = 0;
};
