#pragma once

#include <filesystem>
#include <string>

namespace nubera {

// Syncs a folder's entries to disk, so that the names given in it (a pending
// file published or renamed there) survive a power cut. One sync covers
// every name given in the folder before it, so a batch may sync each folder
// once at its end. Returns false and sets *reason (Japanese) on failure.
bool SyncFolder(const std::filesystem::path& folder, std::string* reason);

}  // namespace nubera
