#pragma once

#include <cstddef>
#include <string>
#include <vector>

class QWidget;
class TMotive;
class TPeriodData;
class TUMotiveSet;
class TXmlDocument;

// What the demonstrations and the step-by-step help ask of the main window: its composition's
// motive sets and files, its input, the end of playback and the parts of the period row.
class TForHelpService {
  public:
    virtual ~TForHelpService() = default;

    // The composition on the screen.
    virtual TPeriodData& period() = 0;
    // Moves a help window to where it leaves the development panel and motive set k in sight,
    // as far as the screen allows.
    virtual void placeClearOfMotive(QWidget* window, size_t k) = 0;
    // The period panel's motive sets, in period order.
    virtual std::vector<TUMotiveSet*> motiveSets() = 0;
    virtual bool saveComposition(const std::string& path) = 0;
    virtual bool openComposition(const std::string& path) = 0;
    virtual QWidget* ownerForm() = 0;
    virtual TXmlDocument& xmlDocument() = 0;
    // Enables or disables the window; enabling also gives it the keyboard focus.
    virtual void enableInput(bool enabled) = 0;
    virtual void enableWindow(bool enabled) = 0;
    // Marks that the period plays and the help waits for its end; cleared when playback stops.
    virtual void awaitPlaybackEnd() = 0;
    virtual bool playbackEnded() = 0;
    // A control of the k-th phrase of the period, phrases counted across the whole period.
    virtual QWidget* phraseControl(size_t k) = 0;
    virtual void placeAtTopLeft(QWidget* control) = 0;
    virtual void placeAtTopRight(QWidget* control) = 0;
    // Scrolls the period row to the left edge of its k-th element.
    virtual void scrollToElement(size_t k) = 0;
    virtual void playPeriod() = 0;
    virtual void playMotive(size_t k) = 0;
    virtual void playSentence(size_t k) = 0;
    virtual void playPhrase(size_t k) = 0;
    virtual void stopPlayback() = 0;
    // Scrolls the period row to motive set k; nothing when there is none.
    virtual void scrollToMotive(size_t k) = 0;
    // Shows the development panel of a chooser index and hands it the motive.
    virtual void showDevelopmentPanelWithMotive(int wayIndex, const TMotive& motive) = 0;
};
