// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing the agency's page of categories, on the user's request only.
#pragma once

#include "platform/downloads.h"

#include <atomic>
#include <string>
#include <string_view>
#include <vector>

namespace sumafac {

// No page of categories comes near this; a larger answer is not one.
inline constexpr std::size_t PageSizeLimit = 4 * 1024 * 1024;

// Why the program will not fetch url, in Spanish; "" when it will: https, or plain http to this computer alone
// (127.0.0.1 or localhost), which only tests serve.
std::string urlProblem(std::string_view url);

// True for a text the user gives as an address rather than a file: it starts with a scheme ("https://").
bool looksLikeUrl(std::string_view text);

struct PageFetch
{
    platform::Download::Outcome outcome = platform::Download::Outcome::Failed;
    std::string bytes;
    // The address the bytes came from, or the last one tried.
    std::string url;
    // Why no page came, in Spanish, naming each address tried.
    std::string problem;
};

// The first of urls that answers with a page, each tried in turn; stops at once when cancelled.
PageFetch fetchPage(platform::Downloader& downloader,
                    const std::vector<std::string>& urls,
                    const std::atomic<bool>* cancel = nullptr);

// The agency's page: from its current address, then from its former one.
std::vector<std::string> agencyPageUrls();

} // namespace sumafac
