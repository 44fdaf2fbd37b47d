// SPDX-License-Identifier: GPL-3.0-or-later
// Where a file dialog starts and what a window says once a file is written: the same for the report, the saved
// periods and the portfolio's export.
#pragma once

#include "platform/dialogs.h"
#include "platform/files.h"

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

// Writes bytes at path beside it first, then in its place; a file that cannot be written is said in a message that
// names it as what (e.g. "el informe "), and leaves no file behind, a file it was to replace staying as it was.
bool writeWholeOrSay(platform::Files& files,
                     platform::Dialogs& dialogs,
                     const std::string& path,
                     const std::string& bytes,
                     const std::string& what = {});

} // namespace sumafac::gui
