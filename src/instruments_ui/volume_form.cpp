#include "instruments_ui/volume_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/dialog_button_row.h"
#include "commands/instr_prompts_interface.h"
#include "help/message_bundle.h"
#include "playback/instrument_editing.h"

namespace {

// The form's own captions; its message comes from the bundle.
constexpr const char* CAPTION = "Volume";
constexpr const char* VOLUME_LABEL = "&Volume:";
constexpr const char* OK_TEXT = "OK";
constexpr const char* CANCEL_TEXT = "Cancel";
constexpr int MIN_WIDTH = 260;

}  // namespace

TVolumeForm::TVolumeForm(QWidget* parent, const TMessageBundle& bundle,
                         TInstrPromptsInterface& prompts, int32_t volume)
    : QDialog(parent),
      bundle_(bundle),
      prompts_(prompts),
      edit_(new QLineEdit(QString::number(volume), this)),
      okButton_(new QPushButton(OK_TEXT, this)),
      cancelButton_(new QPushButton(CANCEL_TEXT, this)) {
    setObjectName("volumeForm");
    setWindowTitle(CAPTION);

    auto* label = new QLabel(VOLUME_LABEL, this);
    label->setBuddy(edit_);
    edit_->setObjectName("volumeEdit");
    edit_->setAccessibleName("Volume");
    edit_->setFixedWidth(80);
    edit_->selectAll();

    auto* field = new QHBoxLayout;
    field->addWidget(label);
    field->addWidget(edit_);
    field->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(6);
    layout->addLayout(field);
    layout->addSpacing(12);
    layout->addLayout(okCancelRow(okButton_, cancelButton_));
    // wide enough for the caption the caller gives it
    setFixedSize(std::max(MIN_WIDTH, sizeHint().width()), sizeHint().height());
    // typing starts at once, replacing the value shown
    edit_->setFocus();

    connect(okButton_, &QPushButton::clicked, this, &TVolumeForm::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void TVolumeForm::accept() {
    const std::optional<int32_t> typed = parseVolume(edit_->text().toStdString());
    if (!typed) {
        prompts_.showMessage(bundle_.text("error"), bundle_.text("wrong integer"));
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    volume_ = typed;
    QDialog::accept();
}
