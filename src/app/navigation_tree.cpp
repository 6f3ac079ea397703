#include "app/navigation_tree.h"

#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>

#include "app/colored_box_set.h"
#include "print/drawn_icon.h"

namespace {

constexpr int LEFT_ROLE = Qt::UserRole + 1;

// The four glyphs: the markers' colours and shapes for period, sentence and phrase, and a note
// for a motive.
QIcon glyph(int level) {
    return drawnIcon(16, [&](QPainter& p) {
        p.setPen(QPen(QColor(90, 80, 70), 1.0));
        if (level < 3) {
            p.setBrush(TColoredBox::levelColor(level));
            if (level == 0) {
                p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
            } else if (level == 1) {
                p.drawRect(QRectF(2.5, 2.5, 11, 11));
            } else {
                QPainterPath triangle;
                triangle.moveTo(8, 2.5);
                triangle.lineTo(14, 13.5);
                triangle.lineTo(2, 13.5);
                triangle.closeSubpath();
                p.drawPath(triangle);
            }
        } else {
            p.setBrush(Qt::black);
            p.setPen(Qt::NoPen);
            p.save();
            p.translate(6, 12);
            p.rotate(-20);
            p.drawEllipse(QRectF(-3.2, -2.2, 6.4, 4.4));
            p.restore();
            p.fillRect(QRectF(8.6, 2, 1.1, 10), Qt::black);
        }
    });
}

void addNodes(QTreeWidgetItem* parent, const TNavigationNode& node, const QIcon* icons) {
    auto* item = new QTreeWidgetItem(parent, QStringList(QString::fromStdString(node.text)));
    item->setIcon(0, icons[std::min(node.level, 3)]);
    item->setData(0, LEFT_ROLE, node.left);
    for (const TNavigationNode& child : node.children)
        addNodes(item, child, icons);
}

}  // namespace

TNavigationTree::TNavigationTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setIndentation(14);
    setAccessibleName("Navigation");
    // a node is chosen, never kept chosen: nothing stays highlighted after a click
    setSelectionMode(QAbstractItemView::NoSelection);
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        chosen(item);
        selectionModel()->clearCurrentIndex();
    });
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { chosen(item); });
}

void TNavigationTree::rebuild(const TNavigationNode& root) {
    clear();
    const QIcon icons[4] = {glyph(0), glyph(1), glyph(2), glyph(3)};
    auto* top = new QTreeWidgetItem(this, QStringList(QString::fromStdString(root.text)));
    top->setIcon(0, icons[0]);
    top->setData(0, LEFT_ROLE, root.left);
    for (const TNavigationNode& child : root.children)
        addNodes(top, child, icons);
    expandAll();
}

void TNavigationTree::chosen(QTreeWidgetItem* item) {
    if (item == nullptr)
        return;
    const int left = item->data(0, LEFT_ROLE).toInt();
    if (listener_ != nullptr)
        listener_->navigationChosen(left);
    // the same node can be chosen again at once
    clearSelection();
}
