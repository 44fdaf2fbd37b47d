// SPDX-License-Identifier: GPL-3.0-or-later
// The batch front end's command line: sumafac-cli [--folder DIR] [--scale FILE] [--yes] STEP..., or --help or
// --version alone.
#pragma once

#include "core/calendar_date.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sumafac::cli {

struct Step
{
    enum class Kind { Drop, Roll, Clear, Save, Load, Print };
    Kind kind;
    std::string argument; // the file of Drop and Load, the format of Print (text, csv, json)
};

struct CommandLine
{
    // Run the steps, or only print the usage or the version.
    enum class Request { Run, Help, Version };
    Request request = Request::Run;
    std::optional<std::string> folder;
    // The monotributo scale file whose tables alone the run uses.
    std::optional<std::string> scale;
    // The folder of downloads whose portfolio is printed, instead of steps on a window (--cartera).
    std::optional<std::string> portfolio;
    // The agency's page of categories, a saved file or an address, whose table is added to the program folder's
    // scale file, instead of steps on a window (--importar-escala).
    std::optional<std::string> scaleImport;
    bool yes = false;
    std::vector<Step> steps;
    // The taxpayer's data given on the line (--actividad venta ...), by the column of contribuyentes.csv it overrides,
    // each value already found readable.
    std::vector<std::pair<std::string, std::string>> taxpayerFields;
    // The day the run tells its notes on a missing scale table as of: not on the line, the clock's.
    CalendarDate today;
};

// The parsed command line, or the reason it is not one (in Spanish, for the usage message).
struct ParseResult
{
    std::optional<CommandLine> commandLine;
    std::string error;
};

ParseResult parseCommandLine(const std::vector<std::string>& args);

extern const char* const Usage;

} // namespace sumafac::cli
