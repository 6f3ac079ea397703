#include "app/step_form.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <filesystem>

#include "app/for_help_service.h"
#include "app/u_motive_canvas.h"
#include "app/u_motive_set.h"
#include "help/tutorial_steps.h"
#include "model/document.h"
#include "model/period_data.h"

namespace {

QPushButton* button(QWidget* parent, const QString& caption, QHBoxLayout* row) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    row->addWidget(b);
    return b;
}

}  // namespace

TStepForm::TStepForm(QWidget* owner, TForHelpService& host, std::string folder)
    : QWidget(owner, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      host_(host),
      folder_(std::move(folder)),
      view_(new QTextBrowser(this)) {
    setWindowTitle("Step-by-step help");
    setAccessibleName("Step-by-step help");
    setFixedSize(597, 390);
    view_->setGeometry(5, 5, 587, 348);
    view_->setOpenLinks(true);
    view_->setOpenExternalLinks(false);
    view_->setSearchPaths({QString::fromStdString(folder_)});
    auto* row = new QHBoxLayout;
    auto* buttons = new QWidget(this);
    buttons->setGeometry(5, 356, 587, 30);
    buttons->setLayout(row);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    QPushButton* close = button(buttons, "Close", row);
    QPushButton* playAll = button(buttons, "Play All", row);
    QPushButton* playSentence = button(buttons, "Play Sentence", row);
    QPushButton* playPhrase = button(buttons, "Play Phrase", row);
    QPushButton* playMotive = button(buttons, "Play Motive", row);
    previous_ = button(buttons, "<-- Previous", row);
    next_ = button(buttons, "Next -->", row);
    previous_->setAccessibleName("Previous");
    next_->setAccessibleName("Next");
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(playAll, &QPushButton::clicked, this, [this] { host_.playPeriod(); });
    connect(playSentence, &QPushButton::clicked, this,
            [this] { host_.playSentence(static_cast<size_t>(step_ / 4)); });
    connect(playPhrase, &QPushButton::clicked, this,
            [this] { host_.playPhrase(static_cast<size_t>(step_ / 2)); });
    connect(playMotive, &QPushButton::clicked, this,
            [this] { host_.playMotive(static_cast<size_t>(step_)); });
    connect(previous_, &QPushButton::clicked, this, [this] { previous(); });
    connect(next_, &QPushButton::clicked, this, [this] { next(); });
}

bool TStepForm::start() {
    const std::string path = folder_ + std::string(TUTORIAL_COMPOSITION);
    // a composition that cannot be read leaves the user's one in place
    TPeriodData probe;
    if (!readDocument(probe, path))
        return false;
    if (!host_.openComposition(path))
        return false;
    step_ = 0;
    show();
    raise();
    showStep();
    return true;
}

void TStepForm::showStep() {
    const TTutorialStep& step = TUTORIAL_STEPS[static_cast<size_t>(step_)];
    view_->setSource(QUrl::fromLocalFile(QString::fromStdString(folder_ + std::string(step.page))));
    previous_->setEnabled(step_ > 0);
    next_->setEnabled(step_ < STEP_COUNT - 1);
    host_.scrollToMotive(static_cast<size_t>(step.motive));
    const std::vector<TUMotiveSet*> sets = host_.motiveSets();
    if (step.way >= 0 && static_cast<size_t>(step_) < sets.size() &&
        sets[static_cast<size_t>(step_)]->motive() != nullptr)
        host_.showDevelopmentPanelWithMotive(step.way, *sets[static_cast<size_t>(step_)]->motive());
}

void TStepForm::next() {
    if (step_ >= STEP_COUNT - 1)
        return;
    host_.stopPlayback();
    ++step_;
    showStep();
}

void TStepForm::previous() {
    if (step_ <= 0)
        return;
    host_.stopPlayback();
    --step_;
    showStep();
}
