#pragma once

#include <optional>
#include <string>
#include <vector>

namespace nubera {

// One soil or rock division of a boring log: it reaches from the bottom of
// the one above (the ground surface for the first) down to its bottom depth.
struct BoringDivision {
    double bottomDepth = 0;  // m below the ground surface
    std::string name;        // as logged ("砂質シルト"); may be empty
    int line = 0;            // of the file, for messages

    bool operator==(const BoringDivision&) const = default;
};

// One standard penetration test: the blows counted and the penetration they
// drove, which is 30 cm unless the test was stopped short.
struct PenetrationTest {
    double startDepth = 0;     // m below the ground surface
    double blows = 0;          // total blows
    double penetrationCm = 0;  // total penetration (cm, whatever unit the file used)
    int line = 0;

    bool operator==(const PenetrationTest&) const = default;
};

// What the program takes from a boring exchange file. Text is UTF-8.
struct BoringLog {
    std::string dtdVersion;                 // as the file gives it: "2.10" to "5.00", or newer
    std::string name;                       // ボーリング名; may be empty
    std::optional<double> groundLevel;      // 孔口標高 (m)
    double totalLength = 0;                 // 総掘進長 / 総削孔長 (m); see warnings
    std::vector<BoringDivision> divisions;  // top first, bottoms strictly increasing
    std::vector<PenetrationTest> tests;     // start depths strictly increasing
    // What the reader took on trust or found at odds, in Japanese, to show
    // with the log: a newer version read by known names, a missing total
    // length (then the deepest division's bottom), one that disagrees.
    std::vector<std::string> warnings;

    bool operator==(const BoringLog&) const = default;
};

}  // namespace nubera
