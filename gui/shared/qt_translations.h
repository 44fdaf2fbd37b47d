// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Spanish: the file dialogs, the message boxes' buttons, the context menus.
#pragma once

class QApplication;

namespace sumafac::gui {

// Loads qtbase_es.qm from the "translations" folder beside the program (where the Windows packages put it), else from
// Qt's own translations folder (Debian's qt6-translations-l10n). Returns whether it was found; without it Qt speaks
// English.
bool installSpanishTranslations(QApplication& app);

} // namespace sumafac::gui
