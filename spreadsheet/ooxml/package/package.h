#pragma once

// The parts of an Office Open XML package held in memory, in their zip order,
// with their relationships.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "spreadsheet/ooxml/package/relationships.h"
#include "spreadsheet/ooxml/package/zip_archive.h"

namespace nubera::sheet {

class ContentTypes;

class Package {
  public:
    // Throws SpreadsheetError naming the file when it cannot be read.
    static Package Read(const std::filesystem::path& path);
    // The same from the bytes of a package file held in memory; `path`
    // names them in messages.
    static Package Read(std::string_view bytes, const std::filesystem::path& path);

    const std::filesystem::path& Path() const { return path_; }
    bool Has(std::string_view part) const;
    // Throws SpreadsheetError naming the file and the part when it is missing.
    const std::string& Bytes(std::string_view part) const;
    void Put(std::string_view part, std::string bytes);

    // The relationships of `part` ("" for the package's own); empty when it has none.
    Relationships RelationshipsOf(std::string_view part) const;
    void PutRelationships(std::string_view part, const Relationships& relationships);

    // "xl/drawings/drawing" + the first number not taken + ".xml".
    std::string UnusedPartName(std::string_view stem, std::string_view extension) const;

    // Drops every part that no chain of relationships from the package reaches
    // (a deleted sheet with its drawing, a removed calculation chain), and
    // their content-type overrides.
    void DropUnreachableParts(ContentTypes& contentTypes);

    // The parts in their zip order.
    const std::vector<ZipEntry>& Entries() const { return parts_; }

    // Throws SpreadsheetError naming the file and the reason.
    void Write(const std::filesystem::path& path) const { WriteZipArchive(path, parts_); }
    // The package as the bytes of a zip file. Throws SpreadsheetError.
    std::string ArchiveBytes() const { return ZipArchiveBytes(parts_); }

  private:
    Package(std::filesystem::path path, std::vector<ZipEntry> parts);
    const ZipEntry* Find(std::string_view part) const;
    void CollectReachable(std::string_view part, std::vector<std::string>& reached) const;

    std::filesystem::path path_;
    std::vector<ZipEntry> parts_;
};

}  // namespace nubera::sheet
