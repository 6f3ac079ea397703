#pragma once

class QWidget;

// Told when a button, strip or marker is pressed, with the control and its number.
class TButtonListener {
  public:
    virtual ~TButtonListener() = default;
    virtual void buttonPressed(QWidget* button, int id) = 0;
};
