#include "app/help_form.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>

#include "help/message_bundle.h"

THelpForm::THelpForm(const TMessageBundle& bundle)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint),
      bundle_(bundle),
      view_(new QTextBrowser(this)),
      cancelLine_(new QLabel(this)) {
    // a window of its own: the main window is disabled while the demonstration drives it
    setWindowTitle("PRESS ANY KEY TO CANCEL");
    setAccessibleName("Demonstration");
    setFixedSize(WIDTH, HEIGHT);
    // a narrow tool window's title bar cuts its caption short: the window says it again
    constexpr int LINE_HEIGHT = 22;
    cancelLine_->setText(windowTitle());
    cancelLine_->setAlignment(Qt::AlignCenter);
    QFont bold = cancelLine_->font();
    bold.setBold(true);
    cancelLine_->setFont(bold);
    cancelLine_->setAutoFillBackground(true);
    cancelLine_->setStyleSheet("background: #ffe9a8; color: #5a4200;");
    cancelLine_->setGeometry(0, HEIGHT - LINE_HEIGHT, WIDTH, LINE_HEIGHT);
    view_->setGeometry(0, 0, WIDTH, HEIGHT - LINE_HEIGHT);
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
    cancelLine_->setText(windowTitle());
    if (onCancel_) {
        onCancel_();
    }
}

void THelpForm::closeEvent(QCloseEvent* event) {
    // closing the page window is a cancel as well; the demonstration closes it when it ends
    cancel();
    event->ignore();
}
