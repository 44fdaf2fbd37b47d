// SPDX-License-Identifier: GPL-3.0-or-later
// The program folder: the executable's folder where it may be written, the user's data folder otherwise.
// Tests run as root, who may write anywhere, so a read-only folder is simulated through the files interface.
#include "app/program_folder.h"
#include "platform/native.h"
#include "tests/support/faulty_files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <set>

namespace sumafac {
namespace {

using testing::TempFolder;

// Sets an environment variable for the life of a test and puts the old value back afterwards.
class ScopedVariable
{
  public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : m_name(name)
    {
        if (const char* old = std::getenv(name); old != nullptr) {
            m_old = old;
        }
        set(value);
    }
    ~ScopedVariable() { set(m_old); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    void set(const std::optional<std::string>& value)
    {
        if (value) {
            ::setenv(m_name, value->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }

    const char* m_name;
    std::optional<std::string> m_old;
};

class ProgramFolderTest : public ::testing::Test
{
  protected:
    void makeReadOnly(std::set<std::string> folders)
    {
        files.readOnlyFolder = [folders](const std::string& path) { return folders.count(path) > 0; };
    }

    ProgramFolderChoice choose() { return chooseProgramFolder(files, executable.path(), platform::userDataFolder()); }

    TempFolder executable{"sumafac-bin"};
    TempFolder home{"sumafac-home"};
    TempFolder dataHome{"sumafac-data"};
    ScopedVariable homeVariable{"HOME", home.path()};
    ScopedVariable dataHomeVariable{"XDG_DATA_HOME", dataHome.path()};
    testing::FaultyFiles files;
};

TEST_F(ProgramFolderTest, WritableExecutableFolderStaysTheProgramFolder)
{
    const ProgramFolderChoice choice = choose();
    EXPECT_TRUE(choice.usable);
    EXPECT_EQ(choice.folder, executable.path());
    EXPECT_FALSE(dataHome.has("sumafac")) << "nothing is created in the user's data folder";
}

TEST_F(ProgramFolderTest, ReadOnlyExecutableFolderMovesToTheUsersDataFolderCreatedOnFirstUse)
{
    makeReadOnly({executable.path()});
    ASSERT_FALSE(dataHome.has("sumafac"));

    const ProgramFolderChoice choice = choose();
    EXPECT_TRUE(choice.usable);
    EXPECT_EQ(choice.folder, dataHome.file("sumafac"));
    EXPECT_TRUE(files.isDirectory(choice.folder));
    EXPECT_TRUE(files.write(choice.folder + "/borrar.zip", "PK"));
    EXPECT_FALSE(files.write(executable.file("borrar.zip"), "PK")) << "the simulated read-only folder holds";
}

TEST_F(ProgramFolderTest, LaterRunsKeepWhatTheFolderHolds)
{
    makeReadOnly({executable.path()});
    ASSERT_TRUE(choose().usable);
    const std::string saved = dataHome.file("sumafac/20123456786-2023-2024.sa1");
    ASSERT_TRUE(files.write(saved, "20123456786\r"));

    const ProgramFolderChoice again = choose();
    EXPECT_TRUE(again.usable);
    EXPECT_EQ(again.folder, dataHome.file("sumafac"));
    EXPECT_EQ(files.read(saved), "20123456786\r");
}

TEST_F(ProgramFolderTest, MissingFoldersAboveTheDataFolderAreCreatedToo)
{
    makeReadOnly({executable.path()});
    ScopedVariable deeper{"XDG_DATA_HOME", dataHome.file("uno/dos")};

    const ProgramFolderChoice choice = choose();
    EXPECT_TRUE(choice.usable);
    EXPECT_EQ(choice.folder, dataHome.file("uno/dos/sumafac"));
    EXPECT_TRUE(files.isDirectory(choice.folder));
}

TEST_F(ProgramFolderTest, DataFolderThatCannotBeCreatedIsReportedNotUsed)
{
    makeReadOnly({executable.path(), dataHome.path()});

    const ProgramFolderChoice choice = choose();
    EXPECT_FALSE(choice.usable);
    EXPECT_EQ(choice.folder, dataHome.file("sumafac"));
    EXPECT_FALSE(dataHome.has("sumafac"));
    EXPECT_NE(programFolderError(choice).find(choice.folder), std::string::npos);
}

TEST_F(ProgramFolderTest, DataFolderThatExistsButCannotBeWrittenIsReported)
{
    ASSERT_TRUE(files.createFolder(dataHome.file("sumafac")));
    makeReadOnly({executable.path(), dataHome.file("sumafac")});

    EXPECT_FALSE(choose().usable);
}

TEST_F(ProgramFolderTest, NoKnownDataFolderIsReported)
{
    makeReadOnly({executable.path()});

    const ProgramFolderChoice choice = chooseProgramFolder(files, executable.path(), "");
    EXPECT_FALSE(choice.usable);
    EXPECT_EQ(choice.folder, "");
    EXPECT_FALSE(programFolderError(choice).empty());
}

// The user's data folder from XDG_DATA_HOME and HOME; "@" stands for a temporary folder.
struct DataFolderCase
{
    const char* name;
    std::optional<std::string> dataHome;
    std::string home;
    std::string expected;
};

void PrintTo(const DataFolderCase& c, std::ostream* out)
{
    *out << c.name;
}

class UserDataFolderTest : public ::testing::TestWithParam<DataFolderCase>
{
  protected:
    std::string expand(const std::string& text) const
    {
        std::string result;
        for (const char c : text) {
            result += c == '@' ? temp.path() : std::string(1, c);
        }
        return result;
    }

    TempFolder temp{"sumafac-user"};
};

TEST_P(UserDataFolderTest, FollowsTheBaseDirectoryRules)
{
    const DataFolderCase& c = GetParam();
    ScopedVariable home{"HOME", expand(c.home)};
    ScopedVariable dataHome{"XDG_DATA_HOME", c.dataHome ? std::optional(expand(*c.dataHome)) : std::nullopt};
    EXPECT_EQ(platform::userDataFolder(), expand(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Environment,
    UserDataFolderTest,
    ::testing::Values(DataFolderCase{"XdgDataHomeWins", "@/datos", "@/casa", "@/datos"},
                      DataFolderCase{"TrailingSlashesDropped", "@/datos//", "@/casa", "@/datos"},
                      DataFolderCase{"UnsetFallsBackToLocalShare", std::nullopt, "@/casa", "@/casa/.local/share"},
                      DataFolderCase{"EmptyFallsBackToLocalShare", "", "@/casa", "@/casa/.local/share"},
                      DataFolderCase{"RelativeIsIgnored", "datos", "@/casa/", "@/casa/.local/share"}),
    [](const ::testing::TestParamInfo<DataFolderCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace sumafac
