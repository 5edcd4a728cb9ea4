#pragma once
// The report of a run, in whichever form the user asked for (text report or
// workbook). The run driver hands it what to write, in order; each form
// decides how. A wall model's failure line reaches the same writer through
// the ReportLineSink it inherits.

#include <cstdint>
#include <string>

#include "core/job.h"
#include "engine/run_context.h"

namespace ventora {

// The Cp of an element no model computed (it lies outside its facade, or a
// wall's ratio curve has no real value there): reports show it as it is.
inline constexpr float kNotComputedCp = 10000;
// The Cp of an element on the floor, which no model covers.
inline constexpr float kFloorCp = 999;

// One computed (or refused) element, as the report shows it.
struct ElementResult {
  std::int16_t iface = 0;  // facade 1..6
  std::int16_t k = 0;      // running element number over all facades
  float X = 0;             // XL * L, 32-bit
  float Z = 0;             // ZH * H, 32-bit (after clamping)
  float XL = 0;
  float ZH = 0;
  float Cp = 0;  // kNotComputedCp for an element outside its facade
};

class ReportWriter : public ReportLineSink {
 public:
  // Title (job name and the already formatted date) and the ten parameters.
  virtual void WriteHeader(const Job& job, const std::string& jobName,
                           const std::string& dateText) = 0;
  virtual void WriteColumnHeader() = 0;
  virtual void WriteElement(const ElementResult& element) = 0;
  virtual void WriteAverage(std::int16_t iface, float average) = 0;
  // Finishes the report and puts it in place under its final name.
  // Throws std::runtime_error (with a message for the user) when it cannot.
  virtual void Close() = 0;
};

// For runs whose results are wanted in memory only (RunResult): writes
// nothing.
class NoReport : public ReportWriter {
 public:
  void WriteLine(const std::string&) override {}
  void WriteHeader(const Job&, const std::string&, const std::string&) override {}
  void WriteColumnHeader() override {}
  void WriteElement(const ElementResult&) override {}
  void WriteAverage(std::int16_t, float) override {}
  void Close() override {}
};

}  // namespace ventora
