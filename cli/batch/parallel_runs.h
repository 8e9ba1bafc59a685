#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

namespace nubera::cli {

// Runs job(i) for every i < count on up to `threads` threads at once. On the
// calling thread, finished(i) is called in the order of i as soon as job i
// and every job before it are done (whatever job i wrote is then visible),
// and progress(done) after each job done and at least every `interval`.
// Job i starts only once fewer than `ahead` jobs before it wait for their
// finished(): what they leave for it stays bounded while it is slow (the
// oldest job waiting always runs). Returns when every job is done and
// reported. A job must not throw.
void RunInParallel(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& job,
                   const std::function<void(std::size_t)>& finished,
                   const std::function<void(std::size_t)>& progress,
                   std::chrono::milliseconds interval, std::size_t ahead);

}  // namespace nubera::cli
