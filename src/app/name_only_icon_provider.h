#pragma once

#include <QAbstractFileIconProvider>

// Icons and type names for the file dialogs judged by a file's name alone. Qt's own provider
// reads a file's first bytes to tell its type; for a device or pipe that read can block for
// good (/proc/kmsg, a named pipe), and the whole program with it.
class TNameOnlyIconProvider : public QAbstractFileIconProvider {
  public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
