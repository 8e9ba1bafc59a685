#include "text/line_index.h"

#include <algorithm>

namespace nubera {
namespace {

int LineEndsIn(std::string_view text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

}  // namespace

LineIndex::LineIndex(std::string_view text) : text_(text) {
    int ends = 0;
    for (std::size_t start = 0;; start += kStride) {
        endsBefore_.push_back(ends);
        if (start + kStride > text_.size()) break;
        ends += LineEndsIn(text_.substr(start, kStride));
    }
}

int LineIndex::LineAt(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const std::size_t block = offset / kStride;
    const std::size_t start = block * kStride;
    return 1 + endsBefore_[block] + LineEndsIn(text_.substr(start, offset - start));
}

}  // namespace nubera
