// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar under the window's controls: the monotributo category of the table on screen, told again after
// every change of the window model (posting, roll, clearing, load, tab change).
#pragma once

#include "core/window_model.h"
#include "scale/scale_file.h"

#include <QStatusBar>

#include <functional>

class QLabel;

namespace sumafac::gui {

class CategoryLine final : public QStatusBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryLine)

  public:
    // The model and the scale must outlive the line; today tells the day its notes on a missing table are told as of.
    CategoryLine(WindowModel& model,
                 const MonotributoScale& scale,
                 std::function<CalendarDate()> today,
                 QWidget* parent = nullptr);
    ~CategoryLine() override;

  private:
    void tell();

    WindowModel& m_model;
    const MonotributoScale& m_scale;
    std::function<CalendarDate()> m_today;
    QLabel* m_text = nullptr;
    int m_subscription = -1;
};

} // namespace sumafac::gui
