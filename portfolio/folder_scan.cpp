// SPDX-License-Identifier: GPL-3.0-or-later
#include "portfolio/folder_scan.h"

#include "core/folder_names.h"
#include "import/export_table.h"
#include "portfolio/portfolio_texts.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <system_error>

namespace sumafac {
namespace {

namespace fs = std::filesystem;

std::string utf8Of(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::optional<FoundKind> kindOf(const std::string& name)
{
    const std::string folded = foldedAscii(name);
    for (const auto& [extension, kind] : {std::pair{".csv", FoundKind::Csv}, std::pair{".xlsx", FoundKind::Workbook},
                                          std::pair{".zip", FoundKind::Zip}, std::pair{".sa1", FoundKind::Saved}}) {
        if (folded.size() > std::string_view(extension).size() && folded.ends_with(extension)) {
            return kind;
        }
    }
    return std::nullopt;
}

class Walk
{
  public:
    Walk(const fs::path& top, const std::atomic<bool>* cancel) : m_top(top), m_cancel(cancel) {}

    FolderScan run()
    {
        std::error_code error;
        if (!fs::is_directory(m_top, error)) {
            m_scan.problem = folderProblemMessage(utf8Of(m_top));
            return std::move(m_scan);
        }
        m_seen.insert(fs::canonical(m_top, error));
        visit(m_top, "");
        std::sort(m_scan.files.begin(), m_scan.files.end(),
                  [](const FoundFile& a, const FoundFile& b) { return a.shown < b.shown; });
        return std::move(m_scan);
    }

  private:
    void visit(const fs::path& folder, const std::string& shownFolder)
    {
        std::error_code error;
        fs::directory_iterator entries(folder, error);
        if (error) {
            m_scan.unread.push_back({shownFolder.empty() ? "." : shownFolder, UnreadableFolderMessage});
            return;
        }
        for (; entries != fs::directory_iterator(); entries.increment(error)) {
            if (m_cancel && m_cancel->load()) {
                return;
            }
            take(entries->path(), shownFolder);
        }
        if (error) {
            m_scan.unread.push_back({shownFolder.empty() ? "." : shownFolder, UnreadableFolderMessage});
        }
    }

    void take(const fs::path& path, const std::string& shownFolder)
    {
        const std::string name = utf8Of(path.filename());
        const std::string shown = shownFolder.empty() ? name : shownFolder + "/" + name;
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (error && !fs::is_symlink(fs::symlink_status(path, error))) {
            m_scan.unread.push_back({shown, VanishedFileMessage});
            return;
        }
        if (!validUtf8(name)) {
            // A name in another code page cannot be shown nor handed on faithfully.
            if (fs::is_directory(status) || kindOf(name)) {
                m_scan.unread.push_back({shownName(shown), NotUtf8NameMessage});
            } else {
                ++m_scan.otherFiles;
            }
            return;
        }
        if (fs::is_directory(status)) {
            const fs::path real = fs::canonical(path, error);
            if (error || !m_seen.insert(real).second) {
                m_scan.unread.push_back({shown, error ? UnreadableFolderMessage : LoopingLinkMessage});
                return;
            }
            visit(path, shown);
            return;
        }
        if (!fs::is_regular_file(status)) {
            if (fs::is_symlink(fs::symlink_status(path, error)) && !fs::exists(status)) {
                m_scan.unread.push_back({shown, VanishedFileMessage});
            } else {
                ++m_scan.otherFiles;
            }
            return;
        }
        if (foldedAscii(name) == ClientListName) {
            if (shownFolder.empty()) {
                m_scan.clientList = utf8Of(path);
            } else {
                m_scan.unread.push_back({shown, NestedClientListMessage});
            }
            return;
        }
        if (const auto kind = kindOf(name)) {
            m_scan.files.push_back({utf8Of(path), shown, *kind});
        } else {
            ++m_scan.otherFiles;
        }
    }

    // Bytes that are not UTF-8 shown as "?", so that the message itself is text.
    static std::string shownName(const std::string& bytes)
    {
        std::string shown;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const auto c = static_cast<unsigned char>(bytes[i]);
            shown += c < 0x80 ? static_cast<char>(c) : '?';
        }
        return shown;
    }

    fs::path m_top;
    const std::atomic<bool>* m_cancel;
    std::set<fs::path> m_seen;
    FolderScan m_scan;
};

} // namespace

FolderScan scanFolder(const std::string& folder, const std::atomic<bool>* cancel)
{
    return Walk(fs::path(std::u8string(folder.begin(), folder.end())), cancel).run();
}

} // namespace sumafac
