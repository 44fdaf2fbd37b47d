// SPDX-License-Identifier: GPL-3.0-or-later
// The registry over the real advapi32 calls. The values are written before the tests by `reg add` (see
// CMakeLists.txt): Ruta, a string, and Numero, the 32-bit number 261.
#include "platform/native.h"

#include <gtest/gtest.h>

namespace sumafac::testing {
namespace {

using platform::RegistryHandle;

constexpr std::uint32_t currentUserRoot = 0x80000001u;
constexpr std::uint32_t keyReadMask = 0x20019u;
const std::string testKey = "Software\\Sumafac\\Pruebas";
const std::string storedPath = "C:\\Archivos de programa\\Info del sistema";

class WindowsRegistryTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_EQ(registry->RegOpenKeyExA(currentUserRoot, testKey, platform::KEY_ALL_ACCESS_MASK, handle),
                  platform::ERROR_SUCCESS_CODE);
    }

    void TearDown() override
    {
        if (handle != 0) {
            EXPECT_EQ(registry->RegCloseKey(handle), platform::ERROR_SUCCESS_CODE);
        }
    }

    long query(const std::string& value, std::size_t bufferSize)
    {
        buffer.assign(bufferSize, 0);
        size = static_cast<std::uint32_t>(bufferSize);
        return registry->RegQueryValueExA(handle, value, type, buffer, size);
    }

    std::unique_ptr<platform::Registry> registry = platform::makeNativeRegistry();
    RegistryHandle handle = 0;
    std::uint32_t type = 0;
    std::vector<std::uint8_t> buffer;
    std::uint32_t size = 0;
};

TEST_F(WindowsRegistryTest, AStringComesWithItsTerminatingZeroByte)
{
    ASSERT_EQ(query("Ruta", 1024), platform::ERROR_SUCCESS_CODE);
    EXPECT_EQ(type, platform::REG_SZ_TYPE);
    ASSERT_EQ(size, storedPath.size() + 1);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + size - 1), storedPath);
    EXPECT_EQ(buffer[size - 1], 0);
}

TEST_F(WindowsRegistryTest, ANumberComesAsItsFourBytesLowestFirst)
{
    ASSERT_EQ(query("Numero", 1024), platform::ERROR_SUCCESS_CODE);
    EXPECT_EQ(type, platform::REG_DWORD_TYPE);
    ASSERT_EQ(size, 4u);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 4),
              (std::vector<std::uint8_t>{0x05, 0x01, 0x00, 0x00}));
}

TEST_F(WindowsRegistryTest, AValueLargerThanTheBufferIsAFailure)
{
    EXPECT_NE(query("Ruta", 8), platform::ERROR_SUCCESS_CODE);
    EXPECT_EQ(size, 0u);
    EXPECT_NE(query("Numero", 0), platform::ERROR_SUCCESS_CODE);
}

TEST_F(WindowsRegistryTest, TheSizePassedLimitsTheBufferUsed)
{
    buffer.assign(1024, 0);
    size = 3;
    EXPECT_NE(registry->RegQueryValueExA(handle, "Numero", type, buffer, size), platform::ERROR_SUCCESS_CODE);
}

TEST_F(WindowsRegistryTest, AMissingValueIsAFailure)
{
    EXPECT_NE(query("NoExiste", 1024), platform::ERROR_SUCCESS_CODE);
}

TEST(WindowsRegistryKeyTest, AMissingKeyDoesNotOpen)
{
    const auto registry = platform::makeNativeRegistry();
    RegistryHandle handle = 0;
    EXPECT_NE(registry->RegOpenKeyExA(currentUserRoot, "Software\\Sumafac\\NoExiste", keyReadMask, handle),
              platform::ERROR_SUCCESS_CODE);
}

TEST(WindowsRegistryKeyTest, TheLocalMachineRootReachesTheSystemsOwnKeys)
{
    // Every Windows, and Wine, keeps its version here: proof that the root reaches the 64-bit key it names.
    const auto registry = platform::makeNativeRegistry();
    RegistryHandle handle = 0;
    ASSERT_EQ(registry->RegOpenKeyExA(platform::HKEY_LOCAL_MACHINE_ROOT,
                                      "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", keyReadMask, handle),
              platform::ERROR_SUCCESS_CODE);
    std::vector<std::uint8_t> buffer(1024, 0);
    std::uint32_t size = 1024;
    std::uint32_t type = 0;
    EXPECT_EQ(registry->RegQueryValueExA(handle, "CurrentVersion", type, buffer, size), platform::ERROR_SUCCESS_CODE);
    EXPECT_EQ(type, platform::REG_SZ_TYPE);
    EXPECT_GT(size, 1u);
    EXPECT_EQ(registry->RegCloseKey(handle), platform::ERROR_SUCCESS_CODE);
}

} // namespace
} // namespace sumafac::testing
