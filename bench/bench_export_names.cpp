// Naming the copies of many pictures of one name, as an export of thousands of
// colliding names does: the time per name should stay flat as their number grows.
#include "export/ExportNames.h"

#include <benchmark/benchmark.h>

namespace {

void BM_CollidingPictureNames(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        FreeNames names({QStringLiteral("theme.css")});
        for (int i = 0; i < count; ++i) {
            const QString name = names.free(QStringLiteral("banner.gif"));
            names.take(name);
            benchmark::DoNotOptimize(name);
        }
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_CollidingPictureNames)->RangeMultiplier(4)->Range(125, 8000)->Complexity();

} // namespace

BENCHMARK_MAIN();
