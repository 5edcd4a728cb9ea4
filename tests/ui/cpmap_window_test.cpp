// The Cp map from the main window: its button follows Output, it opens a
// modeless window on the last completed run, whose numbers are the report's;
// the window redraws at every size and saves PNG and SVG pictures.
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>
#include <filesystem>
#include <map>
#include <sstream>

#include "core/job_file.h"
#include "cpmap_examples.h"
#include "main_form_fixture.h"
#include "ui/pictures/cpmap_window.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

// Cp of every element line of a text report, by element number.
std::map<int, std::string> ReportCp(const fs::path& report) {
  std::map<int, std::string> cp;
  std::istringstream lines(ReadBytes(report));
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    int iface = 0, k = 0;
    std::string x, z, xl, zh, value;
    if (fields >> iface >> k >> x >> z >> xl >> zh >> value) cp[k] = value;
  }
  return cp;
}

class CpMapTest : public MainFormTest {
 protected:
  // Runs the office-block example in the scratch folder.
  void RunOfficeBlock() {
    MakeForm();
    NumberText points{kPointDecimal};
    const Job job = ReadJobFile(ExamplesFolder() + "/office-block.in", points);
    OpenThroughDialog(WriteJob("office", job));
    Click("RunBtn");
    ASSERT_TRUE(Button("VResBtn")->isEnabled())
        << (messages.shown.empty() ? "" : messages.shown[0].text);
  }
  CpMap* Map() const { return form->findChild<CpMap*>("CpMap"); }
};

TEST_F(CpMapTest, TheButtonStandsBesideOutputAndFollowsIt) {
  MakeForm();
  QPushButton* map = Button("MapBtn");
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->text().toStdString(), "Cp &map");
  EXPECT_EQ(map->toolTip().toStdString(), "Show the Cp values on the building");
  EXPECT_FALSE(map->isEnabled());
  OpenThroughDialog(WriteJob("tower", SmallJob()));
  EXPECT_FALSE(map->isEnabled());
  Click("RunBtn");
  EXPECT_TRUE(Button("VResBtn")->isEnabled());
  EXPECT_TRUE(map->isEnabled());
  QTest::mouseClick(OutExcel(), Qt::LeftButton);  // no workbook results: Output goes off
  EXPECT_EQ(map->isEnabled(), Button("VResBtn")->isEnabled());
  QTest::mouseClick(OutExcel(), Qt::LeftButton);
  EXPECT_TRUE(map->isEnabled());
  form->Document().DataChanged = true;  // as the editing dialogs leave it
  Click("EditBtn");
  Click("SaveBtn");  // writing the job turns Output off
  EXPECT_FALSE(Button("VResBtn")->isEnabled());
  EXPECT_FALSE(map->isEnabled());
}

TEST_F(CpMapTest, TheMapShowsTheNumbersOfTheReportInAModelessWindow) {
  RunOfficeBlock();
  Click("MapBtn");
  CpMap* map = Map();
  ASSERT_NE(map, nullptr);
  EXPECT_TRUE(map->isVisible());
  EXPECT_FALSE(map->isModal());
  EXPECT_EQ(map->windowTitle().toStdString(), "Cp map - office");
  const std::map<int, std::string> report = ReportCp(scratch.path() / "office.out.txt");
  std::size_t shown = 0;
  for (const CpMapFacade& f : map->Model().facades)
    for (const CpMarker& m : f.markers) {
      ASSERT_TRUE(report.contains(m.k)) << m.k;
      EXPECT_EQ(CpText(m.Cp, '.'), report.at(m.k)) << m.k;
      ++shown;
    }
  EXPECT_EQ(shown, report.size());
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CpMapTest, TheMapKeepsTheRunWhileTheJobIsEditedAndFollowsTheNextRun) {
  RunOfficeBlock();
  const float first = form->Document().job.ElmX[1][1];
  form->Document().job.ElmX[1][1] = 1;  // an edit after the run
  form->Document().DataChanged = true;
  Click("MapBtn");
  EXPECT_EQ(Map()->Model().facades[0].markers[0].X, first);
  Click("RunBtn");  // the open map takes the new run
  EXPECT_EQ(Map()->Model().facades[0].markers[0].X, 1);
}

TEST_F(CpMapTest, ResultsFromAnEarlierSessionAreComputedAgainForTheMap) {
  RunOfficeBlock();
  Click("MapBtn");
  const CpMapModel before = Map()->Model();
  form.reset();
  MakeForm();
  OpenThroughDialog((scratch.path() / "office.in").string());
  ASSERT_TRUE(Button("MapBtn")->isEnabled());
  Click("MapBtn");
  ASSERT_NE(Map(), nullptr);
  for (int i = 0; i < kMapFacades; ++i) {
    ASSERT_EQ(Map()->Model().facades[i].markers.size(), before.facades[i].markers.size());
    for (std::size_t j = 0; j < before.facades[i].markers.size(); ++j)
      EXPECT_EQ(Map()->Model().facades[i].markers[j].Cp, before.facades[i].markers[j].Cp);
  }
  EXPECT_TRUE(fs::exists(scratch.path() / "office.out.txt"));
}

TEST_F(CpMapTest, TheMapIsLaidOutAgainAtEverySize) {
  RunOfficeBlock();
  Click("MapBtn");
  CpMap* map = Map();
  map->resize(900, 600);
  QCoreApplication::processEvents();
  const double small = map->Canvas().Layout().scale;
  map->resize(1500, 1000);
  QCoreApplication::processEvents();
  const CpMapLayout& layout = map->Canvas().Layout();
  EXPECT_GT(layout.scale, small);
  EXPECT_EQ(layout.canvas.size(), QSizeF(map->Canvas().size()));
  const CpMarker& m = map->Model().facades[1].markers[0];
  EXPECT_NEAR(layout.MarkerCentre(m).x() - layout.facades[1].left(), m.X * layout.scale, 1e-9);
}

TEST_F(CpMapTest, SavePictureWritesPngAndSvgAndReportsAFailure) {
  RunOfficeBlock();
  Click("MapBtn");
  CpMap* map = Map();
  const QString png = QString::fromStdString(scratch / "map.png");
  map->askSavePath = [png] { return png; };
  QTest::mouseClick(map->findChild<QPushButton*>("SavePictureBtn"), Qt::LeftButton);
  const QImage image(png);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), map->Canvas().size());

  const QString svg = QString::fromStdString(scratch / "map.svg");
  ASSERT_TRUE(map->SavePicture(svg));
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  bool root = false;
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement && !root)
      root = xml.name() == QLatin1String("svg");
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_TRUE(root);

  EXPECT_TRUE(messages.shown.empty());
  EXPECT_FALSE(map->SavePicture(QString::fromStdString(scratch / "no-folder/map.png")));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Error");
}

}  // namespace
}  // namespace ventora::testing
