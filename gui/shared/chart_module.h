// SPDX-License-Identifier: GPL-3.0-or-later
// What the window asks of the part of the program that draws with Qt Charts: the chart window and the report page.
// That part is a module of its own, loaded the first time either is asked for: linked into the program, Qt Charts'
// thousands of symbols would be resolved at every start.
#pragma once

#include "core/window_model.h"
#include "scale/scale_file.h"
#include "taxpayer/taxpayer_data.h"

#include <QByteArray>

class QDate;
class QWidget;

namespace sumafac::gui {

class ChartModule
{
  public:
    virtual ~ChartModule() = default;

    // The chart window, a window of its own owned by parent; the model, the scale and the taxpayers' data must outlive
    // it.
    virtual QWidget* makeChartWindow(WindowModel& model,
                                     const MonotributoScale& scale,
                                     const std::map<std::string, TaxpayerData>& taxpayers,
                                     QWidget* parent) = 0;
    // The report page as PDF bytes, the categories told with what taxpayer gave.
    virtual QByteArray reportPdf(const WindowModel& model,
                                 const MonotributoScale& scale,
                                 const TaxpayerData& taxpayer,
                                 const QDate& date) = 0;
};

// The module's one entry point: a C function of this name that returns its ChartModule.
inline constexpr const char* ChartModuleEntry = "sumafacChartModule";

} // namespace sumafac::gui
