// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale/page_download.h"

#include "core/folder_names.h"
#include "scale/agency_page.h"

namespace sumafac {
namespace {

constexpr std::chrono::seconds PageTimeLimit{30};

// The host of "scheme://host[:port]/path", letter case folded.
std::string hostOf(std::string_view url)
{
    const std::size_t start = url.find("://") + 3;
    std::string_view rest = url.substr(start);
    rest = rest.substr(0, rest.find_first_of("/?#"));
    if (rest.find('@') != std::string_view::npos) {
        return {}; // no user names in an address the program fetches
    }
    return foldedAscii(
        std::string(rest.substr(0, rest.rfind(':') == std::string_view::npos ? rest.size() : rest.rfind(':'))));
}

} // namespace

bool looksLikeUrl(std::string_view text)
{
    const std::string start = foldedAscii(std::string(text.substr(0, 8)));
    return start.starts_with("http://") || start.starts_with("https://");
}

std::string urlProblem(std::string_view url)
{
    const std::string scheme = foldedAscii(std::string(url.substr(0, 8)));
    if (scheme.starts_with("https://") && !hostOf(url).empty()) {
        return {};
    }
    if (scheme.starts_with("http://")) {
        const std::string host = hostOf(url);
        if (host == "127.0.0.1" || host == "localhost") {
            return {};
        }
        return "la dirección " + std::string(url) +
               " no es segura (http): use https, para que la página venga del servidor que dice ser";
    }
    return "la dirección " + std::string(url) + " no es de una página web (https://...)";
}

PageFetch
fetchPage(platform::Downloader& downloader, const std::vector<std::string>& urls, const std::atomic<bool>* cancel)
{
    PageFetch fetch;
    for (const std::string& url : urls) {
        fetch.url = url;
        if (const std::string problem = urlProblem(url); !problem.empty()) {
            fetch.problem += (fetch.problem.empty() ? "" : "; ") + problem;
            continue;
        }
        platform::Download download = downloader.fetch({url, PageTimeLimit, PageSizeLimit, cancel});
        fetch.outcome = download.outcome;
        switch (download.outcome) {
        case platform::Download::Outcome::Done:
            fetch.bytes = std::move(download.body);
            fetch.problem.clear();
            return fetch;
        case platform::Download::Outcome::Cancelled:
            fetch.problem = "se canceló la descarga";
            return fetch;
        case platform::Download::Outcome::TooLarge:
            download.problem = "lo que envía pasa de " + std::to_string(PageSizeLimit / (1024 * 1024)) +
                               " MB: no es la página de categorías";
            break;
        case platform::Download::Outcome::Failed:
            break;
        }
        fetch.problem += (fetch.problem.empty() ? "" : "; ") + url + ": " + download.problem;
    }
    fetch.outcome = platform::Download::Outcome::Failed;
    return fetch;
}

std::vector<std::string> agencyPageUrls()
{
    return {AgencyPageUrl, FormerAgencyPageUrl};
}

} // namespace sumafac
