// SPDX-License-Identifier: GPL-3.0-or-later
// Downloads through libcurl, which checks the server's certificate against the system's authorities by default.
#include "platform/downloads.h"

#include <curl/curl.h>
#include <memory>

namespace sumafac::platform {
namespace {

constexpr long MostRedirects = 5;
constexpr long ConnectSeconds = 15;

struct Transfer
{
    const DownloadRequest& request;
    std::string body;
    bool tooLarge = false;
};

std::size_t takeBytes(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& transfer = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (transfer.body.size() + bytes > transfer.request.sizeLimit) {
        transfer.tooLarge = true;
        return 0; // curl stops with a write error
    }
    transfer.body.append(data, bytes);
    return bytes;
}

int checkCancel(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    const auto& transfer = *static_cast<Transfer*>(user);
    return transfer.request.cancel != nullptr && transfer.request.cancel->load() ? 1 : 0;
}

std::string problemOf(CURLcode code, const char* detail)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
        return "no se encontró el servidor (¿hay conexión a Internet?)";
    case CURLE_COULDNT_CONNECT:
        return "el servidor no respondió a la conexión";
    case CURLE_OPERATION_TIMEDOUT:
        return "el servidor tardó demasiado en responder";
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        return "el certificado del servidor no es válido, así que no se confía en lo que envía";
    case CURLE_UNSUPPORTED_PROTOCOL:
        return "la dirección no es de una página https";
    default:
        return std::string("no se pudo bajar la página (") + (detail[0] != '\0' ? detail : curl_easy_strerror(code)) +
               ")";
    }
}

class CurlDownloader final : public Downloader
{
  public:
    CurlDownloader() { curl_global_init(CURL_GLOBAL_DEFAULT); }
    ~CurlDownloader() override { curl_global_cleanup(); }
    CurlDownloader(const CurlDownloader&) = delete;
    CurlDownloader& operator=(const CurlDownloader&) = delete;

    Download fetch(const DownloadRequest& request) override
    {
        const std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
        if (!curl) {
            return {Download::Outcome::Failed, {}, "no se pudo preparar la descarga"};
        }
        Transfer transfer{request, {}, false};
        char detail[CURL_ERROR_SIZE] = {};
        CURL* handle = curl.get();
        curl_easy_setopt(handle, CURLOPT_URL, request.url.c_str());
        curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "https");
        curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(handle, CURLOPT_MAXREDIRS, MostRedirects);
        curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 1L);
        curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 2L);
        curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT, ConnectSeconds);
        curl_easy_setopt(handle, CURLOPT_TIMEOUT, static_cast<long>(request.timeLimit.count()));
        curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(handle, CURLOPT_USERAGENT, "Sumafac");
        curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");
        curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, takeBytes);
        curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
        curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, checkCancel);
        curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
        curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, detail);
        const CURLcode code = curl_easy_perform(handle);
        if (transfer.tooLarge) {
            return {Download::Outcome::TooLarge, {}, {}};
        }
        if (code == CURLE_ABORTED_BY_CALLBACK) {
            return {Download::Outcome::Cancelled, {}, {}};
        }
        if (code != CURLE_OK) {
            return {Download::Outcome::Failed, {}, problemOf(code, detail)};
        }
        long status = 0;
        curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
        if (status != 200) {
            return {Download::Outcome::Failed,
                    {},
                    "el servidor respondió " + std::to_string(status) + " en lugar de la página"};
        }
        return {Download::Outcome::Done, std::move(transfer.body), {}};
    }
};

} // namespace

std::unique_ptr<Downloader> makeNativeDownloader()
{
    return std::make_unique<CurlDownloader>();
}

} // namespace sumafac::platform
