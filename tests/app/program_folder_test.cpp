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

// Sets an environment variable (unsets it for nullopt) for the life of a test, then puts the old value back.
class ScopedVariable
{
  public:
    ScopedVariable(const char* name, const std::optional<std::string>& value) : m_name(name)
    {
        if (const char* old = std::getenv(name)) {
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
        value ? ::setenv(m_name, value->c_str(), 1) : ::unsetenv(m_name);
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

TEST_F(ProgramFolderTest, ReadOnlyExecutableFolderMovesToTheUsersDataFolderCreatedOnFirstUseAndKept)
{
    makeReadOnly({executable.path()});
    const ProgramFolderChoice choice = choose();
    EXPECT_TRUE(choice.usable);
    EXPECT_EQ(choice.folder, dataHome.file("sumafac"));
    const std::string saved = choice.folder + "/20123456786-2023-2024.sa1";
    ASSERT_TRUE(files.write(saved, "20123456786\r"));

    const ProgramFolderChoice again = choose();
    EXPECT_TRUE(again.usable);
    EXPECT_EQ(again.folder, choice.folder);
    EXPECT_EQ(files.read(saved), "20123456786\r");
}

TEST_F(ProgramFolderTest, WithoutXdgDataHomeTheFolderAndThoseAboveItAreCreatedInHome)
{
    makeReadOnly({executable.path()});
    ScopedVariable unset{"XDG_DATA_HOME", std::nullopt};
    const ProgramFolderChoice choice = choose();
    EXPECT_TRUE(choice.usable);
    EXPECT_EQ(choice.folder, home.file(".local/share/sumafac"));
    EXPECT_TRUE(files.isDirectory(choice.folder));
}

TEST_F(ProgramFolderTest, DataFolderThatCannotBeCreatedOrWrittenIsReportedNotUsed)
{
    makeReadOnly({executable.path(), dataHome.path()});
    const ProgramFolderChoice choice = choose();
    EXPECT_FALSE(choice.usable);
    EXPECT_FALSE(dataHome.has("sumafac"));
    EXPECT_NE(programFolderError(choice).find(dataHome.file("sumafac")), std::string::npos);

    makeReadOnly({executable.path()});
    ASSERT_TRUE(files.createFolder(dataHome.file("sumafac")));
    makeReadOnly({executable.path(), dataHome.file("sumafac")});
    EXPECT_FALSE(choose().usable);

    const ProgramFolderChoice unknown = chooseProgramFolder(files, executable.path(), "");
    EXPECT_FALSE(unknown.usable);
    EXPECT_FALSE(programFolderError(unknown).empty());
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
    std::string expand(std::string text) const { return text.starts_with('@') ? temp.path() + text.substr(1) : text; }

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
