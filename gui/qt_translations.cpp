// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/qt_translations.h"

#include <QApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace sumafac::gui {
namespace {

// Qt 6 moved the names of the file types out of the file dialog's texts into a context of their own, which the
// Spanish texts of Qt 6.4 lack; the file dialog's old copies are no help, as they give "File Folder" as "Nueva
// carpeta".
class FileTypeNames final : public QTranslator
{
  public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        static const QHash<QByteArray, QString> names = {{"Drive", QStringLiteral("Unidad")},
                                                         {"File", QStringLiteral("Archivo")},
                                                         {"File Folder", QStringLiteral("Carpeta")},
                                                         {"Folder", QStringLiteral("Carpeta")},
                                                         {"Shortcut", QStringLiteral("Acceso directo")},
                                                         {"Unknown", QStringLiteral("Desconocido")}};
        return qstrcmp(context, "QAbstractFileIconProvider") == 0 ? names.value(sourceText) : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

bool installSpanishTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_es");
    // The copy beside the program first: on Windows Qt's own folder is not where the packages put it.
    if (translator->load(name, QApplication::applicationDirPath() + QStringLiteral("/translations")) ||
        translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return QApplication::installTranslator(translator) && QApplication::installTranslator(new FileTypeNames(&app));
    }
    delete translator;
    return false;
}

} // namespace sumafac::gui
