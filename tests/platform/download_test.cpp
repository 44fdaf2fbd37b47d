// SPDX-License-Identifier: GPL-3.0-or-later
// The system's HTTP stack against servers on this computer: a page, a refusal, a page too large, a server too slow, a
// download stopped, and a server whose certificate no authority signed.
#include "platform/downloads.h"
#include "tests/support/page_server.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace sumafac {
namespace {

using Outcome = platform::Download::Outcome;

TEST(Downloads, TakeAPageAndRefuseWhatIsNotOne)
{
    const std::string page(3000, 'p');
    const std::atomic<bool> stop{true};
    const struct
    {
        std::string response;
        std::chrono::milliseconds pause;
        std::size_t sizeLimit;
        const std::atomic<bool>* cancel;
        Outcome outcome;
        std::string problem;
    } cases[] = {
        {testing::httpResponse("200 OK", page), {}, page.size(), nullptr, Outcome::Done, ""},
        {testing::httpResponse("404 Not Found", "no"),
         {},
         page.size(),
         nullptr,
         Outcome::Failed,
         "el servidor respondió 404 en lugar de la página"},
        {testing::httpResponse("200 OK", page), {}, page.size() - 1, nullptr, Outcome::TooLarge, ""},
        {testing::httpResponse("200 OK", page), std::chrono::milliseconds(2500), page.size(), nullptr, Outcome::Failed,
         "el servidor tardó demasiado en responder"},
        {testing::httpResponse("200 OK", page), std::chrono::milliseconds(300), page.size(), &stop, Outcome::Cancelled,
         ""},
    };
    const auto downloader = platform::makeNativeDownloader();
    for (const auto& c : cases) {
        const testing::PageServer server(c.response, c.pause);
        const platform::Download download =
            downloader->fetch({server.url(), std::chrono::seconds(1), c.sizeLimit, c.cancel});
        EXPECT_EQ(download.outcome, c.outcome) << c.response.substr(0, 20) << " " << download.problem;
        EXPECT_EQ(download.problem, c.problem);
        EXPECT_EQ(download.body, c.outcome == Outcome::Done ? page : "");
    }
}

// A server with a certificate of its own making: what it sends is not taken.
TEST(Downloads, CheckTheServersCertificate)
{
    const testing::TempFolder folder;
    const std::string key = folder.file("clave.pem");
    const std::string certificate = folder.file("certificado.pem");
    const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -subj /CN=127.0.0.1 -days 1 -keyout " + key +
                             " -out " + certificate + " >/dev/null 2>&1";
    if (std::system(make.c_str()) != 0) {
        GTEST_SKIP() << "needs the openssl program";
    }
    std::string port;
    {
        const testing::PageServer portFinder(""); // a port free now, for the TLS server
        port = std::to_string(portFinder.port());
    }
    std::vector<std::string> words = {"openssl",           "s_server", "-quiet", "-www",  "-accept",
                                      "127.0.0.1:" + port, "-key",     key,      "-cert", certificate};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t server = 0;
    ASSERT_EQ(posix_spawnp(&server, "openssl", nullptr, nullptr, argv.data(), environ), 0);
    // Ready once it takes connections.
    for (int tries = 0; tries < 100; ++tries) {
        const int probe = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(std::stoi(port)));
        const bool ready = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        close(probe);
        if (ready) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const platform::Download download = platform::makeNativeDownloader()->fetch(
        {"https://127.0.0.1:" + port + "/", std::chrono::seconds(5), 100000, nullptr});
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
    EXPECT_EQ(download.outcome, Outcome::Failed);
    EXPECT_EQ(download.problem, "el certificado del servidor no es válido, así que no se confía en lo que envía");
}

} // namespace
} // namespace sumafac
