// "From map..." in the environment dialog: the values OK puts into PAD and
// SbH are the ones ventora-run gives a job from the same footprints; Cancel
// and a refused file change nothing and leave no dead end.

#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>

#include "core/job_file.h"
#include "editing_fixture.h"
#include "main_form_fixture.h"
#include "temp_folder.h"
#include "ui/editing/env_build_dialog.h"
#include "ui/pictures/site_plan_view.h"

namespace ventora::ui::testing {
namespace {

namespace fs = std::filesystem;

fs::path Maps() {
  return fs::path(std::getenv("VENTORA_TEST_DATA")) / "surroundings";
}

struct Inputs {
  std::string file, site, crs, radius;
  int sectors = 1;
};

class SiteMapTest : public EditingTest {
 protected:
  void SetUp() override {
    doc.job = ReadJobFile(VENTORA_SOURCE_EXAMPLES "/office-block.in", numbers);
    dialog = &chooser->Environment();
    dialog->SetSiteFinder([this](const site::SurroundingsQuery& query) {
      ++asked;
      return site::FindSurroundings(query);
    });
    dialog->Prepare();
    ShowActive(dialog);
  }
  void TearDown() override { dialog->hide(); }

  QString FieldText(const char* name) { return Find<QLineEdit>(dialog, name)->text(); }

  // Opens From map..., fills it with `in`, and hands it to `act`.
  void FromMap(const Inputs& in, std::function<void(QDialog*)> act) {
    OnNextModal([in, act](QDialog* map) {
      Find<QLineEdit>(map, "MapFile")->setText(QString::fromStdString((Maps() / in.file).string()));
      Find<QLineEdit>(map, "Site")->setText(QString::fromStdString(in.site));
      Find<QLineEdit>(map, "Crs")->setText(QString::fromStdString(in.crs));
      Find<QLineEdit>(map, "Radius")->setText(QString::fromStdString(in.radius));
      Find<QSpinBox>(map, "Sectors")->setValue(in.sectors);
      act(map);
      if (map->isVisible()) Click(map, "Cancel");  // a failed expectation ends no test in a loop
    });
    Click(dialog, "FromMap");
  }

  // What ventora-run's job takes: the site room's answer to the same
  // question, all round (a job's run asks for no sectors).
  site::SurroundingsAnswer Expected(const Inputs& in) const {
    site::SurroundingsQuery query;
    query.file = (Maps() / in.file).string();
    const auto comma = in.site.find(',');
    query.site = {std::stod(in.site.substr(0, comma)), std::stod(in.site.substr(comma + 1))};
    query.crs = in.crs;
    if (!in.radius.empty()) query.radius = std::stod(in.radius);
    query.buildingHeight = doc.job.Bdz;
    return site::FindSurroundings(query);
  }

  EnvBuildDialog* dialog = nullptr;
  int asked = 0;
};

// Lon/lat with the radius the building gives, projected CityJSON, and a
// CityJSON whose reference system the user names.
TEST_F(SiteMapTest, OkPutsTheValuesVentoraRunGivesTheJobIntoPadAndSbH) {
  const Inputs rows[] = {
      {"helsinki-buildings.geojson", "24.9440,60.1680", "", "", 8},
      {"delft.city.json", "84950,447540", "", "100", 1},
      {"DH_01_subs.city.json", "78650,457900", "EPSG:28992", "50", 4},
  };
  for (const Inputs& in : rows) {
    SCOPED_TRACE(in.file);
    const site::SurroundingsAnswer expected = Expected(in);
    ASSERT_EQ(expected.error, "");
    const site::SectorValues& all = expected.values.rows.front();
    const float sbhBefore = doc.job.SbH;
    FromMap(in, [&](QDialog* map) {
      Click(map, "Compute");
      const auto* table = Find<QTableWidget>(map, "SiteValues");
      EXPECT_EQ(table->rowCount(), in.sectors == 1 ? 1 : in.sectors + 1);
      EXPECT_EQ(table->item(0, 4)->text().toInt(), all.buildings);
      const auto* picture = Find<SitePlanView>(map, "SitePicture");
      ASSERT_TRUE(picture->Plan().has_value());
      EXPECT_EQ(picture->Plan()->radius, expected.radius);
      EXPECT_FALSE(picture->Plan()->footprints.empty());
      EXPECT_LT(map->minimumSizeHint().width(), 948);  // beside its parent on a small screen
      Click(map, "OK");
    });
    EXPECT_EQ(doc.job.PAD, static_cast<float>(all.pad));
    EXPECT_EQ(doc.job.SbH, all.sbh ? static_cast<float>(*all.sbh) : sbhBefore);
    EXPECT_EQ(FieldText("fPAD").toStdString(), numbers.ToText(doc.job.PAD));
    EXPECT_EQ(FieldText("fSBH").toStdString(), numbers.ToText(doc.job.SbH));
  }
}

// The real ventora-run, given the job and the same footprints, says it runs
// with the values the dialog put in the job.
TEST_F(SiteMapTest, VentoraRunSaysTheSameValues) {
  const Inputs in{"helsinki-buildings.geojson", "24.9440,60.1680", "", "", 1};
  QString notes;
  FromMap(in, [&notes](QDialog* map) {
    Click(map, "OK");
    notes = Find<QLabel>(map, "SiteNotes")->text();
  });
  ASSERT_EQ(asked, 1);  // OK computed what was not yet computed
  ventora::testing::TempFolder folder("sitemap");
  fs::copy_file(VENTORA_SOURCE_EXAMPLES "/office-block.in", folder.path() / "job.in");
  const std::string text =
      ventora::testing::RunVentora("--surroundings '" + (Maps() / in.file).string() + "' --site " +
                                   in.site + " '" + (folder.path() / "job.in").string() + "'")
          .err;
  std::smatch m;
  ASSERT_TRUE(std::regex_search(text, m, std::regex(R"(PAD ([0-9.]+) % and SbH ([0-9.]+) m)")))
      << text;
  EXPECT_NEAR(doc.job.PAD, std::stod(m[1]), 0.005);
  EXPECT_NEAR(doc.job.SbH, std::stod(m[2]), 0.005);
  // Its notes and its word on the model's limit, the dialog says alike.
  std::istringstream lines(text);
  int matched = 0;
  for (std::string line; std::getline(lines, line);) {
    const std::string note = "ventora-run: note: ";
    std::string words;
    if (line.starts_with(note))
      words = line.substr(note.size());
    else if (line.find("above the model's limit") != std::string::npos)
      words = line.substr(std::string("ventora-run: ").size());
    if (words.empty()) continue;
    EXPECT_TRUE(notes.contains(QString::fromStdString(words))) << words;
    ++matched;
  }
  EXPECT_EQ(matched, 3);  // outlines repaired, outlines covering no ground; PAD above the limit
}

// A file without a reference system is refused in ventora-run's words; the
// dialog stays open, and naming the system lets OK through.
TEST_F(SiteMapTest, AFileWithoutAReferenceSystemIsSaidAndCanBeMended) {
  const Job before = doc.job;
  const Inputs in{"DH_01_subs.city.json", "78650,457900", "", "50", 1};
  bool openAfterRefusal = false;
  FromMap(in, [&](QDialog* map) {
    Click(map, "OK");
    openAfterRefusal = map->isVisible();
    EXPECT_EQ(doc.job.PAD, before.PAD);
    Find<QLineEdit>(map, "Crs")->setText("EPSG:28992");
    Click(map, "OK");
  });
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, Expected(in).error);
  EXPECT_NE(messages.shown[0].text.find("names no reference system"), std::string::npos);
  EXPECT_TRUE(openAfterRefusal);
  Inputs mended = in;
  mended.crs = "EPSG:28992";
  EXPECT_EQ(doc.job.PAD, static_cast<float>(Expected(mended).values.rows.front().pad));
}

// Fields the dialog reads itself: each refusal names the field and keeps
// the dialog open, nothing asked of the site library; Cancel, after a
// refusal or values computed, changes nothing.
TEST_F(SiteMapTest, BadFieldsAreRefusedBeforeTheFileIsReadAndCancelChangesNothing) {
  const Job before = doc.job;
  const QString pad = FieldText("fPAD"), sbh = FieldText("fSBH");
  const struct {
    Inputs in;
    const char* said;
  } rows[] = {
      {{"", "1,2", "", "", 1}, "Choose a file of building footprints"},
      {{"delft.city.json", "84950", "", "", 1}, "Site \"84950\": give the site as X,Y"},
      {{"delft.city.json", "84950,447540", "", "-5", 1},
       "Radius \"-5\": a length above 0 m is needed"},
      {{"delft.city.json", "84950,447540", "", "100", 8}, ""},  // computed, then cancelled
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.said);
    messages.shown.clear();
    Inputs in = row.in;
    FromMap(in, [&](QDialog* map) {
      if (in.file.empty()) Find<QLineEdit>(map, "MapFile")->clear();
      Click(map, "Compute");
      EXPECT_TRUE(map->isVisible());
    });
    EXPECT_EQ(messages.shown.size(), *row.said ? 1u : 0u);
    if (*row.said) {
      EXPECT_NE(LastText().find(row.said), std::string::npos) << LastText();
    }
    EXPECT_EQ(asked, *row.said ? 0 : 1);
    EXPECT_TRUE(doc.job.PAD == before.PAD && doc.job.SbH == before.SbH);
    EXPECT_TRUE(FieldText("fPAD") == pad && FieldText("fSBH") == sbh);
  }
}

}  // namespace
}  // namespace ventora::ui::testing
