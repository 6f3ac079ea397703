#pragma once

#include <initializer_list>

class QHBoxLayout;
class QPushButton;

// The row of a dialog's closing buttons (OK, Cancel): pushed to the right, each at least as wide
// as the others' usual width, with the platform's usual gap between them.
QHBoxLayout* dialogButtonRow(std::initializer_list<QPushButton*> buttons);
