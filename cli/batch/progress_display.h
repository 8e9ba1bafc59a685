#pragma once

#include <chrono>
#include <cstddef>
#include <iosfwd>

namespace nubera::cli {

// One line on a terminal showing how far a batch is: done / total, the time
// elapsed and when it should end, rewritten in place. Shows nothing unless
// `shown`.
class ProgressDisplay {
  public:
    ProgressDisplay(std::ostream& terminal, std::size_t total, bool shown);

    // Rewrites the line.
    void Show(std::size_t done);
    // Removes the line, before other output reaches the terminal and at the end.
    void Clear();

  private:
    std::ostream& terminal_;
    std::size_t total_;
    bool shown_;
    bool drawn_ = false;  // the line is on the terminal
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace nubera::cli
