#include "service/ServiceServer.h"

#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <csignal>
#include <filesystem>

#include "service/RequestParser.h"

namespace service {

namespace {

constexpr const char* kHtmlPage =
    "<html><head><title>Service Unavailable</title></head>"
    "<body><h1>服务暂时不可用</h1></body></html>\n";
constexpr const char* kServerErrorPage =
    "<html><head><title>500 Internal Server Error</title></head>"
    "<body><h1>Internal Server Error</h1></body></html>\n";
constexpr const char* kPadding = "数据";  // multi-byte, so that a client's cut lands inside

int portOf(const sockaddr_storage& address) {
    if (address.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    if (address.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    return -1;
}

// Cuts inside the first multi-byte character from the middle on (or the last
// one before it); a text without any gets half a character appended.
std::string cutInCharacter(std::string body) {
    auto isLead = [&](size_t i) { return (static_cast<unsigned char>(body[i]) & 0xC0) == 0xC0; };
    for (size_t i = body.size() / 2; i < body.size(); ++i)
        if (isLead(i)) return body.substr(0, i + 1);
    for (size_t i = body.size() / 2; i-- > 0;)
        if (isLead(i)) return body.substr(0, i + 1);
    return body + "\xE5\xA4";
}

}  // namespace

ServiceServer::ServiceServer(CityTable cities, int threads)
    : service_(std::move(cities)), http_(std::make_unique<httplib::Server>()) {
    // A client that goes away mid-reply must not end the process.
    std::signal(SIGPIPE, SIG_IGN);
    const int poolSize = threads > 0 ? threads : kDefaultThreads;
    // Keep-alive connections hold a worker each, so the pool is sized for many
    // concurrent clients rather than for the cores.
    http_->new_task_queue = [poolSize] { return new httplib::ThreadPool(poolSize); };
    http_->set_keep_alive_max_count(100000);
    http_->set_keep_alive_timeout(2);
    http_->set_tcp_nodelay(true);
    http_->set_payload_max_length(1024 * 1024);
    // The library listens with a backlog of five, which drops the connections of
    // a burst of clients for a second; the listening socket is kept to raise it.
    http_->set_socket_options([this](int socket) {
        httplib::default_socket_options(socket);
        listenSocket_ = socket;
    });
    http_->set_pre_routing_handler(
        [this](const httplib::Request& request, httplib::Response& response) {
            handle(request, response);
            return httplib::Server::HandlerResponse::Handled;
        });
    http_->set_exception_handler(
        [](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
            response.status = 500;
            response.set_content("0", "text/plain; charset=utf-8");
        });
}

ServiceServer::~ServiceServer() {
    stop();
}

int ServiceServer::bind(const std::string& host, int port) {
    if (port == 0)
        port_ = http_->bind_to_any_port(host);
    else
        port_ = http_->bind_to_port(host, port) ? port : -1;
    if (port_ >= 0 && listenSocket_ >= 0) ::listen(listenSocket_, kListenBacklog);
    return port_;
}

bool ServiceServer::run() {
    if (port_ < 0) return false;
    if (stopping_) return true;  // stopped before it began: nothing left to serve
    return http_->listen_after_bind();
}

void ServiceServer::stop() {
    {
        std::lock_guard lock(stopMutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    http_->stop();
}

bool ServiceServer::isRunning() const {
    return http_->is_running();
}

bool ServiceServer::sleepUnlessStopped(int ms) {
    std::unique_lock lock(stopMutex_);
    return !stopSignal_.wait_for(lock, std::chrono::milliseconds(ms),
                                 [this] { return stopping_.load(); });
}

void ServiceServer::closeConnection(const httplib::Request& request) const {
    // cpp-httplib gives handlers no socket, so find the accepted one by its two
    // ports and shut it: the client sees the connection end without a byte.
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        int fd = -1;
        try {
            fd = std::stoi(entry.path().filename().string());
        } catch (...) {
            continue;
        }
        sockaddr_storage local{}, peer{};
        socklen_t localSize = sizeof local, peerSize = sizeof peer;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localSize) != 0 ||
            getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerSize) != 0)
            continue;
        if (portOf(local) == port_ && portOf(peer) == request.remote_port) {
            ::shutdown(fd, SHUT_RDWR);
            return;
        }
    }
}

std::string ServiceServer::spoiled(std::string body, const Fault& fault) {
    switch (fault.kind) {
        case FaultKind::Long:
            while (body.size() < fault.length) body += kPadding;
            return body;
        case FaultKind::Cut:
            return cutInCharacter(std::move(body));
        default:
            return body;
    }
}

void ServiceServer::handle(const httplib::Request& request, httplib::Response& response) {
    SeenRequest seen;
    seen.method = request.method;
    seen.target = request.target;
    seen.body = request.body;
    seen.userAgent = request.get_header_value("User-Agent");
    seen.time = clock_.now();
    const ServiceRequest parsed = RequestParser::parse(request.target);
    seen.path = parsed.path;
    seen.query = parsed.query;

    if (parsed.resource == Resource::Admin) {
        handleAdmin(request, response, seen);
        return;
    }

    Reply reply;
    const auto fault = faults_.take(request.target);
    const bool readOnlyMethod =
        request.method == "GET" || request.method == "POST" || request.method == "HEAD";
    if (fault && fault->kind == FaultKind::Close) {
        closeConnection(request);
        response.status = 200;
        seen.status = 0;
        log_.record(seen);
        return;
    }
    if (fault && fault->kind == FaultKind::Zero) {
        reply.body = std::string("0");
    } else if (fault && fault->kind == FaultKind::MinusOne) {
        reply.body = "-1";
    } else if (fault && fault->kind == FaultKind::Html) {
        reply.contentType = "text/html; charset=utf-8";
        reply.body = kHtmlPage;
    } else if (fault && fault->kind == FaultKind::ServerError) {
        reply.status = 500;
        reply.contentType = "text/html; charset=utf-8";
        reply.body = kServerErrorPage;
    } else if (!readOnlyMethod) {
        reply.status = 405;
        reply.body = std::string("0");
    } else {
        if (fault && fault->kind == FaultKind::Slow && !sleepUnlessStopped(fault->delayMs)) {
            response.status = 503;
            return;
        }
        reply = service_.answer(parsed, clock_.now());
        if (fault) reply.body = spoiled(std::move(reply.body), *fault);
    }
    response.status = reply.status;
    seen.status = reply.status;
    seen.replySize = reply.body.size();
    response.set_content(std::move(reply.body), reply.contentType);
    log_.record(seen);
}

void ServiceServer::handleAdmin(const httplib::Request& request, httplib::Response& response,
                                SeenRequest& seen) {
    const ServiceRequest parsed = RequestParser::parse(request.target);
    const std::string& action = parsed.argument;
    const std::string& method = request.method;
    std::string body = "ok\n";
    int status = 200;
    if (action == "fault" && method == "POST") {
        std::string faultText = parsed.param("kind");
        for (const char* option : {"ms", "bytes", "times"})
            if (!parsed.param(option).empty())
                faultText += std::string(",") + option + "=" + parsed.param(option);
        const auto fault = Fault::parse(faultText);
        if (parsed.param("prefix").empty() || !fault) {
            status = 400;
            body =
                "prefix and a known kind are needed: 0, -1, html, html-once, slow, long, cut, "
                "close, 500\n";
        } else {
            faults_.set(parsed.param("prefix"), *fault);
        }
    } else if (action == "fault" && method == "DELETE") {
        if (parsed.param("prefix").empty())
            faults_.clearAll();
        else
            faults_.clear(parsed.param("prefix"));
    } else if (action == "reset" && method == "POST") {
        faults_.clearAll();
        service_.tokens().forget();
        log_.clear();
    } else if (action == "requests" && method == "GET") {
        body.clear();
        for (const SeenRequest& r : log_.requests()) body += RequestLog::jsonLine(r) + "\n";
    } else if (action == "clock" && method == "POST") {
        if (const auto time = parseIsoTime(parsed.param("time"))) {
            clock_.startAt(*time);
        } else {
            status = 400;
            body = "time=YYYY-MM-DDThh:mm:ss is needed\n";
        }
    } else {
        status = 404;
        body = "unknown admin request\n";
    }
    response.status = status;
    seen.status = status;
    seen.replySize = body.size();
    response.set_content(body, "text/plain; charset=utf-8");
    log_.record(seen, false);
}

}  // namespace service
