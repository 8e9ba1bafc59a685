#pragma once

#include <zip.h>

#include <string>

namespace nubera::sheet {

// Why libzip failed, in Japanese: the common kinds of damage and the
// system's reason for a failed open or read; a rare one keeps libzip's own
// text after a Japanese lead.
std::string ZipErrorText(zip_error_t& error);
// For a code zip_open gave, read before errno changes.
std::string ZipErrorText(int code);

}  // namespace nubera::sheet
