#include "ui/pictures/direction_table.h"

#include <QColor>

#include "map/cpmap_model.h"
#include "map/cpmap_painter.h"

namespace ventora {

void DirectionTable::Show(const DirectionPlot& plot, char decimal) {
  beginResetModel();
  plot_ = plot;
  decimal_ = decimal;
  endResetModel();
}

int DirectionTable::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || plot_.data == nullptr) return 0;
  return static_cast<int>(plot_.data->directions.size());
}

int DirectionTable::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(plot_.chosen.size());
}

const DirectionElement& DirectionTable::Column(int column) const {
  return plot_.data->elements[plot_.chosen[static_cast<std::size_t>(column)]];
}

QVariant DirectionTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const DirectionElement& e = Column(index.column());
  const auto row = static_cast<std::size_t>(index.row());
  const float cp = e.Cp[row];
  const bool value = DirectionElement::IsValue(cp);
  if (e.implausible[row]) {
    if (role == Qt::ForegroundRole) return QColor(0xc0, 0x00, 0xc0);  // the plot's mark
    if (role == Qt::ToolTipRole) return QString("Implausible: beyond the possible Cp");
  }
  switch (role) {
    case Qt::DisplayRole:
      if (std::isnan(cp)) return QString("\u2013");  // the direction's run stopped
      return value ? QString::fromStdString(CpText(cp, decimal_)) : QString("outside");
    case Qt::UserRole:
      return value ? QVariant(cp) : QVariant();
    case Qt::ToolTipRole:
      if (std::isnan(cp)) return QString("The run at this wind direction stopped: no value");
      return value ? QVariant() : QString("The element lies outside its facade: no value");
    case Qt::TextAlignmentRole:
      return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant DirectionTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (role != Qt::DisplayRole || plot_.data == nullptr) return {};
    return QString::fromStdString(
        AngleText(plot_.data->directions[static_cast<std::size_t>(section)], decimal_));
  }
  const DirectionElement& e = Column(section);
  switch (role) {
    case Qt::DisplayRole:
      return QString("no. %1").arg(e.k);
    case Qt::ToolTipRole:
      return QString::fromStdString(ElementPlace(e.iface, e.ielm, e.k));
    case Qt::ForegroundRole: {
      const Rgb c = ChosenColour(static_cast<std::size_t>(section));
      return QColor(c.r, c.g, c.b);
    }
    default:
      return {};
  }
}

}  // namespace ventora
