// Reading and checking one typed answer, as the spelling window does on Enter (target: 20 µs).
#include "spell/SpellingCheck.h"
#include "spell/TypedPinyin.h"

#include <benchmark/benchmark.h>

namespace {

void ReadTypedAnswer(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(typedpinyin::Read(u"zhong1guo2ren2 bu4 xi3huan1"));
}
BENCHMARK(ReadTypedAnswer);

void CheckTypedAnswer(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(spelling::Check(u"zhong1guo2ren2", u"Zhōngguórén", u"中国人"));
}
BENCHMARK(CheckTypedAnswer);

void CheckAnswerWithToneMarks(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(spelling::Check(u"yíyàng bù hǎo", u"yíyàng bù hǎo", u"一样不好"));
}
BENCHMARK(CheckAnswerWithToneMarks);

} // namespace
