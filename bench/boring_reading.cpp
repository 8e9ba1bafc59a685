// Prints how long the boring reader takes for logs of 1,250, 2,500 and 5,000
// records (divisions and tests alike), and for a file at the size bound
// (8 MB) that is mostly one long comment before 5,000 of each. The logs are
// made in memory; nothing is read from disk.
//   bench_boring [SECONDS per figure]

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <string>

#include "bench/repeat_timing.h"
#include "boring/boring_reader.h"
#include "text/cp932.h"

namespace {

std::string Element(const std::string& name, const std::string& value) {
    return "<" + name + ">" + value + "</" + name + ">";
}

std::string Depth(int index) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", 0.5 + index * 0.01);
    return text;
}

// A 5.00 log of `records` divisions and as many tests, one a line, after
// `comment` bytes of a comment of 100-character lines; Shift_JIS.
std::string Log(int records, std::size_t comment) {
    std::string text =
        "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
        "<ボーリング情報 DTD_version=\"5.00\">\r\n<!--";
    const std::string commentLine = std::string(98, '-') + "\r\n";
    for (std::size_t size = 0; size + commentLine.size() <= comment; size += commentLine.size()) {
        text += commentLine;
    }
    text += "-->\r\n<標題情報><ボーリング名>B</ボーリング名><ボーリング基本情報>" +
            Element("総削孔長", Depth(records)) +
            "</ボーリング基本情報></標題情報>\r\n<コア情報>\r\n";
    const std::string division = "工学的地質区分名現場土質名";
    for (int i = 1; i <= records; ++i) {
        text += "<" + division + ">" + Element(division + "_下端深度", Depth(i)) +
                Element(division + "_" + division, "粘土") + "</" + division + ">\r\n";
    }
    for (int i = 0; i < records; ++i) {
        text += "<標準貫入試験>" + Element("標準貫入試験_開始深度", Depth(i)) +
                Element("標準貫入試験_合計打撃回数", "4") +
                Element("標準貫入試験_合計貫入量", "300") + "</標準貫入試験>\r\n";
    }
    return *nubera::Utf8ToCp932(text + "</コア情報>\r\n</ボーリング情報>\r\n");
}

// Prints the mean time of one read, on the clock and in processor time (the
// machine may be shared); exits when the log is refused.
void PrintReadTime(const char* what, const std::string& bytes, double seconds) {
    std::string error;
    if (!nubera::ParseBoringLog(bytes, &error)) {
        std::cerr << error << '\n';
        std::exit(1);
    }
    long reads = 0;
    const std::clock_t start = std::clock();
    const double wall = nubera::bench::MeanSeconds(
        [&] {
            nubera::ParseBoringLog(bytes, &error);
            ++reads;
        },
        seconds);
    const double processor = double(std::clock() - start) / CLOCKS_PER_SEC / double(reads);
    std::printf("%-44s %4.1f MB  %7.4f s  (processor %7.4f s)\n", what,
                double(bytes.size()) / 1048576, wall, processor);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 1.0;
    for (const int records : {1250, 2500, 5000}) {
        const std::string what = std::to_string(records) + " divisions and tests";
        PrintReadTime(what.c_str(), Log(records, 0), seconds);
    }
    const int records = static_cast<int>(nubera::kMaxBoringRecords);
    const std::size_t rest = Log(records, 0).size();
    PrintReadTime("5000 of each after a long comment",
                  Log(records, nubera::kMaxBoringFileBytes - rest - 100), seconds);
}
