// SPDX-License-Identifier: GPL-3.0-or-later
// Window positions and sizes are kept in twips (1/1440 inch), converted with the screen's logical DPI.
#pragma once

#include <QRect>
#include <QWidget>

namespace sumafac::gui {

inline int twips(const QWidget* widget, int value)
{
    return value * widget->logicalDpiY() / 1440;
}

inline QRect twipsRect(const QWidget* widget, int left, int top, int width, int height)
{
    return {twips(widget, left), twips(widget, top), twips(widget, width), twips(widget, height)};
}

} // namespace sumafac::gui
