#pragma once

#include <QString>
#include <QWidget>

class TPanelChooserGroup;

// A caption button that shows one development panel: raised when not selected, sunken when it
// is. It takes the keyboard focus with Tab; the arrow keys move to the neighbouring chooser and
// Space or Return presses it. A motive dragged by a canvas's handle may be dropped on it.
class TPanelChooser : public QWidget {
    Q_OBJECT

  public:
    static constexpr int HEIGHT = 22;

    TPanelChooser(QWidget* parent, TPanelChooserGroup& group, int index, const QString& caption);

    int index() const { return index_; }
    const QString& caption() const { return caption_; }
    bool selected() const { return selected_; }
    void setSelected(bool selected);
    // The caption's width, the mark's and 11 pixels.
    int naturalWidth() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    TPanelChooserGroup& group_;
    int index_;
    QString caption_;
    bool selected_ = false;
};
