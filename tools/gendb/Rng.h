#pragma once
// Fixed-seed generator (splitmix64) so every run and every platform draws the same world.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gen {

class Rng {
public:
    explicit Rng(uint64_t seed) : m_state(seed) {}

    uint64_t next()
    {
        uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [lo, hi], both ends included.
    int range(int lo, int hi) { return lo + int(next() % uint64_t(int64_t(hi) - lo + 1)); }
    // Uniform in [0, 1).
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double real(double lo, double hi) { return lo + (hi - lo) * unit(); }
    bool chance(double p) { return unit() < p; }
    template <class T> const T& pick(const std::vector<T>& v) { return v[next() % v.size()]; }
    template <class T, size_t N> const T& pick(const T (&a)[N]) { return a[next() % N]; }

private:
    uint64_t m_state;
};

} // namespace gen
