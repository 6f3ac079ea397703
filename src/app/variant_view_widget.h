#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <cstdint>

class TVariantView;
class TVirtualPointer;

// The DAD view: two panes of 240 pixels side by side. Each pane's still content is kept in an
// image that is drawn again only when its candidates or its current note change; pointer moves
// repaint just the 30-pixel edge column and the extent line over it.
class TVariantViewWidget : public QWidget {
    Q_OBJECT

  public:
    explicit TVariantViewWidget(QWidget* parent);

    void setView(TVariantView* view) { view_ = view; }
    // A drawn pointer, shown where it is while it lies over the view; null for the real one.
    void setDrawnPointer(TVirtualPointer* pointer) { drawnPointer_ = pointer; }

    void invalidatePane(int pane);
    void updateEdgeColumn(int pane);
    void markRow(int pane, int32_t row);
    void updateExtentLine(int pane);
    void pointerMoved();

    static QRect paneRect(int pane);
    static QRect edgeColumnRect(int pane);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void renderPane(int pane);
    void paintDecorations(QPainter& painter, int pane);

    TVariantView* view_ = nullptr;
    TVirtualPointer* drawnPointer_ = nullptr;
    std::array<QImage, 2> images_;
    std::array<bool, 2> dirty_{true, true};
    std::array<int32_t, 2> marks_{-1, -1};
    QRect lastPointerRect_;
};
