#pragma once
// A picture painted with QPainter, saved as PNG or SVG: the Cp map's and the
// plot of Cp against the wind direction alike. The whole file is made in
// memory and replaced whole, so a failed save leaves the old picture.

#include <QPainter>
#include <QSize>
#include <QString>
#include <functional>

namespace ventora {

// Paints the picture on a canvas of the given size.
using PaintPicture = std::function<void(QPainter& painter, const QSizeF& size)>;

// Writes the picture to `path` (".svg" gives SVG, anything else PNG) at
// `size`; `title` is the SVG's. Returns an empty string on success, else what
// went wrong, for the user.
QString SavePicture(const QString& path, QSize size, const QString& title,
                    const PaintPicture& paint);

}  // namespace ventora
