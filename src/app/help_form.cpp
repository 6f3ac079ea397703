#include "app/help_form.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

#include "help/message_bundle.h"

THelpForm::THelpForm(const TMessageBundle& bundle)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint),
      bundle_(bundle),
      view_(new QTextBrowser(this)) {
    // a window of its own: the main window is disabled while the demonstration drives it
    setWindowTitle("PRESS ANY KEY TO CANCEL");
    setAccessibleName("Demonstration");
    setFixedSize(WIDTH, HEIGHT);
    view_->setGeometry(0, 0, WIDTH, HEIGHT);
    view_->setFocusPolicy(Qt::NoFocus);
    view_->setOpenLinks(false);
}

THelpForm::~THelpForm() = default;

void THelpForm::showPage(const std::string& path) {
    const QString file = QString::fromStdString(path);
    view_->setSearchPaths({QFileInfo(file).absolutePath()});
    view_->setSource(QUrl::fromLocalFile(file));
}

void THelpForm::cancel() {
    // told once, however often the user presses
    if (cancelled_) {
        return;
    }
    cancelled_ = true;
    setWindowTitle(QString::fromStdString(bundle_.text("dynamic help canceled")));
    if (onCancel_) {
        onCancel_();
    }
}

void THelpForm::closeEvent(QCloseEvent* event) {
    // closing the page window is a cancel as well; the demonstration closes it when it ends
    cancel();
    event->ignore();
}
