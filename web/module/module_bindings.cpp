// The module's functions as the Web Worker calls them: bytes in, bytes out.
// Every answer is an object: {refusal} with the program's message, or what
// was asked for.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cmath>
#include <exception>
#include <optional>
#include <string>

#include "text/cp932.h"
#include "version.h"
#include "web/module/boring_runs.h"
#include "web/module/project_runs.h"

namespace nubera::web {
namespace {

using emscripten::val;

// Bytes copied out of the module's memory into a Uint8Array of their own.
val BytesOf(const std::string& bytes) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(),
                                            reinterpret_cast<const unsigned char*>(bytes.data())));
}

val Refusal(const std::string& message) {
    val answer = val::object();
    answer.set("refusal", message);
    return answer;
}

// A failure no refusal foresaw still answers, with its own words.
template <typename Work>
val Answered(Work work) {
    try {
        return work();
    } catch (const std::exception& failure) {
        return Refusal(std::string("内部エラー: ") + failure.what());
    }
}

val Calculate(const std::string& bytes, const std::string& fileName, bool withView) {
    return Answered([&] {
        const Answer answer = CalculateProject(bytes, fileName, withView);
        if (!answer.refusal.empty()) return Refusal(answer.refusal);
        val result = val::object();
        result.set("json", answer.json);
        if (withView) result.set("view", answer.view);
        return result;
    });
}

val Workbook(const std::string& bytes, const std::string& fileName) {
    return Answered([&] {
        const Answer answer = WorkbookOfProject(bytes, fileName);
        if (!answer.refusal.empty()) return Refusal(answer.refusal);
        val result = val::object();
        result.set("name", answer.name);
        result.set("bytes", BytesOf(answer.bytes));
        return result;
    });
}

// A number the page left out arrives as NaN.
std::optional<double> Given(double value) {
    return std::isnan(value) ? std::nullopt : std::optional<double>(value);
}

// The log's proposal with the options of `nubera-cli boring`, each NaN
// where not given (α then takes its default, a missing width refuses the
// project).
val Boring(const std::string& bytes, const std::string& fileName, double alpha, double depth,
           bool merge, double excavationWidth, double leveeWidth) {
    return Answered([&] {
        BoringRequest request{{}, excavationWidth, leveeWidth};
        request.proposal.alpha = Given(alpha).value_or(kDefaultAlpha);
        request.proposal.cutDepth = Given(depth);
        request.proposal.mergeAlike = merge;
        const BoringAnswer answer = ProposeFromBoring(bytes, fileName, request);
        if (!answer.refusal.empty()) return Refusal(answer.refusal);
        val result = val::object();
        result.set("json", answer.json);
        result.set("view", answer.view);
        if (!answer.projectName.empty()) {
            result.set("project", BytesOf(answer.project));
            result.set("projectName", answer.projectName);
        }
        if (!answer.projectRefusal.empty()) result.set("projectRefusal", answer.projectRefusal);
        return result;
    });
}

// "ヌベラ 1.1.0+g1a2b3c4", as every program's --version prints it.
val Version() {
    val answer = val::object();
    answer.set("text", std::string(kProgramAndVersion));
    return answer;
}

val DecodeCp932(const std::string& bytes) {
    const auto text = Cp932ToUtf8(bytes);
    if (!text) return Refusal("シフトJIS（コードページ932）として読めないバイトがあります");
    val answer = val::object();
    answer.set("text", *text);
    return answer;
}

val EncodeCp932(const std::string& text) {
    const auto bytes = Utf8ToCp932(text);
    if (!bytes) return Refusal("シフトJIS（コードページ932）で書けない文字があります");
    val answer = val::object();
    answer.set("bytes", BytesOf(*bytes));
    return answer;
}

}  // namespace

EMSCRIPTEN_BINDINGS(nubera) {
    emscripten::function("calculate", &Calculate);
    emscripten::function("workbook", &Workbook);
    emscripten::function("boring", &Boring);
    emscripten::function("version", &Version);
    emscripten::function("decodeCp932", &DecodeCp932);
    emscripten::function("encodeCp932", &EncodeCp932);
}

}  // namespace nubera::web
