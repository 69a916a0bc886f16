#include "platform/clock/Random.h"

#include <mutex>
#include <random>

namespace platform {
namespace {

struct Generator {
    std::mutex mutex;
    std::minstd_rand engine{std::random_device{}()};
    RandomSource replacement;
};

Generator& generator() {
    static Generator instance;
    return instance;
}

}  // namespace

int random() {
    Generator& g = generator();
    std::lock_guard lock(g.mutex);
    if (g.replacement) return g.replacement();
    return static_cast<int>(g.engine() % (kRandomMax + 1u));
}

void seedRandom(unsigned seed) {
    Generator& g = generator();
    std::lock_guard lock(g.mutex);
    g.engine.seed(seed == 0 ? 1 : seed);  // minstd_rand treats seed 0 as 1 too; be explicit
}

RandomSource setRandomForTesting(RandomSource source) {
    Generator& g = generator();
    std::lock_guard lock(g.mutex);
    std::swap(g.replacement, source);
    return source;
}

}  // namespace platform
