#pragma once
// The box fitted to an EnergyPlus model, before anything is computed: the
// facades unfolded as the Cp map lays them out (the same layout, so that
// the picture and the later map match), each airflow opening a square at
// its place with its element number, so that a user sees where every
// opening went before the model is written.

#include <QPainter>
#include <QSizeF>
#include <string>

#include "core/job.h"

namespace ventora {

// `title` names the model.
void PaintFittedBox(QPainter& painter, const Job& job, const std::string& title,
                    const QSizeF& size);

// "Facade 2, faces 180.0°" and "Roof (facade 5)": a facade's heading in the
// picture. A wall faces AzB + (4 - i) x 90 degrees.
std::string FittedFacadeTitle(const Job& job, int iface);

}  // namespace ventora
