// SPDX-License-Identifier: GPL-3.0-or-later
// The chart module's entry point, found by name when the program loads the module.
#include "gui/chart_module_linked.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT sumafac::gui::ChartModule* sumafacChartModule()
{
    return &sumafac::gui::linkedChartModule();
}
