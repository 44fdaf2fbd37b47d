// SPDX-License-Identifier: GPL-3.0-or-later
// The chart window and the report page as this build draws them: what the chart module hands out, and what the
// tests and the screenshot tool link in directly.
#pragma once

#include "gui/chart_module.h"

namespace sumafac::gui {

ChartModule& linkedChartModule();

} // namespace sumafac::gui
