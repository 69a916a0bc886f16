// Parsing the largest replies the screens read: a warning reply filling its
// 17,599-byte budget, a 25,099-byte report title list, a 5,099-byte danger
// report.

#include <benchmark/benchmark.h>

#include <string>

#include "app/services/DangerTable.h"
#include "app/services/ReportReplies.h"
#include "store/WarningReply.h"

namespace {

std::u16string filled(std::u16string head, const std::u16string& item, size_t units) {
    while (head.size() + item.size() <= units) head += item;
    return head;
}

void BM_WarningReply(benchmark::State& state) {
    const auto reply = filled(u"2009-08-19 09:12`",
                              u"1234|1|成都市气象台发布暴雨蓝色预警|"
                              u"预计未来6小时内成都市区将出现50毫米以上降水，请注意防范。$",
                              17599 / 3);
    for (auto _ : state) benchmark::DoNotOptimize(store::parseWarnings(reply));
    state.SetBytesProcessed(state.iterations() * reply.size() * 2);
}
BENCHMARK(BM_WarningReply);

void BM_ReportTitles(benchmark::State& state) {
    const auto reply = filled(
        u"2009-08-19`", u"42*2009年8月中旬天气旬报*八月中旬全省降水偏多，气温偏低。$", 25099 / 3);
    for (auto _ : state) benchmark::DoNotOptimize(services::parseReportTitles(reply));
    state.SetBytesProcessed(state.iterations() * reply.size() * 2);
}
BENCHMARK(BM_ReportTitles);

void BM_DangerReport(benchmark::State& state) {
    const auto reply = filled(u"2009-08-19`", u"成都*08-19 10:00*暴雨橙色$", 5099 / 3);
    for (auto _ : state) benchmark::DoNotOptimize(services::parseDangerReport(reply));
    state.SetBytesProcessed(state.iterations() * reply.size() * 2);
}
BENCHMARK(BM_DangerReport);

}  // namespace
