#include "instruments_ui/pitch_list.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/dialog_button_row.h"
#include "playback/instrument_set.h"

namespace {

// The form's own captions.
constexpr const char* CATEGORY_LABEL = "&Category:";
constexpr const char* INSTRUMENTS_LABEL = "&Instruments:";
constexpr const char* OK_TEXT = "OK";
constexpr const char* CANCEL_TEXT = "Cancel";

// The entry list, telling of the mouse buttons after it has selected what is under the mouse.
class TPitchListBox : public QListWidget {
  public:
    TPitchListBox(QWidget* parent, TPitchChooser& chooser)
        : QListWidget(parent), chooser_(chooser) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        QListWidget::mousePressEvent(event);
        const Qt::MouseButtons others = event->buttons() & (Qt::RightButton | Qt::MiddleButton);
        chooser_.mouseDown(event->button() == Qt::LeftButton, others != Qt::NoButton);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QListWidget::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton)
            chooser_.mouseUp();
    }

  private:
    TPitchChooser& chooser_;
};

std::optional<size_t> selectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> items = list->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return static_cast<size_t>(list->row(items.front()));
}

void selectRow(QListWidget* list, std::optional<size_t> row) {
    const QSignalBlocker quiet(list);
    if (!row) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(static_cast<int>(*row));
    list->scrollToItem(list->currentItem());
}

}  // namespace

TPitchList::TPitchList(QWidget* parent, const TInstrumentSet& catalogue)
    : QDialog(parent),
      chooser_(catalogue),
      categoryList_(new QListWidget(this)),
      instrumentList_(new TPitchListBox(this, chooser_)),
      okButton_(new QPushButton(OK_TEXT, this)),
      cancelButton_(new QPushButton(CANCEL_TEXT, this)) {
    setObjectName("pitchList");

    auto* categoryLabel = new QLabel(CATEGORY_LABEL, this);
    categoryLabel->setBuddy(categoryList_);
    auto* instrumentsLabel = new QLabel(INSTRUMENTS_LABEL, this);
    instrumentsLabel->setBuddy(instrumentList_);
    categoryList_->setObjectName("categoryList");
    categoryList_->setAccessibleName("Category");
    instrumentList_->setObjectName("instrumentList");
    instrumentList_->setAccessibleName("Instruments");
    for (QListWidget* list : {categoryList_, instrumentList_}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setFixedSize(210, 260);
    }
    for (const std::string& name : chooser_.categoryNames())
        categoryList_->addItem(QString::fromStdString(name));

    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(10);
    lists->setVerticalSpacing(4);
    lists->addWidget(categoryLabel, 0, 0);
    lists->addWidget(instrumentsLabel, 0, 1);
    lists->addWidget(categoryList_, 1, 0);
    lists->addWidget(instrumentList_, 1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 12);
    layout->addLayout(lists);
    layout->addSpacing(10);
    layout->addLayout(okCancelRow(okButton_, cancelButton_));
    layout->setSizeConstraint(QLayout::SetFixedSize);
    showSelection();

    connect(categoryList_, &QListWidget::itemSelectionChanged, this, &TPitchList::categoryClicked);
    connect(instrumentList_, &QListWidget::itemSelectionChanged, this, &TPitchList::entrySelected);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void TPitchList::preselect(int32_t number) {
    chooser_.preselect(number);
    showSelection();
}

void TPitchList::done(int result) {
    chooser_.close();
    QDialog::done(result);
}

void TPitchList::showEntries() {
    const QSignalBlocker quiet(instrumentList_);
    instrumentList_->clear();
    for (const std::string& name : chooser_.entryNames())
        instrumentList_->addItem(QString::fromStdString(name));
}

void TPitchList::showSelection() {
    showEntries();
    selectRow(categoryList_, chooser_.category());
    selectRow(instrumentList_, chooser_.entry());
    okButton_->setEnabled(chooser_.canAccept());
}

void TPitchList::categoryClicked() {
    chooser_.selectCategory(selectedRow(categoryList_));
    showEntries();
    selectRow(instrumentList_, chooser_.entry());
    okButton_->setEnabled(chooser_.canAccept());
}

void TPitchList::entrySelected() {
    chooser_.selectEntry(selectedRow(instrumentList_));
    okButton_->setEnabled(chooser_.canAccept());
}
