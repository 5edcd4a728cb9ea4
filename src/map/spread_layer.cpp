#include "map/spread_layer.h"

#include <algorithm>
#include <cmath>

#include "map/spread_ring.h"

namespace ventora {
namespace {

const QColor kInk(0x2f, 0x3e, 0x4e);

void SetFont(QPainter& p, double pixels) {
  QFont font = p.font();
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
  font.setBold(false);
  font.setItalic(false);
  p.setFont(font);
}

void PaintRing(QPainter& p, const CpMarker& m, const ElementSpread& s, const CpMapLayout& l,
               char decimal) {
  const QPointF c = l.MarkerCentre(m);
  const SpreadRing ring = RingOf(s);
  const QColor colour(ring.colour.r, ring.colour.g, ring.colour.b);
  const double r = l.markerRadius + kSpreadRingGap + ring.thickness / 2;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(colour, ring.thickness));
  p.drawEllipse(c, r, r);
  // Under the value, where the value itself has room: a second line below it.
  if (!ring.wide || !l.ValueShown(m)) return;
  const QRectF value = l.ValueBox(m);
  const double w = 7 * l.fontPx;
  const QRectF box(c.x() - w / 2, value.bottom(), w, l.fontPx);
  p.setPen(colour);
  p.drawText(box, Qt::AlignHCenter | Qt::AlignTop,
             QString::fromStdString(SpreadRangeText(s, decimal)));
}

}  // namespace

const ElementSpread* SpreadOf(const CpMapModel& model, const CpMarker& m) {
  const auto i = static_cast<std::size_t>(m.k - 1);
  if (m.k < 1 || i >= model.spread.size() || !std::isfinite(model.spread[i].low)) return nullptr;
  return &model.spread[i];
}

void PaintSpreadLayer(QPainter& p, const CpMapModel& model, const CpMapLayout& l, char decimal) {
  if (model.spread.empty()) return;
  p.save();
  SetFont(p, l.fontPx * 0.7);
  for (const CpMapFacade& f : model.facades)
    for (const CpMarker& m : f.markers)
      if (const ElementSpread* s = SpreadOf(model, m)) PaintRing(p, m, *s, l, decimal);
  SetFont(p, l.fontPx * 0.9);
  p.setPen(kInk);
  p.drawText(l.title, Qt::AlignRight | Qt::AlignTop, QString::fromUtf8(kSpreadKey));
  p.restore();
}

}  // namespace ventora
