#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QTextBrowser;
class TMessageBundle;

// The page window of a running demonstration: it stays on top and shows the page of the step.
// The demonstration's input filter turns any key pressed anywhere into `cancel`.
class THelpForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int WIDTH = 212;
    static constexpr int HEIGHT = 410;

    explicit THelpForm(const TMessageBundle& bundle);
    ~THelpForm() override;

    void showPage(const std::string& path);
    QTextBrowser* view() const { return view_; }
    // The line at the window's foot that says how to stop, as the title does.
    QLabel* cancelLine() const { return cancelLine_; }
    void cancel();
    // Told once, on the user-interface thread, when the user cancels.
    void setOnCancel(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    const TMessageBundle& bundle_;
    QTextBrowser* view_;
    QLabel* cancelLine_;
    bool cancelled_ = false;
    std::function<void()> onCancel_;
};
