// SPDX-License-Identifier: GPL-3.0-or-later
// A web server on this computer for tests that download (POSIX systems): every request gets one response.
#pragma once

#include <chrono>
#include <string>
#include <thread>

namespace sumafac::testing {

class PageServer
{
  public:
    // Answers every request on 127.0.0.1 with response, after pause, until it is destroyed.
    explicit PageServer(std::string response, std::chrono::milliseconds pause = {});
    ~PageServer();
    PageServer(const PageServer&) = delete;
    PageServer& operator=(const PageServer&) = delete;

    int port() const { return m_port; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/categorias.asp"; }

  private:
    std::string m_response;
    int m_socket = -1;
    int m_port = 0;
    std::thread m_thread;
};

// "HTTP/1.1 status" with body.
std::string httpResponse(const std::string& status, const std::string& body);

} // namespace sumafac::testing
