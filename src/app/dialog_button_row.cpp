#include "app/dialog_button_row.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace {

constexpr int BUTTON_MIN_WIDTH = 88;
constexpr int BUTTON_SPACING = 8;

}  // namespace

QHBoxLayout* dialogButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->setSpacing(BUTTON_SPACING);
    row->addStretch(1);
    for (QPushButton* button : buttons) {
        button->setMinimumWidth(BUTTON_MIN_WIDTH);
        row->addWidget(button);
    }
    return row;
}

void nameOkCancel(QPushButton* ok, QPushButton* cancel) {
    ok->setObjectName("okButton");
    ok->setAccessibleName(ok->text());
    ok->setDefault(true);
    cancel->setObjectName("cancelButton");
    cancel->setAccessibleName(cancel->text());
    cancel->setAutoDefault(false);
}

QHBoxLayout* okCancelRow(QPushButton* ok, QPushButton* cancel) {
    nameOkCancel(ok, cancel);
    return dialogButtonRow({ok, cancel});
}
