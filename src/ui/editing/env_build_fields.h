#pragma once
// The nine numeric fields of the environment and building dialog: which job
// value each edits, what it accepts, what it says when it refuses, and which
// picture explains it.

#include <array>

#include "core/job.h"
#include "core/parameter_limits.h"
#include "ui/pictures/help_slate.h"

namespace ventora::ui {

struct EnvField {
  const char* name;       // objectName of the text box
  const char* label;      // its label, "&" before the accelerator
  const char* labelName;  // objectName of the label
  const char* unit;       // shown after the box
  float Job::*param;
  const char* hint;  // caption of the picture window while the field has the focus
  HelpPicture picture;
  limits::Range accepts;
  const limits::ParameterLimits* limits;  // names the value when the field refuses it
};

inline constexpr int kEnvFieldCount = 9;

// In the order the fields are filled when the dialog opens.
extern const std::array<EnvField, kEnvFieldCount> kEnvFields;

}  // namespace ventora::ui
