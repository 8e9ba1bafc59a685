// libFuzzer's mutations on a zip file nearly always break a checksum, so the
// XML inside would hardly ever be reached. Half of the time this mutator
// unpacks the input, mutates one part and packs it again; the other half it
// mutates the raw bytes, which keeps the zip reader itself under test.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "spreadsheet/ooxml/package/zip_archive.h"
#include "spreadsheet/spreadsheet_error.h"
#include "tests/fuzz/fuzz_input_file.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed) {
    std::minstd_rand random(seed);
    if (random() % 2 == 0) return LLVMFuzzerMutate(data, size, maxSize);
    std::vector<nubera::sheet::ZipEntry> entries;
    try {
        const nubera::fuzz::FuzzInputFile input(data, size);
        entries = nubera::sheet::ReadZipArchive(input.Path());
    } catch (const nubera::sheet::SpreadsheetError&) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    if (entries.empty()) return LLVMFuzzerMutate(data, size, maxSize);
    std::string& part = entries[random() % entries.size()].bytes;
    const std::size_t used = part.size();
    part.resize(used + used / 4 + 64);  // room for the part to grow
    part.resize(LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(part.data()), used, part.size()));
    std::string packed;
    try {
        packed = nubera::sheet::ZipArchiveBytes(entries);
    } catch (const nubera::sheet::SpreadsheetError&) {
        return LLVMFuzzerMutate(data, size, maxSize);
    }
    if (packed.size() > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
    std::memcpy(data, packed.data(), packed.size());
    return packed.size();
}
