#include "ui/editing/job_history.h"

#include <QUndoStack>

#include "core/number_text.h"

namespace ventora::ui {

JobChange::JobChange(JobDocument& doc, JobStep step) : doc_(doc), step_(std::move(step)) {
  setText(step_.text);
}

void JobChange::undo() {
  doc_.job = step_.before;
}

void JobChange::redo() {
  doc_.job = step_.after;
}

void PushSteps(QUndoStack& history, JobDocument& doc, const std::vector<JobStep>& steps) {
  for (const JobStep& step : steps)
    if (!(step.before == step.after)) history.push(new JobChange(doc, step));
}

QString NumberShown(float value, const NumberText& numbers) {
  return QString::fromStdString(numbers.ToText(value)).trimmed();
}

QString ValueChangeText(const limits::ParameterLimits& value, float before, float after,
                        const NumberText& numbers) {
  return QString("%1 %2 %3 \u2192 %4")
      .arg(QString::fromUtf8(value.label), QString::fromUtf8(value.symbol),
           NumberShown(before, numbers), NumberShown(after, numbers));
}

}  // namespace ventora::ui
