// SPDX-License-Identifier: GPL-3.0-or-later
// What every window of the program shares: its name, its icon and the faces that stand in for its fonts.
#pragma once

class QIcon;

namespace sumafac::gui {

// The program's icon in the sizes a window shows it.
QIcon programIcon();

// Sets the application's name, its icon (which every window shows) and the font substitutes; call once the
// QApplication exists.
void setUpApplication();

} // namespace sumafac::gui
