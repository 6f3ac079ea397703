#pragma once

#include <initializer_list>

class QHBoxLayout;
class QPushButton;

// The row of a dialog's closing buttons (OK, Cancel): pushed to the right, each at least as wide
// as the others' usual width, with the platform's usual gap between them.
QHBoxLayout* dialogButtonRow(std::initializer_list<QPushButton*> buttons);

// The usual pair of closing buttons: OK the default (Return presses it), Cancel not, each named
// for screen readers and tests after its text.
void nameOkCancel(QPushButton* ok, QPushButton* cancel);
// The pair named so, in a row.
QHBoxLayout* okCancelRow(QPushButton* ok, QPushButton* cancel);
