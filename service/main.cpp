// tevalo-service: the forecast-service stand-in as a program. Prints the port it
// listens on (one line on standard output), serves until SIGINT or SIGTERM.

#include <pthread.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <thread>

#include "service/ServiceOptions.h"
#include "service/ServiceServer.h"

int main(int argc, char** argv) {
    using namespace service;
    std::string error;
    const auto options = ServiceOptions::parse({argv + 1, argv + argc}, error);
    if (!options) {
        std::fprintf(stderr, "tevalo-service: %s\n%s", error.c_str(), ServiceOptions::usage());
        return 2;
    }
    if (options->help) {
        std::fputs(ServiceOptions::usage(), stdout);
        return 0;
    }

    // Signals are taken by one thread with sigwait, so every other thread (the
    // server's workers included) runs with them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::string problems;
    CityTable cities = CityTable::load(options->dataFolder, &problems);
    if (!problems.empty()) std::fprintf(stderr, "tevalo-service: %s", problems.c_str());
    if (cities.empty()) {
        std::fprintf(stderr, "tevalo-service: no places in %s; every code gets an empty block\n",
                     options->dataFolder.c_str());
    }

    ServiceServer server(std::move(cities), options->threads);
    if (options->live) {
        LiveOptions live;
        live.upstream = options->upstream;
        live.cacheMinutes = options->cacheMinutes;
        server.service().goLive(std::move(live));
        size_t placed = 0;
        for (const City& place : server.service().cities().places())
            placed += place.position ? 1 : 0;
        std::fprintf(stderr,
                     "tevalo-service: live forecasts from %s for %zu places with a position, "
                     "cached %d minutes\n",
                     options->upstream.c_str(), placed, options->cacheMinutes);
    }
    if (!options->logFile.empty() && !server.log().openFile(options->logFile)) {
        std::fprintf(stderr, "tevalo-service: cannot open log file %s\n", options->logFile.c_str());
        return 1;
    }
    for (const auto& [prefix, fault] : options->faults) server.faults().set(prefix, fault);
    if (options->clockStart) server.clock().startAt(*options->clockStart);

    const int port = server.bind(options->host, options->port);
    if (port < 0) {
        std::fprintf(stderr, "tevalo-service: cannot listen on %s:%d\n", options->host.c_str(),
                     options->port);
        return 1;
    }
    std::printf("%d\n", port);
    std::fflush(stdout);
    std::fprintf(stderr, "tevalo-service: serving %zu places on http://%s:%d/\n",
                 server.service().cities().places().size(), options->host.c_str(), port);

    std::atomic<bool> signalled{false};
    std::thread signalWatcher([&server, &signalled, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        signalled = true;
        server.stop();
    });
    const bool served = server.run();
    // Ended without a signal (listening failed): wake the watcher to join it.
    if (!signalled) pthread_kill(signalWatcher.native_handle(), SIGTERM);
    signalWatcher.join();
    std::fprintf(stderr, "tevalo-service: stopped\n");
    return served ? 0 : 1;
}
