// SPDX-License-Identifier: GPL-3.0-or-later
// A file dropped on the drop area: copied, extracted with the archive tool, read and posted.
#pragma once

#include "core/handler_context.h"

#include <string>
#include <vector>

namespace sumafac {

// files: the dropped paths in the order of the drop; only the first is imported. Whatever happens, the drop ends
// with the prompt back in the drop area and neither working file in ProgramFolder.
void importDrop(HandlerContext& context, const std::vector<std::string>& files);

} // namespace sumafac
