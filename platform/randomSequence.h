#pragma once

#include <array>
#include <cstdint>

// The random numbers of the fragments and the flame: the additive feedback generator that the
// GNU C library's rand uses (random_r's TYPE_3: x[i] = x[i-3] + x[i-31] mod 2^32, handing out
// x[i] >> 1, after a table seeded by a multiplicative congruential generator and 310 numbers
// thrown away). It is the program's own, so that one seed gives one world on every platform,
// and on Linux exactly what rand gave after srand.
class RandomSequence {
public:
    static constexpr int max = 2147483647;

    explicit RandomSequence(unsigned int seed = 1) { reseed(seed); }

    void reseed(unsigned int seed) {
        // As the C library does, seed 0 is seed 1, and the seed is taken as a signed 32-bit
        // word: the arithmetic below is on signed numbers, and negative words stay negative
        // until the first correction.
        std::int32_t word = static_cast<std::int32_t>(seed == 0 ? 1U : seed);
        table[0] = static_cast<std::uint32_t>(word);
        for (std::size_t i = 1; i < table.size(); ++i) {
            // 16807 * word mod (2^31 - 1) without overflow (Schrage's method).
            const std::int64_t hi = word / 127773;
            const std::int64_t lo = word % 127773;
            std::int64_t next = 16807 * lo - 2836 * hi;
            if (next < 0) {
                next += max;
            }
            word = static_cast<std::int32_t>(next);
            table[i] = static_cast<std::uint32_t>(word);
        }
        front = separation;
        rear = 0;
        for (int i = 0; i < discarded; ++i) {
            next();
        }
    }

    // 0 to max.
    int next() {
        table[front] += table[rear];
        const auto result = static_cast<int>(table[front] >> 1);
        front = front + 1 == table.size() ? 0 : front + 1;
        rear = rear + 1 == table.size() ? 0 : rear + 1;
        return result;
    }

private:
    static constexpr std::size_t separation = 3;
    static constexpr int discarded = 310;

    std::array<std::uint32_t, 31> table{};
    std::size_t front = separation;
    std::size_t rear = 0;
};
