#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QLineEdit;
class QPushButton;
class TInstrPromptsInterface;
class TMessageBundle;

// The dialog in which the user types one channel volume. OK takes only a whole number from 0
// to 127; anything else is told and the dialog stays open. The caller sets the caption.
class TVolumeForm : public QDialog {
    Q_OBJECT

  public:
    TVolumeForm(QWidget* parent, const TMessageBundle& bundle, TInstrPromptsInterface& prompts,
                int32_t volume);

    // The value accepted by OK; none before.
    std::optional<int32_t> volume() const { return volume_; }
    QLineEdit* edit() const { return edit_; }

    void accept() override;

  private:
    const TMessageBundle& bundle_;
    TInstrPromptsInterface& prompts_;
    QLineEdit* edit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    std::optional<int32_t> volume_;
};
