// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/working_files.h"

#include <algorithm>

namespace sumafac {
namespace {

char foldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool sameNameAnyCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return foldAscii(x) == foldAscii(y); });
}

std::string findWorkingFile(const Form& form, const std::string& name)
{
    if (form.files.exists(form.pathIn(name))) {
        return form.pathIn(name);
    }
    auto names = form.files.list(form.ProgramFolder);
    // Sorted, so that which of two spellings is read does not hang on the order of the folder.
    std::sort(names.begin(), names.end());
    for (const auto& entry : names) {
        if (sameNameAnyCase(entry, name) && form.files.exists(form.pathIn(entry))) {
            return form.pathIn(entry);
        }
    }
    return {};
}

bool removeWorkingFile(Form& form, const std::string& name)
{
    bool allGone = form.files.remove(form.pathIn(name));
    for (const auto& entry : form.files.list(form.ProgramFolder)) {
        if (entry != name && sameNameAnyCase(entry, name)) {
            allGone = form.files.remove(form.pathIn(entry)) && allGone;
        }
    }
    return allGone;
}

void removeWorkingFiles(Form& form)
{
    removeWorkingFile(form, HeaderFileName);
    removeWorkingFile(form, ArchiveCopyName);
}

} // namespace sumafac
