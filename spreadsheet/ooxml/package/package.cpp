#include "spreadsheet/ooxml/package/package.h"

#include <algorithm>

#include "spreadsheet/ooxml/package/content_types.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {

namespace {

Package Checked(Package package) {
    if (!package.Has(kContentTypesPart)) {
        throw SpreadsheetError("「" + package.Path().string() +
                               "」はOffice Open XML形式のファイルではありません（パーツ「" +
                               kContentTypesPart + "」がありません）");
    }
    return package;
}

}  // namespace

Package::Package(std::filesystem::path path, std::vector<ZipEntry> parts)
    : path_(std::move(path)), parts_(std::move(parts)) {}

Package Package::Read(const std::filesystem::path& path) {
    return Checked(Package(path, ReadZipArchive(path)));
}

Package Package::Read(std::string_view bytes, const std::filesystem::path& path) {
    return Checked(Package(path, ReadZipArchive(bytes, path)));
}

const ZipEntry* Package::Find(std::string_view part) const {
    const auto found = std::ranges::find(parts_, part, &ZipEntry::name);
    return found == parts_.end() ? nullptr : &*found;
}

bool Package::Has(std::string_view part) const {
    return Find(part) != nullptr;
}

const std::string& Package::Bytes(std::string_view part) const {
    if (const ZipEntry* entry = Find(part)) return entry->bytes;
    throw SpreadsheetError("「" + path_.string() + "」にパーツ「" + std::string(part) +
                           "」がありません");
}

void Package::Put(std::string_view part, std::string bytes) {
    const auto found = std::ranges::find(parts_, part, &ZipEntry::name);
    if (found != parts_.end()) {
        found->bytes = std::move(bytes);
    } else {
        parts_.push_back({std::string(part), std::move(bytes)});
    }
}

Relationships Package::RelationshipsOf(std::string_view part) const {
    const std::string relsPart = RelationshipsPartName(part);
    if (const ZipEntry* entry = Find(relsPart))
        return Relationships(std::string(part), entry->bytes);
    return Relationships::Empty(std::string(part));
}

void Package::PutRelationships(std::string_view part, const Relationships& relationships) {
    Put(RelationshipsPartName(part), relationships.Serialize());
}

std::string Package::UnusedPartName(std::string_view stem, std::string_view extension) const {
    for (int number = 1;; ++number) {
        std::string name = std::string(stem) + std::to_string(number) + std::string(extension);
        if (!Has(name)) return name;
    }
}

void Package::CollectReachable(std::string_view part, std::vector<std::string>& reached) const {
    const std::string relsPart = RelationshipsPartName(part);
    if (!Has(relsPart)) return;
    reached.push_back(relsPart);
    const Relationships relationships = RelationshipsOf(part);
    for (const Relationship& item : relationships.Items()) {
        if (item.external) continue;
        std::string target = relationships.TargetPart(item);
        if (!Has(target) || std::ranges::find(reached, target) != reached.end()) continue;
        reached.push_back(target);
        CollectReachable(target, reached);
    }
}

void Package::DropUnreachableParts(ContentTypes& contentTypes) {
    std::vector<std::string> reached{kContentTypesPart};
    CollectReachable("", reached);
    const auto isReached = [&reached](std::string_view part) {
        return std::ranges::find(reached, part) != reached.end();
    };
    std::erase_if(parts_, [&](const ZipEntry& entry) { return !isReached(entry.name); });
    contentTypes.RemoveOverridesUnless(isReached);
}

}  // namespace nubera::sheet
