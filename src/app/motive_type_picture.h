#pragma once

#include <QWidget>
#include <vector>

#include "templates/zatakt_panel_model.h"

// A small rhythm picture of a motive type: short and long notes on one line, the bar line
// between them, and the classical marks of unstressed and stressed above the notes.
class TMotiveTypePicture : public QWidget {
    Q_OBJECT

  public:
    explicit TMotiveTypePicture(QWidget* parent);

    const std::vector<TMotiveTypeSymbol>& symbols() const { return symbols_; }
    void setSymbols(std::vector<TMotiveTypeSymbol> symbols);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<TMotiveTypeSymbol> symbols_;
};
