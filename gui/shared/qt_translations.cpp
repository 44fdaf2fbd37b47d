// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shared/qt_translations.h"

#include <QApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QTranslator>

namespace sumafac::gui {
namespace {

// Qt's Spanish, spoken as the program speaks it.
class ArgentineSpanish final : public QTranslator
{
  public:
    explicit ArgentineSpanish(QObject* parent) : QTranslator(parent) {}

    bool loadQtTexts(const QString& name, const QString& folder) { return m_qtbase.load(name, folder); }

    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        // Qt 6 moved the names of the file types out of the file dialog's texts into a context of their own, which
        // the Spanish texts of Qt 6.4 lack; the file dialog's old copies are no help, as they give "File Folder" as
        // "Nueva carpeta".
        static const QHash<QByteArray, QString> fileTypes = {{"Drive", QStringLiteral("Unidad")},
                                                             {"File", QStringLiteral("Archivo")},
                                                             {"File Folder", QStringLiteral("Carpeta")},
                                                             {"Folder", QStringLiteral("Carpeta")},
                                                             {"Shortcut", QStringLiteral("Acceso directo")},
                                                             {"Unknown", QStringLiteral("Desconocido")}};
        if (qstrcmp(context, "QAbstractFileIconProvider") == 0) {
            return fileTypes.value(sourceText);
        }
        // Qt's Spanish says "fichero" ("&Nombre de fichero:", "El fichero %1 ya existe."), Argentina and the rest of
        // the program "archivo"; both are masculine, so the words around them stay as they are.
        QString text = m_qtbase.translate(context, sourceText, disambiguation, n);
        text.replace(QStringLiteral("fichero"), QStringLiteral("archivo"));
        text.replace(QStringLiteral("Fichero"), QStringLiteral("Archivo"));
        return text;
    }
    bool isEmpty() const override { return false; }

  private:
    QTranslator m_qtbase;
};

} // namespace

bool installSpanishTranslations(QApplication& app)
{
    auto* translator = new ArgentineSpanish(&app);
    const QString name = QStringLiteral("qtbase_es");
    // The copy beside the program first: on Windows Qt's own folder is not where the packages put it.
    if (translator->loadQtTexts(name, QApplication::applicationDirPath() + QStringLiteral("/translations")) ||
        translator->loadQtTexts(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return QApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace sumafac::gui
