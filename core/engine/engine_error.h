#pragma once

#include <stdexcept>
#include <string>

namespace nubera {

// A calculation step met input that would divide by zero or take the logarithm
// of a non-positive number. The message names the load row and point (or the
// soil layer) in Japanese, ready to show to the user.
class EngineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace nubera
