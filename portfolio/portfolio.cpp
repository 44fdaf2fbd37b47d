// SPDX-License-Identifier: GPL-3.0-or-later
#include "portfolio/portfolio.h"

#include "portfolio/client_merge.h"
#include "portfolio/client_summary.h"
#include "portfolio/file_reading.h"
#include "portfolio/folder_scan.h"
#include "portfolio/portfolio_texts.h"
#include "taxpayer/taxpayer_list.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

namespace sumafac {
namespace {

namespace fs = std::filesystem;

fs::path pathOf(const std::string& utf8)
{
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

// A folder of the portfolio's own for the working files of header archives, removed whatever happens.
class WorkFolder
{
  public:
    explicit WorkFolder(const std::string& parent)
    {
        std::random_device random;
        std::error_code error;
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = pathOf(parent) / ("sumafac-cartera-" + std::to_string(random()));
            if (fs::create_directories(m_path, error)) {
                return;
            }
        }
        m_path.clear();
    }
    ~WorkFolder()
    {
        // The archive tool may hold its folder for a moment after it ends (Windows, a virus scanner): a few quiet
        // tries, as a drop makes for its working files.
        std::error_code error;
        for (int attempt = 0; !m_path.empty() && attempt < 6; ++attempt) {
            fs::remove_all(m_path, error);
            if (!fs::exists(m_path, error)) {
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20 << attempt));
        }
    }
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // A folder inside for one reader; "" when none could be made.
    std::string reader(unsigned number) const
    {
        std::error_code error;
        const fs::path folder = m_path / ("lector-" + std::to_string(number));
        if (m_path.empty() || !fs::create_directories(folder, error)) {
            return {};
        }
        const std::u8string text = folder.u8string();
        return {text.begin(), text.end()};
    }

  private:
    fs::path m_path;
};

bool cancelled(const PortfolioOptions& options)
{
    return options.cancel && options.cancel->load();
}

std::vector<FileReading> readAll(const std::vector<FoundFile>& files, const PortfolioOptions& options)
{
    std::vector<FileReading> readings(files.size());
    const WorkFolder work(options.temporaryFolder.empty() ? fs::temp_directory_path().string()
                                                          : options.temporaryFolder);
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    const unsigned threads =
        std::max(1u, std::min<unsigned>(options.threads ? options.threads : std::thread::hardware_concurrency(),
                                        static_cast<unsigned>(std::max<std::size_t>(files.size(), 1))));
    std::vector<std::thread> readers;
    for (unsigned number = 0; number < threads; ++number) {
        readers.emplace_back([&, number] {
            FileReader reader(work.reader(number));
            for (std::size_t file = next++; file < files.size() && !cancelled(options); file = next++) {
                readings[file] = reader.read(files[file]);
                const std::size_t finished = ++done;
                if (options.progress) {
                    options.progress(finished, files.size());
                }
            }
        });
    }
    for (std::thread& reader : readers) {
        reader.join();
    }
    return readings;
}

TaxpayerList clientListOf(const std::string& path, std::vector<UnreadFile>& unread)
{
    if (path.empty()) {
        return {};
    }
    std::ifstream in(pathOf(path), std::ios::binary);
    std::ostringstream text;
    // An empty list copies no character, which the stream takes for a failure: it is a list of no client.
    if (!in || (in.peek() != std::ifstream::traits_type::eof() && !(text << in.rdbuf()))) {
        unread.push_back({ClientListName, ClientListUnreadableMessage});
        return {};
    }
    TaxpayerList list = readTaxpayerList(text.str());
    for (const TaxpayerList::BadRow& row : list.badRows) {
        unread.push_back({ClientListName, clientListLineMessage(row.line, row.why)});
    }
    return list;
}

} // namespace

Portfolio readPortfolio(const std::string& folder, const MonotributoScale& scale, const PortfolioOptions& options)
{
    Portfolio portfolio;
    FolderScan scan = scanFolder(folder, options.cancel);
    if (!scan.problem.empty()) {
        portfolio.folderProblem = scan.problem;
        return portfolio;
    }
    portfolio.unread = std::move(scan.unread);
    portfolio.otherFiles = scan.otherFiles;
    const TaxpayerList list = clientListOf(scan.clientList, portfolio.unread);
    if (options.progress) {
        options.progress(0, scan.files.size());
    }
    std::vector<FileReading> readings = readAll(scan.files, options);
    if (cancelled(options)) {
        portfolio = Portfolio();
        portfolio.cancelled = true;
        return portfolio;
    }

    std::map<std::string, std::vector<ReadFile>> byCuit;
    for (std::size_t file = 0; file < readings.size(); ++file) {
        if (!readings[file].error.empty()) {
            portfolio.unread.push_back({scan.files[file].shown, readings[file].error});
        } else {
            byCuit[readings[file].cuit].push_back({scan.files[file].shown, std::move(readings[file])});
        }
    }
    for (const auto& [cuit, listed] : list.taxpayers) {
        byCuit[cuit];
    }
    for (auto& [cuit, files] : byCuit) {
        Client client;
        client.cuit = cuit;
        client.taxpayer = taxpayerOf(list.taxpayers, cuit);
        MergedClient merged = mergeClient(files);
        files.clear();
        files.shrink_to_fit();
        client.files = std::move(merged.files);
        client.error = std::move(merged.error);
        if (client.error.empty()) {
            client.months = std::move(merged.months);
        }
        summarize(client, scale);
        portfolio.clients.push_back(std::move(client));
    }
    std::stable_sort(portfolio.unread.begin(), portfolio.unread.end(),
                     [](const UnreadFile& a, const UnreadFile& b) { return a.path < b.path; });
    return portfolio;
}

} // namespace sumafac
