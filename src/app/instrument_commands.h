#pragma once

#include <QIcon>
#include <functional>
#include <optional>
#include <string>

class QWidget;
class TBaseService;
class TConfig;
class TInstrumentConf;
class TPromptsInterface;

// The window's instrument-set commands that go through the editor: a new set and changing the
// configured one. The editor works on the window's current set; whatever the outcome, the
// window reloads its configured set afterwards, so that changes not saved are dropped.
class TInstrumentCommands {
  public:
    // `parent` is the window the editor stands over; `reloadConfiguredSet` loads the configured
    // set (or the defaults) with the list of sets, as at start-up.
    TInstrumentCommands(QWidget* parent, TBaseService& host, TInstrumentConf& instruments,
                        TConfig& config, TPromptsInterface& prompts, std::string base,
                        std::function<void()> reloadConfiguredSet);

    // Names a new set, then edits it from the defaults; the configuration keeps the name the
    // editor saved under.
    void newSet();
    // Edits the configured set; without one, a new set instead.
    void modifySet();

  private:
    // The editor on the current set, named `name`; the name it saved under when it closed
    // with OK.
    std::optional<std::string> edit(const std::string& name);

    QWidget* parent_;
    TBaseService& host_;
    TInstrumentConf& instruments_;
    TConfig& config_;
    TPromptsInterface& prompts_;
    std::string base_;
    std::function<void()> reloadConfiguredSet_;
};

// The pictures of the window's buttons for the two commands, 16 pixels square.
QIcon newInstrumentSetIcon();
QIcon modifyInstrumentSetIcon();
