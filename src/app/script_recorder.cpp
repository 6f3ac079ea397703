#include "app/script_recorder.h"

#include <QMouseEvent>
#include <QWindow>
#include <filesystem>
#include <fstream>

TScriptRecorder::TScriptRecorder(QObject* parent, std::string folder,
                                 std::function<std::optional<TScreenPoint>()> origin)
    : QObject(parent), folder_(std::move(folder)), origin_(std::move(origin)) {}

void TScriptRecorder::pointerMoved(TScreenPoint p) {
    const std::optional<TScreenPoint> origin = origin_();
    if (!pressed_ || !origin) {
        return;
    }
    const TScreenPoint local{p.x - origin->x, p.y - origin->y};
    // a pointer held still adds nothing: on replay every point is a move
    if (points_.empty() || points_.back() != local) {
        points_.push_back(local);
    }
}

bool TScriptRecorder::eventFilter(QObject* watched, QEvent* event) {
    // the window, not each widget on the way, so that every click counts once
    if (qobject_cast<QWindow*>(watched) != nullptr) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            points_.clear();
            pressed_ = true;
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && pressed_) {
            pressed_ = false;
            if (!points_.empty()) {
                write();
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void TScriptRecorder::write() {
    std::error_code error;
    std::filesystem::create_directories(folder_, error);
    for (int n = 1;; ++n) {
        const std::filesystem::path file =
            std::filesystem::path(folder_) / ("record" + std::to_string(n) + ".xml");
        if (std::filesystem::exists(file)) {
            continue;
        }
        std::ofstream out(file, std::ios::binary);
        out << dynamicHelpScriptText(points_);
        return;
    }
}
