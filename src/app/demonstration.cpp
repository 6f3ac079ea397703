#include "app/demonstration.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <QToolButton>
#include <QWindow>
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/dad_window.h"
#include "app/demonstration_window.h"
#include "app/dragged.h"
#include "app/effect_motive_panel.h"
#include "app/help_form.h"
#include "app/panel_chooser.h"
#include "app/panel_chooser_group.h"
#include "app/play_panel.h"
#include "app/pointer_controls.h"
#include "app/raw_panel.h"
#include "app/selection_panel.h"
#include "app/u_motive_canvas.h"
#include "app/u_motive_set.h"
#include "commands/prompts_interface.h"
#include "editing/variant_view.h"
#include "help/dynamic_help_thread.h"
#include "help/message_bundle.h"
#include "model/motive.h"
#include "model/period_data.h"
#include "model/xml_document.h"

// Where the window system does not let the program move the real pointer, the demonstration's
// pointer is drawn over the main window, so that the user sees where it glides and clicks.
class TDemoPointerOverlay : public QWidget {
  public:
    TDemoPointerOverlay(QWidget* window, TPointerControl& pointer)
        : QWidget(window), pointer_(pointer) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(window->rect());
        raise();
        show();
    }

    // Repaints where the arrow was and where it is now, not the whole window below it.
    void pointerMoved() {
        const TScreenPoint p = pointer_.pos();
        const QPoint tip = mapFromGlobal(QPoint(p.x, p.y));
        if (tip == tip_) {
            return;
        }
        update(arrowArea(tip_));
        tip_ = tip;
        update(arrowArea(tip_));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawPointerArrow(painter, tip_);
    }

  private:
    static QRect arrowArea(QPoint tip) { return QRect(tip - QPoint(2, 2), QSize(16, 24)); }

    TPointerControl& pointer_;
    QPoint tip_{-100, -100};
};

TDemonstration::TDemonstration(TDemonstrationWindow& window, int number, const std::string& folder,
                               const std::string& parkFolder)
    : QObject(window.ownerForm()),
      window_(window),
      runner_(createDemonstration(number, *this, folder, parkFolder)) {}

TDemonstration::~TDemonstration() {
    if (runner_ != nullptr) {
        // a sequence still running gets no more steps; the calls it waits on return at once
        aborted_ = true;
        while (runner_->ending() == TDynamicHelpThread::TEnding::Running) {
            QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        runner_->join();
    }
    if (!finished_) {
        restore(std::string(), std::string());
    }
}

void TDemonstration::start() {
    if (runner_ == nullptr) {
        return;
    }
    runner_->start([this] {
        QMetaObject::invokeMethod(
            this, [this] { emit finished(); }, Qt::QueuedConnection);
    });
}

template <typename R, typename F>
R TDemonstration::onUi(R fallback, F f) {
    if (aborted_) {
        return fallback;
    }
    if (QThread::currentThread() == thread()) {
        return f();
    }
    R result = fallback;
    QMetaObject::invokeMethod(
        this,
        [&] {
            if (!aborted_) {
                result = f();
            }
        },
        Qt::BlockingQueuedConnection);
    return result;
}

bool TDemonstration::startDemo() {
    return onUi(false, [this] {
        form_ = new THelpForm(window_.bundle());
        form_->setOnCancel([this] { cancelled_ = true; });
        window_.placeAtTopLeft(form_);
        form_->show();
        form_->raise();
        form_->activateWindow();
        // the user's input is held back, the demonstration's own passes
        if (!blocking_) {
            qApp->installEventFilter(this);
            blocking_ = true;
        }
        window_.variantView().setDemoMode(true);
        if (window_.pointerIsDrawn()) {
            overlay_ = new TDemoPointerOverlay(window_.ownerForm(), window_.pointerControl());
        }
        return true;
    });
}

bool TDemonstration::showPage(const std::string& path) {
    return onUi(false, [this, &path] {
        if (form_ == nullptr || !std::filesystem::is_regular_file(path)) {
            return false;
        }
        form_->showPage(path);
        return true;
    });
}

std::optional<std::string> TDemonstration::documentName() {
    // the answer travels through a variable: an optional string returned across the call makes
    // the optimiser warn about its own copy
    std::string name;
    if (!onUi(false, [this, &name] {
            name = window_.period().name();
            return true;
        })) {
        return std::nullopt;
    }
    return name;
}

bool TDemonstration::saveComposition(const std::string& path) {
    return onUi(false, [this, &path] {
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
        return window_.saveComposition(path);
    });
}

bool TDemonstration::openComposition(const std::string& path) {
    return onUi(false, [this, &path] { return window_.openComposition(path); });
}

TUMotiveCanvas* TDemonstration::canvasOf(size_t motive) {
    const std::vector<TUMotiveSet*> sets = window_.motiveSets();
    return motive < sets.size() ? sets[motive]->canvas() : nullptr;
}

QWidget* TDemonstration::controlWidget(const TDemoControl& control) {
    using K = TDemoControlKind;
    const std::vector<TUMotiveSet*> sets = window_.motiveSets();
    const auto index = static_cast<size_t>(control.index);
    switch (control.kind) {
        case K::MotiveCanvas:
        case K::MotiveSelection:
        case K::MotivePlay:
        case K::MotiveHandle: {
            if (control.index < 0 || index >= sets.size()) {
                return nullptr;
            }
            TUMotiveSet* set = sets[index];
            if (control.kind == K::MotiveCanvas) {
                return set->canvas();
            }
            if (control.kind == K::MotiveSelection) {
                return set->selectionPanel();
            }
            if (control.kind == K::MotivePlay) {
                return set->playPanel();
            }
            return set->handle();
        }
        case K::WayChooser:
            return control.index >= 0 && index < window_.panelChoosers().size()
                       ? window_.panelChoosers().chooser(index)
                       : nullptr;
        case K::PaneCanvas:
        case K::PanePlay:
        case K::PaneHandle:
        case K::MoreButton: {
            TEffectMotivePanel* panel = window_.developmentPanel(control.index);
            if (panel == nullptr) {
                return nullptr;
            }
            if (control.kind == K::MoreButton) {
                return panel->moreButton();
            }
            if (control.pane < 0 || control.pane > 2) {
                return nullptr;
            }
            TRawPanel* pane = panel->pane(control.pane);
            if (control.kind == K::PaneCanvas) {
                return pane->canvas();
            }
            if (control.kind == K::PanePlay) {
                return pane->playButton();
            }
            return pane->handle();
        }
    }
    return nullptr;
}

std::optional<TScriptRect> TDemonstration::controlRect(const TDemoControl& control) {
    return onUi(std::optional<TScriptRect>(), [this, &control] {
        QWidget* widget = controlWidget(control);
        if (widget == nullptr || !widget->isVisible()) {
            return std::optional<TScriptRect>();
        }
        const QPoint p = widget->mapToGlobal(QPoint(0, 0));
        return std::optional<TScriptRect>(
            TScriptRect{p.x(), p.y(), widget->width(), widget->height()});
    });
}

bool TDemonstration::pressControl(const TDemoControl& control) {
    return onUi(false, [this, &control] {
        QWidget* widget = controlWidget(control);
        if (widget == nullptr || !widget->isVisible()) {
            return false;
        }
        // a click, delivered as the mouse delivers it, so the control runs its own handlers
        const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
        const QPointF global = widget->mapToGlobal(local);
        scripted_ = true;
        QMouseEvent down(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &up);
        scripted_ = false;
        return true;
    });
}

bool TDemonstration::dropMotiveOnWay(size_t motive, int way) {
    return onUi(false, [this, motive, way] {
        TUMotiveCanvas* canvas = canvasOf(motive);
        if (canvas == nullptr || canvas->motive() == nullptr || way < 0 ||
            static_cast<size_t>(way) >= window_.panelChoosers().size()) {
            return false;
        }
        // a copy: the way keeps its own source
        const TMotive source = *canvas->motive();
        window_.panelChoosers().giveMotive(way, source);
        return true;
    });
}

bool TDemonstration::dropVariant(int way, int pane, size_t motive) {
    return onUi(false, [this, way, pane, motive] {
        auto* source =
            static_cast<TUMotiveCanvas*>(controlWidget({TDemoControlKind::PaneCanvas, way, pane}));
        TUMotiveCanvas* target = canvasOf(motive);
        if (source == nullptr || source->motive() == nullptr || target == nullptr) {
            return false;
        }
        return target->takeMotive(*source->motive());
    });
}

bool TDemonstration::setTimeCursor(size_t motive, int32_t ticks) {
    return onUi(false, [this, motive, ticks] {
        TUMotiveCanvas* canvas = canvasOf(motive);
        if (canvas == nullptr) {
            return false;
        }
        canvas->editor().setTimeCursor(ticks);
        canvas->repaint();
        return true;
    });
}

bool TDemonstration::pressCanvas(size_t motive, TScreenPoint local) {
    return onUi(false, [this, motive, local] {
        TUMotiveCanvas* canvas = canvasOf(motive);
        return canvas != nullptr && canvas->scriptedPress(QPoint(local.x, local.y));
    });
}

bool TDemonstration::dragCanvas(size_t motive, TScreenPoint local, bool ctrl) {
    return onUi(false, [this, motive, local, ctrl] {
        TUMotiveCanvas* canvas = canvasOf(motive);
        if (canvas == nullptr) {
            return false;
        }
        canvas->scriptedDrag(QPoint(local.x, local.y), ctrl);
        return true;
    });
}

bool TDemonstration::releaseCanvas(size_t motive) {
    return onUi(false, [this, motive] {
        TUMotiveCanvas* canvas = canvasOf(motive);
        if (canvas == nullptr) {
            return false;
        }
        canvas->finishEdit();
        return true;
    });
}

TScreenPoint TDemonstration::pointer() {
    return onUi(TScreenPoint{}, [this] { return window_.pointerControl().pos(); });
}

void TDemonstration::setPointer(TScreenPoint p) {
    onUi(false, [this, p] {
        window_.pointerControl().setPos(p);
        if (overlay_ != nullptr) {
            overlay_->pointerMoved();
        }
        return true;
    });
}

std::optional<TScreenPoint> TDemonstration::referenceOrigin() {
    return onUi(std::optional<TScreenPoint>(), [this] {
        TDadWindow* popup = window_.dadWindow();
        if (popup == nullptr || !popup->isVisible()) {
            return std::optional<TScreenPoint>();
        }
        return std::optional<TScreenPoint>(popup->viewOrigin());
    });
}

std::optional<std::vector<TScreenPoint>> TDemonstration::readScript(const std::string& path) {
    // a document of its own: nothing of the window is touched, so no step on its thread
    TXmlDocument document;
    return readDynamicHelpScript(document, path);
}

void TDemonstration::awaitPlaybackEnd() {
    window_.awaitPlaybackEnd();
}

bool TDemonstration::playbackEnded() {
    return onUi(true, [this] { return window_.playbackEnded(); });
}

bool TDemonstration::cancelled() {
    return cancelled_ || aborted_;
}

void TDemonstration::showError() {
    onUi(false, [this] {
        window_.prompts().showMessage(window_.bundle().text("error"),
                                      window_.bundle().text("dynamic help error"));
        return true;
    });
}

void TDemonstration::finishDemo(const std::string& parkedPath, const std::string& savedName) {
    onUi(false, [this, &parkedPath, &savedName] {
        restore(parkedPath, savedName);
        return true;
    });
}

void TDemonstration::restore(const std::string& parkedPath, const std::string& savedName) {
    if (finished_) {
        return;
    }
    finished_ = true;
    window_.finishEditing();
    if (beforeRestore_) {
        beforeRestore_(window_.period());
    }
    if (!parkedPath.empty() && window_.openComposition(parkedPath)) {
        window_.period().setName(savedName);
    }
    // the user's input first: nothing may look at the page window while it goes
    if (blocking_) {
        qApp->removeEventFilter(this);
        blocking_ = false;
    }
    if (form_ != nullptr) {
        form_->hide();
        delete form_;
    }
    delete overlay_;
    window_.variantView().setDemoMode(false);
    window_.enableInput(true);
}

bool TDemonstration::eventFilter(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride;
    if (key && form_ != nullptr) {
        // any key anywhere cancels
        form_->cancel();
        return true;
    }
    // the page window stays the user's: it scrolls and its links work
    auto* widget = qobject_cast<QWidget*>(watched);
    if (form_ != nullptr &&
        ((widget != nullptr && widget->window() == form_) || watched == form_->windowHandle())) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
        case QEvent::ContextMenu:
            // only the demonstration's own clicks reach the controls
            return !scripted_;
        default:
            return QObject::eventFilter(watched, event);
    }
}
