// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/archive_builder.h"
#include "tests/support/temp_folder.h"
#include "zip/libzip_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <thread>

namespace sumafac {
namespace {

using testing::TempFolder;
using End = MemberStream::End;

std::string drain(std::istream& in)
{
    return {std::istreambuf_iterator<char>(in), {}};
}

// Figures that deflate only so far, so that the compressed data fills most of the zip.
std::string voucherLines()
{
    std::string text;
    for (unsigned value = 7; text.size() < 600'000; value = value * 1103515245u + 12345u)
        text += std::to_string(value % 100'000'000) + ";" + std::to_string(value % 977) + "\n";
    return text;
}

TEST(ZipArchive, ListsMembersAndReadsThemBackUpToTheLimit)
{
    TempFolder folder;
    const std::string text = voucherLines();
    const std::string path = folder.file("Emitidos años 2024 y 2025.zip"); // a UTF-8 name, as Windows takes it too
    ASSERT_TRUE(testing::makeArchive(path, {{"a.csv", text}, {"b.txt", ""}, {"c.txt", "x"}}));
    const ZipOpening opened = LibzipReader().open(path);
    const auto& zip = opened.archive;
    ASSERT_TRUE(zip) << opened.problem;
    ASSERT_EQ(zip->members().size(), 3u);
    EXPECT_EQ(zip->members()[0].name, "a.csv");
    EXPECT_EQ(zip->members()[0].size, text.size());
    EXPECT_EQ(zip->members()[1].size, 0u);
    // Exactly the limit is a clean end; one byte less is a member too large. Nothing is written anywhere.
    for (const std::uint64_t limit : {text.size(), text.size() - 1}) {
        const auto in = zip->read(0, limit);
        EXPECT_EQ(drain(*in), text.substr(0, limit));
        EXPECT_EQ(in->end(), limit < text.size() ? End::PastLimit : End::Whole) << limit;
    }
    const auto empty = zip->read(1, 10);
    EXPECT_EQ(drain(*empty), "");
    EXPECT_EQ(empty->end(), End::Whole);
    EXPECT_EQ(drain(*zip->read(2, 10)), "x");
    EXPECT_EQ(zip->read(3, 10)->end(), End::Damaged);
    // Inflated ahead of its reader, a member left half read goes at once, its inflating with it, however long the
    // inflater has waited for its chunks back.
    const auto halfRead = zip->read(0, text.size());
    char start[10];
    EXPECT_TRUE(halfRead->read(start, sizeof start));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(halfRead->end(), End::Whole);
}

// The four-byte field at offset of the record that begins with signature, set to value.
void patch(std::string& bytes, const char* signature, std::size_t offset, std::uint32_t value)
{
    const auto at = bytes.rfind(signature, std::string::npos, 4) + offset;
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

TEST(ZipArchive, DamageGivesAReasonOrAStreamThatSaysHowItEnded)
{
    using Failure = ZipOpening::Failure;
    struct Case
    {
        const char* name;
        std::function<void(std::string&)> harm;
        Failure failure;
        const char* problem; // "" when the zip opens and its member ends early as read
        End end = End::Damaged;
        const char* opened = "e.zip";
    };
    const Case cases[] = {
        {"cut", [](std::string& b) { b.resize(b.size() / 2); }, Failure::Broken, "el .zip está cortado o dañado"},
        {"a part of a split zip", [](std::string& b) { patch(b, "PK\x05\x06", 4, 1); }, Failure::Broken,
         "el .zip es una parte de un .zip partido en varios archivos"},
        {"flipped", [](std::string& b) { b[b.size() / 2] ^= 0x5a; }, Failure::None, ""},
        {"a listing that lies", [](std::string& b) { patch(b, "PK\x01\x02", 24, 1000); }, Failure::None, "",
         End::PastLimit},
        {"not a zip", [](std::string& b) { b = "hola"; }, Failure::NotAZip, "el archivo no es un .zip"},
        {"missing", [](std::string&) {}, Failure::NotAZip, "no se pudo leer el archivo", End::Damaged, "f.zip"},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const std::string text = voucherLines();
        ASSERT_TRUE(testing::makeArchive(folder.file("e.zip"), {{"a.csv", text}}));
        std::string bytes = folder.get("e.zip");
        c.harm(bytes);
        folder.put("e.zip", bytes);
        const ZipOpening opened = LibzipReader().open(folder.file(c.opened));
        EXPECT_EQ(opened.failure, c.failure) << c.name;
        EXPECT_EQ(opened.problem, c.problem) << c.name;
        if (opened.archive) {
            const auto in = opened.archive->read(0, text.size());
            EXPECT_NE(drain(*in), text) << c.name;
            EXPECT_EQ(in->end(), c.end) << c.name;
            EXPECT_TRUE(in->bad()) << c.name;
        }
    }
}

} // namespace
} // namespace sumafac
