#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

#include "templates/temp_panel_model.h"

class QComboBox;
class QSpinBox;
class TMessageBundle;

// The tempo choice: a category list and a value stepped only by its arrows, kept in step by
// the model. The main window shows one with a model of its own; the new-composition dialog
// shows its own model's.
class TTempPanel : public QWidget {
    Q_OBJECT

  public:
    TTempPanel(QWidget* parent, const TMessageBundle& bundle);
    TTempPanel(QWidget* parent, const TMessageBundle& bundle, TTempPanelModel& model);
    ~TTempPanel() override;

    int32_t value() const { return model_.value(); }
    // Shows a value without telling the listener (a period's tempo after a refresh).
    void setValue(int32_t value);
    // Told of every change the user makes; not owned.
    void setListener(TTempPanelListener* listener) { model_.setListener(listener); }
    void chooseRandom();
    // Shows the model as it stands.
    void refresh();

  private:
    TTempPanel(QWidget* parent, const TMessageBundle& bundle,
               std::unique_ptr<TTempPanelModel> ownModel, TTempPanelModel* model);

    void categoryListChange(int index);
    void valueEditChange(int value);

    std::unique_ptr<TTempPanelModel> ownModel_;
    TTempPanelModel& model_;
    QComboBox* categoryList_;
    QSpinBox* valueEdit_;
};
