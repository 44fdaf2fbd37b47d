// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/portfolio_run.h"

#include "cli/portfolio_printer.h"
#include "core/window_texts.h"
#include "portfolio/portfolio.h"
#include "scale/scale_file.h"
#include "scale/scale_in_use.h"

namespace sumafac::cli {

int runPortfolio(const CommandLine& line,
                 const std::string& programFolder,
                 platform::Files& files,
                 std::ostream& out,
                 std::ostream& err)
{
    const ScaleInUse scale =
        line.scale ? scaleFromFile(files, *line.scale) : scaleForProgramFolder(files, programFolder);
    if (!scale.problem.empty()) {
        err << ApplicationTitle << ": " << scale.problem << '\n' << std::flush;
        if (line.scale) {
            return PortfolioSomeUnread;
        }
    }
    const Portfolio portfolio = readPortfolio(*line.portfolio, scale.scale, {});
    if (!portfolio.folderProblem.empty()) {
        err << ApplicationTitle << ": " << portfolio.folderProblem << '\n' << std::flush;
        return PortfolioFolderUnreadable;
    }
    if (portfolio.clients.empty() && portfolio.unread.empty()) {
        err << ApplicationTitle << ": " << NoDownloadsMessage << '\n' << std::flush;
    }
    for (const Step& step : line.steps) {
        printPortfolio(portfolio, step.argument, out, line.today);
    }
    return portfolio.unread.empty() && scale.problem.empty() ? PortfolioAllRead : PortfolioSomeUnread;
}

} // namespace sumafac::cli
