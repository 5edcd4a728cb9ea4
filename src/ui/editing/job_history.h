#pragma once
// The job's history of changes for undo and redo: each change is the job as
// it was and as it became, named as the user made it ("Building azimuth AzB
// 20 → 35"). The editing windows change the job in place while they are
// open and hand their changes to the history when OK keeps them, one step
// per field, element edit, paste, mesh or map look-up.

#include <QString>
#include <QUndoCommand>
#include <vector>

#include "core/job_document.h"
#include "core/parameter_limits.h"

class QUndoStack;

namespace ventora {
class NumberText;
}

namespace ventora::ui {

struct JobStep {
  Job before;
  Job after;
  QString text;
};

class JobChange : public QUndoCommand {
 public:
  JobChange(JobDocument& doc, JobStep step);
  void undo() override;
  void redo() override;

 private:
  JobDocument& doc_;
  JobStep step_;
};

// Adds the steps in order; the job ends as the last step left it.
void PushSteps(QUndoStack& history, JobDocument& doc, const std::vector<JobStep>& steps);

// "Building azimuth AzB 20 → 35", the numbers as the user's locale writes them.
QString ValueChangeText(const limits::ParameterLimits& value, float before, float after,
                        const NumberText& numbers);

// A number as the user's locale writes it, without padding.
QString NumberShown(float value, const NumberText& numbers);

}  // namespace ventora::ui
