#pragma once
// Replacing a file whole. The new content goes to a temporary beside the
// final file, named after it with ".tmp-" and eight random letters or digits
// and created exclusively, so that two runs writing the same file never share
// one; it is renamed over the final name only when complete and removed on
// every other way out. Its writer holds a lock on it while it lives, which
// tells a temporary in use from one that a killed run left behind.

#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ventora {

// `in the folder "/a/b": No space left on device`: the folder of `file` and
// the system's own text for `errnum`, to follow a message naming the file.
std::string InFolderBecause(const std::filesystem::path& file, int errnum);

// A file the system refused to create, write or rename. what() names the
// file, its folder and the system's reason:
// `"job.out.txt" in the folder "/a/b": No space left on device`.
class FileFault : public std::runtime_error {
 public:
  FileFault(const std::filesystem::path& file, int errnum);
  const std::filesystem::path& file() const { return file_; }
  int errnum() const { return errnum_; }
  // What follows the file's name in a message that names it already.
  std::string InFolder() const { return InFolderBecause(file_, errnum_); }

 private:
  std::filesystem::path file_;
  int errnum_;
};

// Whether Commit waits until the content is on the disk. The user's own work
// (the job file) does; results that a run makes again do not, since it costs
// a run several milliseconds.
enum class Flush { No, ToDisk };

// The temporary of one replacement. Faults name the final file.
class ReplacingFile {
 public:
  // Creates the temporary; throws FileFault.
  explicit ReplacingFile(std::filesystem::path finalPath);
  // Without Commit the temporary is removed and the final file is untouched.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  void Write(std::string_view bytes);  // throws FileFault
  // Renames the temporary over the final file, which keeps its permissions.
  // Throws FileFault, the temporary removed.
  void Commit(Flush flush = Flush::No);

  const std::filesystem::path& temporary() const { return temporary_; }

 private:
  void Fail(int errnum);

  std::filesystem::path final_;
  std::filesystem::path temporary_;
  int fd_ = -1;
};

// `content` as the whole new `finalPath`. Throws FileFault; the old file is
// then as it was and no temporary is left.
void ReplaceFile(const std::filesystem::path& finalPath, std::string_view content,
                 Flush flush = Flush::No);

// Whether `name` is the name of a temporary of `finalName`: the ".tmp-"
// names above, and ".tmp" alone or with up to six digits, as earlier
// versions named them.
bool IsTemporaryName(std::string_view name, std::string_view finalName);

// Removes the temporaries that killed runs left beside the files the job
// `jobName` (its path without ".in") is read from and written to; one that a
// running program still holds is kept. Returns how many were removed.
int RemoveStaleTemporaries(const std::string& jobName);

// The same for many jobs, reading each of their folders once: a batch of
// thousands of jobs in one folder would otherwise read that folder once a job.
int RemoveStaleTemporaries(std::span<const std::string> jobNames);

}  // namespace ventora
