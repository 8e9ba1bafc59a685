// The project file's SHA-256 that the report records, from libmd's
// implementation where the command line takes OpenSSL's: the same digest for
// the same bytes.

#include <sha2.h>

#include <cstdint>
#include <cstdio>

#include "cli/file_digest.h"
#include "files/file_bytes.h"
#include "projectfile/project_file_format.h"

namespace nubera::cli {

std::string FileSha256(const std::filesystem::path& path) {
    // A project file larger than the reader's bound was never read as one.
    const auto bytes = ReadFileBytes(path, project_file::kMaxFileBytes + 1);
    if (!bytes || bytes->size() > project_file::kMaxFileBytes) return {};
    SHA2_CTX context;
    SHA256Init(&context);
    SHA256Update(&context, reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
    std::uint8_t digest[SHA256_DIGEST_LENGTH];
    SHA256Final(digest, &context);
    std::string hex;
    for (const std::uint8_t byte : digest) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", byte);
        hex += pair;
    }
    return hex;
}

}  // namespace nubera::cli
