// SPDX-License-Identifier: GPL-3.0-or-later
// Running the archive tool (7-Zip's 7z) to take Cabecera.txt, or the members of an export, out of the working copy
// borrar.zip.
#pragma once

#include "core/handler_context.h"
#include "import/working_files.h"
#include "platform/process_runner.h"

#include <string>
#include <vector>

namespace sumafac {

// Runs tool with args in ProgramFolder, with no input, and waits for it at most context.toolTimeLimit; a tool still
// running then is ended.
platform::ProcessResult ExecCmd(HandlerContext& context, const std::string& tool, const std::vector<std::string>& args);

// Extracts Cabecera.txt from borrar.zip in ProgramFolder. True when the tool ended well, so that whatever header it
// wrote (or did not write, for an archive without one) is for the reader to judge. False when the drop must end
// here; the user has been told why and both working files are gone.
bool CargarSIAP(HandlerContext& context);

// Extracts the members of an export from borrar.zip into the export folder, emptied first. True when the tool ended
// well; false when the drop must end here, as for CargarSIAP.
bool extractExportMembers(HandlerContext& context);

} // namespace sumafac
