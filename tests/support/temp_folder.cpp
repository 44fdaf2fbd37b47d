// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/temp_folder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace sumafac::testing {

TempFolder::TempFolder(const std::string& nameHint)
{
    // Tests run in parallel processes, each with its own counter and a clock that may tick coarsely: the folder is
    // made only where none was, and a random part makes a clash rare, so no two tests ever share one.
    static std::atomic<int> counter{0};
    static std::mt19937_64 random{std::random_device{}()};
    for (;;) {
        const fs::path folder = fs::temp_directory_path() / (nameHint + "-" + std::to_string(random() % 1'000'000'000) +
                                                             "-" + std::to_string(counter++));
        if (fs::create_directory(folder)) {
            m_path = folder.string();
            return;
        }
    }
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(m_path, ec);
}

void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string TempFolder::put(const std::string& name, const std::string& bytes) const
{
    writeFile(file(name), bytes);
    return file(name);
}

std::string TempFolder::get(const std::string& name) const
{
    return readFile(file(name));
}

} // namespace sumafac::testing
