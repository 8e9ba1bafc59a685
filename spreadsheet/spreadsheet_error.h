#pragma once

#include <stdexcept>

namespace nubera::sheet {

// Any failure of the spreadsheet model: a package that cannot be read, a part
// missing from it, a sheet or label that does not exist, a save the disk
// refuses. The message says which, naming the file, sheet or object.
class SpreadsheetError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace nubera::sheet
