#include "map/cpmap_picture.h"

#include "map/cpmap_painter.h"
#include "map/picture_file.h"

namespace ventora {

QString SaveCpMapPicture(const QString& path, const CpMapModel& model, QSize size, char decimal) {
  return SavePicture(path, size, QString::fromStdString("Cp map - " + model.title),
                     [&](QPainter& painter, const QSizeF& canvas) {
                       PaintCpMap(painter, model, LayOutCpMap(model, canvas), decimal);
                     });
}

}  // namespace ventora
