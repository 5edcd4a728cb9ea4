#include "map/cpmap_picture.h"

#include <QImage>
#include <QSaveFile>
#include <QSvgGenerator>

#include "map/cpmap_painter.h"

namespace ventora {
namespace {

// The picture is written to a temporary beside it and renamed over the old
// one only when whole, so an interrupted save leaves the old picture.
QString CannotWrite(const QString& path, const QSaveFile& file) {
  return "Cannot write the picture \"" + path + "\". Check the folder and the file name. (" +
         file.errorString() + ")";
}

QString SavePng(const QString& path, const CpMapModel& model, QSize size, char decimal) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintCpMap(painter, model, LayOutCpMap(model, QSizeF(size)), decimal);
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
    return CannotWrite(path, file);
  return {};
}

QString SaveSvg(const QString& path, const CpMapModel& model, QSize size, char decimal) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return CannotWrite(path, file);
  QSvgGenerator svg;
  svg.setOutputDevice(&file);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QString::fromStdString("Cp map - " + model.title));
  QPainter painter;
  if (!painter.begin(&svg)) return CannotWrite(path, file);
  PaintCpMap(painter, model, LayOutCpMap(model, QSizeF(size)), decimal);
  if (!painter.end() || !file.commit()) return CannotWrite(path, file);
  return {};
}

}  // namespace

QString SaveCpMapPicture(const QString& path, const CpMapModel& model, QSize size, char decimal) {
  if (path.endsWith(".svg", Qt::CaseInsensitive)) return SaveSvg(path, model, size, decimal);
  return SavePng(path, model, size, decimal);
}

}  // namespace ventora
