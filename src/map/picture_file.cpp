#include "map/picture_file.h"

#include <QBuffer>
#include <QImage>
#include <QSvgGenerator>
#include <string_view>

#include "core/replace_file.h"

namespace ventora {
namespace {

QString CannotWrite(const QString& path, const QString& reason) {
  return "Cannot write the picture \"" + path + "\". Check the folder and the file name. (" +
         reason + ")";
}

bool PaintPng(QBuffer& buffer, QSize size, const PaintPicture& paint) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    paint(painter, QSizeF(size));
  }
  return image.save(&buffer, "PNG");
}

bool PaintSvg(QBuffer& buffer, QSize size, const QString& title, const PaintPicture& paint) {
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(title);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  paint(painter, QSizeF(size));
  return painter.end();
}

}  // namespace

QString SavePicture(const QString& path, QSize size, const QString& title,
                    const PaintPicture& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const bool svg = path.endsWith(".svg", Qt::CaseInsensitive);
  if (!(svg ? PaintSvg(buffer, size, title, paint) : PaintPng(buffer, size, paint)))
    return CannotWrite(path, "the picture could not be drawn");
  try {
    ReplaceFile(path.toStdString(), std::string_view(bytes.constData(), bytes.size()));
  } catch (const FileFault& fault) {
    return CannotWrite(path, QString::fromStdString(fault.InFolder()));
  }
  return {};
}

}  // namespace ventora
