#pragma once

// A small deterministic generator (SplitMix64): the same seed gives the same
// data on every machine, which std::mt19937 distributions do not promise.

#include <cstdint>
#include <string_view>

namespace service {

class Random final {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    // Seed made of a text (a city code, a feed name) and a number (a day).
    static std::uint64_t seedOf(std::string_view text, long long number) {
        std::uint64_t hash = 1469598103934665603ULL;  // FNV-1a
        for (const char c : text) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 1099511628211ULL;
        }
        return hash ^ (static_cast<std::uint64_t>(number) * 0x9E3779B97F4A7C15ULL);
    }

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [low, high].
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }

    // True with the given chance in percent.
    bool chance(int percent) { return between(0, 99) < percent; }

    // Index into a table of weights.
    template <typename Weights>
    size_t pick(const Weights& weights) {
        int total = 0;
        for (const int w : weights) total += w;
        int roll = between(0, total - 1);
        size_t i = 0;
        for (const int w : weights) {
            if (roll < w) return i;
            roll -= w;
            ++i;
        }
        return 0;
    }

private:
    std::uint64_t state_;
};

}  // namespace service
