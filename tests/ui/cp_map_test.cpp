// The Cp map of a run from the main window: every element's report value
// drawn on its own facade in a colour that follows the value.
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "core/job_file.h"
#include "engine/facade_geometry.h"
#include "main_form_fixture.h"
#include "map/cpmap_layout.h"
#include "map/cpmap_model.h"
#include "troubled_job.h"
#include "ui/pictures/cp_map.h"
#include "ui/pictures/plan_marks.h"

namespace ventora::testing {
namespace {

// Larger for warmer, darker pressure; smaller for darker suction.
int SignedDarkness(int r, int g, int b) {
  const int darkness = 3 * 255 - (r + g + b);
  return r >= b ? darkness : -darkness;
}

TEST_F(MainFormTest, EveryReportValueShowsOnItsFacadeAndNoValueIsHiddenSilently) {
  OpenExample("office-block.in");
  Click("RunBtn");
  Click("MapBtn");
  auto* map = form->findChild<CpMap*>("CpMap");
  ASSERT_NE(map, nullptr);
  std::map<int, std::pair<int, std::string>> report;  // facade and Cp by running number
  std::istringstream lines(ReadBytes(scratch.path() / "office-block.out.txt"));
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    int iface = 0, k = 0;
    std::string x, z, xl, zh, value;
    if (fields >> iface >> k >> x >> z >> xl >> zh >> value) report[k] = {iface, value};
  }
  map->resize(1400, 900);
  QCoreApplication::processEvents();
  const QImage picture = map->grab().toImage();
  const CpMapLayout& layout = map->Canvas().Layout();
  std::vector<std::pair<float, int>> shades;  // Cp, darkness of its marker
  for (const CpMapFacade& f : map->Model().facades)
    for (const CpMarker& m : f.markers) {
      ASSERT_TRUE(report.contains(m.k)) << m.k;
      const std::string& value = report[m.k].second;  // the map never writes "-0.000"
      EXPECT_EQ(CpText(m.Cp, '.'), value == "-0.000" ? "0.000" : value) << m.k;
      const QPointF centre = layout.MarkerCentre(m);
      EXPECT_TRUE(layout.facades[report[m.k].first - 1].contains(centre));
      const QColor c = picture.pixelColor(map->Canvas().mapTo(map, centre.toPoint()));
      EXPECT_TRUE(std::fabs(m.Cp) < 0.05f || (m.Cp > 0) == (c.red() > c.blue()));  // warm or cool
      shades.emplace_back(m.Cp, SignedDarkness(c.red(), c.green(), c.blue()));
      report.erase(m.k);
    }
  EXPECT_TRUE(report.empty());
  std::sort(shades.begin(), shades.end());
  for (std::size_t i = 1; i < shades.size(); ++i)
    EXPECT_LE(shades[i - 1].second, shades[i].second) << shades[i].first;

  // Made small, the map says how many values it hides, and zoom brings
  // them back; the fixed scale; Esc closes. It fits a 1366 x 768 screen.
  map->resize(420, 300);
  QCoreApplication::processEvents();
  auto* said = map->findChild<QLabel*>("HiddenLab");
  EXPECT_TRUE(map->HiddenValues() > 0 &&
              said->text().startsWith(QString("%1 values hidden").arg(map->HiddenValues())));
  for (int i = 0; i < 8 && map->HiddenValues() > 0; ++i)
    QTest::mouseClick(map->findChild<QPushButton*>("ZoomInBtn"), Qt::LeftButton);
  EXPECT_TRUE(map->HiddenValues() == 0 && said->text().isEmpty());
  map->findChild<QCheckBox*>("FixedScale")->click();
  EXPECT_EQ(std::pair(map->Model().Lower(), map->Model().Upper()), std::pair(-1.5f, 1.0f));
  QApplication::setActiveWindow(map);
  QTest::keyClick(map, Qt::Key_Escape);
  EXPECT_FALSE(map->isVisible());
  EXPECT_EQ(CpMapWindowSize(QRect(0, 0, 1366, 728), QMargins(8, 32, 8, 8)), QSize(1100, 688));
}

// A Cp near -9.4 on facade 4, implausible, beside values within -1..1: the
// automatic scale follows the plausible ones and rings the other.
TEST_F(MainFormTest, TheAutomaticScaleFollowsThePlausibleValues) {
  Job job = TroubledJob();
  AddElement(job, 1, 10, 10);
  AddElement(job, 1, 30, 20);
  AddElement(job, 2, 20, 20);
  MakeForm();
  OpenThroughDialog(WriteJob("implausible", job));
  Click("RunBtn");
  Click("MapBtn");
  const CpMapModel& model = form->findChild<CpMap*>("CpMap")->Model();
  float plausible = 0;
  std::vector<float> implausible;
  for (const CpMapFacade& f : model.facades)
    for (const CpMarker& m : f.markers) {
      if (m.implausible)
        implausible.push_back(m.Cp);
      else if (m.state == MarkerState::Computed)
        plausible = std::max(plausible, std::fabs(m.Cp));
    }
  ASSERT_TRUE(plausible > 0 && !implausible.empty());
  EXPECT_EQ(model.Upper(), LegendBound(plausible));
  EXPECT_LE(model.Upper(), 2.0f);
  for (const float cp : implausible)
    EXPECT_TRUE(std::fabs(cp) <= model.Upper() || model.OutsideScale(cp)) << cp;
}

// The zoom and the fixed scale belong to the job shown, not to the next one.
// A report left by an earlier session: the job as loaded is computed again
// in memory, and the map shows the same values as after the run.
TEST_F(MainFormTest, TheZoomAndTheFixedScaleStayWithTheirJobAndAnEarlierRunIsShownAgain) {
  const std::string office = OpenExample("office-block.in");
  const auto markers = [this] {
    std::map<int, float> cp;
    for (const CpMapFacade& f : form->findChild<CpMap*>("CpMap")->Model().facades)
      for (const CpMarker& m : f.markers)
        cp[m.k] = m.Cp;
    return cp;
  };
  Click("RunBtn");
  Click("MapBtn");
  const std::map<int, float> afterRun = markers();
  ASSERT_FALSE(afterRun.empty());
  auto* map = form->findChild<CpMap*>("CpMap");
  for (int i = 0; i < 2; ++i)
    QTest::mouseClick(map->findChild<QPushButton*>("ZoomInBtn"), Qt::LeftButton);
  map->findChild<QCheckBox*>("FixedScale")->click();
  Click("RunBtn");  // the same job again keeps them
  EXPECT_GT(map->ZoomFactor(), 1);
  EXPECT_TRUE(map->Model().scale.fixed);
  OpenThroughDialog(WriteJob("house", SmallJob()));
  Click("RunBtn");
  Click("MapBtn");
  EXPECT_EQ(map->ZoomFactor(), 1);
  EXPECT_FALSE(map->Model().scale.fixed || map->findChild<QCheckBox*>("FixedScale")->isChecked());
  // Save picture… confirms the file in the window's status line.
  const QString png = QString::fromStdString(scratch / "map.png");
  ASSERT_TRUE(map->SavePicture(png));
  EXPECT_EQ(map->findChild<QStatusBar*>("StatusBar")->currentMessage(), "Written: " + png);
  MakeForm();
  OpenThroughDialog(office);
  Click("MapBtn");
  EXPECT_EQ(markers(), afterRun);
}

// The sketch is drawn north up like the editor's plan: each wall where the
// plan puts it (turned with the building), the wind from AnWind.
TEST(CpMapSketch, NorthIsUpAndTheWindComesFromItsDirection) {
  const std::pair<float, float> rows[] = {{0, 0}, {0, 30}, {0, 270}, {45, 200}, {300, 10}};
  for (const auto& [AzB, AnWind] : rows) {
    SCOPED_TRACE(std::to_string(AzB) + " " + std::to_string(AnWind));
    Job job = SmallJob();
    job.AzB = AzB;
    job.AnWind = AnWind;
    const float facade1 = DeriveFacadeGeometry(job).FacadeAngle[1];
    const auto apart = [](double a, double b) { return std::remainder(a - b, 360.0); };
    EXPECT_NEAR(apart(SketchWindSourceBearing(facade1, AzB), AnWind), 0, 1e-3);
    for (int i = 1; i <= 4; ++i)
      EXPECT_NEAR(apart(SketchFacadeBearing(i, AzB), ui::FacadeBearing(i) + AzB), 0, 1e-3);
  }
}

}  // namespace
}  // namespace ventora::testing
