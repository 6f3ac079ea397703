#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/pointer_control.h"
#include "help/dynamic_help_script.h"

// The hidden recording mode for demonstration paths: while the author performs a gesture in the
// popup, every pointer position the popup reads is kept in the popup's own coordinates, and the
// release writes the path as a script ("record1.xml", "record2.xml", ... in the folder).
class TScriptRecorder : public QObject {
    Q_OBJECT

  public:
    // `origin` gives the popup's client origin on the screen while it is shown, else nothing.
    TScriptRecorder(QObject* parent, std::string folder,
                    std::function<std::optional<TScreenPoint>()> origin);

    // The pointer position the popup is about to read.
    void pointerMoved(TScreenPoint p);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void write();

    std::string folder_;
    std::function<std::optional<TScreenPoint>()> origin_;
    std::vector<TScreenPoint> points_;
    bool pressed_ = false;
};
