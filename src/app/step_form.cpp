#include "app/step_form.h"

#include <algorithm>

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
    // every label whole: the row sets the window's width when the design's is too narrow
    const int rowWidth = std::max(587, row->sizeHint().width());
    setFixedSize(rowWidth + 10, 390);
    view_->setGeometry(5, 5, rowWidth, 348);
    buttons->setGeometry(5, 356, rowWidth, 30);
    previous_->setAccessibleName("Previous");
    next_->setAccessibleName("Next");
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(playAll, &QPushButton::clicked, this, [this] { host_.playPeriod(); });
    // the motive the page speaks of, and what holds it: the row stays where the step put it
    connect(playSentence, &QPushButton::clicked, this, [this] {
        if (const auto play = stepPlay())
            host_.playSentence(play->sentence);
    });
    connect(playPhrase, &QPushButton::clicked, this, [this] {
        if (const auto play = stepPlay())
            host_.playPhrase(play->phrase);
    });
    connect(playMotive, &QPushButton::clicked, this, [this] {
        if (const auto play = stepPlay())
            host_.playMotive(play->motive);
    });
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

std::optional<TTutorialPlay> TStepForm::stepPlay() {
    return tutorialPlay(host_.period(), TUTORIAL_STEPS[static_cast<size_t>(step_)]);
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
    // the page, the panel it opened and the motive it speaks of side by side
    host_.placeClearOfMotive(this, static_cast<size_t>(step.motive));
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
