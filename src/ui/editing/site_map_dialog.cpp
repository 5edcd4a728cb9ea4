#include "ui/editing/site_map_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <charconv>
#include <cmath>
#include <string>

#include "site/pad_limit_note.h"
#include "ui/editing/edit_context.h"
#include "ui/help/guide_help.h"
#include "ui/pictures/site_plan_view.h"

namespace ventora::ui {
namespace {

constexpr const char* kFootprintFilters =
    "Building footprints (*.geojson *.json *.gpkg *.shp *.fgb *.pbf *.osm *.gml *.kml);;"
    "All Files (*)";

// A number as typed: a point or a comma as decimal separator.
std::optional<double> ReadNumber(QString text) {
  std::string s = text.trimmed().replace(',', '.').toStdString();
  double value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (s.empty() || error != std::errc{} || end != s.data() + s.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// "X,Y" as on the command line (point decimals); "X;Y" or "X Y" also take
// decimal commas.
std::optional<site::XY> ReadSite(const QString& text) {
  const QString t = text.trimmed();
  QStringList parts = t.split(QRegularExpression("\\s*;\\s*|\\s+"), Qt::SkipEmptyParts);
  if (parts.size() != 2) parts = t.split(',');
  if (parts.size() != 2) return std::nullopt;
  const auto x = ReadNumber(parts[0]), y = ReadNumber(parts[1]);
  if (!x || !y) return std::nullopt;
  return site::XY{*x, *y};
}

QString Fixed(double value, int decimals, char decimal) {
  QString text = QString::number(value, 'f', decimals);
  if (decimal != '.') text.replace('.', QChar(decimal));
  return text;
}

QLineEdit* Field(QWidget* parent, const char* name, const QString& placeholder = {}) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setPlaceholderText(placeholder);
  return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

SiteMapDialog::SiteMapDialog(MessageSink& messages, char decimal, SiteFinder finder,
                             QWidget* parent)
    : QDialog(parent), messages_(messages), decimal_(decimal), finder_(std::move(finder)) {
  setObjectName("SiteMap");
  setWindowTitle("Surroundings from a Map");
  BuildLayout();
}

QWidget* SiteMapDialog::BuildInputs() {
  auto* inputs = new QWidget(this);
  auto* form = new QFormLayout(inputs);
  form->setContentsMargins(0, 0, 0, 0);
  file_ = Field(inputs, "MapFile", "GeoJSON, CityJSON, Shapefile, GeoPackage, PBF...");
  auto* browse = Button(inputs, "Browse", "&Browse…");
  connect(browse, &QPushButton::clicked, this, &SiteMapDialog::Browse);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(file_, 1);
  fileRow->addWidget(browse);
  auto* fileLabel = new QLabel("&File:", inputs);
  fileLabel->setBuddy(file_);
  form->addRow(fileLabel, fileRow);
  site_ = Field(inputs, "Site", "X,Y: lon,lat for GeoJSON");
  site_->setToolTip(
      "The studied building's centre in the file's coordinates: lon,lat for GeoJSON, "
      "easting,northing for projected data");
  form->addRow("&Site X,Y:", site_);
  crs_ = Field(inputs, "Crs", "the file's own, e.g. EPSG:28992");
  form->addRow("&Reference system:", crs_);
  radius_ = Field(inputs, "Radius", "5 x max(Bdz, SbH), at least 50");
  form->addRow("R&adius (m):", radius_);
  sectors_ = new QSpinBox(inputs);
  sectors_->setObjectName("Sectors");
  sectors_->setRange(1, 360);
  sectors_->setValue(8);
  form->addRow("Se&ctors:", sectors_);
  storeyHeight_ = Field(inputs, "StoreyHeight");
  storeyHeight_->setText("3");
  storeyHeight_->setToolTip("Metres per building:levels where a building has no height");
  form->addRow("S&torey height (m):", storeyHeight_);
  defaultHeight_ = Field(inputs, "DefaultHeight", "none: PAD only");
  defaultHeight_->setToolTip("The height of buildings the data give none");
  form->addRow("&Default height (m):", defaultHeight_);
  return inputs;
}

void SiteMapDialog::BuildLayout() {
  auto* compute = Button(this, "Compute", "Co&mpute");
  connect(compute, &QPushButton::clicked, this, [this] { Compute(); });
  table_ = new QTableWidget(0, 6, this);
  table_->setObjectName("SiteValues");
  table_->setHorizontalHeaderLabels({"sector from\n(deg)", "sector to\n(deg)", "PAD\n(%)",
                                     "SbH\n(m)", "buildings\ncounted", "without\na height"});
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
  // The all-round row and eight sectors without scrolling.
  table_->setMinimumHeight(11 * (table_->fontMetrics().height() + 6));
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  table_->setMinimumWidth(360);  // narrower than its columns: it scrolls
  radiusUsed_ = new QLabel(this);
  radiusUsed_->setObjectName("RadiusUsed");
  notes_ = new QLabel(this);
  notes_->setObjectName("SiteNotes");
  notes_->setWordWrap(true);
  notes_->setTextFormat(Qt::PlainText);
  picture_ = new SitePlanView(this);

  auto* left = new QVBoxLayout;
  left->addWidget(BuildInputs());
  left->addWidget(compute, 0, Qt::AlignLeft);
  left->addWidget(radiusUsed_);
  left->addWidget(table_, 1);
  auto* top = new QHBoxLayout;
  top->addLayout(left);
  top->addWidget(picture_, 1);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setDefault(true);
  auto* cancel = Button(this, "Cancel", "Cancel");
  auto* help = Button(this, "Help", "Help");
  help::ConnectHelp(help, "surroundings.md#from-a-map-in-the-desktop-program");
  connect(ok, &QPushButton::clicked, this, &SiteMapDialog::OkClicked);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addWidget(help);

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(top, 1);
  outer->addWidget(notes_);
  outer->addLayout(buttons);
  // The notes below the values may take several lines: the window grows.
  outer->setSizeConstraint(QLayout::SetMinimumSize);
}

std::optional<SiteValues> SiteMapDialog::Ask(const Job& job) {
  // The building's height and shape may have changed since the last time.
  if (job_.Bdz != job.Bdz || job_.BdX != job.BdX || job_.BdY != job.BdY) computedFor_.clear();
  job_ = job;
  if (computedFor_.isEmpty()) Clear();
  return exec() == QDialog::Accepted ? values_ : std::nullopt;
}

void SiteMapDialog::Browse() {
  const QString start = file_->text().isEmpty() ? QString() : QFileInfo(file_->text()).path();
  const QString path =
      QFileDialog::getOpenFileName(this, "Building Footprints", start, kFootprintFilters);
  if (!path.isEmpty()) file_->setText(path);
}

QString SiteMapDialog::InputsText() const {
  return QStringList{
      file_->text(),    site_->text(),         crs_->text(),           radius_->text(),
      sectors_->text(), storeyHeight_->text(), defaultHeight_->text(), QString::number(job_.Bdz)}
      .join('\n');
}

// The fields as the site library's question; none after saying what is
// wrong, with the focus on the field to mend.
std::optional<site::SurroundingsQuery> SiteMapDialog::ReadQuery() {
  const auto Refuse = [this](QLineEdit* field, const std::string& why) {
    Tell(messages_, why);
    field->setFocus(Qt::OtherFocusReason);
    return std::nullopt;
  };
  site::SurroundingsQuery query;
  query.file = file_->text().trimmed().toStdString();
  if (query.file.empty())
    return Refuse(file_,
                  "Choose a file of building footprints: GeoJSON, CityJSON, or what GDAL reads "
                  "(Shapefile, GeoPackage, FlatGeobuf, OpenStreetMap PBF).");
  const auto site = ReadSite(site_->text());
  if (!site)
    return Refuse(site_, "Site \"" + site_->text().toStdString() +
                             "\": give the site as X,Y in the file's coordinates (lon,lat for "
                             "GeoJSON, easting,northing for projected data), e.g. 24.9384,60.1699");
  query.site = *site;
  query.crs = crs_->text().trimmed().toStdString();
  const std::pair<QLineEdit*, const char*> lengths[] = {
      {radius_, "Radius"}, {storeyHeight_, "Storey height"}, {defaultHeight_, "Default height"}};
  for (const auto& [field, name] : lengths) {
    const auto value = ReadNumber(field->text());
    if (field->text().trimmed().isEmpty() && field != storeyHeight_) continue;
    if (!value || !(*value > 0))
      return Refuse(field, std::string(name) + " \"" + field->text().toStdString() +
                               "\": a length above 0 m is needed");
    if (field == radius_) query.radius = *value;
    if (field == storeyHeight_) query.storeyHeight = *value;
    if (field == defaultHeight_) query.defaultHeight = *value;
  }
  query.buildingHeight = job_.Bdz;
  query.sectors = sectors_->value();
  query.plan = true;
  return query;
}

bool SiteMapDialog::Compute() {
  const auto query = ReadQuery();
  if (!query) return false;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const site::SurroundingsAnswer answer = finder_(*query);
  QApplication::restoreOverrideCursor();
  if (!answer.error.empty()) {
    Clear();
    Tell(messages_, answer.error);
    return false;
  }
  Show(answer);
  computedFor_ = InputsText();
  return true;
}

void SiteMapDialog::Clear() {
  values_.reset();
  computedFor_.clear();
  picture_->SetPlan(std::nullopt);
  table_->setRowCount(0);
  radiusUsed_->clear();
  notes_->clear();
}

void SiteMapDialog::Show(const site::SurroundingsAnswer& answer) {
  const std::vector<site::SectorValues>& rows = answer.values.rows;
  table_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < table_->rowCount(); ++r) {
    const site::SectorValues& row = rows[static_cast<std::size_t>(r)];
    const QString cells[] = {r == 0 ? "all round" : Fixed(row.from, 1, decimal_),
                             r == 0 ? "" : Fixed(row.to, 1, decimal_),
                             Fixed(row.pad, 2, decimal_),
                             row.sbh ? Fixed(*row.sbh, 2, decimal_) : "-",
                             QString::number(row.buildings),
                             QString::number(row.withoutHeight)};
    for (int c = 0; c < 6; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, c, item);
    }
  }
  const site::SectorValues& all = rows.front();
  // As ventora-run gives them to a job: the job's own SbH stays when no
  // building has a height.
  values_ = SiteValues{static_cast<float>(all.pad),
                       all.sbh ? std::optional<float>(static_cast<float>(*all.sbh)) : std::nullopt};
  radiusUsed_->setText("Within " + Fixed(answer.radius, 1, decimal_) +
                       " m of the site; OK takes the all-round PAD and SbH.");
  notes_->setText(Notes(answer));
  // A wrapped label's height is not its layout's minimum: the window keeps
  // room for every line.
  notes_->setMinimumHeight(notes_->heightForWidth(std::max(notes_->width(), width() - 20)));
  picture_->SetPlan(answer.plan);
}

QString SiteMapDialog::Notes(const site::SurroundingsAnswer& answer) const {
  QStringList lines;
  for (const std::string& note : answer.notes)
    lines << QString::fromStdString(note);
  Job taken = job_;
  taken.PAD = values_->pad;
  if (values_->sbh) taken.SbH = *values_->sbh;
  if (const std::string above = site::PadAboveLimitText(taken); !above.empty())
    lines << QString::fromStdString(above);
  if (!values_->sbh)
    lines << "no building round the site has a height: the job's SbH is kept; a default height "
             "gives them one";
  return lines.join('\n');
}

// OK takes the values shown, computing them first when the fields have
// changed since; a refusal keeps the dialog open.
void SiteMapDialog::OkClicked() {
  if (computedFor_ != InputsText() && !Compute()) return;
  accept();
}

}  // namespace ventora::ui
