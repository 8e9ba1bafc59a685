#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace nubera {

// Line numbers of places in a text, for messages about a file read whole.
// Counting from the start for every place would cost the text's length each
// time; the index keeps the count at every kStride bytes, so a look-up
// counts at most that many, and the index itself takes a hundredth of the
// text's size.
class LineIndex {
  public:
    static constexpr std::size_t kStride = 512;

    // The text must outlive the index.
    explicit LineIndex(std::string_view text);

    // The line (from 1) holding the byte at `offset`; lines end with LF. An
    // offset past the end is taken as the end.
    int LineAt(std::size_t offset) const;

  private:
    std::string_view text_;
    std::vector<int> endsBefore_;  // line ends before byte i·kStride
};

}  // namespace nubera
