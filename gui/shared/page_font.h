// SPDX-License-Identifier: GPL-3.0-or-later
// The font of the pages the program writes as PDF, the report and the portfolio's table: one family for both.
#pragma once

#include <QFont>

namespace sumafac::gui {

inline QFont pageFont(qreal points, bool bold = false)
{
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace sumafac::gui
