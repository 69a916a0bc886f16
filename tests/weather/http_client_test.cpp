#include "weather/HttpClient.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <mutex>
#include <thread>

#include "platform/msgbox/ScriptedMessageBoxes.h"
#include "platform/net/Internet.h"
#include "platform/text/Utf.h"

using namespace std::chrono_literals;
using weather::HttpClient;
using weather::HttpClientOptions;

namespace {

int ownerWindow;  // stands for the screen that owns the messages

struct SeenRequest {
    std::string method;
    std::string target;
    std::string agent;
};

// A real HTTP server on a free loopback port that records what it was sent.
class LoopbackService {
public:
    LoopbackService() {
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(1ms);
    }
    ~LoopbackService() {
        server_.stop();
        thread_.join();
    }

    // Answers GET and POST of every path with `answer(method)`.
    void answer(std::function<std::string(const std::string& method)> body) {
        respond([body](const httplib::Request& req, httplib::Response& res) {
            res.set_content(body(req.method), "text/plain; charset=utf-8");
        });
    }

    // Answers every request through `handler`, which may set any status.
    void respond(std::function<void(const httplib::Request&, httplib::Response&)> handler) {
        auto recorded = [this, handler](const httplib::Request& req, httplib::Response& res) {
            {
                std::lock_guard lock(mutex_);
                seen_.push_back({req.method, req.target, req.get_header_value("User-Agent")});
            }
            handler(req, res);
        };
        server_.Get(".*", recorded);
        server_.Post(".*", recorded);
    }

    std::vector<SeenRequest> seen() {
        std::lock_guard lock(mutex_);
        return seen_;
    }
    int port() const { return port_; }

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::mutex mutex_;
    std::vector<SeenRequest> seen_;
};

// A listening socket that never answers: connections complete in the
// kernel's backlog and then hear nothing. With `headerOnly` it accepts and
// sends the start of a reply, then falls silent.
class SilentServer {
public:
    explicit SilentServer(std::string partial = {}) : partial_(std::move(partial)) {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        listen(fd_, 4);
        socklen_t len = sizeof addr;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        if (!partial_.empty()) {
            thread_ = std::thread([this] {
                const int client = accept(fd_, nullptr, nullptr);
                if (client < 0) return;
                char buffer[4096];
                [[maybe_unused]] auto got = recv(client, buffer, sizeof buffer, 0);
                [[maybe_unused]] auto sent = send(client, partial_.data(), partial_.size(), 0);
                while (!stop_) std::this_thread::sleep_for(10ms);
                close(client);
            });
        }
    }
    ~SilentServer() {
        stop_ = true;
        shutdown(fd_, SHUT_RDWR);
        close(fd_);
        if (thread_.joinable()) thread_.join();
    }
    int port() const { return port_; }

private:
    int fd_ = -1;
    int port_ = 0;
    std::string partial_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

int freePortWithNothingListening() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

// Generous time-outs for a working server, so a busy machine does not fail the
// test; short ones where the time-out itself is under test.
HttpClientOptions optionsFor(int port, std::chrono::milliseconds timeout = 10s) {
    HttpClientOptions options;
    options.host = platform::ServiceHost{"127.0.0.1", static_cast<std::uint16_t>(port)};
    options.timeouts = platform::HttpTimeouts{timeout, timeout};
    return options;
}

const std::u16string kPath =
    u"/spservers/kuvaro_weathers/101010100?version=symbian2.0&code=abc1234";

}  // namespace

class HttpClientAgainstALoopbackService : public testing::Test {
protected:
    LoopbackService service;
    platform::ScriptedMessageBoxes messages;
    HttpClient client{optionsFor(service.port())};
};

TEST_F(HttpClientAgainstALoopbackService, ThreeStepFetchSendsOneGetAndDecodesTheReply) {
    service.answer(
        [](const std::string&) { return platform::toUtf8(u"2009-07-06 15:31:51`多云$"); });
    EXPECT_EQ(client.fetchInSteps(&ownerWindow, kPath, 1), u"2009-07-06 15:31:51`多云$");
    const auto seen = service.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].method, "GET");
    EXPECT_EQ(seen[0].target, platform::toUtf8(kPath));
    EXPECT_EQ(seen[0].agent, "session");
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(HttpClientAgainstALoopbackService, ReadsAtMostFiveHundredBytesPerSizeFactorAndNinetyNine) {
    service.answer([](const std::string&) { return std::string(5000, 'x'); });
    EXPECT_EQ(client.fetchInSteps(&ownerWindow, kPath, 1)->size(), 599u);
    EXPECT_EQ(client.fetchInSteps(&ownerWindow, kPath, 3)->size(), 1599u);
    EXPECT_EQ(client.fetch(&ownerWindow, kPath, 2)->size(), 1099u);
}

TEST_F(HttpClientAgainstALoopbackService, ACutInsideACharacterKeepsTheCharactersBeforeIt) {
    // 200 ASCII bytes, then three-byte characters: byte 599 falls inside one.
    service.answer([](const std::string&) {
        return std::string(200, 'a') + platform::toUtf8(std::u16string(200, u'晴'));
    });
    const auto text = client.fetchInSteps(&ownerWindow, kPath, 1);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, std::u16string(200, u'a') + std::u16string(133, u'晴'));
}

TEST_F(HttpClientAgainstALoopbackService, TextEndsAtTheFirstZeroByteAndNoTextIsAFailure) {
    service.answer([](const std::string&) { return std::string("0\0garbage", 9); });
    EXPECT_EQ(client.fetchInSteps(&ownerWindow, kPath, 1), u"0");
    LoopbackService empty;
    empty.answer([](const std::string&) { return std::string(); });
    EXPECT_FALSE(HttpClient(optionsFor(empty.port())).fetchInSteps(&ownerWindow, kPath, 1));
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(HttpClientAgainstALoopbackService, OneCallFetchPostsAndRetriesAMarkUpPageWithGet) {
    service.answer([](const std::string& method) {
        return method == "POST" ? std::string("<html>busy</html>") : std::string("data$");
    });
    EXPECT_EQ(client.fetch(&ownerWindow, kPath, 1), u"data$");
    const auto seen = service.seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].method, "POST");
    EXPECT_EQ(seen[1].method, "GET");
    EXPECT_EQ(seen[1].target, seen[0].target);
}

TEST_F(HttpClientAgainstALoopbackService, OneCallFetchDoesNotRetryAGoodReply) {
    service.answer([](const std::string&) { return std::string("-1"); });
    EXPECT_EQ(client.fetch(&ownerWindow, kPath, 1), u"-1");
    EXPECT_EQ(service.seen().size(), 1u);
}

TEST_F(HttpClientAgainstALoopbackService, ASecondMarkUpPageFailsSilently) {
    service.answer([](const std::string&) { return std::string("<html/>"); });
    EXPECT_FALSE(client.fetch(&ownerWindow, kPath, 1));
    EXPECT_EQ(service.seen().size(), 2u);
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(HttpClientAgainstALoopbackService, SizeFactorZeroSendsNothing) {
    service.answer([](const std::string&) { return std::string("data"); });
    EXPECT_FALSE(client.fetch(&ownerWindow, kPath, 0));
    EXPECT_TRUE(service.seen().empty());
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(HttpClientAgainstALoopbackService, TheHomeScreenItemSendsItsOwnAgentWithoutAStatusQuery) {
    service.answer([](const std::string&) { return std::string("ok"); });
    HttpClientOptions options = HttpClientOptions::forHomeScreenItem();
    options.host = optionsFor(service.port()).host;
    auto session = HttpClient(options).session(nullptr);
    ASSERT_TRUE(session->openRequest(kPath));
    EXPECT_EQ(session->readReply(1), u"ok");
    EXPECT_EQ(service.seen().at(0).agent, "自动更新");
    EXPECT_EQ(service.seen().at(0).method, "GET");
}

// A reply that is not the service's data must never reach a store: error
// statuses and redirects away from the service host fail the read.
struct RefusedStatusCase {
    const char* name;
    int status;
};

class HttpClientRefusingAnErrorStatus : public testing::TestWithParam<RefusedStatusCase> {
protected:
    LoopbackService service;
    platform::ScriptedMessageBoxes messages;
    HttpClient client{optionsFor(service.port())};
};

TEST_P(HttpClientRefusingAnErrorStatus, BothFetchFormsFailWithoutAMessageOfTheirOwn) {
    const int status = GetParam().status;
    service.respond([status](const httplib::Request&, httplib::Response& res) {
        res.status = status;
        res.set_content("Internal Server Error", "text/plain");
    });
    EXPECT_FALSE(client.fetchInSteps(&ownerWindow, kPath, 1));
    EXPECT_FALSE(client.fetch(&ownerWindow, kPath, 1));
    auto session = client.session(&ownerWindow);
    ASSERT_TRUE(session->openRequest(kPath));
    EXPECT_FALSE(session->readReply(1));
    EXPECT_EQ(messages.count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Statuses, HttpClientRefusingAnErrorStatus,
                         testing::Values(RefusedStatusCase{"BadRequest", 400},
                                         RefusedStatusCase{"NotFound", 404},
                                         RefusedStatusCase{"InternalServerError", 500},
                                         RefusedStatusCase{"BadGateway", 502}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HttpClientAgainstALoopbackService, ARedirectToAnotherServerIsNotFollowed) {
    LoopbackService elsewhere;
    elsewhere.answer([](const std::string&) { return std::string("stolen$"); });
    const std::string target = "http://127.0.0.1:" + std::to_string(elsewhere.port()) + "/x";
    service.respond([target](const httplib::Request&, httplib::Response& res) {
        res.set_redirect(target, 302);
    });
    EXPECT_FALSE(client.fetchInSteps(&ownerWindow, kPath, 1));
    EXPECT_FALSE(client.fetch(&ownerWindow, kPath, 1));
    EXPECT_TRUE(elsewhere.seen().empty());
}

TEST_F(HttpClientAgainstALoopbackService, ARedirectOnTheSameServerIsFollowed) {
    service.respond([](const httplib::Request& req, httplib::Response& res) {
        if (req.path == "/moved") {
            res.set_content("2009-07-06 15:31:51`晴$", "text/plain; charset=utf-8");
        } else {
            res.set_redirect("/moved", 302);
        }
    });
    EXPECT_EQ(client.fetchInSteps(&ownerWindow, kPath, 1), u"2009-07-06 15:31:51`晴$");
    const auto seen = service.seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].target, "/moved");
}

class HttpClientWithoutAWorkingServer : public testing::Test {
protected:
    platform::ScriptedMessageBoxes messages;

    void expectOneMessage(std::u16string_view text) {
        ASSERT_EQ(messages.count(), 1u);
        const auto shown = messages.last();
        EXPECT_EQ(shown.text, text);
        EXPECT_EQ(shown.caption, u"提示");
        EXPECT_EQ(shown.type & platform::MB_ICONMASK, platform::MB_ICONEXCLAMATION);
        EXPECT_EQ(shown.owner, &ownerWindow);
    }
};

TEST_F(HttpClientWithoutAWorkingServer, ARefusedConnectionIsAClosedServerOrAnInvalidAddress) {
    const HttpClient client(optionsFor(freePortWithNothingListening()));
    EXPECT_FALSE(client.fetch(&ownerWindow, kPath, 1));
    expectOneMessage(u"服务器关闭");
    messages.clear();
    EXPECT_FALSE(client.fetchInSteps(&ownerWindow, kPath, 1));
    expectOneMessage(u"地址无效");
}

TEST_F(HttpClientWithoutAWorkingServer, AServerThatNeverAnswersTimesOut) {
    SilentServer silent;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(HttpClient(optionsFor(silent.port(), 300ms)).fetchInSteps(&ownerWindow, kPath, 1));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    expectOneMessage(u"地址无效");
}

TEST_F(HttpClientWithoutAWorkingServer, AReplyThatStallsAfterItsHeadersIsAFailedRead) {
    SilentServer stalled("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n2009-07-06");
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(
        HttpClient(optionsFor(stalled.port(), 300ms)).fetchInSteps(&ownerWindow, kPath, 1));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 5s);
    EXPECT_EQ(messages.count(), 0u);
}

TEST_F(HttpClientWithoutAWorkingServer, AnUnreachableNetworkShowsTheConnectionMessage) {
    if (!platform::internetConnected()) GTEST_SKIP() << "no network interface is up";
    HttpClientOptions options;
    options.host = platform::ServiceHost{"no-such-host.invalid", 80};
    options.connectionTimeout = 300ms;
    options.timeouts = platform::HttpTimeouts{300ms, 300ms};
    EXPECT_FALSE(HttpClient(options).fetchInSteps(&ownerWindow, kPath, 1));
    ASSERT_EQ(messages.count(), 1u);
    EXPECT_EQ(messages.last().text, u"无法打开网络连接");
    EXPECT_EQ(messages.last().owner, &ownerWindow);
}

TEST_F(HttpClientWithoutAWorkingServer, ThreeStepFetchUsesTheBytesItNeedsWhenTheRestStalls) {
    // 700 of 5000 announced bytes arrive, then nothing: size factor 1 needs 599.
    SilentServer stalled("HTTP/1.1 200 OK\r\nContent-Length: 5000\r\n\r\n" + std::string(700, 'x'));
    const auto text = HttpClient(optionsFor(stalled.port())).fetchInSteps(&ownerWindow, kPath, 1);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, std::u16string(599, u'x'));
    EXPECT_EQ(messages.count(), 0u);
}
