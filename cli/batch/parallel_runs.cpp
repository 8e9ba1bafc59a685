#include "cli/batch/parallel_runs.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace nubera::cli {
namespace {

// What the workers and the calling thread share: which jobs are done, and
// how many are finished (done and reported, in order).
struct DoneJobs {
    std::mutex mutex;
    std::condition_variable changed;
    std::condition_variable reported;
    std::vector<bool> done;
    std::size_t count = 0;
    std::size_t finished = 0;
};

}  // namespace

void RunInParallel(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& job,
                   const std::function<void(std::size_t)>& finished,
                   const std::function<void(std::size_t)>& progress,
                   std::chrono::milliseconds interval, std::size_t ahead) {
    DoneJobs state;
    state.done.assign(count, false);
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i; (i = next.fetch_add(1)) < count;) {
            {
                std::unique_lock lock(state.mutex);
                state.reported.wait(
                    lock, [&] { return i < state.finished + std::max<std::size_t>(ahead, 1); });
            }
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
        for (std::size_t i = first; i < reported; ++i) {
            finished(i);
            const std::lock_guard finishedLock(state.mutex);
            ++state.finished;
            state.reported.notify_all();
        }
        progress(done);
        lock.lock();
    }
}

}  // namespace nubera::cli
