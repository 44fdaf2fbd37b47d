// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shared/file_places.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace sumafac::gui {

std::string startFolder(const std::string& documents, const std::string& programFolder)
{
    const QFileInfo folder(QString::fromStdString(documents));
    // A relative path would be taken from wherever the dialog starts, and a missing folder shown as part of the name.
    return !documents.empty() && folder.isAbsolute() && folder.isDir() ? documents : programFolder;
}

std::string documentsOr(const std::string& programFolder)
{
    return startFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
                       programFolder);
}

QString writtenNote(const std::string& path)
{
    // A zero-width space after each separator: a long path wraps there instead of running out of its label.
    return "Guardado en: " + QDir::toNativeSeparators(QString::fromStdString(path))
                                 .replace('/', QStringLiteral("/\u200B"))
                                 .replace('\\', QStringLiteral("\\\u200B"));
}

bool writeWholeOrSay(platform::Files& files,
                     platform::Dialogs& dialogs,
                     const std::string& path,
                     const std::string& bytes,
                     const std::string& what)
{
    if (platform::writeWhole(files, path, bytes)) {
        return true;
    }
    dialogs.MsgBox("No se pudo escribir " + what + path +
                       ": la carpeta no admite escritura, no existe o el disco está lleno. No quedó ningún archivo a "
                       "medias; si ya había uno con ese nombre, quedó como estaba.",
                   platform::vbCritical);
    return false;
}

} // namespace sumafac::gui
