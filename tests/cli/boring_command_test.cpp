#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "tests/cli/batch_projects.h"
#include "tests/cli/run_cli.h"
#include "text/cp932.h"

namespace nubera {
namespace {

using ::testing::HasSubstr;
using json = nlohmann::ordered_json;
using test::FreshFolder;
using test::RunCli;

std::string Sample(const std::string& name) {
    return std::string("'") + NUBERA_SOURCE_DIR + "/tests/core/boring/samples/" + name + "'";
}

TEST(BoringCommand, PrintsTheProposedLayersAsATableOrJson) {
    const auto table = RunCli("boring " + Sample("LEVEE_NO3_BED0300.XML"));
    ASSERT_EQ(table.exitCode, 0) << table.err;
    EXPECT_THAT(table.out, HasSubstr("α\t2800\t深度H\t15.45 m\n"));
    EXPECT_THAT(table.out, HasSubstr("4\t粘土\t3.10～5.60\t2.50\t1, 0, 2\t1.0\t2800\n"));
    EXPECT_THAT(table.out, HasSubstr("3\t腐植土\t2.85～3.10\t0.25\t-\t-\t試験なし"));

    const auto run = RunCli("boring " + Sample("SMALL_BED0400.XML") +
                            " --json --alpha 1000 --depth 5.5 --merge");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    EXPECT_EQ(result["boring"]["name"], "R-2");
    EXPECT_EQ(result["alpha"], 1000);
    EXPECT_EQ(result["depth"], 5.5);
    ASSERT_EQ(result["layers"].size(), 3u);
    // The last test drove 200 mm for 50 blows: 75, capped at 50.
    EXPECT_EQ(result["layers"][2]["nValues"], json::array({50}));
    EXPECT_EQ(result["layers"][2]["thickness"], 1.5);
    EXPECT_EQ(result["layers"][2]["es"], 50000);
}

TEST(BoringCommand, WritesAProjectOnlyWhenEveryLayerHasEs) {
    const auto folder = FreshFolder("boring");
    const auto project = folder / "no3.nbr";
    const std::string write =
        " --write-project '" + project.string() + "' --excavation-width 10 --levee-width 20";
    // The humus layer has no test, so its Es is unknown.
    const auto refused = RunCli("boring " + Sample("LEVEE_NO3_BED0300.XML") + write);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_THAT(refused.err, HasSubstr("第3層「腐植土」(2.85～3.10 m)には標準貫入試験がない"));
    EXPECT_FALSE(std::filesystem::exists(project));

    const auto written =
        RunCli("boring " + Sample("LEVEE_NO3_BED0300.XML") + " --depth 2.85" + write);
    ASSERT_EQ(written.exitCode, 0) << written.err;
    const auto calc = RunCli("calc '" + project.string() + "' --json --no-workbook");
    // Without fill loads the project loads but cannot run.
    EXPECT_EQ(calc.exitCode, 1);
    EXPECT_THAT(Cp932ToUtf8(test::ReadAll(project)).value_or(""),
                HasSubstr("[土質条件]\r\n1.2,1.2,8400\r\n1.65,2.85,5600\r\n!END"));

    // A second write never replaces the first.
    const auto again =
        RunCli("boring " + Sample("LEVEE_NO3_BED0300.XML") + " --depth 2.85" + write);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_THAT(again.err, HasSubstr("は既にあります"));
}

// A file that takes the name while the project is written is kept, unless
// replacing is asked for.
TEST(BoringCommand, AProjectNameTakenMeanwhileIsReplacedOnlyWithReplace) {
    const auto folder = FreshFolder("boring-race");
    const auto project = folder / "no3.nbr";
    const std::string write = "boring " + Sample("LEVEE_NO3_BED0300.XML") +
                              " --depth 2.85 --write-project '" + project.string() +
                              "' --excavation-width 10 --levee-width 20";
    const std::string fault =
        test::WithFault("name-appears") + " NUBERA_APPEARING='" + project.string() + "'";
    const auto kept = RunCli(write, fault);
    EXPECT_EQ(kept.exitCode, 1);
    EXPECT_EQ(kept.err,
              "プロジェクトを書き出せません: 「" + project.string() +
                  "」を保存できませんでした: 同じ名前のファイルが既にあります（上書きしません）\n");
    EXPECT_EQ(test::ReadAll(project), "stranger");
    EXPECT_THAT(test::FileNames(folder), ::testing::ElementsAre("no3.nbr")) << "nothing left";

    const auto replaced = RunCli(write + " --replace", fault);
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err;
    EXPECT_THAT(Cp932ToUtf8(test::ReadAll(project)).value_or(""), HasSubstr("[土質条件]"));

    // Not even --replace puts a file where a pipe or a link is.
    const auto pipe = folder / "pipe.nbr";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto refused =
        RunCli("boring " + Sample("LEVEE_NO3_BED0300.XML") + " --depth 2.85 --write-project '" +
               pipe.string() + "' --excavation-width 10 --levee-width 20 --replace");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "プロジェクトを書き出せません: 「" + pipe.string() +
                               "」は通常のファイルではありません（置き換えません）\n");
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

// Names from the file keep the table's lines and cells whole and send the
// terminal nothing: control characters print as escapes.
TEST(BoringCommand, ControlCharactersInNamesPrintAsEscapes) {
    const auto folder = FreshFolder("boring-controls");
    std::string bytes = test::ReadAll(std::string(NUBERA_SOURCE_DIR) +
                                      "/tests/core/boring/samples/SMALL_BED0400.XML");
    const auto replace = [&bytes](const std::string& from, const std::string& to) {
        const std::string cp932 = Utf8ToCp932(from).value_or(from);
        bytes.replace(bytes.find(cp932), cp932.size(), Utf8ToCp932(to).value_or(to));
    };
    replace("<ボーリング名>R-2<", "<ボーリング名>R&#x1b;[31m-2&#x9;<");
    replace(">粘土<", ">粘&#xa;土<");
    const auto file = folder / "controls.xml";
    std::ofstream(file, std::ios::binary) << bytes;
    const auto run = RunCli("boring '" + file.string() + "'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("ボーリング\tR\\x1b[31m-2\\t\tcontrols.xml (DTD 4.00)\n"));
    EXPECT_THAT(run.out, HasSubstr("\n1\t粘\\n土\t0.00～2.00\t"));
    EXPECT_EQ(run.out.find('\x1b'), std::string::npos);
}

TEST(BoringCommand, LayersThatCannotBePrintedAreAFailure) {
    for (const std::string format : {"", " --json"}) {
        const auto run =
            RunCli("boring " + Sample("LEVEE_NO3_BED0300.XML") + format + " >/dev/full");
        EXPECT_EQ(run.exitCode, 1) << format;
        EXPECT_EQ(run.err, "結果を標準出力に書き出せませんでした\n") << format;
    }
}

// A log written for one test: a sample (UTF-8 text) with `from` replaced by
// `to`, saved in the format's Shift_JIS; its quoted path.
std::string Variant(const std::filesystem::path& folder, const std::string& sample,
                    const std::string& from, const std::string& to) {
    std::string text = Cp932ToUtf8(test::ReadAll(std::string(NUBERA_SOURCE_DIR) +
                                                 "/tests/core/boring/samples/" + sample))
                           .value_or("");
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    const auto path = folder / ("variant-" + std::to_string(at) + "-" + sample);
    std::ofstream(path, std::ios::binary) << Utf8ToCp932(text).value_or("");
    return "'" + path.string() + "'";
}

TEST(BoringCommand, ReadsVersion5AndShowsTheReadersWarnings) {
    const auto v5 = RunCli("boring " + Sample("SMALL_BED0500.XML"));
    ASSERT_EQ(v5.exitCode, 0) << v5.err;
    EXPECT_THAT(v5.out, HasSubstr("ボーリング\tR-3\tSMALL_BED0500.XML (DTD 5.00)\n"));
    EXPECT_EQ(v5.err, "");

    const auto folder = FreshFolder("boring-warnings");
    const std::string noTotal =
        Variant(folder, "LEVEE_NO3_BED0300.XML", "<総掘進長>15.45</総掘進長>", "");
    const std::string warning =
        "28行目の「ボーリング基本情報」に「総掘進長」がありません。最も深い「岩石土区分_下端深度」 "
        "15.45 m（41行目）を総掘進長とします。";
    const auto table = RunCli("boring " + noTotal);
    ASSERT_EQ(table.exitCode, 0) << table.err;
    EXPECT_EQ(table.err, "警告: " + warning + "\n");
    EXPECT_THAT(table.out, HasSubstr("\t総掘進長\t15.45 m\n"));
    const auto run = RunCli("boring " + noTotal + " --json");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(json::parse(run.out)["warnings"], json::array({warning}));
}

// What `--write-project` writes, the program reads and runs on: a value the
// file would hold as 0, a line longer than the project reader takes, and a
// layer that needs its Es typed are refused before anything is written.
TEST(BoringCommand, NeverWritesAProjectTheProgramWouldRefuse) {
    const auto folder = FreshFolder("boring-unwritable");
    std::string longName;
    for (int i = 0; i < 40000; ++i) longName += "名";
    std::string manyTests;
    // After the sample's three, below its last at 5 m: 5,000 in all.
    for (int i = 0; i < 4997; ++i) {
        char depth[32];
        std::snprintf(depth, sizeof depth, "%.9f", 5.001 + i * 0.000198 + 1e-9);
        manyTests += std::string("<標準貫入試験><標準貫入試験_開始深度>") + depth +
                     "</標準貫入試験_開始深度><標準貫入試験_合計打撃回数>4</"
                     "標準貫入試験_合計打撃回数><標準貫入試験_合計貫入量>300</"
                     "標準貫入試験_合計貫入量></標準貫入試験>\r\n";
    }
    const std::string zeroBlows = "<標準貫入試験_合計打撃回数>4<";
    const struct {
        const char* name;
        std::string arguments;
        std::string refusal;
    } cases[] = {
        {"a width that rounds to 0",
         Sample("SMALL_BED0400.XML") + " --excavation-width 0.004 --levee-width 20",
         "開削幅 0.004 は小数第2位に丸めると 0 になります。開削幅は 0 より大きく 100 "
         "以下で指定してください。"},
        {"an α that makes every Es 0",
         Sample("SMALL_BED0400.XML") + " --alpha 0.0001 --excavation-width 10 --levee-width 20",
         "第1層「粘土」(0.00～2.00 m)の Es が係数 α 0.0001 では 0 になります"},
        {"a 40,000-character name",
         Variant(folder, "SMALL_BED0400.XML", ">R-2<", ">" + longName + "<") +
             " --excavation-width 10 --levee-width 20",
         "行目「ボーリング名=名名名名名名名名名…」が長すぎます（80013 バイト、上限 65536 バイト）"},
        {"5,000 tests with 9-decimal depths",
         Variant(folder, "SMALL_BED0400.XML", "  </コア情報>", manyTests + "  </コア情報>") +
             " --excavation-width 10 --levee-width 20",
         "行目「ボーリング層=4,6,4,5:5…」が長すぎます"},
        {"a layer of N 0 only",
         Variant(folder, "SMALL_BED0400.XML", zeroBlows, "<標準貫入試験_合計打撃回数>0<") +
             " --excavation-width 10 --levee-width 20",
         "第1層「粘土」(0.00～2.00 m)は N値の平均が 0 のため、Es が決まりません"},
    };
    for (const auto& c : cases) {
        const auto project = folder / "refused.nbr";
        const auto run =
            RunCli("boring " + c.arguments + " --write-project '" + project.string() + "'");
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_THAT(run.err, HasSubstr(c.refusal)) << c.name;
        EXPECT_FALSE(std::filesystem::exists(project)) << c.name;
    }
    // The layer of N 0 is shown for its Es to be typed, as one without a test.
    const auto shown = RunCli("boring " + Variant(folder, "SMALL_BED0400.XML", zeroBlows,
                                                  "<標準貫入試験_合計打撃回数>0<"));
    EXPECT_THAT(shown.out,
                HasSubstr("1\t粘土\t0.00～2.00\t2.00\t0\t0.0\tN平均 0: Es を入力してください\n"));
}

TEST(BoringCommand, RefusesBadFilesAndOptionsWithTheirReason) {
    const auto broken = RunCli("boring '" + std::string(NUBERA_SOURCE_DIR) + "/README.md'");
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_THAT(broken.err, HasSubstr("README.md」を読み込めません。"));
    const auto depth = RunCli("boring " + Sample("SMALL_BED0210.XML") + " --depth 7");
    EXPECT_EQ(depth.exitCode, 1);
    EXPECT_THAT(depth.err, HasSubstr("記録の深さ 6.00 m 以下"));
    EXPECT_EQ(RunCli("boring " + Sample("SMALL_BED0210.XML") + " --levee-width 3").exitCode, 2);
}

}  // namespace
}  // namespace nubera
