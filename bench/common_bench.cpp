#include "common/numbers.h"
#include "platform/codepage.h"

#include <benchmark/benchmark.h>

static void BM_LeadingNumber(benchmark::State &state)
{
    const QString text = QStringLiteral("  5432109.87");
    for (auto _ : state)
        benchmark::DoNotOptimize(zova::LeadingNumber(text));
}
BENCHMARK(BM_LeadingNumber);

static void BM_DecodeDos(benchmark::State &state)
{
    QByteArray line;
    for (int i = 0; i < 80; ++i)
        line.append(static_cast<char>(0x80 + i % 48));
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::Decode(line, platform::CodePage::Dos));
}
BENCHMARK(BM_DecodeDos);
