// SPDX-License-Identifier: GPL-3.0-or-later
// A whole drop with the real 7z over archives made here, and with stand-in tools that misbehave. Faults of the
// files met during a drop are in tests/reliability.
#include "tests/import/import_fixture.h"
#include "tests/support/archive_builder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace sumafac {
namespace {

namespace fs = std::filesystem;
using platform::Control;
using platform::Label;
using testing::headerFile;
using testing::HeaderRecord;

const char* const NotValid = "ERROR, este archivo no es valido";

class DropIntake : public ::testing::Test
{
  public:
    explicit DropIntake(const std::string& programSubfolder = {}) : app(programSubfolder) {}

    // An archive in the downloads folder holding the given members.
    std::string archive(const std::string& name, const std::map<std::string, std::string>& members, bool stored = false)
    {
        const std::string path = downloads.file(name);
        EXPECT_TRUE(testing::makeArchive(path, members, stored)) << path;
        return path;
    }

    std::string goodArchive(const std::string& name = "F2002.zip", const HeaderRecord& record = {})
    {
        return archive(name, {{"Cabecera.txt", headerFile({record})}, {"Detalle.txt", std::string(500, 'D')}});
    }

    std::string withoutHeader() { return archive("sin.zip", {{"Detalle.txt", "D"}}); }

    // A shell script in the program folder that stands in for 7z.
    void standInTool(const std::string& script)
    {
        fs::permissions(app.put("7z", "#!/bin/sh\n" + script + "\n"), fs::perms::owner_all);
    }

    void drop(const std::vector<std::string>& files) { app.form1.Text1_OLEDragDrop(files); }

    void expectPostedMarch()
    {
        EXPECT_TRUE(app.prompts().empty()) << app.prompts().front();
        EXPECT_EQ(app.window.caption(Label::Label3), "20123456789");
        EXPECT_EQ(app.window.tabCaption(0), "2015");
        EXPECT_EQ(app.window.textMatrix(1, 3, 1), "12");
        EXPECT_EQ(app.window.textMatrix(1, 3, 2), "12345,67");
        EXPECT_TRUE(app.window.enabled(Control::MnGrabar));
        expectDropEnded();
    }

    void expectDropEnded()
    {
        EXPECT_EQ(app.window.dropText(), "Arrastra aqui los archivos bajados de la AFIP");
        EXPECT_EQ(app.workingFilesLeft(), std::vector<std::string>{});
    }

    testing::TempFolder downloads{"sumafac-downloads"};
    testing::ImportApp app;
    const std::vector<std::string> untouched = app.tablesAndCaptions();
};

TEST_F(DropIntake, OnlyTheFirstGoodArchiveIsPostedAndTheDroppedFilesKept)
{
    const std::string first = goodArchive();
    const std::string bytes = downloads.get("F2002.zip");
    drop({first, goodArchive("b.zip", {.month = "04"})});
    expectPostedMarch();
    EXPECT_EQ(app.window.textMatrix(1, 4, 1), "");
    EXPECT_EQ(downloads.get("F2002.zip"), bytes);

    // A new drop shows its path while it works, empties the panel and restarts the fade.
    app.form().FadeLevel = 120;
    const std::string path = withoutHeader();
    drop({path});
    EXPECT_EQ(app.dialogs.dropTextsAtMessages, std::vector<std::string>{path});
    EXPECT_EQ(app.form().FadeLevel, 0);
    EXPECT_EQ(app.window.caption(Label::Label1), " 0");
    for (auto label : {Label::Label4, Label::Label5, Label::Label6, Label::Label7, Label::Label8}) {
        EXPECT_EQ(app.window.caption(label), "");
    }
}

TEST_F(DropIntake, TheHeaderMemberInUpperCaseIsFound)
{
    drop({archive("upper.zip", {{"CABECERA.TXT", headerFile({HeaderRecord{}})}})});
    expectPostedMarch();
}

struct Refusal
{
    const char* name;
    std::string (*prepare)(DropIntake&); // returns the file to drop
    std::string message = NotValid;      // "@" stands for the program folder
};

void PrintTo(const Refusal& c, std::ostream* os)
{
    *os << c.name;
}

class Refused : public DropIntake, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(Refused, SaysWhyPostsNothingAndLeavesNoWorkingFile)
{
    app.form().toolTimeLimit = std::chrono::milliseconds(300);
    const std::string path = GetParam().prepare(*this);
    const auto start = std::chrono::steady_clock::now();
    drop({path});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));

    std::string message = GetParam().message;
    if (const auto at = message.find('@'); at != std::string::npos) {
        message.replace(at, 1, app.programFolder);
    }
    ASSERT_EQ(app.prompts(), std::vector<std::string>{message});
    EXPECT_EQ(app.dialogs.recorded.messages.front().style, 16);
    EXPECT_EQ(app.tablesAndCaptions(), untouched);
    EXPECT_EQ(app.window.caption(Label::Label3), "");
    EXPECT_FALSE(app.window.enabled(Control::MnGrabar));
    EXPECT_FALSE(app.window.frameVisible());
    expectDropEnded();
}

// Each stand-in tool writes a perfectly readable header first: only its own report can tell it is not trusted.
template <const char* Ending> std::string misbehaving(DropIntake& t)
{
    t.standInTool("printf '%s' '" + headerFile({HeaderRecord{}}) + "' > Cabecera.txt\n" + Ending);
    return t.goodArchive();
}

constexpr char Fails[] = "exit 2";
constexpr char Warns[] = "exit 1";
constexpr char Crashes[] = "kill -SEGV $$";
constexpr char NeverEnds[] = "exec sleep 60";

INSTANTIATE_TEST_SUITE_P(
    Drops,
    Refused,
    ::testing::Values(
        Refusal{"NoHeaderMember", [](DropIntake& t) { return t.withoutHeader(); }},
        Refusal{"NotAnArchive",
                [](DropIntake& t) { return t.downloads.put("nota.zip", "esto no es un archivo comprimido\n"); }},
        // Stored, so that the header lies open in the archive; one filler character changed breaks the checksum
        // but leaves every field readable. 7z writes the file and reports the error.
        Refusal{
            "DamagedArchive",
            [](DropIntake& t) {
                const std::string path = t.archive("roto.zip", {{"Cabecera.txt", headerFile({HeaderRecord{}})}}, true);
                std::string bytes = t.downloads.get("roto.zip");
                bytes[bytes.find("####")] = '!';
                t.downloads.put("roto.zip", bytes);
                return path;
            }},
        Refusal{"StaleHeaderNeverRead",
                [](DropIntake& t) {
                    t.app.put("Cabecera.txt", headerFile({HeaderRecord{}}));
                    t.app.put("CABECERA.TXT", headerFile({HeaderRecord{}}));
                    return t.withoutHeader();
                }},
        Refusal{"ReadOnlyProgramFolder",
                [](DropIntake& t) {
                    t.app.files.readOnlyFolder = testing::FaultyFiles::any;
                    return t.goodArchive();
                },
                "ERROR, no se pudo copiar el archivo a la carpeta del programa (sin permiso de escritura o sin lugar "
                "en el disco): @"},
        Refusal{"NoToolAnywhere",
                [](DropIntake& t) {
                    t.app.processes.pathHasNoTools = true;
                    return t.goodArchive();
                },
                "ERROR, no se encuentra el programa 7z, que abre los archivos de la AFIP: instalelo (7-Zip) o copielo "
                "en la carpeta del programa"},
        Refusal{"ToolFails", misbehaving<Fails>},
        Refusal{"ToolWarns", misbehaving<Warns>},
        Refusal{"ToolCrashes", misbehaving<Crashes>},
        Refusal{"ToolNeverEnds", misbehaving<NeverEnds>}),
    [](const auto& info) { return std::string(info.param.name); });

class FolderWithBlanks : public DropIntake
{
  protected:
    FolderWithBlanks() : DropIntake("Mis Documentos/Facturación año 2015") {}
};

TEST_F(FolderWithBlanks, TheSystemToolWorksThere)
{
    drop({goodArchive()});
    expectPostedMarch();
}

TEST_F(FolderWithBlanks, AToolBesideTheProgramGetsItsArgumentsOneByOneThere)
{
    standInTool("printf '%s\\n' \"$PWD\" \"$@\" > argumentos.txt\nprintf '%s' '" + headerFile({HeaderRecord{}}) +
                "' > Cabecera.txt");
    drop({goodArchive()});
    expectPostedMarch();
    EXPECT_EQ(platform::makeNativeFiles()->read(app.programFolder + "/argumentos.txt").value(),
              app.programFolder + "\ne\n-y\n-ssc-\n-pSumafac\nborrar.zip\nCabecera.txt\n");
}

// A file held by another program is asked to be closed and tried once more.
TEST_F(DropIntake, AHeaderThatCannotBeRemovedIsTriedOnceMore)
{
    app.put("Cabecera.txt", "held by another program");
    int refusals = 1;
    app.files.failRemove = [&refusals](const std::string& path) {
        return path.ends_with("Cabecera.txt") && refusals-- > 0;
    };
    drop({goodArchive()});
    EXPECT_EQ(app.prompts(),
              std::vector<std::string>{"ERROR.......... ESTA EN USO!!, CIERRELO PARA PODER TOMAR LOS DATOS"});
    EXPECT_EQ(app.window.textMatrix(1, 3, 2), "12345,67");
    expectDropEnded();

    app.dialogs.recorded.messages.clear();
    app.files.failRemove = [](const std::string& path) { return path.ends_with("Cabecera.txt"); };
    app.put("Cabecera.txt", "held");
    drop({goodArchive()});
    app.files.failRemove = nullptr;
    EXPECT_EQ(app.prompts(),
              (std::vector<std::string>{"ERROR.......... ESTA EN USO!!, CIERRELO PARA PODER TOMAR LOS DATOS",
                                        "ERROR, no se pudo borrar el Cabecera.txt anterior: " + app.programFolder +
                                            "/Cabecera.txt"}));
}

} // namespace
} // namespace sumafac
