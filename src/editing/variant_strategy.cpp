#include "editing/variant_strategy.h"

#include "editing/variant_view.h"

void TVariantStrategy::paintPane(int pane) {
    view_.surface().paintPane(pane, false);
}

void TVariantStrategy::paintPaneFull(int pane) {
    view_.surface().paintPane(pane, false);
    view_.surface().storeEdgeColumn(pane);
}

void TVariantStrategy::paintEdgeColumn(int pane) {
    view_.surface().paintEdgeColumn(pane);
}

void TVariantStrategy::markRow(int pane, int32_t row) {
    view_.surface().markRow(pane, row);
}

void TVariantStrategy::repaintPane(int pane) {
    view_.surface().paintPane(pane, true);
}
