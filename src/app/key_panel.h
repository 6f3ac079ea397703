#pragma once

#include <QWidget>
#include <memory>

#include "templates/key_panel_model.h"

class QComboBox;
class TMessageBundle;

// The key choice: a mode list and the fifteen keys of that mode.
class TKeyPanel : public QWidget {
    Q_OBJECT

  public:
    TKeyPanel(QWidget* parent, const TMessageBundle& bundle);
    TKeyPanel(QWidget* parent, const TMessageBundle& bundle, TKeyPanelModel& model);
    ~TKeyPanel() override;

    TKey key() const { return model_.key(); }
    void setKey(const TKey& key);
    void chooseRandom();
    // Shows the model as it stands.
    void refresh();

  private:
    TKeyPanel(QWidget* parent, const TMessageBundle& bundle,
              std::unique_ptr<TKeyPanelModel> ownModel, TKeyPanelModel* model);

    void modeListChange(int index);
    void keyListChange(int index);

    const TMessageBundle& bundle_;
    std::unique_ptr<TKeyPanelModel> ownModel_;
    TKeyPanelModel& model_;
    QComboBox* modeList_;
    QComboBox* keyList_;
    // the mode whose keys the key list holds
    uint8_t shownMode_ = MAJOR;
};
