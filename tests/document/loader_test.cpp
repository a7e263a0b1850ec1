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
  const auto path = std::filesystem::path(CURVANTA_SOURCE_DIR) / "tests/document/fixtures" / name;
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
  EXPECT_EQ(window.calls, (Lines_{"end spin", "end playback", "clear", "kind 1", "showAll"}));
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

TEST_F(Loader, Generation0CountAboveItsRecordsReadsWhatIsThere) {
  // The surplus passes meet the end of the text and read nothing; generation 0 has no
  // coordinate-system record, so the document is complete.
  const std::string record = "0 7 c 1 0 u sin(u) 5 100 -1 1 -3.14 3.14 2 111 222 333 4 6 1 2";
  GraphItem expected;
  expected.FunForm = 3;
  expected.Show2DCurve = true;
  expected.NameS = "c";
  expected.CoordType = 1;
  expected.ExpressX = "0";
  expected.ExpressY = "u";
  expected.ExpressZ = "sin(u)";
  expected.StepU = 5;
  expected.StepV = 100;
  expected.MinU = -1;
  expected.MaxU = 1;
  expected.MinV = -3.14f;
  expected.MaxV = 3.14f;
  expected.FillStyle = 2;
  expected.FirstColor = 111;
  expected.SecondColor = 222;
  expected.LineColor = 333;
  expected.LineWidth = 4;
  expected.Material = 6;
  expected.Show = 1;
  expected.Smoothness = 2;
  for (const std::string count : {"2", "50"}) {
    DocAxes().LabelNumX = 9;
    ASSERT_EQ(OpenText("S1 " + count + " " + record), LoadOutcome::Loaded) << count;
    EXPECT_EQ(GraphMode, 1);
    ASSERT_EQ(DocScene.FunSurfs.Count(), 1);
    EXPECT_EQ(ItemDifferences(expected, Graph(1)), "") << count;
    EXPECT_EQ(Graph(1).ID, 1);
    EXPECT_FLOAT_EQ(Graph(1).PointSize, 1.0f);
    EXPECT_EQ(Graph(1).MinT, GraphItem().MinT);
    EXPECT_EQ(Graph(1).MaxT, GraphItem().MaxT);
    EXPECT_EQ(Lines(), (Lines_{"二维曲线  x=u,y=sin(u)"}));
    EXPECT_EQ(ViewScene.FunSurfs.Count(), 1);
    EXPECT_EQ(DocAxes().LabelNumX, 9);
    EXPECT_EQ(host.optionFields, (std::pair<std::string, std::string>{"10", "10"}));
    EXPECT_TRUE(messages.recorder.messages.empty());
  }
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

TEST_F(Loader, Generation3ItemsStartWithTheCurveShownAndTablesWithTheDefaultDisplay) {
  ASSERT_EQ(OpenText(Fixture("generation3.txt")), LoadOutcome::Loaded);
  EXPECT_EQ(Lines(), (Lines_{"二维曲线动画  y=x*t", "二维表数据图形: T"}));
  ASSERT_EQ(DocScene.FunSurfs.Count(), 2);

  GraphItem curve;  // every field of the 34-token animated record
  curve.GraphType = 9;
  curve.NameS = "g";
  curve.CoordType = 1;
  curve.ExpressX = "a";
  curve.ExpressY = "b";
  curve.ExpressZ = "x*t";
  curve.StepU = 3;
  curve.StepV = 40;
  curve.MinU = -2.5f;
  curve.MaxU = 2.5f;
  curve.MinV = -1;
  curve.MaxV = 1;
  curve.FillStyle = 2;
  curve.FirstColor = 111;
  curve.SecondColor = 222;
  curve.LineColor = 333;
  curve.LineWidth = 2;
  curve.Material = 5;
  curve.Show = 2;
  curve.Smoothness = 1;
  curve.PointColor = 444;
  curve.PointHollow = true;
  curve.Animation = true;
  curve.MinT = 0.5f;
  curve.MaxT = 4;
  curve.FunForm = 2;
  curve.ShowContour = true;
  curve.ShowColormap = true;
  curve.contourlevel = 7;
  curve.Show2DCurve = true;  // not in the record: every generation-3 item starts with it
  EXPECT_EQ(ItemDifferences(curve, Graph(1)), "");
  EXPECT_EQ(Graph(1).ID, 1);
  EXPECT_FLOAT_EQ(Graph(1).PointSize, 6.0f);
  EXPECT_EQ(AnimFrameCount, 12);
  EXPECT_EQ(AnimSpeed, 25);

  GraphItem table;  // the record ends after its points: the display is a new item's
  table.GraphType = 4;
  table.NameS = "T";
  table.LineColor = 255;
  table.LineWidth = 3;
  table.FillStyle = 2;
  table.FirstColor = 11;
  table.SecondColor = 22;
  table.Material = 6;
  table.Show = 1;
  table.Smoothness = 2;
  table.StepU = 0;
  table.StepV = 1;
  *table.VertTab3D(0, 0) = Point::Init(0.5f, 1.5f, 0);
  *table.VertTab3D(0, 1) = Point::Init(2.5f, 3.5f, 0);
  table.Show2DCurve = true;
  table.Show2DLine = true;
  EXPECT_EQ(ItemDifferences(table, Graph(2)), "");
  EXPECT_EQ(Graph(2).ID, 2);
  EXPECT_FLOAT_EQ(Graph(2).PointSize, GraphItem().PointSize);
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
  window.calls.clear();
  ASSERT_EQ(OpenText("S47 0 0"), LoadOutcome::Loaded);
  EXPECT_EQ(window.calls, (Lines_{"end spin", "end playback", "clear", "showAll"}));  // a spin ends all the same
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
  const std::string gen1Record = "0 7 c 1 0 u sin(u) 5 100 -1 1 -3.14 3.14 2 111 222 333 4 6 1 2 255 1 0 0";
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
      {"generation 1, count beyond the records", Container("S11 2 " + gen1Record + " 0")},
      {"generation 1, no axes after the records", Container("S11 2 " + gen1Record)},
      {"generation 3, count beyond the records", Container("S31 2 " + gen1Record + " 2 0 0 0 0 0")},
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
  // Frame counts into 2..1000 (one frame would leave the graph refused by its own edit
  // dialog), speeds into 1..1000, the timer interval from the speed.
  struct Case {
    int32_t frames, speed;
    int32_t wantFrames, wantSpeed, wantInterval;
  };
  const Case cases[] = {
      {1, 1, 2, 1, 1000},
      {5000, 0, 1000, 1, 1000},
      {0, 5000, 2, 1000, 1},
      {-3, 3, 2, 3, 333},
      {2, 1000, 2, 1000, 1},
  };
  GraphItem a;
  a.GraphType = 9;
  a.CoordType = 1;
  a.FunForm = 2;
  a.ExpressZ = "x+t";
  a.Animation = true;
  a.MaxT = 1;
  for (const Case& c : cases) {
    AnimFrameCount = 3;
    AnimSpeed = 5;
    const std::string first = Save(a);
    AnimFrameCount = c.frames;  // beyond what the options allow
    AnimSpeed = c.speed;
    const std::string second = Save(a);
    ASSERT_EQ(OpenText("S44 2 " + first + " " + second + " 0"), LoadOutcome::Loaded) << c.frames;
    EXPECT_EQ(AnimFrameCount, c.wantFrames) << c.frames;
    EXPECT_EQ(AnimSpeed, c.wantSpeed) << c.speed;
    EXPECT_EQ(host.timerInterval, c.wantInterval) << c.speed;
    EXPECT_EQ(host.optionFields, (std::pair<std::string, std::string>{
                                     std::to_string(c.wantFrames), std::to_string(c.wantSpeed)}));
  }
}

}  // namespace
