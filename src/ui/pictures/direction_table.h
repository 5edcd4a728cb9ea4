#pragma once
// The values beside the plot of Cp against the wind direction: one row per
// direction, one column per chosen element. The display shows the Cp as the
// report writes it; the user role holds the exact value, as the sweep's CSV
// writes it in full.

#include <QAbstractTableModel>

#include "map/direction_plot.h"

namespace ventora {

class DirectionTable : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void Show(const DirectionPlot& plot, char decimal);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  const DirectionElement& Column(int column) const;

  DirectionPlot plot_;
  char decimal_ = '.';
};

}  // namespace ventora
