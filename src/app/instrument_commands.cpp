#include "app/instrument_commands.h"

#include <QPainter>
#include <memory>
#include <utility>

#include "app/base_service.h"
#include "commands/prompts_interface.h"
#include "instruments_ui/instr_form.h"
#include "model/config.h"
#include "playback/apply_instrument_set.h"
#include "playback/instr_conf_list.h"
#include "playback/instrument_conf.h"
#include "print/drawn_icon.h"

TInstrumentCommands::TInstrumentCommands(QWidget* parent, TBaseService& host,
                                         TInstrumentConf& instruments, TConfig& config,
                                         TPromptsInterface& prompts, std::string base,
                                         std::function<void()> reloadConfiguredSet)
    : parent_(parent),
      host_(host),
      instruments_(instruments),
      config_(config),
      prompts_(prompts),
      base_(std::move(base)),
      reloadConfiguredSet_(std::move(reloadConfiguredSet)) {}

void TInstrumentCommands::newSet() {
    host_.stopPlaying();
    const std::optional<std::string> name =
        prompts_.newInstrumentSetName(scanInstrumentSets(base_));
    if (!name)
        return;
    instruments_.resetToDefaults();
    applyInstrumentSet(instruments_, host_.player());
    if (const std::optional<std::string> saved = edit(*name))
        (void)config_.setInstrumentSchemeName(*saved);
    reloadConfiguredSet_();
}

void TInstrumentCommands::modifySet() {
    host_.stopPlaying();
    const std::string name = config_.instrumentSchemeName();
    if (name.empty()) {
        newSet();
        return;
    }
    if (const std::optional<std::string> saved = edit(name))
        (void)config_.setInstrumentSchemeName(*saved);
    reloadConfiguredSet_();
}

std::optional<std::string> TInstrumentCommands::edit(const std::string& name) {
    // made for one use and gone before the window reloads the set it edited
    auto editor = std::make_unique<TInstrForm>(parent_, host_, instruments_, name, base_, prompts_);
    const bool accepted = prompts_.editInstrumentSet(*editor);
    const std::string saved = editor->editedSetName();
    editor.reset();
    if (!accepted)
        return std::nullopt;
    return saved;
}

QIcon newInstrumentSetIcon() {
    // a plus
    return drawnIcon(16, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 130, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 3), QPointF(8, 13));
        p.drawLine(QPointF(3, 8), QPointF(13, 8));
    });
}

QIcon modifyInstrumentSetIcon() {
    // a pencil writing on a line
    return drawnIcon(16, [](QPainter& p) {
        p.setPen(QPen(QColor(60, 60, 60), 1.0));
        p.setBrush(QColor(235, 190, 80));
        QPolygonF pencil;
        pencil << QPointF(11, 2) << QPointF(14, 5) << QPointF(6, 13) << QPointF(3, 10);
        p.drawPolygon(pencil);
        p.setBrush(QColor(60, 60, 60));
        QPolygonF tip;
        tip << QPointF(3, 10) << QPointF(6, 13) << QPointF(2, 14);
        p.drawPolygon(tip);
        p.setPen(QPen(QColor(40, 90, 160), 1.2));
        p.drawLine(QPointF(8, 14.5), QPointF(14, 14.5));
    });
}
