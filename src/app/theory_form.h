#pragma once

#include <QWidget>
#include <string>

class QTextBrowser;

// The theory page in a window of its own; Close hides it.
class TTheoryForm : public QWidget {
    Q_OBJECT

  public:
    // `folder` holds the theory page (with a trailing separator).
    TTheoryForm(QWidget* owner, const std::string& folder);

    QTextBrowser* view() const { return view_; }

  private:
    QTextBrowser* view_;
};
