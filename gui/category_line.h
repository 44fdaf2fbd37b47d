// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar under the window's controls: the monotributo category of the table on screen, told again after
// every change of the window model (posting, roll, clearing, load, tab change).
#pragma once

#include "core/handler_context.h"
#include "totals/monotributo_scale.h"

#include <QStatusBar>

class QLabel;

namespace sumafac::gui {

class CategoryLine final : public QStatusBar
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CategoryLine)

  public:
    // Takes the scale of context's program folder now. A refused scale file is reported once, in a message box
    // when the event loop starts, so that it shows over the window. The model must outlive the line.
    CategoryLine(WindowModel& model, const HandlerContext& context, QWidget* parent = nullptr);
    ~CategoryLine() override;

  private:
    void tell();

    WindowModel& m_model;
    MonotributoScale m_scale;
    QLabel* m_text = nullptr;
    int m_subscription = -1;
};

} // namespace sumafac::gui
