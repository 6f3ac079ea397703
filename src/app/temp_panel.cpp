#include "app/temp_panel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include <utility>

#include "help/message_bundle.h"

TTempPanel::TTempPanel(QWidget* parent, const TMessageBundle& bundle)
    : TTempPanel(parent, bundle, std::make_unique<TTempPanelModel>(), nullptr) {}

TTempPanel::TTempPanel(QWidget* parent, const TMessageBundle& bundle, TTempPanelModel& model)
    : TTempPanel(parent, bundle, nullptr, &model) {}

TTempPanel::TTempPanel(QWidget* parent, const TMessageBundle& bundle,
                       std::unique_ptr<TTempPanelModel> ownModel, TTempPanelModel* model)
    : QWidget(parent),
      ownModel_(std::move(ownModel)),
      model_(model != nullptr ? *model : *ownModel_),
      categoryList_(new QComboBox(this)),
      valueEdit_(new QSpinBox(this)) {
    categoryList_->setObjectName("tempCategoryList");
    categoryList_->setAccessibleName("Tempo category");
    for (const std::string& item : TTempPanelModel::categoryItems(bundle))
        categoryList_->addItem(QString::fromStdString(item));

    valueEdit_->setObjectName("tempValueEdit");
    valueEdit_->setAccessibleName("Tempo value");
    valueEdit_->setRange(MIN_TEMPO, MAX_TEMPO);
    valueEdit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // the value moves only by the arrows (buttons, keys or wheel), never by typing
    if (QLineEdit* edit = valueEdit_->findChild<QLineEdit*>())
        edit->setReadOnly(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(categoryList_, 1);
    layout->addWidget(valueEdit_);
    setTabOrder(categoryList_, valueEdit_);
    setFocusProxy(categoryList_);
    setAccessibleName("Tempo");

    refresh();
    connect(categoryList_, &QComboBox::currentIndexChanged, this, &TTempPanel::categoryListChange);
    connect(valueEdit_, &QSpinBox::valueChanged, this, &TTempPanel::valueEditChange);
}

TTempPanel::~TTempPanel() {
    // the model may be our own; the controls must not reach it once it is gone
    categoryList_->disconnect(this);
    valueEdit_->disconnect(this);
}

void TTempPanel::setValue(int32_t value) {
    model_.setValue(value);
    refresh();
}

void TTempPanel::chooseRandom() {
    model_.chooseRandom();
    refresh();
}

void TTempPanel::refresh() {
    const QSignalBlocker blockCategory(categoryList_);
    const QSignalBlocker blockValue(valueEdit_);
    categoryList_->setCurrentIndex(model_.category());
    valueEdit_->setValue(model_.value());
}

void TTempPanel::categoryListChange(int index) {
    model_.chooseCategory(index);
    refresh();
}

void TTempPanel::valueEditChange(int value) {
    // Enter in the field reports the value again; only a new value is a change
    if (value == model_.value())
        return;
    model_.changeValue(value);
    refresh();
}
