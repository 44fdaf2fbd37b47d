// SPDX-License-Identifier: GPL-3.0-or-later
// The files of a portfolio's folder and its subfolders that may be downloads, found by their extensions.
#pragma once

#include "portfolio/portfolio.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace sumafac {

enum class FoundKind { Csv, Workbook, Zip, Saved };

struct FoundFile
{
    std::string path;  // as the system takes it (UTF-8)
    std::string shown; // relative to the folder, "/" between folders
    FoundKind kind = FoundKind::Csv;
};

struct FolderScan
{
    std::vector<FoundFile> files; // in the order of their shown paths
    std::vector<UnreadFile> unread;
    std::int64_t otherFiles = 0;
    // cartera.csv at the top of the folder, in any letter case; "" when there is none.
    std::string clientList;
    // Why the folder itself cannot be read, or "".
    std::string problem;
};

// Walks folder and every folder below it, a folder reached twice through links only once.
FolderScan scanFolder(const std::string& folder, const std::atomic<bool>* cancel);

} // namespace sumafac
