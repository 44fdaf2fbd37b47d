// SPDX-License-Identifier: GPL-3.0-or-later
// Where a file dialog starts and what a window says once a file is written: the same for the report, the saved
// periods and the portfolio's export.
#pragma once

#include <QString>

#include <string>

namespace sumafac::gui {

// The folder a dialog opens in: documents, the user's documents folder, when it is a full path to a folder that
// exists; else the program folder.
std::string startFolder(const std::string& documents, const std::string& programFolder);

// startFolder with the user's documents folder as Qt finds it.
std::string documentsOr(const std::string& programFolder);

// "Guardado en: " and the path, the word a window says where a file it wrote went; the path may break at its
// separators.
QString writtenNote(const std::string& path);

} // namespace sumafac::gui
