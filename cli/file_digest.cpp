#include "cli/file_digest.h"

#include <openssl/evp.h>

#include <array>
#include <cstdio>

#include "files/file_bytes.h"
#include "projectfile/project_file_format.h"

namespace nubera::cli {

std::string FileSha256(const std::filesystem::path& path) {
    // A project file larger than the reader's bound was never read as one.
    const auto bytes = ReadFileBytes(path, project_file::kMaxFileBytes + 1);
    if (!bytes || bytes->size() > project_file::kMaxFileBytes) return {};
    std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
    unsigned int length = 0;
    if (EVP_Digest(bytes->data(), bytes->size(), digest.data(), &length, EVP_sha256(), nullptr) !=
        1) {
        return {};
    }
    std::string hex;
    for (unsigned int i = 0; i < length; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02x", digest[i]);
        hex += pair;
    }
    return hex;
}

}  // namespace nubera::cli
