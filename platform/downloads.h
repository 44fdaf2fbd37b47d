// SPDX-License-Identifier: GPL-3.0-or-later
// Fetching one web page, only when the user asks for it: HTTPS with the server's certificate checked, a time limit,
// a size cap and a way to stop. Each system's own HTTP stack does it; the window loads it on first use, so that no
// start pays for it.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace sumafac::platform {

struct DownloadRequest
{
    std::string url;
    // The whole transfer, connecting included.
    std::chrono::seconds timeLimit{30};
    // A body longer than this is not taken.
    std::size_t sizeLimit = 0;
    // Set from another thread to stop; checked while connecting and between reads.
    const std::atomic<bool>* cancel = nullptr;
};

struct Download
{
    enum class Outcome { Done, Failed, TooLarge, Cancelled };
    Outcome outcome = Outcome::Failed;
    // The body, when Done.
    std::string body;
    // Why it failed, in Spanish, when Failed: no connection, a certificate that is not valid, a time out, a status
    // other than 200.
    std::string problem;
};

class Downloader
{
  public:
    virtual ~Downloader() = default;
    // Never throws. Redirects are followed, but never from HTTPS to anything else.
    virtual Download fetch(const DownloadRequest& request) = 0;
};

std::unique_ptr<Downloader> makeNativeDownloader();

} // namespace sumafac::platform
