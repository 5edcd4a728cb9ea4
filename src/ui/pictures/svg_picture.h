#pragma once
// A drawing from an SVG resource, painted at whatever size and pixel density
// the screen has, so it stays crisp when scaled.

#include <QSvgRenderer>
#include <QWidget>

namespace ventora::ui {

class SvgPicture : public QWidget {
  Q_OBJECT
 public:
  SvgPicture(const QString& resource, QWidget* parent = nullptr);
  // The drawing's own size.
  QSize sizeHint() const override;
  bool IsValid() const { return renderer_.isValid(); }
  // Draws the compass rose and the facade numbers over the drawing, round
  // `building` and at `compass` (the drawing's own coordinates).
  void AddPlanMarks(const QRectF& building, const QPointF& compass);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer renderer_;
  QRectF building_;  // empty: no plan marks
  QPointF compass_;
};

}  // namespace ventora::ui
