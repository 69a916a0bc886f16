// Clients that send what no HTTP client should: the service answers or drops
// them, logs them readably, and goes on serving everyone else.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <random>

#include "ServiceFixture.h"
#include "service/RequestLog.h"
#include "weather/ForecastReply.h"

namespace service::testing {
namespace {

// Sends raw bytes on a fresh connection and returns whatever comes back before
// the service closes it or half a second passes. A half-closed connection tells
// the service that nothing more will come (it then drops the client unanswered).
std::string exchange(int port, const std::string& bytes, bool halfClose = false) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval timeout{0, 500000};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    std::string reply;
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        (void)send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (halfClose) shutdown(fd, SHUT_WR);
        char buffer[4096];
        ssize_t n;
        while ((n = recv(fd, buffer, sizeof buffer, 0)) > 0) reply.append(buffer, n);
    }
    close(fd);
    return reply;
}

const std::u16string kThreeDay = u"/spservers/kuvaro_weathers/510100?version=symbian2.0&code=a";

using HostileClients = RunningService;

TEST_F(HostileClients, GarbageAndBrokenRequestsLeaveTheServiceServing) {
    std::mt19937 random(11);
    for (int i = 0; i < 40; ++i) {
        std::string garbage(random() % 300, '\0');
        for (char& c : garbage) c = static_cast<char>(random());
        exchange(server.port(), garbage, true);
    }
    for (const std::string& broken :
         {std::string("GET /spservers/kuvaro_weathers/510100"),  // never finished
          std::string("GET / HTTP/1.1\r\nHost: x\r\nContent-Length: 99999999\r\n\r\nabc"),
          "GET /" + std::string(20000, 'a') + " HTTP/1.1\r\nHost: x\r\n\r\n",
          std::string("BREW /spservers/danger_report HTTP/1.1\r\nHost: x\r\n\r\n")})
        exchange(server.port(), broken, true);
    EXPECT_EQ(weather::checkForecastReply(fetch(kThreeDay, 1)), weather::ReplyCheck::Ok);
}

TEST_F(HostileClients, OddTargetsAreAnsweredAndLoggedAsValidJson) {
    const std::string odd = "/spservers/kuvaro_weathers/51%00\"\\\xFF\xE5-?version=symbian2.0";
    const std::string reply =
        exchange(server.port(), "GET " + odd + " HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n");
    EXPECT_TRUE(reply.starts_with("HTTP/1.1 200")) << reply;
    const auto seen = server.requests();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].target, odd);
    const std::string line = RequestLog::jsonLine(seen[0]);
    for (const char c : line) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << line;
    EXPECT_NE(line.find(R"(51%00\"\\\ufffd)"), std::string::npos) << line;
}

TEST_F(HostileClients, MethodsOtherThanGetAndPostAreRefused) {
    const std::string reply =
        exchange(server.port(),
                 "PUT /spservers/danger_report?version=symbian2.0 HTTP/1.1\r\nHost: x\r\n"
                 "Content-Length: 0\r\nConnection: close\r\n\r\n");
    EXPECT_TRUE(reply.starts_with("HTTP/1.1 405")) << reply;
}

}  // namespace
}  // namespace service::testing
