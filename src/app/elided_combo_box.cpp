#include "app/elided_combo_box.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

TElidedComboBox::TElidedComboBox(QWidget* parent) : QComboBox(parent) {
    // the box takes the width its layout gives it, whatever its items
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(16);
    view()->setTextElideMode(Qt::ElideNone);
    connect(this, &QComboBox::currentTextChanged, this, &QWidget::setToolTip);
}

void TElidedComboBox::showPopup() {
    view()->setMinimumWidth(std::max(width(), view()->sizeHintForColumn(0) + 24));
    QComboBox::showPopup();
}

void TElidedComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect textArea =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText =
        fontMetrics().elidedText(option.currentText, Qt::ElideRight, textArea.width() - 2);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
