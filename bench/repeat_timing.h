#pragma once

#include <chrono>
#include <functional>

namespace nubera::bench {

// Repeats `work` for about `seconds`, in batches of `batch` between looks at
// the clock (so that reading it does not weigh on very short work), and
// returns the mean time of one in seconds.
inline double MeanSeconds(const std::function<void()>& work, double seconds, int batch = 1) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto until = start + std::chrono::duration<double>(seconds);
    long count = 0;
    Clock::time_point now;
    do {
        for (int i = 0; i < batch; ++i) work();
        count += batch;
        now = Clock::now();
    } while (now < until);
    return std::chrono::duration<double>(now - start).count() / count;
}

}  // namespace nubera::bench
