#include "cli/parallel_runs.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace nubera::cli {
namespace {

// What the workers and the calling thread share: which jobs are done.
struct DoneJobs {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<bool> done;
    std::size_t count = 0;
};

}  // namespace

void RunInParallel(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& job,
                   const std::function<void(std::size_t)>& finished,
                   const std::function<void(std::size_t)>& progress,
                   std::chrono::milliseconds interval) {
    DoneJobs state;
    state.done.assign(count, false);
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < count;) {
            job(i);
            const std::lock_guard lock(state.mutex);
            state.done[i] = true;
            ++state.count;
            state.changed.notify_one();
        }
    };
    std::vector<std::jthread> workers;
    const std::size_t wanted = std::min<std::size_t>(std::max(threads, 1u), count);
    for (std::size_t t = 0; t < wanted; ++t) workers.emplace_back(work);

    std::size_t reported = 0;
    std::unique_lock lock(state.mutex);
    while (reported < count) {
        state.changed.wait_for(lock, interval, [&] { return state.done[reported]; });
        const std::size_t first = reported;
        while (reported < count && state.done[reported]) ++reported;
        const std::size_t done = state.count;
        lock.unlock();
        for (std::size_t i = first; i < reported; ++i) finished(i);
        progress(done);
        lock.lock();
    }
}

}  // namespace nubera::cli
