// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_run.h"

#include "about/version.h"
#include "app/form1.h"
#include "app/program_folder.h"
#include "cli/cli_dialogs.h"
#include "cli/portfolio_run.h"
#include "cli/scale_import_run.h"
#include "cli/state_printer.h"
#include "core/window_texts.h"
#include "scale/scale_file.h"
#include "scale/scale_in_use.h"
#include "taxpayer/taxpayer_list.h"
#include "zip/libzip_reader.h"

namespace sumafac::cli {
namespace {

// No About box and no "&Salir" on a command line: these are never asked for.
class NoWindowSystem final : public platform::WindowSystem
{
  public:
    void showAboutBox() override {}
    void endProgram() override {}
};

} // namespace

int runBatch(const CommandLine& line,
             const std::string& programFolder,
             platform::Files& files,
             platform::ProcessRunner& processes,
             std::ostream& out,
             std::ostream& err)
{
    const ScaleInUse scale =
        line.scale ? scaleFromFile(files, *line.scale) : scaleForProgramFolder(files, programFolder);
    if (line.scale && !scale.problem.empty()) {
        // Categories told from other tables than the ones named would pass for answers: nothing runs.
        err << ApplicationTitle << ": " << scale.problem << '\n' << std::flush;
        return ExitErrorShown;
    }

    const TaxpayerFile taxpayers = readTaxpayerFile(files, programFolder);
    // The line's data override the file's, for whichever CUIT comes on screen.
    TaxpayerData onScreen;
    const auto taxpayerOnScreen = [&](const std::string& cuit) -> const TaxpayerData& {
        onScreen = taxpayerOf(taxpayers.taxpayers, cuit);
        for (const auto& [column, value] : line.taxpayerFields) {
            setTaxpayerField(onScreen, column, value);
        }
        return onScreen;
    };

    WindowModel model;
    CliDialogs dialogs(err, line.yes);
    NoWindowSystem windowSystem;
    LibzipReader zips;
    Form1 form1(HandlerContext{model, dialogs, files, processes, zips, programFolder}, windowSystem);
    form1.Form_Load();
    for (const std::string& problem : {scale.problem, taxpayers.problem}) {
        if (!problem.empty()) {
            dialogs.MsgBox(problem, platform::vbCritical);
        }
    }

    for (const Step& step : line.steps) {
        switch (step.kind) {
        case Step::Kind::Drop:
            form1.Text1_OLEDragDrop({step.argument});
            break;
        case Step::Kind::Roll:
            form1.Command2_Click();
            break;
        case Step::Kind::Clear:
            form1.Command1_Click();
            break;
        case Step::Kind::Save:
            // The save routine runs even where the menu item would be disabled.
            form1.MnGrabar_Click();
            break;
        case Step::Kind::Load:
            dialogs.chooseFile(step.argument);
            form1.Mncargar_Click();
            break;
        case Step::Kind::Print:
            printState(model, step.argument, out, {scale.scale, taxpayerOnScreen(model.cuit()), line.today});
            break;
        }
    }
    return dialogs.errorShown() ? ExitErrorShown : ExitOk;
}

int runCommandLine(const std::vector<std::string>& args,
                   std::ostream& out,
                   std::ostream& err,
                   const CalendarDate& today)
{
    ParseResult parsed = parseCommandLine(args);
    if (!parsed.commandLine) {
        err << "sumafac-cli: " << parsed.error << '\n' << Usage;
        return ExitUsage;
    }
    parsed.commandLine->today = today;
    const CommandLine& line = *parsed.commandLine;
    if (line.request == CommandLine::Request::Help) {
        out << Usage;
        return ExitOk;
    }
    if (line.request == CommandLine::Request::Version) {
        out << "sumafac-cli " << VersionMajor << '.' << VersionMinor << '.' << VersionRevision << '\n';
        return ExitOk;
    }
    auto files = platform::makeNativeFiles();
    auto processes = platform::makeNativeProcessRunner();
    if (line.folder && !files->isDirectory(*line.folder)) {
        err << "sumafac-cli: la carpeta no existe: " << *line.folder << '\n' << Usage;
        return ExitUsage;
    }
    std::string folder = line.folder.value_or("");
    if (!line.folder) {
        const ProgramFolderChoice choice =
            chooseProgramFolder(*files, platform::executableFolder(), platform::userDataFolder());
        if (!choice.usable) {
            err << ApplicationTitle << ": " << programFolderError(choice) << '\n';
            return ExitErrorShown;
        }
        folder = choice.folder;
    }
    if (line.portfolio) {
        return runPortfolio(line, folder, *files, out, err);
    }
    if (line.scaleImport) {
        return runScaleImport(line, folder, *files, platform::makeNativeDownloader, out, err);
    }
    return runBatch(line, folder, *files, *processes, out, err);
}

} // namespace sumafac::cli
