#include "app/midi_form.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "app/dialog_button_row.h"
#include "commands/prompts_interface.h"
#include "help/message_bundle.h"

namespace {

// The form's own captions; its messages come from the bundle.
constexpr const char* CAPTION = "MIDI Devices";
constexpr const char* PORT_LABEL = "&Select output port:";
constexpr const char* OK_TEXT = "OK";
constexpr const char* CANCEL_TEXT = "Cancel";

}  // namespace

TMidiForm::TMidiForm(QWidget* parent, const TMessageBundle& bundle, TMidiDeviceList devices)
    : QDialog(parent),
      bundle_(bundle),
      devices_(std::move(devices)),
      deviceList_(new QComboBox(this)),
      okButton_(new QPushButton(QString::fromUtf8(OK_TEXT), this)),
      cancelButton_(new QPushButton(QString::fromUtf8(CANCEL_TEXT), this)) {
    setObjectName("midiForm");
    setWindowTitle(QString::fromUtf8(CAPTION));
    setAccessibleName(QString::fromUtf8(CAPTION));

    auto* portLabel = new QLabel(QString::fromUtf8(PORT_LABEL), this);
    portLabel->setBuddy(deviceList_);
    deviceList_->setObjectName("deviceList");
    deviceList_->setAccessibleName("Select output port");
    deviceList_->setMinimumWidth(280);
    for (const std::string& name : devices_.names)
        deviceList_->addItem(QString::fromStdString(name));
    deviceList_->setCurrentIndex(devices_.selected);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->setSpacing(6);
    layout->addWidget(portLabel);
    layout->addWidget(deviceList_);
    layout->addSpacing(12);
    layout->addLayout(okCancelRow(okButton_, cancelButton_));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(deviceList_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    deviceList_->setFocus();

    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

int TMidiForm::chooseDevice(TPromptsInterface& prompts) {
    if (!devices_.messageKey.empty())
        prompts.showMessage(bundle_.text(devices_.captionKey), bundle_.text(devices_.messageKey));
    exec();
    return chosenDevice();
}

int TMidiForm::chosenDevice() const {
    return chosenMidiDevice(devices_, result() == QDialog::Accepted, deviceList_->currentIndex());
}
