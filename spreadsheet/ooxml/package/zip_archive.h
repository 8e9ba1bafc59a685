#pragma once

// The zip container of an Office Open XML package: every entry read into
// memory, and a whole package written to a temporary file that replaces the
// destination only once it is complete.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace nubera::sheet {

struct ZipEntry {
    std::string name;  // e.g. "xl/workbook.xml" (no leading slash)
    std::string bytes;
};

// Every entry, each checked against its checksum. Throws SpreadsheetError
// naming the file, the damaged part and the reason.
std::vector<ZipEntry> ReadZipArchive(const std::filesystem::path& path);
// The same from the bytes of a zip file held in memory; `path` names them in
// messages.
std::vector<ZipEntry> ReadZipArchive(std::string_view bytes, const std::filesystem::path& path);

// The bytes of a zip file holding the entries in order, built in memory:
// libzip then needs no temporary file of its own (whose random name would
// cost it a cryptographic random source). Throws SpreadsheetError.
std::string ZipArchiveBytes(const std::vector<ZipEntry>& entries);

// Writes the entries in order to a temporary file beside `path` and renames it
// over `path`; on failure nothing is left behind but what was there before.
// Throws SpreadsheetError naming the file and the reason.
void WriteZipArchive(const std::filesystem::path& path, const std::vector<ZipEntry>& entries);

}  // namespace nubera::sheet
