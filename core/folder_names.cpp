// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/folder_names.h"

#include "platform/native.h"

#include <algorithm>

namespace sumafac {
namespace {

char foldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string foldedAscii(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), foldAscii);
    return text;
}

std::string fileNameOf(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool sameNameAnyCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

std::vector<std::string> namesAnyCase(const platform::Files& files, const std::string& folder, const std::string& name)
{
    std::vector<std::string> found;
    for (const auto& entry : files.list(folder)) {
        if (sameNameAnyCase(entry, name) && files.exists(folder + platform::pathSeparator() + entry)) {
            found.push_back(entry);
        }
    }
    std::sort(found.begin(), found.end(), [&name](const std::string& a, const std::string& b) {
        return (a == name) != (b == name) ? a == name : a < b;
    });
    return found;
}

std::string pathAnyCase(const platform::Files& files, const std::string& folder, const std::string& name)
{
    const auto found = namesAnyCase(files, folder, name);
    return found.empty() ? std::string() : folder + platform::pathSeparator() + found.front();
}

} // namespace sumafac
