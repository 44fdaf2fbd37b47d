// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/page_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace sumafac::testing {

PageServer::PageServer(std::string response, std::chrono::milliseconds pause) : m_response(std::move(response))
{
    m_socket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(m_socket, reinterpret_cast<sockaddr*>(&address), length);
    listen(m_socket, 4);
    getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length);
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this, pause] {
        for (int client; (client = accept(m_socket, nullptr, nullptr)) >= 0; close(client)) {
            char request[4096];
            [[maybe_unused]] const auto got = recv(client, request, sizeof request, 0);
            std::this_thread::sleep_for(pause);
            [[maybe_unused]] const auto sent = send(client, m_response.data(), m_response.size(), MSG_NOSIGNAL);
        }
    });
}

PageServer::~PageServer()
{
    shutdown(m_socket, SHUT_RDWR);
    close(m_socket);
    m_thread.join();
}

std::string httpResponse(const std::string& status, const std::string& body)
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

} // namespace sumafac::testing
