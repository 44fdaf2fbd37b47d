// SPDX-License-Identifier: GPL-3.0-or-later
// The report to hand over: one A4 page with the CUIT and the date, the three tables as the window shows them, the
// category line of each table and the chart of the months. Its text is real text, so figures can be searched and
// copied out of it.
#pragma once

#include "core/window_model.h"
#include "scale/scale_file.h"
#include "taxpayer/taxpayer_data.h"

#include <QByteArray>

class QDate;

namespace sumafac::gui {

// The page as PDF bytes.
QByteArray
reportPdf(const WindowModel& model, const MonotributoScale& scale, const TaxpayerData& taxpayer, const QDate& date);

} // namespace sumafac::gui
