// The ".in" job file reader: it accepts a job or refuses with a JobFileError,
// and a job it accepts, written back, reads as a job that is written the
// same, with the same elements. (The file keeps 7 significant digits, as it
// always has: 4444444444444444445 reads back as 4.444445E+18.)

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "core/job_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ventora;
  const std::string text(reinterpret_cast<const char*>(data), size);
  // Both decimal separators: a job file may be written with either.
  for (const NumberLocale locale : {NumberLocale{'.', ','}, NumberLocale{',', '.'}}) {
    NumberText numbers(locale);
    JobFileNotes notes;
    Job job;
    try {
      std::istringstream in(text);
      job = ReadJobText(in, "job.in", numbers, notes);
    } catch (const JobFileError&) {
      continue;
    }
    const std::string text1 = JobFileText(job);
    std::istringstream written(text1);
    NumberText plain(NumberLocale{'.', ','});
    JobFileNotes again;
    const Job reread = ReadJobText(written, "job.in", plain, again);
    if (JobFileText(reread) != text1 || reread.ElmCount != job.ElmCount) std::abort();
  }
  return 0;
}
