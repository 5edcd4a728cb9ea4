#include <algorithm>
#include <array>
#include <cerrno>
#include <fstream>
#include <string_view>

#include "core/job_file.h"
#include "core/plain_fields.h"
#include "core/replace_file.h"
#include "core/text_excerpt.h"
#include "core/text_lines.h"

namespace ventora {
namespace {

// Lines of a job file with their numbers, whatever their line ends.
class LineSource {
 public:
  explicit LineSource(std::istream& in) : lines_(in) {}

  // The line stays valid until the next call.
  bool Next(std::string_view& line) { return lines_.Next(line); }

  // Skips lines holding only blanks; false at the end of the file.
  bool NextNonBlank(std::string_view& line) {
    while (Next(line))
      if (line.find_first_not_of(" \t") != std::string_view::npos) return true;
    return false;
  }

  int number() const { return lines_.number(); }

 private:
  TextLines lines_;
};

class BlockReader {
 public:
  BlockReader(const std::string& path, std::istream& in, NumberText& numbers, JobFileNotes& notes)
      : path_(path), lines_(in), numbers_(numbers), plain_(numbers.Plain()), notes_(notes) {}

  Job Read() {
    Job job;
    std::string_view line;
    if (lines_.Next(line)) {
      ReadHeader(line, job);
    } else {
      // An empty file (a save cut short) has no header value at all.
      std::array<Field, 10> none;
      none.fill({FieldType::Single, {}});
      NoteUnread(none);
      notes_.headerLine = 1;
    }
    while (lines_.NextNonBlank(line))
      ReadFacadeBlock(line, job);
    return job;
  }

 private:
  [[noreturn]] void Refuse(const std::string& reason) const {
    throw JobFileError(path_, lines_.number(), reason);
  }

  // A value that does not convert ends the header; the values after it stay 0.
  void ReadHeader(std::string_view line, Job& job) {
    std::array<Field, 10> f;
    f.fill({FieldType::Single, {}});
    f[8].type = FieldType::Integer;
    try {
      numbers_.ReadFields(line, f);
    } catch (const NumberConversionError&) {
      // Lenient: the values read so far are kept, the rest stay 0.
    }
    float* const targets[] = {&job.AzB, &job.AnWind, &job.PAD, &job.SbH,
                              &job.Bdz, &job.BdX,    &job.BdY, &job.VeEXP};
    for (int i = 0; i < 8; ++i)
      *targets[i] = static_cast<float>(FieldNumber(f[i].value));
    job.Islope = static_cast<std::int16_t>(FieldNumber(f[8].value));
    job.Phi = static_cast<float>(FieldNumber(f[9].value));
    NoteUnread(f);
  }

  void NoteUnread(const std::array<Field, 10>& f) {
    static constexpr const char* kNames[] = {"AzB", "AnWind", "PAD",   "SbH",    "Bdz",
                                             "BdX", "BdY",    "VeEXP", "Islope", "Phi"};
    notes_.headerLine = lines_.number();
    for (std::size_t i = 0; i < f.size(); ++i)
      if (IsEmpty(f[i].value)) notes_.unreadHeader.emplace_back(kNames[i]);
  }

  // The first number of a line, which must lie in [low, high].
  int ReadWholeNumber(std::string_view line, int low, int high, const std::string& what) {
    std::array<Field, 1> f{{{FieldType::Integer, {}}}};
    try {
      numbers_.ReadFields(line, f);
    } catch (const NumberConversionError&) {
      f[0].value = std::monostate{};
    }
    const int n = static_cast<int>(FieldNumber(f[0].value));
    if (IsEmpty(f[0].value) || n < low || n > high)
      Refuse(what + " must be a whole number from " + std::to_string(low) + " to " +
             std::to_string(high) + ", not " + QuotedExcerpt(line));
    return n;
  }

  void ReadFacadeBlock(std::string_view facadeLine, Job& job) {
    const int iface = ReadWholeNumber(facadeLine, 1, kFacadeCount, "the facade number");
    const std::string facade = std::string("facade ") + std::to_string(iface);
    std::string_view line;
    if (!lines_.Next(line))
      Refuse(std::string("the file ends before the element count of ") + facade);
    const int count =
        ReadWholeNumber(line, 0, kMaxElements, std::string("the element count of ") + facade);
    // A facade given again replaces the first block whole: no element of it
    // stays behind the new count (found by fuzzing: the job then differed
    // from the one its own file text reads as).
    job.ElmX[iface].fill(0);
    job.ElmZ[iface].fill(0);
    for (int ielm = 1; ielm <= count; ++ielm) {
      if (!lines_.Next(line))
        Refuse(std::string("the file ends after ") + std::to_string(ielm - 1) + " of the " +
               std::to_string(count) + " elements of " + facade);
      ReadElement(line, job.ElmX[iface][ielm], job.ElmZ[iface][ielm]);
    }
    job.ElmCount[iface] = static_cast<std::int16_t>(count);
  }

  void ReadElement(std::string_view line, float& x, float& z) {
    std::array<double, 3> values;
    if (ReadPlainLine<FieldType::Integer, FieldType::Single, FieldType::Single>(line, plain_,
                                                                                values)) {
      x = static_cast<float>(values[1]);
      z = static_cast<float>(values[2]);
      return;
    }
    // Anything unusual, and every fault with its message, takes the general way.
    std::array<Field, 3> f{
        {{FieldType::Integer, {}}, {FieldType::Single, {}}, {FieldType::Single, {}}}};
    try {
      numbers_.ReadFields(line, f);
    } catch (const NumberConversionError& e) {
      Refuse(std::string(e.what()) + " (an element line holds its number, X and Z)");
    }
    if (std::any_of(f.begin(), f.end(), [](const Field& field) { return IsEmpty(field.value); }))
      Refuse("an element line must hold its number, X and Z");
    x = static_cast<float>(FieldNumber(f[1].value));
    z = static_cast<float>(FieldNumber(f[2].value));
  }

  const std::string& path_;
  LineSource lines_;
  NumberText& numbers_;
  const PlainNumbers plain_;  // how numbers_ reads the element lines' plain numbers
  JobFileNotes& notes_;
};

}  // namespace

Job ReadJobFile(const std::string& path, NumberText& numbers) {
  JobFileNotes ignored;
  return ReadJobFile(path, numbers, ignored);
}

Job ReadJobFile(const std::string& path, NumberText& numbers, JobFileNotes& notes) {
  // A pipe or a device is never opened: reading it could wait for ever.
  if (const std::string why = WhyNotReadable(path, kJobFileLimit); !why.empty())
    throw JobFileError(path, "the file is not read: " + why);
  std::ifstream in(path, std::ios::binary);
  if (!in) throw JobFileError(path, "the file cannot be opened " + InFolderBecause(path, errno));
  return ReadJobText(in, path, numbers, notes);
}

Job ReadJobText(std::istream& in, const std::string& path, NumberText& numbers,
                JobFileNotes& notes) {
  Job job = BlockReader(path, in, numbers, notes).Read();
  if (in.bad()) throw JobFileError(path, "the file cannot be read to its end");
  return job;
}

}  // namespace ventora
