#include "app/name_only_icon_provider.h"

#include <QFileInfo>
#include <QMimeDatabase>

QIcon TNameOnlyIconProvider::icon(const QFileInfo& info) const {
    if (info.isRoot())
        return icon(Drive);
    return icon(info.isDir() ? Folder : File);
}

QString TNameOnlyIconProvider::type(const QFileInfo& info) const {
    if (info.isDir())
        return QStringLiteral("Folder");
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(info, QMimeDatabase::MatchExtension);
    return mime.isDefault() ? QStringLiteral("File") : mime.comment();
}
