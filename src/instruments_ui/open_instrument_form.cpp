#include "instruments_ui/open_instrument_form.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/dialog_button_row.h"
#include "commands/instr_prompts_interface.h"
#include "help/message_bundle.h"

namespace {

// The form's own captions; its message comes from the bundle.
constexpr const char* CAPTION = "Open the Set of Instruments";
constexpr const char* LIST_LABEL = "&Select the Set of Instruments:";
constexpr const char* OK_TEXT = "OK";
constexpr const char* CANCEL_TEXT = "Cancel";

}  // namespace

TOpenInstrumentForm::TOpenInstrumentForm(QWidget* parent, const TMessageBundle& bundle,
                                         TInstrPromptsInterface& prompts, TInstrConfList existing)
    : QDialog(parent),
      bundle_(bundle),
      prompts_(prompts),
      existing_(std::move(existing)),
      existsList_(new QComboBox(this)),
      okButton_(new QPushButton(OK_TEXT, this)),
      cancelButton_(new QPushButton(CANCEL_TEXT, this)) {
    setObjectName("openInstrumentForm");
    setWindowTitle(CAPTION);

    auto* label = new QLabel(LIST_LABEL, this);
    label->setBuddy(existsList_);
    existsList_->setObjectName("existsList");
    existsList_->setAccessibleName("Select the Set of Instruments");
    existsList_->setMinimumWidth(280);
    for (const std::string& name : existing_)
        existsList_->addItem(QString::fromStdString(name));
    // nothing is chosen for the user
    existsList_->setCurrentIndex(-1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(6);
    layout->addWidget(label);
    layout->addWidget(existsList_);
    layout->addSpacing(12);
    layout->addLayout(okCancelRow(okButton_, cancelButton_));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    existsList_->setFocus();

    connect(okButton_, &QPushButton::clicked, this, &TOpenInstrumentForm::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void TOpenInstrumentForm::accept() {
    const int index = existsList_->currentIndex();
    if (index < 0 || static_cast<size_t>(index) >= existing_.size()) {
        prompts_.showMessage(bundle_.text("error"), bundle_.text("select instr name"));
        existsList_->setFocus();
        return;
    }
    chosen_ = existing_[static_cast<size_t>(index)];
    QDialog::accept();
}
