// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar under the window's controls: the monotributo category of the table on screen, told again after
// every change of the window model (posting, roll, clearing, load, tab change).
#pragma once

#include "core/window_model.h"
#include "totals/monotributo_scale.h"

#include <QStatusBar>

class QLabel;

namespace sumafac::gui {

class CategoryLine final : public QStatusBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryLine)

  public:
    // The model and the scale must outlive the line.
    CategoryLine(WindowModel& model, const MonotributoScale& scale, QWidget* parent = nullptr);
    ~CategoryLine() override;

  private:
    void tell();

    WindowModel& m_model;
    const MonotributoScale& m_scale;
    QLabel* m_text = nullptr;
    int m_subscription = -1;
};

} // namespace sumafac::gui
