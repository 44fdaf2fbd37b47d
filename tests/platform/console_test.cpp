// SPDX-License-Identifier: GPL-3.0-or-later
// The console's output code page while a Utf8ConsoleOutput lives. It needs a console: ctest starts this program on
// a pseudo-terminal (see CMakeLists.txt), where Wine gives it one, as Windows does to a program started from cmd.
#include "platform/native.h"

#include <gtest/gtest.h>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace sumafac::testing {
namespace {

constexpr UINT MultilingualLatin1 = 850; // what a console in Spain or Latin America starts with

TEST(Utf8ConsoleOutputTest, TheConsoleReadsUtf8WhileItLivesAndGetsItsCodePageBack)
{
    const UINT own = ::GetConsoleOutputCP();
    ASSERT_NE(own, 0u) << "no console: start this program from a console";
    ASSERT_TRUE(::SetConsoleOutputCP(MultilingualLatin1));
    {
        const platform::Utf8ConsoleOutput console;
        EXPECT_EQ(::GetConsoleOutputCP(), static_cast<UINT>(CP_UTF8));
    }
    EXPECT_EQ(::GetConsoleOutputCP(), MultilingualLatin1);
    ::SetConsoleOutputCP(own);
}

} // namespace
} // namespace sumafac::testing
