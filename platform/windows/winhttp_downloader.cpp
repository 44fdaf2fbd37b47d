// SPDX-License-Identifier: GPL-3.0-or-later
// Downloads through WinHTTP, the system's own HTTP stack, which checks the server's certificate against the
// system's store.
#include "platform/downloads.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <chrono>
#include <memory>
#include <vector>
#include <windows.h>
#include <winhttp.h>

namespace sumafac::platform {
namespace {

constexpr int ConnectMilliseconds = 15'000;
constexpr DWORD ReadChunk = 64 * 1024;

struct InternetCloser
{
    void operator()(HINTERNET handle) const { WinHttpCloseHandle(handle); }
};
using Internet = std::unique_ptr<void, InternetCloser>;

std::wstring wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), length);
    return out;
}

std::string problemOf(DWORD error)
{
    switch (error) {
    case ERROR_WINHTTP_NAME_NOT_RESOLVED:
        return "no se encontró el servidor (¿hay conexión a Internet?)";
    case ERROR_WINHTTP_CANNOT_CONNECT:
        return "el servidor no respondió a la conexión";
    case ERROR_WINHTTP_TIMEOUT:
        return "el servidor tardó demasiado en responder";
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
        return "el certificado del servidor no es válido, así que no se confía en lo que envía";
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME:
    case ERROR_WINHTTP_INVALID_URL:
        return "la dirección no es de una página https";
    default:
        return "no se pudo bajar la página (error " + std::to_string(error) + " de WinHTTP)";
    }
}

bool cancelled(const DownloadRequest& request)
{
    return request.cancel != nullptr && request.cancel->load();
}

class WinHttpDownloader final : public Downloader
{
  public:
    Download fetch(const DownloadRequest& request) override
    {
        const auto failed = [] { return Download{Download::Outcome::Failed, {}, problemOf(GetLastError())}; };
        std::wstring url = wide(request.url);
        URL_COMPONENTS parts{};
        parts.dwStructSize = sizeof parts;
        parts.dwHostNameLength = static_cast<DWORD>(-1);
        parts.dwUrlPathLength = static_cast<DWORD>(-1);
        parts.dwExtraInfoLength = static_cast<DWORD>(-1);
        if (!WinHttpCrackUrl(url.c_str(), 0, 0, &parts)) {
            return failed();
        }
        const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
        const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
        const std::wstring path = std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength) +
                                  std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength);

        const Internet session(WinHttpOpen(L"Sumafac", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                           WINHTTP_NO_PROXY_BYPASS, 0));
        if (!session) {
            return failed();
        }
        const int total = static_cast<int>(std::chrono::milliseconds(request.timeLimit).count());
        WinHttpSetTimeouts(session.get(), total, ConnectMilliseconds, total, total);
        const Internet connection(WinHttpConnect(session.get(), host.c_str(), parts.nPort, 0));
        if (!connection || cancelled(request)) {
            return cancelled(request) ? Download{Download::Outcome::Cancelled, {}, {}} : failed();
        }
        const Internet call(WinHttpOpenRequest(connection.get(), L"GET", path.c_str(), nullptr, WINHTTP_NO_REFERER,
                                               WINHTTP_DEFAULT_ACCEPT_TYPES, secure ? WINHTTP_FLAG_SECURE : 0));
        if (!call) {
            return failed();
        }
        // Never from HTTPS down to plain HTTP on a redirect (the system's default, said here for whoever reads).
        DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP;
        WinHttpSetOption(call.get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy);
        if (!WinHttpSendRequest(call.get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
            !WinHttpReceiveResponse(call.get(), nullptr)) {
            return failed();
        }
        DWORD status = 0;
        DWORD statusSize = sizeof status;
        if (!WinHttpQueryHeaders(call.get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                 WINHTTP_HEADER_NAME_BY_INDEX, &status, &statusSize, WINHTTP_NO_HEADER_INDEX)) {
            return failed();
        }
        if (status != 200) {
            return {Download::Outcome::Failed,
                    {},
                    "el servidor respondió " + std::to_string(status) + " en lugar de la página"};
        }
        std::string body;
        std::vector<char> chunk(ReadChunk);
        for (;;) {
            if (cancelled(request)) {
                return {Download::Outcome::Cancelled, {}, {}};
            }
            DWORD got = 0;
            if (!WinHttpReadData(call.get(), chunk.data(), ReadChunk, &got)) {
                return failed();
            }
            if (got == 0) {
                break;
            }
            if (body.size() + got > request.sizeLimit) {
                return {Download::Outcome::TooLarge, {}, {}};
            }
            body.append(chunk.data(), got);
        }
        return {Download::Outcome::Done, std::move(body), {}};
    }
};

} // namespace

std::unique_ptr<Downloader> makeNativeDownloader()
{
    return std::make_unique<WinHttpDownloader>();
}

} // namespace sumafac::platform
