#pragma once

#include <QWidget>
#include <string>

#include "app/button_listener.h"

class TPlayPanel;

// The marker of the period (level 0), a sentence (1) or a phrase (2) in the period row: its
// level's colour and glyph, with the sentence code or phrase letter.
class TColoredBox : public QWidget {
    Q_OBJECT

  public:
    TColoredBox(QWidget* parent, int level, std::string value);

    int level() const { return level_; }
    const std::string& value() const { return value_; }
    static QColor levelColor(int level);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int level_;
    std::string value_;
};

// A marker with a play strip on top that plays everything under it; 23 pixels wide.
class TColoredBoxSet : public QWidget, public TButtonListener {
    Q_OBJECT

  public:
    static constexpr int WIDTH = 23;

    TColoredBoxSet(QWidget* parent, int level, const std::string& value, TButtonListener* listener,
                   int id);

    TPlayPanel* playPanel() const { return playPanel_; }
    TColoredBox* box() const { return box_; }
    int id() const { return id_; }

    void buttonPressed(QWidget* button, int id) override;

  private:
    TButtonListener* listener_;
    int id_;
    TPlayPanel* playPanel_;
    TColoredBox* box_;
};
