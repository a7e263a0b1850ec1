// Opening documents of every generation from hand-made files, and hostile files that must
// leave the open document, its kind and its settings as they were.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <random>

#include "common/gbk_codec.h"
#include "common/message_service.h"
#include "document/document_load.h"
#include "document/document_tokens.h"
#include "document/records.h"
#include "document_test_support.h"

namespace {

std::string Fixture(const char* name) {
  const auto path = std::filesystem::path(CURVANTA_TESTS_DIR) / "document" / "fixtures" / name;
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Loader : ::testing::Test {
  void SetUp() override {
    ResetGlobals();
    ResetSceneGlobals();
    ASSERT_TRUE(dir.isValid());
    host.optionFields = {"10", "10"};
  }
  void TearDown() override {
    ResetSceneGlobals();
    ResetGlobals();
  }
  // Writes the bytes to a file and opens it.
  LoadOutcome Open(const std::string& bytes) {
    const std::string path = dir.filePath("doc.pgp").toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return LoadDocument(path, host, window);
  }
  LoadOutcome OpenText(const std::string& utf8) { return Open(Container(*Utf8ToGbk(utf8))); }
  std::vector<std::string> Lines() const {
    std::vector<std::string> v;
    for (const auto& l : host.lines) v.push_back(l.text + (l.checked ? "" : " (unchecked)"));
    return v;
  }
  const GraphItem& Graph(int position) { return *DocScene.FunSurfs.Item(position); }

  QTemporaryDir dir;
  FakeHost host;
  FakeWindow window{host};
  ScopedMessageRecorder messages;
};

using Lines_ = std::vector<std::string>;

TEST_F(Loader, Generation0IsParametricAndTouchesNoSettings) {
  DocAxes().LabelNumX = 9;
  ASSERT_EQ(OpenText(Fixture("generation0.txt")), LoadOutcome::Loaded);
  EXPECT_EQ(GraphMode, 1);
  EXPECT_EQ(window.calls, (Lines_{"clear", "kind 1", "showAll"}));
  ASSERT_EQ(DocScene.FunSurfs.Count(), 2);
  EXPECT_EQ(Lines(), (Lines_{"二维曲线  x=u,y=sin(u)", "点  x=1, y=2"}));
  EXPECT_EQ(Graph(1).ID, 1);
  EXPECT_EQ(Graph(2).ID, 2);  // the records' IDs 7 and 8 are replaced
  EXPECT_EQ(Graph(1).FunForm, 3);
  EXPECT_TRUE(Graph(1).Show2DCurve);
  EXPECT_EQ(Graph(1).StepV, 100);
  EXPECT_FLOAT_EQ(Graph(1).MinV, -3.14f);
  EXPECT_EQ(Graph(1).SecondColor, 16711680);
  EXPECT_EQ(Graph(2).PointColor, 255);  // a point keeps a new item's look
  EXPECT_FLOAT_EQ(Graph(2).PointSize, 1.0f);
  EXPECT_EQ(ViewScene.FunSurfs.Count(), 2);
  EXPECT_EQ(DocAxes().LabelNumX, 9);
  EXPECT_EQ(host.optionFields, (std::pair<std::string, std::string>{"10", "10"}));
  EXPECT_EQ(AnimFrameCount, 10);
}

TEST_F(Loader, Generation1CarriesAnimationAndAxes) {
  ASSERT_EQ(OpenText(Fixture("generation1.txt")), LoadOutcome::Loaded);
  EXPECT_EQ(GraphMode, 2);
  EXPECT_EQ(ViewScene.RotPitch, -15.0f);
  EXPECT_EQ(ViewScene.RotYaw, 45.0f);
  EXPECT_EQ(Lines(), (Lines_{"二维半条带动画  x=u,y=u*t", "二维半条带  x=u, y=cos(u)"}));
  EXPECT_TRUE(Graph(1).Animation);
  EXPECT_FLOAT_EQ(Graph(1).MaxT, 2.0f);
  EXPECT_FALSE(Graph(2).Animation);
  EXPECT_FLOAT_EQ(Graph(2).PointSize, 3.0f);
  EXPECT_TRUE(Graph(2).PointHollow);
  EXPECT_EQ(AnimFrameCount, 15);
  EXPECT_EQ(AnimSpeed, 20);
  EXPECT_EQ(host.timerInterval, 50);
  EXPECT_EQ(host.optionFields, (std::pair<std::string, std::string>{"15", "20"}));
  EXPECT_TRUE(DocAxes().Show);
  EXPECT_EQ(DocAxes().LabelNumZ, 7);
  EXPECT_EQ(DocAxes().AxisWidth, 2);
  // The animated document ends with its playback controls on and frame 1 drawn.
  EXPECT_EQ(host.playbackEnabled, 1);
  EXPECT_EQ(AnimFrame, 1);
  EXPECT_EQ(window.calls.back(), "frame 1");
}

TEST_F(Loader, Generation2ReadsFieldOverlaysAndGivesMapsALine) {
  DocAxes().SetDefault();
  DocAxes().TitleX = "kept";
  ASSERT_EQ(OpenText(Fixture("generation2.txt")), LoadOutcome::Loaded);
  EXPECT_EQ(GraphMode, 3);
  EXPECT_EQ(Lines(), (Lines_{"三维曲面  x=u,y=v,z=u+v", "色谱图  x=0, y=0, z=x*y"}));
  EXPECT_TRUE(Graph(1).ShowContour);
  EXPECT_FALSE(Graph(1).ShowVector);
  EXPECT_TRUE(Graph(1).ShowColormap);
  EXPECT_EQ(Graph(1).contourlevel, 8);
  EXPECT_EQ(Graph(2).contourlevel, 10);
  EXPECT_FALSE(DocAxes().Show);  // "0": only Show changes
  EXPECT_EQ(DocAxes().TitleX, "kept");
  EXPECT_EQ(host.playbackEnabled, 0);
}

TEST_F(Loader, Generation3TablesGetTheDefaultDisplay) {
  ASSERT_EQ(OpenText(Fixture("generation3.txt")), LoadOutcome::Loaded);
  EXPECT_EQ(Lines(), (Lines_{"二维曲线  y=x^2", "二维表数据图形: T"}));
  EXPECT_EQ(Graph(1).FunForm, 2);
  EXPECT_TRUE(Graph(1).Show2DCurve);
  GraphItem& table = *DocScene.FunSurfs.Item(2);
  EXPECT_EQ(table.LineColor, 255);
  EXPECT_FLOAT_EQ(table.VertTab3D(0, 1)->x, 1.0f);
  EXPECT_FLOAT_EQ(table.VertTab3D(0, 1)->y, 1.0f);
  const GraphItem fresh;
  EXPECT_TRUE(table.Show2DLine);
  EXPECT_EQ(table.SmoothCurveColor, fresh.SmoothCurveColor);
  EXPECT_EQ(table.Symbol, fresh.Symbol);
  EXPECT_FALSE(DocAxes().Show);
}

TEST_F(Loader, Generation4HoldsEveryFieldAndGbkNames) {
  ASSERT_EQ(OpenText(Fixture("generation4.txt")), LoadOutcome::Loaded);
  EXPECT_EQ(GraphMode, 3);
  EXPECT_EQ(Lines(), (Lines_{"点  x=1, y=2, z=3", "三维表数据图形: 曲面"}));
  const GraphItem& p = Graph(1);
  EXPECT_EQ(p.NameS, "空间点");
  EXPECT_EQ(p.PointColor, 16711680);
  EXPECT_FLOAT_EQ(p.PointSize, 5.0f);
  EXPECT_TRUE(p.ShowLen);
  EXPECT_FLOAT_EQ(p.LenTo, 2.5f);
  EXPECT_EQ(p.QieNum, 1);
  EXPECT_FLOAT_EQ(p.QieX(1), 0.75f);
  EXPECT_EQ(p.Exp2, "");
  GraphItem& t = *DocScene.FunSurfs.Item(2);
  EXPECT_EQ(t.StepU, 1);
  EXPECT_FLOAT_EQ(t.VertTab3D(1, 0)->x, 1.0f);
  EXPECT_FLOAT_EQ(t.VertTab3D(1, 1)->z, 1.0f);
  EXPECT_FALSE(t.Show2DScatter);
  EXPECT_EQ(t.ScatterSize, 3);
  EXPECT_EQ(t.ScatterColor, 4);
  EXPECT_EQ(t.Symbol, 6);
  EXPECT_TRUE(DocAxes().ShowXYPanel);
  EXPECT_FALSE(DocAxes().ShowXZPanel);
  EXPECT_EQ(DocAxes().TitleY, "y");
  EXPECT_EQ(DocAxes().AxisColor, 255);
}

TEST_F(Loader, RecordsStopAtAnUnacceptedKindAndTheAxesTurnOff) {
  // Generation 4, record 2 of 3 has kind 16; generation 1 stops at a table.
  GraphItem g;
  g.ExpressZ = "x";
  g.FunForm = 2;
  g.CoordType = 1;
  DocAxes().SetDefault();
  ASSERT_EQ(OpenText("S44 3 " + Save(g) + " 16 1 2 " + Save(g) + " 1"), LoadOutcome::Loaded);
  EXPECT_EQ(Lines(), (Lines_{"二维曲线  y=x"}));
  EXPECT_FALSE(DocAxes().Show);
  DocAxes().SetDefault();
  std::string gen1 = Fixture("generation1.txt");
  gen1.replace(gen1.find(" 3 2 q"), 6, " 4 2 q");
  gen1.replace(0, 5, "S13 3");
  ASSERT_EQ(OpenText(gen1), LoadOutcome::Loaded);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 1);
  EXPECT_FALSE(DocAxes().Show);
}

TEST_F(Loader, DigitSevenKeepsTheKindInForceAndIdsStartAgain) {
  ASSERT_EQ(OpenText(Fixture("generation2.txt")), LoadOutcome::Loaded);
  ViewScene.RotYaw = 10;
  ASSERT_EQ(OpenText("S47 0 0"), LoadOutcome::Loaded);
  EXPECT_EQ(GraphMode, 3);
  EXPECT_EQ(ViewScene.RotYaw, 10.0f);
  EXPECT_EQ(DocScene.FunSurfs.Count(), 0);
  EXPECT_FALSE(DocAxes().Show);
  // With no kind yet (start-up), digit 7 starts a 2D document.
  GraphMode = 0;
  ASSERT_EQ(OpenText(Fixture("generation2.txt").replace(0, 3, "S27")), LoadOutcome::Loaded);
  EXPECT_EQ(GraphMode, 1);
  EXPECT_EQ(Graph(1).ID, 1);
  EXPECT_EQ(Graph(2).ID, 2);
  // An empty path or an empty text changes nothing at all.
  window.calls.clear();
  EXPECT_EQ(LoadDocument("", host, window), LoadOutcome::Unchanged);
  EXPECT_EQ(Open(Container("")), LoadOutcome::Unchanged);
  EXPECT_TRUE(window.calls.empty());
  EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
}

TEST_F(Loader, GbkBytesThatAreNoCharacterReadAsReplacementCharacters) {
  std::string bytes = *Utf8ToGbk(Fixture("generation0.txt"));
  bytes.replace(bytes.find(" c "), 3, " \xFF\xFF ");
  ASSERT_EQ(Open(Container(bytes)), LoadOutcome::Loaded);
  EXPECT_EQ(Graph(1).NameS, "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(Loader, HostileFilesShowTheirMessageAndChangeNothing) {
  ASSERT_EQ(OpenText(Fixture("generation1.txt")), LoadOutcome::Loaded);
  const AxesSettings axes = DocAxes();
  const auto lines = Lines();
  const int32_t mode = GraphMode, frames = AnimFrameCount, lastId = LastGraphID;
  const std::string record = Save(*DocScene.FunSurfs.Item(1));
  std::mt19937 random(2024);
  std::string noise(65535, '\0');
  for (char& c : noise) c = char(random());
  auto gen4 = [](const std::string& rest) { return Container("S44 " + rest); };
  auto withToken = [&](size_t at, const std::string& token) {
    std::vector<std::string> t = SplitTokens(record);
    t[at] = token;
    std::string r;
    for (const auto& s : t) r += s + " ";
    return gen4("1 " + r + "0");
  };
  std::string table = "4 1 T 255 1 0 0 0 4 3 3 0 201 ";
  const std::pair<const char*, std::string> formatErrors[] = {
      {"empty", ""},
      {"3 bytes", std::string("\x08\x00\x05", 3)},
      {"wrong tag", std::string("\x09\x00\x03\x00S47", 7)},
      {"length past the end", std::string("\x08\x00\x09\x00S47 0 0", 11)},
      {"bad header", Container("S48 0 0")},
      {"header in lower case", Container("s44 0 0")},
      {"leading blank", Container(" S44 0 0")},
      {"invalid GBK header", Container("S\xFF" "44 0 0")},
      {"count beyond the records", gen4("2 " + record + " 0")},
      {"count past the end", gen4("1")},
      {"no axes record", gen4("0")},
      {"truncated record", gen4("1 " + record.substr(0, record.size() / 2))},
      {"Long out of range", withToken(3, "4294967296")},
      {"Single not finite", withToken(9, "1e400")},
      {"count of 51", withToken(63, "51")},
      {"count of -1", withToken(63, "-1")},
      {"table of 201", gen4("1 " + table + "0")},
      {"table colour not a number", gen4("1 4 1 T red 1 0 0 0 4 3 3 0 0 0 0 0 1 1 1 1 1 1 1 1 0")},
      {"random bytes", noise},
      {"random text", Container(noise.substr(0, 65531))},
  };
  for (const auto& [what, bytes] : formatErrors) {
    messages.recorder.clear();
    window.calls.clear();
    EXPECT_EQ(Open(bytes), LoadOutcome::Failed) << what;
    ASSERT_EQ(messages.recorder.messages.size(), 1u) << what;
    EXPECT_EQ(messages.recorder.messages[0].text, "文件格式错误，无法打开文档") << what;
    EXPECT_EQ(messages.recorder.messages[0].title, "出错");
    EXPECT_EQ(messages.recorder.messages[0].icon, MsgIcon::Error);
    EXPECT_TRUE(window.calls.empty()) << what;
    EXPECT_EQ(Lines(), lines) << what;
    EXPECT_EQ(DocScene.FunSurfs.Count(), 2) << what;
    EXPECT_EQ(GraphMode, mode);
    EXPECT_TRUE(DocAxes() == axes) << what;
    EXPECT_EQ(AnimFrameCount, frames);
    EXPECT_EQ(LastGraphID, lastId);
  }
  // A folder or a missing file cannot be opened.
  for (const std::string& path : {dir.path().toStdString(), dir.filePath("none.pgp").toStdString()}) {
    messages.recorder.clear();
    EXPECT_EQ(LoadDocument(path, host, window), LoadOutcome::Failed);
    ASSERT_EQ(messages.recorder.messages.size(), 1u);
    EXPECT_EQ(messages.recorder.messages[0].text, "无法打开文件：\n" + path);
    EXPECT_EQ(DocScene.FunSurfs.Count(), 2);
  }
}

TEST_F(Loader, AnimationSettingsOfTheLastAnimatedRecordAreTakenIntoRange) {
  GraphItem a;
  a.GraphType = 9;
  a.CoordType = 1;
  a.FunForm = 2;
  a.ExpressZ = "x+t";
  a.Animation = true;
  a.MaxT = 1;
  AnimFrameCount = 3;
  AnimSpeed = 5;
  const std::string first = Save(a);
  AnimFrameCount = 5000;  // beyond what the options allow
  AnimSpeed = 0;
  const std::string second = Save(a);
  ASSERT_EQ(OpenText("S44 2 " + first + " " + second + " 0"), LoadOutcome::Loaded);
  EXPECT_EQ(AnimFrameCount, 1000);
  EXPECT_EQ(AnimSpeed, 1);
  EXPECT_EQ(host.timerInterval, 1000);
  EXPECT_EQ(host.optionFields, (std::pair<std::string, std::string>{"1000", "1"}));
}

}  // namespace
