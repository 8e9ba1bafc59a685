#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/cli/run_cli.h"

namespace nubera {
namespace {

using ::testing::HasSubstr;

using test::Example;
using test::ReadAll;
using test::RunCli;

// A copy of an example with one byte sequence replaced; the replaced parts
// are ASCII, which code page 932 keeps as it is.
class ChangedExample {
  public:
    ChangedExample(const std::string& name, const std::string& from, const std::string& to)
        : path_(std::filesystem::temp_directory_path() /
                ("nubera-cli-" + std::to_string(::getpid()) + "-" + std::to_string(++count_) + "-" +
                 name)) {
        std::string bytes = ReadAll(std::string(NUBERA_SOURCE_DIR) + "/examples/" + name);
        const auto at = bytes.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) bytes.replace(at, from.size(), to);
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~ChangedExample() { std::filesystem::remove(path_); }
    std::string Argument() const { return "'" + path_.string() + "'"; }

  private:
    static inline int count_ = 0;
    std::filesystem::path path_;
};

TEST(CalcExit, RefusedInputGivesOneAndTheProgramsMessage) {
    struct {
        const char* name;
        ChangedExample file;
        const char* message;
    } cases[] = {
        {"other version",
         {"one-block.nbr", "100]", "104]"},
         "ファイル形式、もしくはバージョンが違います\n"},
        {"unclosed section",
         {"one-block.nbr", "10\r\n!END", "10"},
         "ﾌｧｲﾙ内容に不備がありましたので、読み込み処理を中止しました。\n"},
        {"Poisson's ratio out of range",
         {"five-blocks-lateral.nbr", "0.35", "1.5"},
         "ﾎﾟｱｿﾝ比は0.01～1.00の範囲で入力してください。\n"},
        {"Em = 0",
         {"one-block.nbr", "5,5,6860", "0,0,6860"},
         "Em値(換算変形係数)の値が0になりました。\nEm値が0の場合は、計算できません。\n"
         "土質条件入力画面で入力した値をご確認ください。\n"},
        {"depths that do not increase",
         {"one-block.nbr", "5,5,6860", "5,5,10000\r\n2,2,100"},
         "土質条件の第2層の深度(2)が上の層の深度(5)より深くありません。"
         "深度は上から順に深くしてください。\n"},
        {"fill values that contradict the entered ones",
         {"one-block.nbr", "18,45,0,5,4,5,9,", "18,90,0,5,4,5,30,"},
         "盛土荷重 q1 の荷重q(90)が入力値からの計算値(45)と合いません。\n"
         "盛土荷重 q1 の載荷幅2a(30)が入力値からの計算値(9)と合いません。\n"
         "盛土荷重入力画面で入力した値をご確認ください。\n"},
        {"zero loading width",
         {"one-block.nbr", ",0,5,4,5,9,7,0", ",0,0,0,0,0,0,0"},
         "載荷幅が0以下のため、盛土荷重 q1 の着目点①の即時沈下量を計算できません。\n"},
    };
    for (const auto& c : cases) {
        auto run = RunCli("calc " + c.file.Argument() + " --json --no-workbook");
        EXPECT_EQ(run.exitCode, 1) << c.name;
        EXPECT_EQ(run.err, c.message) << c.name;
        EXPECT_EQ(run.out, "") << c.name;
    }
}

// A layer of thickness 0 repeats the depth above it and adds nothing to Em.
TEST(CalcExit, LayersOfNoThicknessCompute) {
    ChangedExample zero("one-block.nbr", "5,5,6860\r\n", "5,5,6860\r\n0,5,7000\r\n3,8,9000\r\n");
    ChangedExample without("one-block.nbr", "5,5,6860\r\n", "5,5,6860\r\n3,8,9000\r\n");
    const auto run = RunCli("calc " + zero.Argument() + " --json --no-workbook");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, RunCli("calc " + without.Argument() + " --json --no-workbook").out);
}

TEST(CalcExit, HandEditedTablesBeyondTheScreensLimitsAreRefusedBeforeComputing) {
    // A sixth block (a copy of the fifth) and a 21st layer, with and without a workbook.
    const std::string block = "2,0,2,19,38,0,3,30,3,33,18,2.25\r\n";
    ChangedExample sixBlocks("five-blocks-lateral.nbr", block, block + block);
    for (const char* workbook : {" --no-workbook", ""}) {
        auto run = RunCli("calc " + sixBlocks.Argument() + workbook + " --out /tmp");
        EXPECT_EQ(run.exitCode, 1) << workbook;
        EXPECT_EQ(run.err, "盛土荷重が6段あります。5段以下にしてください。\n") << workbook;
        EXPECT_EQ(run.out, "") << workbook;
    }
    std::string layers;
    for (int depth = 1; depth <= 21; ++depth) {
        layers += "1," + std::to_string(depth) + ",6860\r\n";
    }
    ChangedExample manyLayers("one-block.nbr", "5,5,6860\r\n", layers);
    auto run = RunCli("calc " + manyLayers.Argument() + " --no-workbook");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "土質条件が21層あります。20層以下にしてください。\n");
}

// A ratio above 0.5 reverses every lateral displacement, and a value outside
// its plausible range is more often a slip than ground or a fill that exists:
// the run goes on, but says so, naming each value, on the error stream (in
// the text output and with --json) and in the JSON's warnings.
TEST(CalcExit, WarnedValuesAreComputedAndNamed) {
    struct {
        ChangedExample file;
        std::string warning;
    } cases[] = {
        {{"five-blocks-lateral.nbr", "0.35", "0.8"},
         "ﾎﾟｱｿﾝ比(0.8)が0.5を超えています。側方変位量の向きがすべて逆になります(0.5では0になりま"
         "す)。"},
        {{"one-block.nbr", "2,0.5,2.5,18,45", "2,0.5,2.5,3,7.5"},
         "盛土荷重 q1 の単位重量γt(3)が目安の範囲(12～25 kN/m³)を外れています。"
         "軽い火山灰質土から締まった礫質土までの値です。単位(t/m³など)の取り違えが疑われます。"},
    };
    for (const auto& c : cases) {
        auto text = RunCli("calc " + c.file.Argument() + " --no-workbook");
        EXPECT_EQ(text.exitCode, 0);
        EXPECT_EQ(text.err, "警告: " + c.warning + "\n");
        EXPECT_THAT(text.out, HasSubstr("即時沈下量 (cm)"));
        auto json = RunCli("calc " + c.file.Argument() + " --json --no-workbook");
        EXPECT_EQ(json.exitCode, 0);
        EXPECT_EQ(json.err, "警告: " + c.warning + "\n");
        EXPECT_THAT(json.out, HasSubstr("\"warnings\":[\"" + c.warning + "\"]"));
    }
    auto plain = RunCli("calc " + Example("five-blocks-lateral.nbr") + " --json --no-workbook");
    EXPECT_EQ(plain.err, "");
    EXPECT_THAT(plain.out, HasSubstr("\"warnings\":[]"));
}

// Beyond 1E+15 a value would print in the exponent form and break the
// columns: it is refused, named, before anything is computed.
TEST(CalcExit, ValuesBeyondWhatTheNumberTextShowsAreRefusedNamingThem) {
    struct {
        ChangedExample file;
        const char* message;
    } cases[] = {
        {{"one-block.nbr", "5,5,6860", "5,5,1e40"},
         "土質条件の第1層の変形係数Es(1E+40)が扱える範囲(±1E+15 kN/㎡)を超えています。\n"},
        // q = γt × 合計高 as the fill-load screen stores it: γt is named first.
        {{"one-block.nbr", "2,0.5,2.5,18,45", "2,0.5,2.5,4e39,1e40"},
         "盛土荷重 q1 の単位重量γt(4E+39)が扱える範囲(±1E+15 kN/m³)を超えています。\n"},
        {{"five-blocks-lateral.nbr", "10,3.5,-0.5", "1e40,3.5,-0.5"},
         "上載荷重 qX の荷重(1E+40)が扱える範囲(±1E+15 kN/㎡)を超えています。\n"},
    };
    for (const auto& c : cases) {
        for (const char* json : {"", " --json"}) {
            auto run = RunCli("calc " + c.file.Argument() + json + " --no-workbook");
            EXPECT_EQ(run.exitCode, 1) << c.message;
            EXPECT_EQ(run.err, c.message);
            EXPECT_EQ(run.out, "") << c.message;
        }
    }
}

TEST(CalcExit, AnOutputFolderThatIsNotUtf8StillGivesJson) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("nubera-cli-" + std::to_string(::getpid()) + "-x\xff");
    std::filesystem::create_directory(folder);
    auto run =
        RunCli("calc " + Example("one-block.nbr") + " --json --out '" + folder.string() + "'");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_THAT(run.out, HasSubstr("-x\xef\xbf\xbd/")) << run.out;
    std::filesystem::remove_all(folder);
}

TEST(CalcExit, MissingFileGivesOne) {
    auto run = RunCli("calc /nonexistent/project.nbr --no-workbook");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_THAT(run.err, HasSubstr("/nonexistent/project.nbr"));
}

TEST(CalcExit, ManualPlacementWithoutPointsGivesOne) {
    auto run = RunCli("calc " + Example("one-block.nbr") + " --placement manual --no-workbook");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "着目点が設定されていません。\n");
}

TEST(CalcExit, UsageErrorsGiveTwo) {
    const std::string oneBlock = Example("one-block.nbr");
    for (const std::string& arguments :
         {std::string(), std::string("calc"), "calc " + oneBlock + " --placement sideways",
          "calc " + oneBlock + " --unknown", "compute " + oneBlock}) {
        EXPECT_EQ(RunCli(arguments).exitCode, 2) << arguments;
    }
    EXPECT_EQ(RunCli("--help").exitCode, 0);
}

}  // namespace
}  // namespace nubera
