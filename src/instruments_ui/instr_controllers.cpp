#include "instruments_ui/instr_controllers.h"

#include <QAbstractButton>

#include "commands/instr_prompts_interface.h"
#include "help/message_bundle.h"
#include "instruments_ui/instr_form.h"

TPitchNameController::TPitchNameController(TInstrForm& form, const TPitchCellDesign& design)
    : form_(form), design_(design), preview_(form.player(), design) {}

void TPitchNameController::buttonPressed(QWidget*, int) {
    form_.stopPlaying();
    TInstrumentConf& set = form_.set();
    const std::optional<int64_t> chosen = form_.prompts().choosePitch(
        form_.bundle().text(design_.captionKey), form_.catalogue(design_.catalogue),
        set.number(design_.field), *this);
    // a press the chooser did not see released ends here
    preview_.pitchReleased();
    if (chosen && isMidiDataValue(*chosen))
        set.setNumber(design_.field, static_cast<int32_t>(*chosen));
    form_.applySet();
}

void TVolumeController::buttonPressed(QWidget*, int) {
    form_.stopPlaying();
    TInstrumentConf& set = form_.set();
    const std::optional<int32_t> chosen = form_.prompts().chooseVolume(
        form_.bundle().text(design_.captionKey), set.number(design_.field));
    if (chosen && isMidiDataValue(*chosen))
        set.setNumber(design_.field, *chosen);
}

void TMuteController::buttonPressed(QWidget* button, int) {
    form_.stopPlaying();
    if (auto* box = qobject_cast<QAbstractButton*>(button))
        form_.set().setMute(field_, box->isChecked());
}

void TPlayButtonListener::buttonPressed(QWidget*, int) {
    form_.playTest();
}
