#include "app/key_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <utility>

#include "help/message_bundle.h"

TKeyPanel::TKeyPanel(QWidget* parent, const TMessageBundle& bundle)
    : TKeyPanel(parent, bundle, std::make_unique<TKeyPanelModel>(), nullptr) {}

TKeyPanel::TKeyPanel(QWidget* parent, const TMessageBundle& bundle, TKeyPanelModel& model)
    : TKeyPanel(parent, bundle, nullptr, &model) {}

TKeyPanel::TKeyPanel(QWidget* parent, const TMessageBundle& bundle,
                     std::unique_ptr<TKeyPanelModel> ownModel, TKeyPanelModel* model)
    : QWidget(parent),
      bundle_(bundle),
      ownModel_(std::move(ownModel)),
      model_(model != nullptr ? *model : *ownModel_),
      modeList_(new QComboBox(this)),
      keyList_(new QComboBox(this)) {
    modeList_->setObjectName("modeList");
    modeList_->setAccessibleName("Mode");
    for (const std::string& item : TKeyPanelModel::modeItems(bundle))
        modeList_->addItem(QString::fromStdString(item));
    keyList_->setObjectName("keyList");
    keyList_->setAccessibleName("Key");

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(modeList_);
    layout->addWidget(keyList_, 1);
    setTabOrder(modeList_, keyList_);
    setFocusProxy(modeList_);
    setAccessibleName("Key Signature");

    refresh();
    connect(modeList_, &QComboBox::currentIndexChanged, this, &TKeyPanel::modeListChange);
    connect(keyList_, &QComboBox::currentIndexChanged, this, &TKeyPanel::keyListChange);
}

TKeyPanel::~TKeyPanel() {
    modeList_->disconnect(this);
    keyList_->disconnect(this);
}

void TKeyPanel::setKey(const TKey& key) {
    model_.setKey(key);
    refresh();
}

void TKeyPanel::chooseRandom() {
    model_.chooseRandom();
    refresh();
}

void TKeyPanel::refresh() {
    const QSignalBlocker blockMode(modeList_);
    const QSignalBlocker blockKey(keyList_);
    modeList_->setCurrentIndex(model_.mode());
    if (keyList_->count() == 0 || shownMode_ != model_.mode()) {
        keyList_->clear();
        for (const std::string& item : model_.keyItems(bundle_))
            keyList_->addItem(QString::fromStdString(item));
        shownMode_ = model_.mode();
    }
    keyList_->setCurrentIndex(model_.keyIndex());
}

void TKeyPanel::modeListChange(int index) {
    // the other mode's list keeps the number of signs
    model_.setMode(static_cast<uint8_t>(index));
    refresh();
}

void TKeyPanel::keyListChange(int index) {
    model_.setKeyIndex(index);
    refresh();
}
