// SPDX-License-Identifier: GPL-3.0-or-later
// "Archivo → Exportar informe...": the save dialog, proposing <CUIT>_<años>.pdf in the user's documents folder or the
// program folder, and the report page written beside its place and moved into it only when whole, as the .sa1 save
// does.
#pragma once

#include "core/window_model.h"
#include "gui/shared/chart_module.h"
#include "gui/shared/file_places.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "scale/scale_file.h"

#include <QString>

namespace sumafac::gui {

// The name the dialog proposes: the saved file's name, CUIT and years, ending in ".pdf".
std::string reportFileName(const WindowModel& model);

// Does nothing without a CUIT or when the dialog is cancelled. A page that cannot be written is said in a message and
// leaves no file behind; a file it was to replace stays as it was. Returns the path written, or "" for none.
std::string exportReport(const WindowModel& model,
                         const MonotributoScale& scale,
                         const TaxpayerData& taxpayer,
                         ChartModule& charts,
                         platform::Dialogs& dialogs,
                         platform::Files& files,
                         const std::string& programFolder);

} // namespace sumafac::gui
