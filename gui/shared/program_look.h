// SPDX-License-Identifier: GPL-3.0-or-later
// What every window of the program shares: its name, its icon, the faces that stand in for its fonts and its colours.
#pragma once

#include "portfolio/portfolio.h"

class QColor;
class QFont;
class QLabel;
class QString;

namespace sumafac::gui {

// Sets the application's style, name (which names its settings too), icon (which every window shows) and the font
// substitutes; call once the QApplication exists, before any window is made.
void setUpApplication();

// The family to name for one of the window's faces, "MS Sans Serif" or "Arial": the face itself where the system
// has it, as Windows does, else the first of its stand-ins that is installed, else the face (Qt then substitutes).
// The look is the same as naming the face; but Qt looks up fallback faces for every name it is given, which costs
// milliseconds at start-up for each absent one.
QString installedFamily(const QString& face);

// The colour of a label's text.
void setTextColor(QLabel* label, const QColor& color);

// The status's colour, shown beside its word.
QColor statusColor(ClientStatus status);

// The face of the month grids and of the result panel's lines: Arial, 12 points, bold.
QFont gridFont();

} // namespace sumafac::gui
