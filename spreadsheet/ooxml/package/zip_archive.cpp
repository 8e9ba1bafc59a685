#include "spreadsheet/ooxml/package/zip_archive.h"

#include <zip.h>

#include <algorithm>
#include <memory>
#include <set>

#include "files/atomic_file.h"
#include "spreadsheet/ascii_case.h"
#include "spreadsheet/ooxml/package/zip_error_text.h"
#include "spreadsheet/spreadsheet_error.h"

namespace nubera::sheet {
namespace {

// A package entry larger than this is not a report template but damage or a
// zip bomb; refuse it before allocating.
constexpr zip_uint64_t kMaxEntryBytes = 256u << 20;

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;

struct FileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

std::string Quoted(const std::filesystem::path& path) {
    return "「" + path.string() + "」";
}

std::string PartFailure(const std::filesystem::path& path, const std::string& part,
                        const std::string& reason) {
    return Quoted(path) + "のパーツ「" + part + "」を読み込めません: " + reason;
}

// Reads the whole entry and one byte past its stated size: libzip compares
// the checksum only on reaching the end, so a read that stops at the size
// would take a damaged part for a good one.
std::string ReadEntry(zip_t* archive, zip_uint64_t index, const std::filesystem::path& path) {
    zip_stat_t stat;
    const char* name = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
    const std::string entryName = name ? name : "?";
    if (zip_stat_index(archive, index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE)) {
        throw SpreadsheetError(PartFailure(path, entryName, ZipErrorText(*zip_get_error(archive))));
    }
    if (stat.size > kMaxEntryBytes) {
        throw SpreadsheetError(Quoted(path) + "を読み込めません: パーツ「" + entryName +
                               "」が256 MiBを超えています");
    }
    std::unique_ptr<zip_file_t, FileCloser> file(zip_fopen_index(archive, index, 0));
    if (!file) {
        throw SpreadsheetError(PartFailure(path, entryName, ZipErrorText(*zip_get_error(archive))));
    }
    std::string bytes(stat.size + 1, '\0');
    zip_uint64_t got = 0;
    while (got < bytes.size()) {
        const zip_int64_t n = zip_fread(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            throw SpreadsheetError(
                PartFailure(path, entryName, ZipErrorText(*zip_file_get_error(file.get()))));
        }
        if (n == 0) break;
        got += static_cast<zip_uint64_t>(n);
    }
    if (got != stat.size) {
        throw SpreadsheetError(PartFailure(path, entryName, ZipErrorText(ZIP_ER_INCONS)));
    }
    bytes.resize(stat.size);
    return bytes;
}

// A part name as package readers compare it: without regard to ASCII case.
std::string FoldedName(std::string_view name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), AsciiLower);
    return folded;
}

void AddEntries(zip_t* archive, const std::vector<ZipEntry>& entries) {
    for (const ZipEntry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        if (!source) throw SpreadsheetError(zip_strerror(archive));
        const zip_int64_t index =
            zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            throw SpreadsheetError(zip_strerror(archive));
        }
        // Fast deflate: the parts are small and saving time counts more than bytes.
        zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 1);
    }
}

struct SourceFreer {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using Source = std::unique_ptr<zip_source_t, SourceFreer>;

// Every entry but the folder entries, in the archive's order.
std::vector<ZipEntry> ReadEntries(zip_t* archive, const std::filesystem::path& path) {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    std::vector<ZipEntry> entries;
    entries.reserve(static_cast<std::size_t>(count));
    // Two entries of one name leave it open which is the part, and a package
    // holding both could never be written again.
    std::set<std::string> names;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* name = zip_get_name(archive, index, 0);
        if (!name || std::string_view(name).ends_with('/')) continue;  // folder entries
        if (!names.insert(FoldedName(name)).second) {
            throw SpreadsheetError(Quoted(path) + "を読み込めません: パーツ「" + name +
                                   "」が2つあります");
        }
        entries.push_back({name, ReadEntry(archive, index, path)});
    }
    return entries;
}

}  // namespace

std::string ZipArchiveBytes(const std::vector<ZipEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    Source buffer(zip_source_buffer_create(nullptr, 0, 0, &error));
    Archive archive(buffer ? zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error) : nullptr);
    if (!archive) throw SpreadsheetError(zip_error_strerror(&error));
    zip_source_keep(buffer.get());  // the archive takes one reference and frees it on closing
    AddEntries(archive.get(), entries);
    if (zip_close(archive.get()) != 0) throw SpreadsheetError(zip_strerror(archive.get()));
    archive.release();  // zip_close freed it
    zip_stat_t stat;
    if (zip_source_stat(buffer.get(), &stat) != 0 || zip_source_open(buffer.get()) != 0) {
        throw SpreadsheetError(zip_error_strerror(zip_source_error(buffer.get())));
    }
    std::string bytes(stat.size, '\0');
    const zip_int64_t read = zip_source_read(buffer.get(), bytes.data(), stat.size);
    zip_source_close(buffer.get());
    if (read != static_cast<zip_int64_t>(stat.size))
        throw SpreadsheetError("作成したZIPアーカイブを読み出せませんでした");
    return bytes;
}

std::vector<ZipEntry> ReadZipArchive(const std::filesystem::path& path) {
    int code = 0;
    Archive archive(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!archive) {
        throw SpreadsheetError(Quoted(path) + "を開けません: " + ZipErrorText(code));
    }
    return ReadEntries(archive.get(), path);
}

std::vector<ZipEntry> ReadZipArchive(std::string_view bytes, const std::filesystem::path& path) {
    // libzip takes no bytes for an empty archive, but an empty file for no zip at all.
    if (bytes.empty())
        throw SpreadsheetError(Quoted(path) + "を開けません: " + ZipErrorText(ZIP_ER_NOZIP));
    zip_error_t error;
    zip_error_init(&error);
    Source source(zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error));
    Archive archive(source ? zip_open_from_source(source.get(), ZIP_RDONLY, &error) : nullptr);
    if (!archive) {
        const std::string reason = ZipErrorText(error);
        zip_error_fini(&error);
        throw SpreadsheetError(Quoted(path) + "を開けません: " + reason);
    }
    source.release();  // the archive frees it on closing
    return ReadEntries(archive.get(), path);
}

void WriteZipArchive(const std::filesystem::path& path, const std::vector<ZipEntry>& entries) {
    std::string reason;  // the system's reason alone, without a library's wording around it
    try {
        if (WriteFileAtomically(path, ZipArchiveBytes(entries), &reason)) return;
    } catch (const std::exception& error) {
        reason = error.what();
    }
    throw SpreadsheetError(Quoted(path) + "を保存できません: " + reason);
}

}  // namespace nubera::sheet
