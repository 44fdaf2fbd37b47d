// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/scale_import_run.h"

#include "core/window_texts.h"
#include "scale/agency_page.h"
#include "scale/page_download.h"
#include "scale/scale_in_use.h"
#include "scale/scale_update.h"

namespace sumafac::cli {

int runScaleImport(const CommandLine& line,
                   const std::string& programFolder,
                   platform::Files& files,
                   const std::function<std::unique_ptr<platform::Downloader>()>& downloader,
                   std::ostream& out,
                   std::ostream& err)
{
    const std::string& source = *line.scaleImport;
    const auto fail = [&err](int status, const std::string& why) {
        err << ApplicationTitle << ": ERROR, " << why << '\n' << std::flush;
        return status;
    };
    std::string bytes;
    if (looksLikeUrl(source)) {
        if (const std::string problem = urlProblem(source); !problem.empty()) {
            return fail(ScaleUnread, "no se bajó la escala: " + problem);
        }
        PageFetch fetch = fetchPage(*downloader(), {source});
        if (fetch.outcome != platform::Download::Outcome::Done) {
            return fail(ScaleUnread, "no se pudo bajar la escala de " + fetch.problem);
        }
        bytes = std::move(fetch.bytes);
    } else {
        if (files.size(source).value_or(0) > PageSizeLimit) {
            return fail(ScaleRefused, source + " no es la página de categorías de ARCA: pasa de " +
                                          std::to_string(PageSizeLimit / (1024 * 1024)) + " MB");
        }
        auto read = files.isDirectory(source) ? std::nullopt : files.read(source);
        if (!read) {
            return fail(ScaleUnread, "no se puede leer el archivo " + source);
        }
        bytes = std::move(*read);
    }
    const AgencyPageReading page = readAgencyPage(bytes);
    if (!page.problem.empty()) {
        return fail(ScaleRefused, page.problem);
    }
    const ScaleInUse inUse = scaleForProgramFolder(files, programFolder);
    const ScaleAddition addition = planAddition(inUse.scale, page.date, page.table);
    if (addition.kind == ScaleAddition::Kind::Same) {
        out << "La escala del " << shownDate(page.date) << " ya estaba: no se escribió nada.\n"
            << additionSummary(page.date, page.table, addition) << std::flush;
        return ScaleImported;
    }
    const std::string note =
        "Vigente desde el " + shownDate(page.date) + ": leída de " + source + " el " + shownDate(line.today) + ".";
    if (const std::string problem = saveTableInFolder(files, programFolder, page.date, page.table, note);
        !problem.empty()) {
        return fail(ScaleRefused, "no se guardó la escala del " + shownDate(page.date) + ": " + problem);
    }
    out << "Se agregó la escala del " << shownDate(page.date) << " a la carpeta del programa (" << ScaleFileName
        << ").\n"
        << additionSummary(page.date, page.table, addition) << std::flush;
    return ScaleImported;
}

} // namespace sumafac::cli
