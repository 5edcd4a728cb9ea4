#include <algorithm>

#include "core/job_file.h"
#include "core/replace_file.h"

namespace ventora {
namespace {

// Counts, facade and element numbers: a blank or minus, the digits, a blank.
std::string IntegerText(int n) {
  std::string text(n < 0 ? 0 : 1, ' ');
  return text.append(std::to_string(n)).append(1, ' ');
}

// Appends a value; one that starts with a minus after another value gets a
// blank first, so that the reader can tell the two apart.
void AppendValue(std::string& line, float value) {
  const std::string text = FileNumberText(value);
  if (!line.empty() && text.front() == '-') line += ' ';
  line += text;
}

std::string HeaderLine(const Job& job) {
  std::string line;
  for (float v : {job.AzB, job.AnWind, job.PAD, job.SbH, job.Bdz, job.BdX, job.BdY, job.VeEXP,
                  static_cast<float>(job.Islope), job.Phi})
    AppendValue(line, v);
  return line + "\r\n";
}

}  // namespace

std::string JobFileText(const Job& job) {
  std::string text = HeaderLine(job);
  int running = 0;
  for (int iface = 1; iface <= kFacadeCount; ++iface) {
    // Counts outside the capacity cannot come from the program; they are
    // clamped so that the file stays readable and no array is overrun.
    const int count = std::clamp<int>(job.ElmCount[iface], 0, kMaxElements);
    text += IntegerText(iface) + "\r\n" + IntegerText(count) + "\r\n";
    for (int ielm = 1; ielm <= count; ++ielm) {
      std::string line = IntegerText(++running);
      AppendValue(line, job.ElmX[iface][ielm]);
      AppendValue(line, job.ElmZ[iface][ielm]);
      text += line + "\r\n";
    }
  }
  return text;
}

void WriteJobFile(const Job& job, const std::string& jobName) {
  const std::string target = jobName + ".in";
  try {
    ReplaceFile(target, JobFileText(job), Flush::ToDisk);
  } catch (const FileFault& e) {
    throw JobFileError(target, "the file cannot be written " + e.InFolder());
  }
}

}  // namespace ventora
