#pragma once
// The ".in" job file: a header line with the ten header values, then one block
// per facade (number, count, one line per element). Lines end in CR LF;
// numbers are written with a point and read with either separator.

#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/job.h"
#include "core/number_text.h"

namespace ventora {

// A job file that cannot be read or written. The message names the file and,
// for a badly built file, the line; it is meant to be shown as it is.
class JobFileError : public std::runtime_error {
 public:
  JobFileError(const std::string& path, const std::string& reason);
  JobFileError(const std::string& path, int line, const std::string& reason);
  const std::string& path() const { return path_; }
  int line() const { return line_; }  // 0 when no line is concerned

 private:
  std::string path_;
  int line_ = 0;
};

// Reads the job file at `path` into a fresh job. The header line is lenient: a
// value that does not convert ends it, and it and the values after it stay 0.
// A facade block that is cut short, names a facade outside 1 to 6, gives a
// count outside 0 to 400 or an element line without its three numbers, and an
// unreadable file, throw JobFileError. Blank lines between blocks are skipped.
// Lines may end in LF, CR LF or CR; a leading UTF-8 byte-order mark is
// skipped; anything but a regular file of at most 64 MiB is refused unread.
Job ReadJobFile(const std::string& path, NumberText& numbers);

// What a lenient read let pass: the header values (by name: "AzB", "AnWind",
// ...) that could not be read from the header line and were left at 0.
struct JobFileNotes {
  int headerLine = 1;
  std::vector<std::string> unreadHeader;
};

// As above, and fills `notes` with what the header line lacked.
Job ReadJobFile(const std::string& path, NumberText& numbers, JobFileNotes& notes);

// How a job file whose header line lacked values is refused by the programs
// that cannot ask the user (ventora-run, the Python module): names the file,
// the line and every value that could not be read.
JobFileError DamagedHeaderError(const std::string& path, const JobFileNotes& notes);

// The same reading of a job file's text already in `in`; `path` names it in
// the messages.
Job ReadJobText(std::istream& in, const std::string& path, NumberText& numbers,
                JobFileNotes& notes);

// The exact bytes WriteJobFile writes for `job`.
std::string JobFileText(const Job& job);

// Writes `job` to jobName + ".in" through a unique temporary file beside it,
// flushed to disk and renamed over the old file only when complete. Throws
// JobFileError naming the folder and the system's reason on failure; the old
// file is then left as it was. The caller clears DataChanged on success.
void WriteJobFile(const Job& job, const std::string& jobName);

// `JobName` from the path chosen in the Open/New dialog: the name is cut before
// the last "." unless a directory separator comes after it.
std::string JobNameFromOpenPath(std::string_view path);

// `JobName` from the path chosen in the Save As dialog: only an extension of
// one to three characters (a "." among the last four) is cut off.
std::string JobNameFromSaveAsPath(std::string_view path);

// The platform's directory separators: "/" here, "\" and "/" on Windows.
bool IsDirectorySeparator(char c);

// What follows the path's last directory separator: the name a title shows.
std::string FileNameOf(std::string_view path);

}  // namespace ventora
