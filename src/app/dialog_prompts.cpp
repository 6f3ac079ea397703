#include "app/dialog_prompts.h"

#include <QCoreApplication>
#include <QProgressDialog>

#include "app/about.h"
#include "app/midi_form.h"
#include "app/new_dialog.h"
#include "instruments_ui/instr_form.h"
#include "instruments_ui/new_instr_form.h"
#include "instruments_ui/open_instrument_form.h"
#include "instruments_ui/pitch_list.h"
#include "instruments_ui/volume_form.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

std::optional<std::string> chosen(const QString& name, const std::string& extension) {
    if (name.isEmpty())
        return std::nullopt;
    QString path = name;
    if (!extension.empty() && QFileInfo(path).suffix().isEmpty())
        path += "." + text(extension);
    return path.toStdString();
}

}  // namespace

std::string qtNameFilters(const std::string& filter) {
    std::string result;
    size_t pos = 0;
    while (pos <= filter.size()) {
        const size_t bar = filter.find('|', pos);
        if (bar == std::string::npos)
            break;
        const std::string label = filter.substr(pos, bar - pos);
        const size_t end = filter.find('|', bar + 1);
        const std::string patterns =
            filter.substr(bar + 1, end == std::string::npos ? std::string::npos : end - bar - 1);
        if (!result.empty())
            result += ";;";
        std::string spaced = patterns;
        for (char& c : spaced)
            if (c == ';')
                c = ' ';
        // "(*.tnr)|*.tnr" already shows its pattern in the label
        const bool shown = label.find("(" + spaced + ")") != std::string::npos;
        result += shown ? label : label + " (" + spaced + ")";
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return result;
}

QWidget* TDialogPrompts::over() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal != nullptr ? modal : parent_;
}

void TDialogPrompts::showMessage(const std::string& caption, const std::string& message) {
    QMessageBox::warning(over(), text(caption), text(message));
}

void TDialogPrompts::showReport(const std::string& caption, const std::string& message) {
    QMessageBox::information(over(), text(caption), text(message));
}

bool TDialogPrompts::confirm(const std::string& caption, const std::string& message) {
    return QMessageBox::question(over(), text(caption), text(message),
                                 QMessageBox::Ok | QMessageBox::Cancel,
                                 QMessageBox::Ok) == QMessageBox::Ok;
}

TRecoveryAnswer TDialogPrompts::askRecovery(const std::string& caption,
                                            const std::string& message) {
    QMessageBox box(QMessageBox::Question, text(caption), text(message), QMessageBox::NoButton,
                    over());
    QPushButton* restore = box.addButton(QStringLiteral("Restore"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    // Escape or closing the box throws nothing away
    QPushButton* later = box.addButton(QStringLiteral("Ask Next Time"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == restore)
        return TRecoveryAnswer::RESTORE;
    if (box.clickedButton() == discard)
        return TRecoveryAnswer::DISCARD;
    return TRecoveryAnswer::LATER;
}

TSaveChangesAnswer TDialogPrompts::askSaveChanges(const std::string& caption,
                                                  const std::string& message,
                                                  const std::array<std::string, 3>& buttons) {
    QMessageBox box(QMessageBox::Warning, text(caption), text(message), QMessageBox::NoButton,
                    over());
    QPushButton* save = box.addButton(text(buttons[0]), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(text(buttons[1]), QMessageBox::DestructiveRole);
    // Escape and closing the box change nothing
    QPushButton* cancel = box.addButton(text(buttons[2]), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return TSaveChangesAnswer::SAVE;
    if (box.clickedButton() == discard)
        return TSaveChangesAnswer::DISCARD;
    return TSaveChangesAnswer::CANCEL;
}

QString TDialogPrompts::askFileName(const std::string& folder, const std::string& filter,
                                    bool saving) {
    QDir().mkpath(text(folder));
    QFileDialog dialog(parent_, QString(), text(folder), text(qtNameFilters(filter)));
    dialog.setIconProvider(&icons_);
    if (saving) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // the window asks before replacing a file, in its own words
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}

std::optional<std::string> TDialogPrompts::openFileName(const std::string& folder,
                                                        const std::string& extension,
                                                        const std::string& filter) {
    (void)extension;  // opening takes the name as chosen
    return chosen(askFileName(folder, filter, false), std::string());
}

std::optional<std::string> TDialogPrompts::saveFileName(const std::string& folder,
                                                        const std::string& extension,
                                                        const std::string& filter) {
    return chosen(askFileName(folder, filter, true), extension);
}

std::optional<TNewDialogResult> TDialogPrompts::newComposition() {
    TNewDialog dialog(parent_, bundle_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.newDialogResult();
}

std::optional<int> TDialogPrompts::chooseMidiDevice(const TMidiDeviceList& devices) {
    TMidiForm form(parent_, bundle_, devices);
    const int chosen = form.chooseDevice(*this);
    if (chosen < 0)
        return std::nullopt;
    return chosen;
}

void TDialogPrompts::showAbout(TBaseActionInterface& actions) {
    TAbout about(parent_, bundle_, actions);
    about.exec();
}

namespace {

// A modal progress dialog; the events it lets through keep the window painted while the task
// runs on the user-interface thread.
class TDialogProgress : public TProgressPrompt {
  public:
    TDialogProgress(QWidget* parent, const std::string& caption, const std::string& text)
        : dialog_(QString::fromStdString(text), "Cancel", 0, 1000, parent) {
        dialog_.setWindowTitle(QString::fromStdString(caption));
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(0);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }

    bool advance(double fraction) override {
        dialog_.setValue(static_cast<int>(fraction * 1000));
        QCoreApplication::processEvents();
        return !dialog_.wasCanceled();
    }

  private:
    QProgressDialog dialog_;
};

}  // namespace

std::unique_ptr<TProgressPrompt> TDialogPrompts::showProgress(const std::string& caption,
                                                              const std::string& text) {
    return std::make_unique<TDialogProgress>(parent_, caption, text);
}

bool TDialogPrompts::editInstrumentSet(TInstrForm& editor) {
    return editor.exec() == QDialog::Accepted;
}

std::optional<int64_t> TDialogPrompts::choosePitch(const std::string& caption,
                                                   const TInstrumentSet& catalogue, int32_t number,
                                                   TPitchSelectionListener& previews) {
    TPitchList list(over(), catalogue);
    list.setWindowTitle(text(caption));
    list.preselect(number);
    list.setListener(&previews);
    if (list.exec() != QDialog::Accepted)
        return std::nullopt;
    return list.result();
}

std::optional<int32_t> TDialogPrompts::chooseVolume(const std::string& caption, int32_t volume) {
    TVolumeForm form(over(), bundle_, *this, volume);
    form.setWindowTitle(text(caption));
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.volume();
}

std::optional<std::string> TDialogPrompts::newInstrumentSetName(const TInstrConfList& existing) {
    TNewInstrForm form(over(), bundle_, *this, existing);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.acceptedName();
}

std::optional<std::string> TDialogPrompts::openInstrumentSetName(const TInstrConfList& existing) {
    TOpenInstrumentForm form(over(), bundle_, *this, existing);
    if (form.exec() != QDialog::Accepted)
        return std::nullopt;
    return form.chosenName();
}
