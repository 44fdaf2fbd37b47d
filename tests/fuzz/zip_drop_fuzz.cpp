// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a zip dropped on a window that holds two years of one CUIT, read by the zip reader
// over libzip. Whatever the bytes, the program folder is left as empty as it was, at most one message shows, a
// refused drop leaves the tables, captions and CUIT as they were, and the drop area shows its prompt again. The
// archive tool is a stand-in that finds no header, so that what only 7z would read is judged as quickly.
#include "app/form1.h"
#include "core/window_texts.h"
#include "tests/fuzz/fuzz_window.h"
#include "zip/libzip_reader.h"

#include <filesystem>
#include <fstream>

using namespace sumafac;
using fuzzing::check;

namespace {

namespace fs = std::filesystem;

class NoHeaderTool final : public platform::ProcessRunner
{
  public:
    platform::ProcessResult
    run(const std::string&, const std::vector<std::string>&, const std::string&, std::chrono::milliseconds) override
    {
        return {platform::ProcessResult::Outcome::Exited, 0};
    }
    platform::ProcessResult runForOutput(const std::string&,
                                         const std::vector<std::string>&,
                                         const std::string&,
                                         std::chrono::milliseconds,
                                         std::size_t,
                                         std::string& output) override
    {
        output.clear();
        return {platform::ProcessResult::Outcome::Exited, 0};
    }
    bool startDetached(const std::string&, const std::vector<std::string>&) override { return false; }
    std::string findOnPath(const std::string& name) const override { return "/stand-in/" + name; }
};

struct NoWindow final : platform::WindowSystem
{
    void showAboutBox() override {}
    void endProgram() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const fs::path program = fs::temp_directory_path() / "sumafac-fuzz-zip-drop";
    static const fs::path dropped = fs::temp_directory_path() / "Mis Comprobantes Emitidos - CUIT 20123456786.zip";
    fs::create_directories(program);
    std::ofstream(dropped, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));

    WindowModel model;
    testing::RecordingDialogs dialogs;
    static const auto files = platform::makeNativeFiles();
    static NoHeaderTool tool;
    static LibzipReader zips;
    NoWindow windowSystem;
    Form1 form1{HandlerContext{model, dialogs, *files, tool, zips, program.string()}, windowSystem};
    form1.Form_Load();
    model.setCuit("20123456786");
    model.setTabCaption(FirstYearTab, "2023");
    model.setTabCaption(SecondYearTab, "2024");
    model.setCell(FirstYearTable, 3, MonthTable::AmountColumn, "10,00");
    const auto before = fuzzing::FuzzWindow::work(model);

    form1.Text1_OLEDragDrop({dropped.string()});
    check(fs::is_empty(program), "the program folder holds nothing new");
    check(dialogs.messages.size() <= 1, "at most one message");
    check(dialogs.messages.empty() || fuzzing::FuzzWindow::work(model) == before, "a refusal posts nothing");
    check(model.dropText() == DropPrompt, "the prompt is back");
    return 0;
}
