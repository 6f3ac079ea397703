#pragma once

#include <QWidget>
#include <memory>

#include "templates/zatakt_panel_model.h"

class QComboBox;
class QLabel;
class TMessageBundle;
class TMotiveTypePicture;

// The motive-type choice: a picture of the type, the type list, and for a type with an
// anacrusis the length before or after the bar line.
class TZataktPanel : public QWidget {
    Q_OBJECT

  public:
    TZataktPanel(QWidget* parent, const TMessageBundle& bundle);
    TZataktPanel(QWidget* parent, const TMessageBundle& bundle, TZataktPanelModel& model);
    ~TZataktPanel() override;

    // The anacrusis in ticks.
    DURATION value() const { return model_.value(); }
    void setMeasure(const TMeasure& measure);
    void chooseRandom();
    // Shows the model as it stands.
    void refresh();

  private:
    TZataktPanel(QWidget* parent, const TMessageBundle& bundle,
                 std::unique_ptr<TZataktPanelModel> ownModel, TZataktPanelModel* model);

    void typeListChange(int index);
    void durationListChange(int index);

    const TMessageBundle& bundle_;
    std::unique_ptr<TZataktPanelModel> ownModel_;
    TZataktPanelModel& model_;
    TMotiveTypePicture* picture_;
    QComboBox* typeList_;
    QLabel* durationLabel_;
    QComboBox* durationList_;
};
