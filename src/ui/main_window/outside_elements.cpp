#include "ui/main_window/outside_elements.h"

#include <QString>

#include "core/parameter_limits.h"

namespace ventora {
namespace {

std::string Number(const NumberText& numbers, float v) {
  return QString::fromStdString(numbers.ToText(v)).trimmed().toStdString();
}

}  // namespace

std::string OutsideElementsText(const Job& job, const NumberText& numbers, int listed) {
  int count = 0;
  std::string list;
  for (int f = 1; f <= kFacadeCount; ++f) {
    const FacadeExtents e = FacadeExtent(job, f);
    const int elements = std::min<int>(std::max<int>(job.ElmCount[f], 0), kMaxElements);
    for (int i = 1; i <= elements; ++i) {
      if (!limits::OutsideFacade(job.ElmX[f][i] / e.L, job.ElmZ[f][i] / e.H)) continue;
      if (++count > listed) continue;
      const char* second = AsFacade(f) == Facade::Roof ? ", Y " : ", Z ";
      list += "\n  facade " + std::to_string(f) + ", element " + std::to_string(i) + ": X " +
              Number(numbers, job.ElmX[f][i]) + second + Number(numbers, job.ElmZ[f][i]);
    }
  }
  std::string text =
      std::string(kElementOutOfFacade) + "\n\n" + std::to_string(count) +
      (count == 1 ? " element lies outside its facade" : " elements lie outside their facades") +
      " (facade, element, X, Z in m):" + list;
  if (count > listed) text += "\n  ... and " + std::to_string(count - listed) + " more";
  text +=
      "\n\nTo fix: move or delete them under Edit, Facade no. n (Clear Data or a new mesh), "
      "or make the building larger again under Edit, Environment; then Run.";
  return text;
}

MsgAnswer OutsideElementsGate::Show(const Message& message) {
  if (message.text != kElementOutOfFacade) return inner_.Show(message);
  if (told_) return MsgAnswer::Ok;
  told_ = true;
  Message one = message;
  one.text = OutsideElementsText(job_, numbers_);
  return inner_.Show(one);
}

}  // namespace ventora
