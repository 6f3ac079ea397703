#include "instruments_ui/new_instr_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/dialog_button_row.h"
#include "commands/instr_prompts_interface.h"
#include "help/message_bundle.h"
#include "playback/instrument_editing.h"

namespace {

// The form's own captions; its messages come from the bundle.
constexpr const char* CAPTION = "New Set of Instruments.";
constexpr const char* NAME_LABEL = "&Enter the name for  the Set of Instruments:";
constexpr const char* LIST_LABEL = "E&xisting Sets of Instruments:";
constexpr const char* OK_TEXT = "OK";
constexpr const char* CANCEL_TEXT = "Cancel";

}  // namespace

TNewInstrForm::TNewInstrForm(QWidget* parent, const TMessageBundle& bundle,
                             TInstrPromptsInterface& prompts, TInstrConfList existing)
    : QDialog(parent),
      bundle_(bundle),
      prompts_(prompts),
      existing_(std::move(existing)),
      newName_(new QLineEdit(this)),
      existingList_(new QListWidget(this)),
      okButton_(new QPushButton(OK_TEXT, this)),
      cancelButton_(new QPushButton(CANCEL_TEXT, this)) {
    setObjectName("newInstrForm");
    setWindowTitle(CAPTION);

    auto* nameLabel = new QLabel(NAME_LABEL, this);
    nameLabel->setBuddy(newName_);
    newName_->setObjectName("newName");
    newName_->setAccessibleName("Name of the Set of Instruments");
    newName_->setMinimumWidth(300);
    auto* listLabel = new QLabel(LIST_LABEL, this);
    listLabel->setBuddy(existingList_);
    existingList_->setObjectName("existingList");
    existingList_->setAccessibleName("Existing Sets of Instruments");
    // the list only shows which names are taken
    existingList_->setSelectionMode(QAbstractItemView::NoSelection);
    existingList_->setFixedHeight(140);
    for (const std::string& name : existing_)
        existingList_->addItem(QString::fromStdString(name));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(6);
    layout->addWidget(nameLabel);
    layout->addWidget(newName_);
    layout->addSpacing(6);
    layout->addWidget(listLabel);
    layout->addWidget(existingList_);
    layout->addSpacing(12);
    layout->addLayout(okCancelRow(okButton_, cancelButton_));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    newName_->setFocus();

    connect(okButton_, &QPushButton::clicked, this, &TNewInstrForm::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void TNewInstrForm::accept() {
    const std::string name = newName_->text().toStdString();
    const TSetNameVerdict verdict = checkSetName(name, existing_);
    if (const std::optional<TSetNameMessage> message = setNameMessage(verdict)) {
        const std::string caption = bundle_.text(message->captionKey);
        const std::string text = bundle_.text(message->messageKey);
        if (verdict != TSetNameVerdict::EXISTS) {
            prompts_.showMessage(caption, text);
            newName_->setFocus();
            return;
        }
        if (!prompts_.confirm(caption, text)) {
            newName_->setFocus();
            return;
        }
    }
    accepted_ = replacedSetName(name, existing_);
    QDialog::accept();
}
