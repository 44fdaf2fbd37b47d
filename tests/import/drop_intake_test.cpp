// SPDX-License-Identifier: GPL-3.0-or-later
// A whole drop with the real 7z over archives made here, and with stand-in tools that misbehave.
#include "app/window_texts.h"
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

HeaderRecord month(const std::string& monthField)
{
    HeaderRecord record;
    record.month = monthField;
    return record;
}

class DropIntake : public ::testing::Test
{
  protected:
    explicit DropIntake(const std::string& programSubfolder = {}) : app(programSubfolder) {}

    // An archive in the downloads folder holding the given members.
    std::string archive(const std::string& name, const std::map<std::string, std::string>& members, bool stored = false)
    {
        const std::string path = downloads.file(name);
        EXPECT_TRUE(testing::makeArchive(path, members, stored)) << path;
        return path;
    }

    std::string goodArchive(const std::string& name = "F2002.zip", const HeaderRecord& record = HeaderRecord{})
    {
        return archive(name, {{"Cabecera.txt", headerFile({record})}, {"Detalle.txt", std::string(500, 'D')}});
    }

    // A shell script in the program folder that stands in for 7z.
    void standInTool(const std::string& script)
    {
        const std::string path = app.put("7z", "#!/bin/sh\n" + script + "\n");
        fs::permissions(path, fs::perms::owner_all);
    }

    void drop(const std::vector<std::string>& files) { app.form1.Text1_OLEDragDrop(files); }

    void expectPostedMarch()
    {
        EXPECT_TRUE(app.prompts().empty()) << app.prompts().front();
        EXPECT_EQ(app.window.caption(Label::Label3), "20123456789");
        EXPECT_EQ(app.window.tabCaption(0), "2015");
        EXPECT_EQ(app.window.textMatrix(1, 3, 1), "12");
        EXPECT_EQ(app.window.textMatrix(1, 3, 2), "12345,67");
        EXPECT_TRUE(app.window.frameVisible());
        expectDropEnded();
    }

    void expectNothingPosted(const std::vector<std::string>& messages)
    {
        EXPECT_EQ(app.prompts(), messages);
        for (const auto& message : app.dialogs.recorded.messages) {
            EXPECT_EQ(message.style, 16);
        }
        EXPECT_EQ(app.tablesAndCaptions(), untouched);
        EXPECT_EQ(app.window.caption(Label::Label3), "");
        EXPECT_FALSE(app.window.enabled(Control::MnGrabar));
        EXPECT_FALSE(app.window.frameVisible());
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

TEST_F(DropIntake, AGoodArchiveIsPostedAndTheDroppedFileKept)
{
    const std::string path = goodArchive();
    const std::string bytes = downloads.get("F2002.zip");
    drop({path});
    expectPostedMarch();
    EXPECT_EQ(downloads.get("F2002.zip"), bytes);
    EXPECT_TRUE(app.window.enabled(Control::MnGrabar));
}

TEST_F(DropIntake, TheHeaderMemberInUpperCaseIsFound)
{
    drop({archive("upper.zip", {{"CABECERA.TXT", headerFile({HeaderRecord{}})}})});
    expectPostedMarch();
}

TEST_F(DropIntake, OnlyTheFirstOfSeveralFilesIsImported)
{
    drop({goodArchive("a.zip", month("03")), goodArchive("b.zip", month("04")), goodArchive("c.zip", month("05"))});
    expectPostedMarch();
    EXPECT_EQ(app.window.textMatrix(1, 4, 1), "");
    EXPECT_EQ(app.window.textMatrix(1, 5, 1), "");
}

TEST_F(DropIntake, TextOneShowsThePathWhileImporting)
{
    const std::string path = archive("sin.zip", {{"Detalle.txt", "D"}});
    drop({path});
    EXPECT_EQ(app.dialogs.dropTextsAtMessages, std::vector<std::string>{path});
}

TEST_F(DropIntake, ANewDropEmptiesThePanelAndRestartsTheFade)
{
    drop({goodArchive()});
    app.form().FadeLevel = 120;
    drop({archive("sin.zip", {{"Detalle.txt", "D"}})});
    EXPECT_EQ(app.form().FadeLevel, 0);
    EXPECT_EQ(app.window.caption(Label::Label1), " 0");
    for (auto label : {Label::Label4, Label::Label5, Label::Label6, Label::Label7, Label::Label8}) {
        EXPECT_EQ(app.window.caption(label), "");
    }
}

TEST_F(DropIntake, AnArchiveWithoutHeaderIsNotValid)
{
    drop({archive("sin.zip", {{"Detalle.txt", "D"}})});
    expectNothingPosted({NotValid});
}

TEST_F(DropIntake, AFileThatIsNoArchiveIsNotValid)
{
    drop({downloads.put("nota.zip", "esto no es un archivo comprimido\n")});
    expectNothingPosted({NotValid});
}

TEST_F(DropIntake, ADamagedArchiveIsNotTrustedEvenWhenItsHeaderReads)
{
    // Stored, so that the header's bytes lie open in the archive; one filler character changed breaks the
    // checksum but leaves every field readable. 7z writes the file and reports the error.
    const std::string path = archive("roto.zip", {{"Cabecera.txt", headerFile({HeaderRecord{}})}}, true);
    std::string bytes = downloads.get("roto.zip");
    const auto filler = bytes.find("####");
    ASSERT_NE(filler, std::string::npos);
    bytes[filler] = '!';
    downloads.put("roto.zip", bytes);
    drop({path});
    expectNothingPosted({NotValid});
}

TEST_F(DropIntake, AStaleHeaderIsNeverReadAsTheArchives)
{
    app.put("Cabecera.txt", headerFile({HeaderRecord{}}));
    app.put("CABECERA.TXT", headerFile({HeaderRecord{}}));
    drop({archive("sin.zip", {{"Detalle.txt", "D"}})});
    expectNothingPosted({NotValid});
}

TEST_F(DropIntake, ADropWithoutFilesSaysSo)
{
    drop({});
    expectNothingPosted({"ERROR, no llego ningun archivo: arrastre aqui el archivo bajado de la AFIP"});
}

TEST_F(DropIntake, ADroppedFolderSaysSo)
{
    drop({downloads.path()});
    expectNothingPosted({"ERROR, se solto una carpeta: arrastre aqui el archivo bajado de la AFIP, no la carpeta "
                         "que lo contiene"});
}

TEST_F(DropIntake, AVanishedFileSaysSo)
{
    const std::string path = downloads.file("ya-no-esta.zip");
    drop({path});
    expectNothingPosted({"ERROR, no se encuentra el archivo " + path});
}

struct CopyFault
{
    const char* name;
    void (*inject)(testing::FaultyFiles&);
};

void PrintTo(const CopyFault& c, std::ostream* os)
{
    *os << c.name;
}

class ProgramFolderNotWritable : public DropIntake, public ::testing::WithParamInterface<CopyFault>
{
};

TEST_P(ProgramFolderNotWritable, SaysSoAndRunsNoTool)
{
    // A stand-in that leaves a mark shows whether any tool ran.
    standInTool("touch corrio");
    GetParam().inject(app.files);
    drop({goodArchive()});
    app.files.readOnlyFolder = nullptr;
    app.files.failCopy = nullptr;
    expectNothingPosted({"ERROR, no se pudo copiar el archivo a la carpeta del programa (sin permiso de escritura o "
                         "sin lugar en el disco): " +
                         app.programFolder});
    EXPECT_FALSE(fs::exists(app.programFolder + "/corrio"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults,
    ProgramFolderNotWritable,
    ::testing::Values(CopyFault{"ReadOnly",
                                [](testing::FaultyFiles& f) { f.readOnlyFolder = testing::FaultyFiles::any; }},
                      CopyFault{"Full", [](testing::FaultyFiles& f) { f.failCopy = testing::FaultyFiles::any; }}),
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
    const std::string arguments = platform::makeNativeFiles()->read(app.programFolder + "/argumentos.txt").value();
    EXPECT_EQ(arguments, app.programFolder + "\ne\n-y\n-ssc-\n-pSumafac\nborrar.zip\nCabecera.txt\n");
}

struct BadTool
{
    const char* name;
    const char* ending;
};

void PrintTo(const BadTool& c, std::ostream* os)
{
    *os << c.name;
}

class MisbehavingTool : public DropIntake, public ::testing::WithParamInterface<BadTool>
{
};

// Each stand-in writes a perfectly readable header first: only the tool's own report can tell it is not to be
// trusted.
TEST_P(MisbehavingTool, LeavesAHeaderThatIsNotTrusted)
{
    standInTool("printf '%s' '" + headerFile({HeaderRecord{}}) + "' > Cabecera.txt\n" + GetParam().ending);
    app.form().toolTimeLimit = std::chrono::milliseconds(300);
    const auto start = std::chrono::steady_clock::now();
    drop({goodArchive()});
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    expectNothingPosted({NotValid});
}

INSTANTIATE_TEST_SUITE_P(Endings,
                         MisbehavingTool,
                         ::testing::Values(BadTool{"Fails", "exit 2"},
                                           BadTool{"Warns", "exit 1"},
                                           BadTool{"Crashes", "kill -SEGV $$"},
                                           BadTool{"NeverEnds", "exec sleep 60"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DropIntake, AToolThatCannotBeStartedIsTriedOnceMoreThenReported)
{
    // Present but not executable: the system refuses to start it, every time.
    app.put("7z", "#!/bin/sh\nexit 0\n");
    fs::permissions(app.programFolder + "/7z", fs::perms::owner_read | fs::perms::owner_write);
    drop({goodArchive()});
    expectNothingPosted({"ERROR.......... ESTA EN USO!!, CIERRELO PARA PODER TOMAR LOS DATOS",
                         "ERROR, no se pudo poner en marcha el programa " + app.programFolder + "/7z"});
}

TEST_F(DropIntake, AStaleHeaderThatCannotBeRemovedIsTriedOnceMoreThenReported)
{
    app.put("Cabecera.txt", headerFile({HeaderRecord{}}));
    app.files.failRemove = [](const std::string& path) { return path.ends_with("Cabecera.txt"); };
    drop({goodArchive()});
    app.files.failRemove = nullptr;
    EXPECT_EQ(app.prompts(),
              (std::vector<std::string>{"ERROR.......... ESTA EN USO!!, CIERRELO PARA PODER TOMAR LOS DATOS",
                                        "ERROR, no se pudo borrar el Cabecera.txt anterior: " + app.programFolder +
                                            "/Cabecera.txt"}));
    EXPECT_EQ(app.tablesAndCaptions(), untouched);
    EXPECT_EQ(app.window.caption(Label::Label3), "");
    EXPECT_EQ(app.window.dropText(), DropPrompt);
}

TEST_F(DropIntake, ATransientBlockClearsOnTheSecondTry)
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
}

TEST_F(DropIntake, NoToolAnywhereSaysWhatIsMissing)
{
    app.processes.pathHasNoTools = true;
    drop({goodArchive()});
    expectNothingPosted({"ERROR, no se encuentra el programa 7z, que abre los archivos de la AFIP: instalelo (7-Zip) "
                         "o copielo en la carpeta del programa"});
}

} // namespace
} // namespace sumafac
