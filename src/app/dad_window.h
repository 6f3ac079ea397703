#pragma once

#include <QWidget>

#include "editing/variant_view.h"

class QLabel;
class TVariantViewWidget;
class TVirtualPointer;

// The "DAD" popup window: created hidden with the main window and shown beside a canvas while
// its mouse button is held. It never takes the keyboard focus from the window it serves.
class TDadWindow : public QWidget, public TVariantSurface {
    Q_OBJECT

  public:
    explicit TDadWindow(QWidget* owner);

    TVariantViewWidget* viewWidget() const { return view_; }
    void setView(TVariantView* view);
    void setDrawnPointer(TVirtualPointer* pointer);
    // The hint line under the view, shown or not; the popup grows by its height.
    void setHintShown(bool shown);
    bool hintShown() const { return hintShown_; }
    QLabel* hintLine() const { return hint_; }

    // TVariantSurface
    TScreenRect screenArea() override;
    int32_t popupWidth() override;
    int32_t popupHeight() override;
    void showAt(int32_t left, int32_t top) override;
    void hide() override { QWidget::hide(); }
    TScreenPoint viewOrigin() override;
    void setCaption(const std::string& text) override;
    void setHint(const std::string& text) override;
    void paintPane(int pane, bool decorations) override;
    void storeEdgeColumn(int) override {}
    void paintEdgeColumn(int pane) override;
    void markRow(int pane, int32_t row) override;
    void paintExtentLine(int pane) override;

  protected:
    void moveEvent(QMoveEvent* event) override;

  private:
    // The window system's frame around the popup: as it was last seen around the popup, or,
    // before the popup was ever shown, as it is around the main window.
    QMargins frameMargins() const;

    QWidget* owner_;
    TVariantViewWidget* view_;
    QLabel* hint_;
    bool hintShown_ = true;
    TVariantView* variantView_ = nullptr;
    // Where the client area was put: the view's origin follows from it at once, before the
    // window system has reported the mapped window.
    QPoint placed_;
    QMargins frame_;
    bool frameKnown_ = false;
};
