// SPDX-License-Identifier: GPL-3.0-or-later
// Each fault of the files and of the archive tool, met in the middle of real work: two years on screen, saved, and
// one month more since. Whatever the fault, the work on screen stays as it was, one clear message says what went
// wrong, the saved file keeps every byte, nothing is left behind in the program folder, and the same step works
// once the fault is gone.
#include "tests/import/import_fixture.h"
#include "tests/support/archive_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

namespace sumafac {
namespace {

namespace fs = std::filesystem;
using platform::Control;
using platform::Label;
using testing::FaultyFiles;
using testing::HeaderRecord;

const std::string SavedName = "20123456789_2015_2016.sa1";
const std::string OverwritePrompt = "El archivo existe, sobrescribir?";
const std::string SaveFailed = "No se pudo guardar el archivo 20123456789_2015_2016.sa1 en la carpeta del programa. El "
                               "archivo anterior quedó como estaba.";

HeaderRecord period(const std::string& year, const std::string& month, const std::string& amountWhole)
{
    return {.year = year, .month = month, .amountWhole = amountWhole};
}

// What the user has worked for: every data cell and tab caption, the CUIT and whether "Guardar" is enabled.
struct Work
{
    std::vector<std::string> tables;
    std::string cuit;
    bool saveEnabled;
    bool operator==(const Work&) const = default;
};

enum class Step { Drop, Save };

class FaultInjection;

struct Fault
{
    const char* name;
    Step step;
    void (*inject)(FaultInjection&);
    // What the user is told, after the question to overwrite on a save; '@' at its end stands for the program
    // folder, '%' for the dropped path.
    std::string message;
};

void PrintTo(const Fault& fault, std::ostream* out)
{
    *out << fault.name;
}

class FaultInjection : public ::testing::TestWithParam<Fault>
{
  public:
    FaultInjection()
    {
        drop(archive("2015-03.zip", period("2015", "03", "0000000012345")));
        drop(archive("2016-02.zip", period("2016", "02", "0000000000100")));
        app.form1.MnGrabar_Click();
        const Work savedWork = work();
        savedBytes = platform::makeNativeFiles()->read(savedPath()).value_or("");
        drop(archive("2016-04.zip", period("2016", "04", "0000000000200")));
        EXPECT_TRUE(app.prompts().empty()) << app.prompts().front();
        app.dialogs.recorded.messages.clear();
        EXPECT_NE(work(), savedWork);
        dropped = goodArchive();
    }

    // The archive for May 2015 that the drops of this suite bring, and nobody has posted yet.
    std::string goodArchive() { return archive("2015-05.zip", period("2015", "05", "0000000000555")); }

    std::string archive(const std::string& name, const HeaderRecord& record)
    {
        const std::string path = downloads.file(name);
        EXPECT_TRUE(testing::makeArchive(path, {{"Cabecera.txt", testing::headerFile({record})}})) << path;
        return path;
    }

    void drop(const std::string& path) { app.form1.Text1_OLEDragDrop({path}); }

    void take(Step step)
    {
        if (step == Step::Drop) {
            drop(dropped);
        } else {
            app.dialogs.recorded.questionAnswers = {platform::vbYes};
            app.form1.MnGrabar_Click();
        }
    }

    // A shell script in the program folder that stands in for 7z; it writes a perfect header before it misbehaves,
    // so that only its ending can tell the header is not to be trusted.
    void standInTool(const std::string& ending)
    {
        const std::string path =
            app.put("7z", "#!/bin/sh\nprintf '%s' '" + testing::headerFile({period("2015", "05", "0000000000555")}) +
                              "' > Cabecera.txt\n" + ending + "\n");
        fs::permissions(path, fs::perms::owner_all);
    }

    void removeFaults()
    {
        app.files = FaultyFiles();
        fs::remove(app.programFolder + "/7z");
        app.form().toolTimeLimit = std::chrono::seconds(60);
    }

    Work work() const
    {
        return {app.tablesAndCaptions(), app.window.caption(Label::Label3), app.window.enabled(Control::MnGrabar)};
    }

    std::string savedPath() const { return app.programFolder + "/" + SavedName; }

    std::vector<std::string> programFolderNames() const
    {
        auto names = platform::makeNativeFiles()->list(app.programFolder);
        std::sort(names.begin(), names.end());
        return names;
    }

    testing::TempFolder downloads{"sumafac-downloads"};
    testing::ImportApp app;
    std::string savedBytes;
    std::string dropped;
};

TEST_P(FaultInjection, LeavesTheWorkAndTheSavedFileSoundSaysWhyAndRecovers)
{
    const Fault& fault = GetParam();
    const Work before = work();
    const auto namesBefore = programFolderNames();
    ASSERT_FALSE(savedBytes.empty());

    fault.inject(*this);
    const auto start = std::chrono::steady_clock::now();
    take(fault.step);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << "the step did not end";
    removeFaults();

    std::vector<std::string> messages;
    if (fault.step == Step::Save) {
        messages.push_back(OverwritePrompt);
    }
    std::string message = fault.message;
    if (message.back() == '@' || message.back() == '%') {
        message.back() == '@' ? message.replace(message.size() - 1, 1, app.programFolder)
                              : message.replace(message.size() - 1, 1, dropped);
    }
    messages.push_back(message);
    EXPECT_EQ(app.prompts(), messages);
    for (const auto& message : app.dialogs.recorded.messages) {
        if (message.prompt != OverwritePrompt) {
            EXPECT_EQ(message.style, platform::vbCritical) << message.prompt;
        }
    }
    EXPECT_EQ(work(), before);
    EXPECT_EQ(app.window.dropText(), "Arrastra aqui los archivos bajados de la AFIP");
    EXPECT_EQ(platform::makeNativeFiles()->read(savedPath()), savedBytes) << "the saved file changed";
    EXPECT_EQ(programFolderNames(), namesBefore) << "a file was left behind or lost";

    // The fault gone, the same step does its work.
    app.dialogs.recorded.messages.clear();
    if (fault.step == Step::Drop) {
        dropped = goodArchive();
    }
    take(fault.step);
    EXPECT_TRUE(app.prompts().empty() || app.prompts() == std::vector<std::string>{OverwritePrompt})
        << app.prompts().front();
    if (fault.step == Step::Drop) {
        EXPECT_EQ(app.window.textMatrix(1, 5, 2), "555,67");
    } else {
        EXPECT_NE(platform::makeNativeFiles()->read(savedPath()), savedBytes);
    }
}

const std::string CopyFailed = "ERROR, no se pudo copiar el archivo a la carpeta del programa (sin permiso de "
                               "escritura o sin lugar en el disco): @";
const std::string NotValid = "ERROR, este archivo no es valido";

INSTANTIATE_TEST_SUITE_P(
    Faults,
    FaultInjection,
    ::testing::Values(
        Fault{"SaveWriteStopsHalfWay", Step::Save, [](FaultInjection& t) { t.app.files.failWrite = FaultyFiles::any; },
              SaveFailed},
        Fault{"DiskFullOnDrop", Step::Drop, [](FaultInjection& t) { t.app.files.failCopy = FaultyFiles::any; },
              CopyFailed},
        Fault{"ReadOnlyFolderOnDrop", Step::Drop,
              [](FaultInjection& t) { t.app.files.readOnlyFolder = FaultyFiles::any; }, CopyFailed},
        Fault{"ReadOnlyFolderOnSave", Step::Save,
              [](FaultInjection& t) { t.app.files.readOnlyFolder = FaultyFiles::any; }, SaveFailed},
        Fault{"ToolCrashes", Step::Drop, [](FaultInjection& t) { t.standInTool("kill -SEGV $$"); }, NotValid},
        Fault{"ToolNeverEnds", Step::Drop,
              [](FaultInjection& t) {
                  t.standInTool("exec sleep 60");
                  t.app.form().toolTimeLimit = std::chrono::milliseconds(300);
              },
              NotValid},
        Fault{"DroppedFileVanishesBeforeTheCopy", Step::Drop,
              [](FaultInjection& t) {
                  t.app.files.vanishOnCopy = [&t](const std::string& path) { return path == t.dropped; };
              },
              "ERROR, no se encuentra el archivo %"},
        Fault{"FolderDropped", Step::Drop, [](FaultInjection& t) { t.dropped = t.downloads.path(); },
              "ERROR, se solto una carpeta: arrastre aqui el archivo bajado de la AFIP, no la carpeta que lo "
              "contiene"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace sumafac
