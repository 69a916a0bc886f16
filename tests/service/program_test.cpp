// The tevalo-service program as a user runs it: a free port printed on start,
// one JSON line per request in the log, faults from the command line, a clean
// stop on SIGTERM and SIGINT.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "UpstreamStub.h"
#include "platform/msgbox/ScriptedMessageBoxes.h"
#include "platform/text/Utf.h"
#include "weather/HttpClient.h"

extern char** environ;

namespace {

class ServiceProgram {
public:
    explicit ServiceProgram(std::vector<std::string> args) {
        args.insert(args.begin(), TEVALO_SERVICE_PROGRAM);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        int out[2];
        if (pipe(out) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], 1);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        output_ = fdopen(out[0], "r");
    }
    ~ServiceProgram() {
        if (pid_ > 0 && !exitCode_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (output_) fclose(output_);
    }

    // The first line of output: the port, or 0 when the program ended first.
    int port() {
        char line[64] = {};
        if (!output_ || !fgets(line, sizeof line, output_)) return 0;
        return std::atoi(line);
    }

    // The exit code, waiting up to five seconds.
    std::optional<int> waitForExit() {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
                return exitCode_;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return std::nullopt;
    }

    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    FILE* output_ = nullptr;
    std::optional<int> exitCode_;
};

std::optional<std::u16string> get(int port, const std::u16string& path, int sizeFactor) {
    weather::HttpClientOptions options;
    options.host = platform::ServiceHost{"127.0.0.1", static_cast<std::uint16_t>(port)};
    int owner = 0;
    return weather::HttpClient(options).fetchInSteps(&owner, path, sizeFactor);
}

class ProgramStops : public ::testing::TestWithParam<int> {};

TEST_P(ProgramStops, CleanlyOnTheSignalAfterServingAndLogging) {
    platform::ScriptedMessageBoxes messages;
    const auto log = std::filesystem::temp_directory_path() /
                     ("tevalo-service-log-" + std::to_string(getpid()) + ".jsonl");
    std::filesystem::remove(log);
    ServiceProgram program({"--port", "0", "--data", SERVICE_TEST_DATA, "--log", log.string(),
                            "--clock", "2009-07-06T15:31:51", "--fault",
                            "/spservers/danger_report=-1"});
    const int port = program.port();
    ASSERT_GT(port, 0);
    const auto reply = get(port, u"/spservers/kuvaro_weathers/510100?version=symbian2.0&code=a", 1);
    ASSERT_TRUE(reply);
    EXPECT_TRUE(reply->starts_with(u"2009-07-06 15:31:5"));
    EXPECT_EQ(get(port, u"/spservers/danger_report?version=symbian2.0&code=a", 10), u"-1");

    kill(program.pid(), GetParam());
    EXPECT_EQ(program.waitForExit(), 0);
    std::ifstream in(log);
    std::string first, second;
    std::getline(in, first);
    std::getline(in, second);
    EXPECT_NE(first.find("\"method\":\"GET\""), std::string::npos) << first;
    EXPECT_NE(
        first.find("\"target\":\"/spservers/kuvaro_weathers/510100?version=symbian2.0&code=a\""),
        std::string::npos)
        << first;
    EXPECT_NE(first.find("\"status\":200"), std::string::npos) << first;
    EXPECT_NE(second.find("\"size\":2}"), std::string::npos) << second;
    std::filesystem::remove(log);
}

INSTANTIATE_TEST_SUITE_P(Signals, ProgramStops, ::testing::Values(SIGTERM, SIGINT));

TEST(ProgramRefuses, WrongCommandLinesWithUsage) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--port", "70000"},
                                                 {"--port"},
                                                 {"--fault", "/x=boom"},
                                                 {"--clock", "yesterday"},
                                                 {"--colour", "red"},
                                                 {"--source", "live"},
                                                 {"--upstream", "ftp://example.org"},
                                                 {"--upstream", "http://h/v1?x=1"},
                                                 {"--cache-minutes", "-1"},
                                                 {"--cache-minutes", "1441"}}) {
        ServiceProgram program(args);
        EXPECT_EQ(program.port(), 0);
        EXPECT_EQ(program.waitForExit(), 2) << args[0] << " " << args.back();
    }
}

TEST(ProgramInLiveMode, AnswersForecastsFromTheUpstreamAndHasNoWarnings) {
    platform::ScriptedMessageBoxes messages;
    service::testing::UpstreamStub upstream;
    upstream.answerRecorded("nine_places.json");
    ServiceProgram program({"--port", "0", "--data", SERVICE_TEST_DATA, "--clock",
                            "2026-12-08T10:00:00", "--source", "open-meteo", "--upstream",
                            upstream.url() + "/", "--cache-minutes", "5"});
    const int port = program.port();
    ASSERT_GT(port, 0);
    const auto forecast =
        get(port, u"/spservers/kuvaro_weathers/510100-110000?version=symbian2.0&code=a", 2);
    ASSERT_TRUE(forecast);
    EXPECT_NE(forecast->find(u"`ci_1*12/08*1*7*5*13*1*1&"), std::u16string::npos)
        << platform::toUtf8(*forecast);
    EXPECT_EQ(upstream.requestCount(), 1u);
    const auto warnings =
        get(port, u"/spservers/find_disasters_weathers?version=symbian2.0&code=a", 35);
    ASSERT_TRUE(warnings);
    EXPECT_TRUE(warnings->starts_with(u"2026-12-08 10:0") && warnings->ends_with(u"`"))
        << platform::toUtf8(*warnings);
    kill(program.pid(), SIGTERM);
    EXPECT_EQ(program.waitForExit(), 0);
}

}  // namespace
