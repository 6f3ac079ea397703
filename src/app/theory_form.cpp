#include "app/theory_form.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "help/tutorial_steps.h"

TTheoryForm::TTheoryForm(QWidget* owner, const std::string& folder)
    : QWidget(owner, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint), view_(new QTextBrowser(this)) {
    setWindowTitle("Theory");
    setAccessibleName("Theory");
    setFixedSize(597, 390);
    view_->setGeometry(5, 5, 587, 348);
    view_->setSearchPaths({QString::fromStdString(folder)});
    view_->setSource(
        QUrl::fromLocalFile(QString::fromStdString(folder + std::string(THEORY_PAGE))));
    auto* close = new QPushButton("Close", this);
    close->setAutoDefault(false);
    close->setGeometry(597 - 5 - 90, 358, 90, 26);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}
