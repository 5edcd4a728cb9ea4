// Cp against wind direction: after Sweep… and from a click on the Cp map the
// window's table holds the sweep CSV's values for the elements chosen; the
// toggle switches the plot, readable at 800 x 600; Save picture writes a PNG
// and an SVG that read back.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPointer>
#include <QRadioButton>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "main_form_fixture.h"
#include "ui/main_window/sweep_dialog.h"
#include "ui/pictures/cp_direction.h"
#include "ui/pictures/cp_map.h"
#include "ui/pictures/direction_table.h"

namespace ventora::testing {
namespace {

namespace fs = std::filesystem;

// A sweep CSV: the wind direction of each Cp column, and each element's
// cells under them by running number.
struct SweepCsvRows {
  std::vector<float> directions;
  std::map<int, std::vector<std::string>> cells;
};

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, ',');)
    fields.push_back(field);
  return fields;
}

SweepCsvRows ReadSweepCsv(const fs::path& file) {
  constexpr std::size_t kFirstCp = 7;  // after the position columns
  SweepCsvRows csv;
  std::istringstream lines(ReadBytes(file));
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with('#')) continue;
    if (line.ends_with('\r')) line.pop_back();
    const std::vector<std::string> fields = Fields(line);
    if (fields[0] == "Facade") {
      for (std::size_t i = kFirstCp; i + 1 < fields.size(); ++i)
        csv.directions.push_back(std::strtof(fields[i].c_str() + 13, nullptr));  // "Cp wind from "
      continue;
    }
    // The rows come in the report's order: the n-th is running number n.
    const int k = static_cast<int>(csv.cells.size()) + 1;
    csv.cells[k].assign(fields.begin() + kFirstCp,
                        fields.begin() + kFirstCp + csv.directions.size());
  }
  return csv;
}

// Every chosen element's column of the window's table against its CSV row,
// direction by direction; the window's directions are some of the CSV's.
void ExpectTableAsCsv(const CpDirection& window, const SweepCsvRows& csv) {
  const DirectionTable& table = window.Table();
  const std::vector<int> chosen = window.Chosen();
  ASSERT_FALSE(chosen.empty());
  ASSERT_EQ(table.columnCount(), static_cast<int>(chosen.size()));
  ASSERT_GT(table.rowCount(), 1);
  for (int row = 0; row < table.rowCount(); ++row) {
    const float direction = window.Plot().data->directions[static_cast<std::size_t>(row)];
    const auto column = std::find(csv.directions.begin(), csv.directions.end(), direction);
    ASSERT_NE(column, csv.directions.end()) << direction;
    for (int col = 0; col < table.columnCount(); ++col) {
      const std::string& cell = csv.cells.at(chosen[static_cast<std::size_t>(
          col)])[static_cast<std::size_t>(column - csv.directions.begin())];
      const QVariant value = table.data(table.index(row, col), Qt::UserRole);
      ASSERT_EQ(value.isValid(), !cell.empty()) << direction;
      if (!cell.empty()) {
        EXPECT_EQ(value.toFloat(), std::strtof(cell.c_str(), nullptr)) << cell;
      }
    }
  }
}

class DirectionWindowTest : public MainFormTest {
 protected:
  // Opens a copy of the office example and returns its path without ".in".
  std::string OpenOffice() { return fs::path(OpenExample("office-block.in")).replace_extension(); }

  CpDirection* Window() const { return form->findChild<CpDirection*>("CpDirection"); }

  // ventora-run's CSV sweep of the job at its default step.
  SweepCsvRows VentoraRunCsv(const std::string& jobName) {
    EXPECT_EQ(RunVentora("--sweep --format=csv '" + jobName + ".in'").status, 0);
    return ReadSweepCsv(jobName + ".sweep.csv");
  }
};

// The heading, the line under it, the plot and the legend apart, the
// heading wrapped whole into its place, the wind axis's labels apart.
void ExpectReadable(const CpDirection& window) {
  const DirectionPlotLayout& l = window.Canvas().Layout();
  const bool line = window.Plot().kind == PlotKind::Line;
  const QPointF corner(l.radius + 2.4 * l.fontPx, l.radius + 2.4 * l.fontPx);  // with its labels
  const QRectF plot = line ? l.axes : QRectF(l.centre - corner, l.centre + corner);
  EXPECT_GT(plot.width(), 150);
  EXPECT_LE(l.title.bottom(), l.subtitle.top());
  EXPECT_LT(l.subtitle.bottom(), plot.top());
  EXPECT_FALSE(plot.intersects(l.legend));
  EXPECT_TRUE(l.canvas.contains(l.legend));
  QFont font;
  font.setPixelSize(static_cast<int>(l.fontPx * 1.35));
  font.setBold(true);
  const QRectF heading =
      QFontMetricsF(font).boundingRect(QRectF(0, 0, l.title.width(), 1e6), Qt::TextWordWrap,
                                       DirectionPlotHeading(*window.Plot().data));
  EXPECT_LE(heading.height(), l.title.height() + 1);
  font.setPixelSize(static_cast<int>(l.fontPx));
  if (line) {
    EXPECT_GE(l.axes.width() * l.labelEvery / 360,
              QFontMetricsF(font).horizontalAdvance("330\u00b0") + l.fontPx);
  }
}

// The CSV sweep's own values; CONTAM's, swept with the building turned to
// azimuth 0, turned back to the true directions (the example's azimuth 20
// and CONTAM's step 30 fall on the CSV's directions).
TEST_F(DirectionWindowTest, AfterSweepTheWindowHoldsTheCsvRowsValuesAndSavesItsPlots) {
  const std::string jobName = OpenOffice();
  for (const int format : {0, 2}) {  // CSV, CONTAM
    SCOPED_TRACE(format);
    Click("SweepBtn");
    QPointer<SweepDialog> dialog = form->findChild<SweepDialog*>("SweepDialog");
    ASSERT_TRUE(dialog);
    dialog->findChild<QComboBox*>("SweepFormat")->setCurrentIndex(format);
    EXPECT_TRUE(dialog->findChild<QCheckBox*>("SweepShowCp")->isChecked());
    QTest::keyClick(dialog, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 60000));
    CpDirection* window = Window();
    ASSERT_TRUE(window != nullptr && window->isVisible());
    EXPECT_EQ(window->Chosen(), (std::vector<int>{1, 21, 33, 53, 65}));  // each facade's first
    std::vector<int> all;
    for (const DirectionElement& e : window->Plot().data->elements)
      all.push_back(e.k);
    window->Choose(all);
    ExpectTableAsCsv(*window, ReadSweepCsv(jobName + ".sweep.csv"));
    EXPECT_EQ(window->Table().rowCount(), format == 0 ? 36 : 12);
  }
  // Line and polar plots are different pictures of the same values; both
  // save as PNG and SVG, over an old file, leaving no temporary behind; a
  // folder that does not exist is refused in a box.
  messages.shown.clear();  // the exports' warning of how far they miss the model
  CpDirection* window = Window();
  window->resize(1100, 700);
  QCoreApplication::processEvents();
  auto* canvas = window->findChild<DirectionCanvas*>("DirectionCanvas");
  const auto picture = [&] { return canvas->grab().toImage(); };
  const QImage polar = picture();
  EXPECT_GT(window->Canvas().Layout().radius, 100);
  QTest::mouseClick(window->findChild<QRadioButton*>("LinePlot"), Qt::LeftButton);
  EXPECT_EQ(window->Plot().kind, PlotKind::Line);
  EXPECT_GT(window->Canvas().Layout().axes.width(), 200);
  EXPECT_NE(picture(), polar);
  QTest::mouseClick(window->findChild<QRadioButton*>("PolarPlot"), Qt::LeftButton);
  EXPECT_EQ(window->Plot().kind, PlotKind::Polar);
  EXPECT_EQ(picture(), polar);
  window->resize(800, 600);
  for (const PlotKind kind : {PlotKind::Polar, PlotKind::Line}) {
    window->SetKind(kind);
    QCoreApplication::processEvents();
    ExpectReadable(*window);
  }

  const fs::path folder = scratch.path() / "pictures";
  fs::create_directory(folder);
  for (const PlotKind kind : {PlotKind::Polar, PlotKind::Line}) {
    window->SetKind(kind);
    const QString png = QString::fromStdString((folder / "plot.png").string());
    const QString svg = QString::fromStdString((folder / "plot.svg").string());
    ASSERT_TRUE(window->SavePicture(png) && window->SavePicture(svg));
    EXPECT_EQ(QImage(png).size(), window->Canvas().size());
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
    EXPECT_EQ(window->findChild<QStatusBar*>("StatusBar")->currentMessage(), "Written: " + svg);
  }
  EXPECT_TRUE(messages.shown.empty());
  window->askSavePath = [&] { return QString::fromStdString((folder / "none" / "p").string()); };
  window->SavePictureBtn_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_TRUE(messages.shown[0].text.starts_with("Cannot write the picture \"" +
                                                 (folder / "none" / "p.png").string()));
}

// A click on an element of the Cp map sweeps the job in the background at
// ventora-run's default step; Ctrl and a click adds an element without
// sweeping again.
TEST_F(DirectionWindowTest, AClickOnTheMapShowsTheElementsCsvRow) {
  const std::string jobName = OpenOffice();
  Click("RunBtn");
  Click("MapBtn");
  auto* map = form->findChild<CpMap*>("CpMap");
  ASSERT_NE(map, nullptr);
  map->resize(1200, 800);
  QCoreApplication::processEvents();
  auto* canvas = map->findChild<CpMapCanvas*>("CpMapCanvas");
  const auto centre = [&](std::size_t facade) {
    return canvas->Layout().MarkerCentre(map->Model().facades[facade].markers[1]).toPoint();
  };
  QTest::mouseClick(canvas, Qt::LeftButton, {}, centre(0));
  CpDirection* window = Window();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Computing(); }, 60000));
  EXPECT_EQ(window->Chosen(), std::vector<int>{2});
  QTest::mouseClick(canvas, Qt::LeftButton, Qt::ControlModifier, centre(2));
  EXPECT_FALSE(window->Computing());
  EXPECT_EQ(window->Chosen(), (std::vector<int>{2, 34}));
  ExpectTableAsCsv(*window, VentoraRunCsv(jobName));

  // Run again after a change: the open window follows, the same chosen.
  form->Document().job.AnWind = 100;
  Click("RunBtn");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Computing(); }, 60000));
  EXPECT_EQ(window->Plot().data->AnWind, 100);
  EXPECT_EQ(window->Chosen(), (std::vector<int>{2, 34}));
  EXPECT_TRUE(messages.shown.empty());
}

// The Cp map's spread layer and the plot's published methods hold the very
// numbers ventora-run --spread and --compare write for the job.
TEST_F(DirectionWindowTest, SpreadLayerAndPublishedMethodsAreVentoraRunsNumbers) {
  const std::string jobName = OpenOffice();
  Click("RunBtn");
  Click("MapBtn");
  auto* map = form->findChild<CpMap*>("CpMap");
  ASSERT_NE(map, nullptr);
  QTest::mouseClick(map->findChild<QCheckBox*>("SpreadLayer"), Qt::LeftButton);
  ASSERT_EQ(RunVentora("--spread '" + jobName + ".in'").status, 0);
  std::istringstream lines(ReadBytes(jobName + ".out.csv"));
  std::string line;
  std::getline(lines, line);
  ASSERT_TRUE(line.find(",Cp low,Cp high,Cp status") != std::string::npos) << line;
  std::size_t rows = 0;
  for (; std::getline(lines, line); ++rows) {
    const std::vector<std::string> f = Fields(line);  // ..., Cp (8), Cp low, Cp high, status
    // Facade and element on it: the running number counts the facades before.
    std::size_t k = static_cast<std::size_t>(std::stoi(f[1]));
    for (int before = 1; before < std::stoi(f[0]); ++before)
      k += static_cast<std::size_t>(map->ShownJob().ElmCount[before]);
    ASSERT_LE(k, map->Model().spread.size());
    EXPECT_EQ(map->Model().spread[k - 1].low, std::strtof(f[9].c_str(), nullptr)) << k;
    EXPECT_EQ(map->Model().spread[k - 1].high, std::strtof(f[10].c_str(), nullptr)) << k;
  }
  EXPECT_EQ(rows, map->Model().spread.size());

  auto* canvas = map->findChild<CpMapCanvas*>("CpMapCanvas");
  QTest::mouseClick(canvas, Qt::LeftButton, {},
                    canvas->Layout().MarkerCentre(map->Model().facades[1].markers[0]).toPoint());
  CpDirection* window = Window();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Computing(); }, 60000));
  QTest::mouseClick(window->findChild<QCheckBox*>("PeerMethods"), Qt::LeftButton);
  ASSERT_NE(window->Plot().peers, nullptr);
  ASSERT_EQ(RunVentora("--compare '" + jobName + ".in'").status, 0);
  std::istringstream csv(ReadBytes(jobName + ".compare.csv"));
  std::vector<std::vector<std::string>> table;
  for (std::getline(csv, line); std::getline(csv, line);)
    if (!line.starts_with('#') && !line.starts_with("Facade")) {
      if (line.ends_with('\r')) line.pop_back();
      table.push_back(Fields(line + ","));  // the empty last cell kept
    }
  const std::vector<MethodsAtDirection>& shown = window->Plot().peers->rows;
  ASSERT_EQ(table.size(), shown.size());
  const auto number = [](const std::string& cell) { return std::strtof(cell.c_str(), nullptr); };
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const std::vector<std::string>& f = table[i];
    EXPECT_EQ(shown[i].facade, std::stoi(f[0]));
    EXPECT_EQ(shown[i].windFrom, number(f[1]));
    EXPECT_EQ(shown[i].ventora, number(f[2]));
    EXPECT_EQ(static_cast<float>(shown[i].swamiChandra), number(f[3]));
    EXPECT_EQ(static_cast<float>(shown[i].aivc), number(f[4]));
    EXPECT_EQ(shown[i].en1991.has_value(), f.size() > 5 && !f[5].empty()) << i;
    if (shown[i].en1991) {
      EXPECT_EQ(static_cast<float>(*shown[i].en1991), number(f[5])) << i;
    }
  }
}

}  // namespace
}  // namespace ventora::testing
