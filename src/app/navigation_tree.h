#pragma once

#include <QTreeWidget>
#include <string>
#include <vector>

class TMessageBundle;

// Told the left edge of the element whose node was chosen.
class TNavigationTreeListener {
  public:
    virtual ~TNavigationTreeListener() = default;
    virtual void navigationChosen(int left) = 0;
};

// One node of the period's structure as the tree shows it: level 0 period, 1 sentence,
// 2 phrase, 3 motive; its text and the left edge of its element in the period row.
struct TNavigationNode {
    int level = 0;
    std::string text;
    int left = 0;
    std::vector<TNavigationNode> children;
};

// The period's structure as a tree whose nodes scroll the period panel to their element.
class TNavigationTree : public QTreeWidget {
    Q_OBJECT

  public:
    explicit TNavigationTree(QWidget* parent);

    void setListener(TNavigationTreeListener* listener) { listener_ = listener; }
    void rebuild(const TNavigationNode& root);

  private:
    void chosen(QTreeWidgetItem* item);

    TNavigationTreeListener* listener_ = nullptr;
};
