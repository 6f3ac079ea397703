#pragma once

#include <QWidget>
#include <atomic>
#include <functional>
#include <string>

class QTextBrowser;
class TMessageBundle;

// The page window of a running demonstration: it stays on top, shows the page of the step, and
// while it exists any key pressed anywhere in the program cancels the demonstration.
class THelpForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int WIDTH = 212;
    static constexpr int HEIGHT = 410;

    explicit THelpForm(const TMessageBundle& bundle);
    ~THelpForm() override;

    void showPage(const std::string& path);
    QTextBrowser* view() const { return view_; }
    // Read by the demonstration's thread at every step of its waits.
    bool cancelled() const { return cancelled_.load(); }
    void cancel();
    // Told once, on the user-interface thread, when the user cancels.
    void setOnCancel(std::function<void()> onCancel) { onCancel_ = std::move(onCancel); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    const TMessageBundle& bundle_;
    QTextBrowser* view_;
    std::atomic<bool> cancelled_{false};
    std::function<void()> onCancel_;
};
