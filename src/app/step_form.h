#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "help/tutorial_steps.h"

class QPushButton;
class QTextBrowser;
class TForHelpService;

// The step-by-step tutorial: eight pages about a prepared composition. Each step scrolls the
// period panel to the motive it talks about, may open a way of development on it, and offers
// to play that motive, its phrase, its sentence or the whole period.
class TStepForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int STEP_COUNT = 8;

    // `folder` holds the pages and the composition (with a trailing separator).
    TStepForm(QWidget* owner, TForHelpService& host, std::string folder);

    // Opens the composition and shows step 0; false (and nothing shown, nothing changed) when
    // the composition cannot be read.
    bool start();
    void showStep();
    void next();
    void previous();
    int step() const { return step_; }

    QTextBrowser* view() const { return view_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* previousButton() const { return previous_; }

  private:
    // What the step's play buttons play.
    std::optional<TTutorialPlay> stepPlay();

    TForHelpService& host_;
    std::string folder_;
    int step_ = 0;
    QTextBrowser* view_;
    QPushButton* previous_;
    QPushButton* next_;
};
