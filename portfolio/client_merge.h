// SPDX-License-Identifier: GPL-3.0-or-later
// One client's files put together: every voucher of its exports once, and each month from the most detailed file
// that covers it (an export, then a header archive, then a saved file, the later of two that disagree).
#pragma once

#include "portfolio/file_reading.h"

#include <map>
#include <string>
#include <vector>

namespace sumafac {

struct ReadFile
{
    std::string shown;
    FileReading reading;
};

struct MergedClient
{
    std::map<YearMonth, MonthFigures> months;
    std::vector<SourceFile> files;
    // Two exports that give one voucher two amounts, or a month too large: the client shows no figures.
    std::string error;
};

// files: the client's files, each read without error, in the order their names sort in.
MergedClient mergeClient(const std::vector<ReadFile>& files);

} // namespace sumafac
