#pragma once
// Saves a painted Cp map as PNG or SVG, at a given size. Shared by the
// window's "Save picture..." and the command line.

#include <QSize>
#include <QString>

#include "map/cpmap_model.h"

namespace ventora {

// Writes `model` to `path` (".svg" gives SVG, anything else PNG). Returns an
// empty string on success, else what went wrong, for the user.
QString SaveCpMapPicture(const QString& path, const CpMapModel& model, QSize size, char decimal);

}  // namespace ventora
