#include "map/cpmap_picture.h"

#include <QFileInfo>
#include <QImage>
#include <QSvgGenerator>

#include "map/cpmap_painter.h"

namespace ventora {
namespace {

QString CannotWrite(const QString& path) {
  return "Cannot write the picture \"" + path + "\". Check the folder and the file name.";
}

QString SavePng(const QString& path, const CpMapModel& model, QSize size, char decimal) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    PaintCpMap(painter, model, LayOutCpMap(model, QSizeF(size)), decimal);
  }
  return image.save(path, "PNG") ? QString() : CannotWrite(path);
}

QString SaveSvg(const QString& path, const CpMapModel& model, QSize size, char decimal) {
  if (!QFileInfo(QFileInfo(path).absolutePath()).isWritable()) return CannotWrite(path);
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QString::fromStdString("Cp map - " + model.title));
  QPainter painter;
  if (!painter.begin(&svg)) return CannotWrite(path);
  PaintCpMap(painter, model, LayOutCpMap(model, QSizeF(size)), decimal);
  return painter.end() ? QString() : CannotWrite(path);
}

}  // namespace

QString SaveCpMapPicture(const QString& path, const CpMapModel& model, QSize size, char decimal) {
  if (path.endsWith(".svg", Qt::CaseInsensitive)) return SaveSvg(path, model, size, decimal);
  return SavePng(path, model, size, decimal);
}

}  // namespace ventora
