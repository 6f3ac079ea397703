#include "app/zatakt_panel.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <utility>

#include "app/motive_type_picture.h"
#include "help/message_bundle.h"

TZataktPanel::TZataktPanel(QWidget* parent, const TMessageBundle& bundle)
    : TZataktPanel(parent, bundle, std::make_unique<TZataktPanelModel>(), nullptr) {}

TZataktPanel::TZataktPanel(QWidget* parent, const TMessageBundle& bundle, TZataktPanelModel& model)
    : TZataktPanel(parent, bundle, nullptr, &model) {}

TZataktPanel::TZataktPanel(QWidget* parent, const TMessageBundle& bundle,
                           std::unique_ptr<TZataktPanelModel> ownModel, TZataktPanelModel* model)
    : QWidget(parent),
      bundle_(bundle),
      ownModel_(std::move(ownModel)),
      model_(model != nullptr ? *model : *ownModel_),
      picture_(new TMotiveTypePicture(this)),
      typeList_(new QComboBox(this)),
      durationLabel_(new QLabel(this)),
      durationList_(new QComboBox(this)) {
    picture_->setObjectName("motiveTypePicture");
    picture_->setAccessibleName("Motive type picture");
    typeList_->setObjectName("motiveTypeList");
    typeList_->setAccessibleName("Motive type");
    for (const std::string& item : TZataktPanelModel::typeItems(bundle))
        typeList_->addItem(QString::fromStdString(item));
    durationLabel_->setObjectName("durationLabel");
    durationLabel_->setBuddy(durationList_);
    durationList_->setObjectName("durationList");
    durationList_->setAccessibleName("Anacrusis duration");
    // a Trochee hides the duration, and the panel keeps its shape
    for (QWidget* w :
         {static_cast<QWidget*>(durationLabel_), static_cast<QWidget*>(durationList_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(picture_);
    layout->addWidget(typeList_);
    layout->addSpacing(2);
    layout->addWidget(durationLabel_);
    layout->addWidget(durationList_);
    setTabOrder(typeList_, durationList_);
    setFocusProxy(typeList_);
    setAccessibleName("Motive Type");

    refresh();
    connect(typeList_, &QComboBox::currentIndexChanged, this, &TZataktPanel::typeListChange);
    connect(durationList_, &QComboBox::currentIndexChanged, this,
            &TZataktPanel::durationListChange);
}

TZataktPanel::~TZataktPanel() {
    typeList_->disconnect(this);
    durationList_->disconnect(this);
}

void TZataktPanel::setMeasure(const TMeasure& measure) {
    model_.setMeasure(measure);
    refresh();
}

void TZataktPanel::chooseRandom() {
    model_.chooseRandom();
    refresh();
}

void TZataktPanel::refresh() {
    const QSignalBlocker blockType(typeList_);
    const QSignalBlocker blockDuration(durationList_);
    typeList_->setCurrentIndex(static_cast<int>(model_.type()));
    picture_->setSymbols(model_.pictureSymbols());
    const std::vector<std::string> durations = model_.durationItems(bundle_);
    if (durationList_->count() != static_cast<int>(durations.size())) {
        durationList_->clear();
        for (const std::string& item : durations)
            durationList_->addItem(QString::fromStdString(item));
    }
    durationList_->setCurrentIndex(model_.durationIndex());
    durationLabel_->setText(QString::fromStdString(model_.durationLabel(bundle_)));
    durationLabel_->setVisible(model_.durationShown());
    durationList_->setVisible(model_.durationShown());
}

void TZataktPanel::typeListChange(int index) {
    if (index >= 0)
        model_.setType(static_cast<TMotiveType>(index));
    refresh();
}

void TZataktPanel::durationListChange(int index) {
    model_.setDurationIndex(index);
    refresh();
}
