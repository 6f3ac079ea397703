#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "app/help_form.h"
#include "help/demo_host.h"

class QWidget;
class TDynamicHelpThread;
class TDemoPointerOverlay;
class TDemonstrationWindow;
class TPeriodData;

// A running demonstration of the Demo menu: its sequence runs on a thread of its own, and every
// step that touches the window runs here, on the user-interface thread, while the sequence
// waits. While it runs the user's mouse and keys do not reach the window (a key cancels); only
// the demonstration's own input does.
class TDemonstration : public QObject, public TDemoHost {
    Q_OBJECT

  public:
    // `number` is the Demo menu entry, 1 to 4.
    TDemonstration(TDemonstrationWindow& window, int number, const std::string& folder,
                   const std::string& parkFolder);
    // Stops a sequence still running and gives the user's composition back.
    ~TDemonstration() override;

    void start();
    // Told with the demonstration's composition just before the user's comes back.
    void setBeforeRestore(std::function<void(const TPeriodData&)> hook) {
        beforeRestore_ = std::move(hook);
    }
    TDynamicHelpThread& runner() { return *runner_; }
    THelpForm* helpForm() const { return form_; }

    // TDemoHost
    bool startDemo() override;
    bool showPage(const std::string& path) override;
    std::optional<std::string> documentName() override;
    bool saveComposition(const std::string& path) override;
    bool openComposition(const std::string& path) override;
    std::optional<TScriptRect> controlRect(const TDemoControl& control) override;
    bool pressControl(const TDemoControl& control) override;
    bool dropMotiveOnWay(size_t motive, int way) override;
    bool dropVariant(int way, int pane, size_t motive) override;
    bool setTimeCursor(size_t motive, int32_t ticks) override;
    bool pressCanvas(size_t motive, TScreenPoint local) override;
    bool dragCanvas(size_t motive, TScreenPoint local, bool ctrl) override;
    bool releaseCanvas(size_t motive) override;
    TScreenPoint pointer() override;
    void setPointer(TScreenPoint p) override;
    std::optional<TScreenPoint> referenceOrigin() override;
    std::optional<std::vector<TScreenPoint>> readScript(const std::string& path) override;
    void awaitPlaybackEnd() override;
    bool playbackEnded() override;
    bool cancelled() override;
    void showError() override;
    void finishDemo(const std::string& parkedPath, const std::string& savedName) override;

  signals:
    // Queued to the user-interface thread after the sequence's ending.
    void finished();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs `f` on the user-interface thread and waits for it; `fallback` once aborted.
    template <typename R, typename F>
    R onUi(R fallback, F f);
    QWidget* controlWidget(const TDemoControl& control);
    class TUMotiveCanvas* canvasOf(size_t motive);
    void restore(const std::string& parkedPath, const std::string& savedName);

    TDemonstrationWindow& window_;
    std::unique_ptr<TDynamicHelpThread> runner_;
    QPointer<THelpForm> form_;
    QPointer<TDemoPointerOverlay> overlay_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> aborted_{false};
    bool finished_ = false;
    bool blocking_ = false;
    bool scripted_ = false;
    std::function<void(const TPeriodData&)> beforeRestore_;
};
