// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/qt_translations.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace sumafac::gui {

bool installSpanishTranslations(QApplication& app)
{
    auto* translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_es");
    // The copy beside the program first: on Windows Qt's own folder is not where the packages put it.
    if (translator->load(name, QApplication::applicationDirPath() + QStringLiteral("/translations")) ||
        translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return QApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

} // namespace sumafac::gui
