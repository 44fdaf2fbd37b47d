// SPDX-License-Identifier: GPL-3.0-or-later
// Faults a test cannot cause for real: a full disk, a rename or delete that fails, an unreadable file, a file that
// goes away while it is copied, an archive tool that never ends. Each is told in a message, nothing is posted or
// half written, and no working file stays behind.
#include "app/form1.h"
#include "tests/support/archive_builder.h"
#include "tests/support/faulty_files.h"
#include "tests/support/header_builder.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/temp_folder.h"
#include "zip/libzip_reader.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sumafac {
namespace {

class NoWindowSystem final : public platform::WindowSystem
{
  public:
    void showAboutBox() override {}
    void endProgram() override {}
};

class Faults : public ::testing::Test
{
  protected:
    Faults() { form1.Form_Load(); }

    std::string archive()
    {
        const std::string path = downloads.file("2015-03.zip");
        EXPECT_TRUE(testing::makeArchive(path, {{"Cabecera.txt", testing::headerRecord({})}}));
        return path;
    }
    std::string lastMessage() const { return dialogs.messages.empty() ? "" : dialogs.messages.back().prompt; }

    testing::TempFolder folder;
    testing::TempFolder downloads;
    testing::RecordingDialogs dialogs;
    testing::FaultyFiles files;
    std::unique_ptr<platform::ProcessRunner> processes = platform::makeNativeProcessRunner();
    WindowModel model;
    NoWindowSystem windowSystem;
    LibzipReader zips;
    Form1 form1{HandlerContext{model, dialogs, files, *processes, zips, folder.path()}, windowSystem};
};

TEST_F(Faults, ASaveThatFailsKeepsTheFileItReplaces)
{
    form1.Text1_OLEDragDrop({archive()});
    // One byte: a file with anything in it is one to keep.
    folder.put("20123456789_2015.sa1", "a");
    dialogs.questionAnswers = {platform::vbYes, platform::vbYes, platform::vbYes};
    for (std::string* fault : {&files.failWrite, &files.failReplace}) {
        *fault = ".sa1";
        form1.MnGrabar_Click();
        *fault = "";
        EXPECT_EQ(lastMessage(), "No se pudo guardar el archivo 20123456789_2015.sa1 en la carpeta del programa. El "
                                 "archivo anterior quedó como estaba.");
        EXPECT_EQ(folder.get("20123456789_2015.sa1"), "a");
        EXPECT_EQ(files.list(folder.path()).size(), 1u);
        // Nothing is said to be where nothing went.
        EXPECT_EQ(model.writtenFile(), "");
    }
    form1.MnGrabar_Click();
    EXPECT_TRUE(std::filesystem::equivalent(model.writtenFile(), folder.file("20123456789_2015.sa1")));
}

TEST_F(Faults, ADropThatCannotBeCopiedOrWhoseHeaderCannotGoSaysWhy)
{
    const std::string dropped = archive();
    files.failCopy = "borrar.zip";
    form1.Text1_OLEDragDrop({dropped});
    EXPECT_EQ(lastMessage(), "ERROR, no se pudo copiar el archivo a la carpeta del programa (sin permiso de escritura "
                             "o sin lugar en el disco): " +
                                 folder.path());
    files.vanishOnCopy = true;
    form1.Text1_OLEDragDrop({dropped});
    EXPECT_EQ(lastMessage(), "ERROR, no se encuentra el archivo " + dropped);

    files.failCopy = "";
    // Where the folder tells letter case apart, a header in other letters that cannot go holds the drop as well,
    // though the one of the usual name went.
    folder.put("Cabecera.txt", "vieja");
    folder.put("CABECERA.TXT", "vieja");
    files.failRemove = files.list(folder.path()).size() == 2 ? "CABECERA.TXT" : "Cabecera.txt";
    form1.Text1_OLEDragDrop({archive()});
    ASSERT_GE(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[dialogs.messages.size() - 2].prompt,
              "ERROR.......... ESTA EN USO!!, CIERRELO PARA PODER TOMAR LOS DATOS");
    EXPECT_EQ(lastMessage(), "ERROR, no se pudo borrar el Cabecera.txt anterior: " + folder.path() +
                                 platform::pathSeparator() + "Cabecera.txt");
    EXPECT_EQ(model.cuit(), "");
    EXPECT_EQ(model.dropText(), "Arrastra aqui los archivos bajados de la AFIP");
    EXPECT_FALSE(files.exists(folder.file("borrar.zip")));

    // A hold that passes within half a second is not the user's to hear of.
    folder.put("Cabecera.txt", "vieja");
    files.failRemoveTimes = 4;
    dialogs.messages.clear();
    form1.Text1_OLEDragDrop({archive()});
    EXPECT_TRUE(dialogs.messages.empty()) << lastMessage();
    EXPECT_EQ(model.cuit(), "20123456789");
}

TEST_F(Faults, AFileThatCannotBeReadOrIsFarTooLargeIsNotLoaded)
{
    form1.Text1_OLEDragDrop({archive()});
    dialogs.questionAnswers = {platform::vbYes};
    form1.MnGrabar_Click();
    files.failRead = ".sa1";
    dialogs.inputAnswers = {"20123456789"};
    dialogs.openAnswers = {folder.file("20123456789_2015.sa1")};
    form1.Mncargar_Click();
    EXPECT_EQ(lastMessage(), "No se pudo leer el archivo 20123456789_2015.sa1.");
    ASSERT_EQ(dialogs.openRequests.size(), 1u);
    EXPECT_EQ(dialogs.openRequests[0].namePrefix, "20123456789");
    EXPECT_EQ(dialogs.openRequests[0].initialFolder, folder.path());
    EXPECT_EQ(dialogs.inputPrompts, std::vector<std::string>{"CUIT?"});

    std::filesystem::resize_file(folder.put("grande.sa1", ""), (1 << 20) + 1);
    dialogs.inputAnswers = {"grande"};
    dialogs.openAnswers = {folder.file("grande.sa1")};
    form1.Mncargar_Click();
    EXPECT_EQ(lastMessage(), "No se puede cargar el archivo grande.sa1: es demasiado grande para ser un archivo "
                             "guardado.");
    EXPECT_EQ(model.tabCaption(FirstYearTab), "2015");
}

} // namespace
} // namespace sumafac
