#include "map/fitted_box_picture.h"

#include <QFontMetricsF>
#include <cmath>
#include <cstdio>

#include "core/roof_layout.h"
#include "map/cpmap_layout.h"
#include "map/cpmap_model.h"

namespace ventora {
namespace {

const QColor kInk(0x2f, 0x3e, 0x4e);
const QColor kFacadeFill(0xf3, 0xf5, 0xf7);
const QColor kOpening(0x1f, 0x6f, 0xb2);

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

void SetFont(QPainter& p, double pixels, bool bold = false) {
  QFont font = p.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(bold);
  p.setFont(font);
}

std::string Number(double v, int decimals) {
  char text[32];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  return text;
}

// A square at the opening's place, its element number beside it.
void PaintOpening(QPainter& p, const CpMarker& m, const CpMapLayout& l) {
  const QPointF c = l.MarkerCentre(m);
  const double r = std::max(3.0, l.markerRadius * 0.8);
  p.setPen(QPen(kInk, 1));
  p.setBrush(kOpening);
  p.drawRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r));
  SetFont(p, l.fontPx * 0.8);
  p.setPen(kInk);
  p.drawText(QRectF(c.x() + r + 1, c.y() - l.fontPx, 3 * l.fontPx, 2 * l.fontPx),
             Qt::AlignLeft | Qt::AlignVCenter, QString::number(m.ielm));
}

void PaintFacade(QPainter& p, const Job& job, const CpMapFacade& f, const QRectF& r,
                 const CpMapLayout& l) {
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(kFacadeFill);
  p.drawRect(r);
  if (AsFacade(f.iface) == Facade::Roof && job.Islope == 2) {
    const double x = r.left() + r.width() * kRidgeXL;
    p.setPen(QPen(QColor(0xb0, 0x1c, 0x2e), 2, Qt::DashLine));
    p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
  }
  p.setPen(kInk);
  SetFont(p, l.fontPx, true);
  const double room = r.width() + 1.6 * l.fontPx;
  const QRectF name(r.left(), r.top() - 1.6 * l.fontPx, room, 1.4 * l.fontPx);
  p.drawText(
      name, Qt::AlignLeft | Qt::AlignBottom,
      QFontMetricsF(p.font()).elidedText(Q(FittedFacadeTitle(job, f.iface)), Qt::ElideRight, room));
  SetFont(p, l.fontPx * 0.9);
  const QRectF below(r.left(), r.bottom() + 0.3 * l.fontPx, std::max(r.width(), 14 * l.fontPx),
                     1.4 * l.fontPx);
  p.drawText(below, Qt::AlignLeft | Qt::AlignTop,
             Q(Number(f.L, 2) + " x " + Number(f.H, 2) + " m, " + std::to_string(f.markers.size()) +
               (f.markers.size() == 1 ? " opening" : " openings")));
  for (const CpMarker& m : f.markers)
    PaintOpening(p, m, l);
}

void PaintTitle(QPainter& p, const Job& job, const std::string& title, const CpMapLayout& l) {
  p.setPen(kInk);
  SetFont(p, l.fontPx * 1.35, true);
  p.drawText(l.title, Qt::AlignLeft | Qt::AlignTop, Q("Fitted box \u2013 " + title));
  SetFont(p, l.fontPx);
  const char* roof = job.Islope == 0   ? "flat roof"
                     : job.Islope == 1 ? "single slope roof"
                                       : "double slope roof";
  p.drawText(l.title, Qt::AlignLeft | Qt::AlignBottom,
             Q("Building azimuth " + Number(job.AzB, 1) + "\u00b0, " + Number(job.BdX, 2) + " x " +
               Number(job.BdY, 2) + " m, eaves " + Number(job.Bdz, 2) + " m, " + roof +
               ".  Nothing is computed yet."));
}

// Where the legend of the Cp map stands: what a square means.
void PaintKey(QPainter& p, const CpMapModel& m, const CpMapLayout& l) {
  const double font = l.fontPx;
  QRectF row(l.legendBar.left(), l.legendBar.top() - 2.1 * font, 14 * font, 1.4 * font);
  std::size_t openings = 0;
  for (const CpMapFacade& f : m.facades)
    openings += f.markers.size();
  p.setPen(kInk);
  SetFont(p, font, true);
  p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter,
             Q("Airflow openings: " + std::to_string(openings)));
  row.translate(0, 1.6 * font);
  const double r = 0.45 * font;
  p.setPen(QPen(kInk, 1));
  p.setBrush(kOpening);
  p.drawRect(QRectF(row.left(), row.center().y() - r, 2 * r, 2 * r));
  SetFont(p, font * 0.9);
  p.drawText(row.adjusted(1.4 * font, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
             "n: element n of its facade");
}

}  // namespace

std::string FittedFacadeTitle(const Job& job, int iface) {
  if (AsFacade(iface) == Facade::Roof) return "Roof (facade 5)";
  const double faces = std::fmod(job.AzB + (4 - iface) * 90.0 + 360.0, 360.0);
  std::string title = "Facade " + std::to_string(iface);
  if (job.Islope == 2 && IsGableWall(AsFacade(iface), job.Islope)) title += ", gable";
  return title + ", faces " + Number(faces, 1) + "\u00b0";
}

void PaintFittedBox(QPainter& p, const Job& job, const std::string& title, const QSizeF& size) {
  const CpMapModel model = BuildCpMapModel(job, RunResult{}, title);
  const CpMapLayout layout = LayOutCpMap(model, size);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(layout.canvas, Qt::white);
  PaintTitle(p, job, title, layout);
  for (std::size_t i = 0; i < model.facades.size(); ++i)
    PaintFacade(p, job, model.facades[i], layout.facades[i], layout);
  PaintKey(p, model, layout);
  p.restore();
}

}  // namespace ventora
