#include "core/replace_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>  // getentropy
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <system_error>

namespace ventora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kSuffixLength = 8;

// Every file a job is read from or written to, after its name.
constexpr std::array<std::string_view, 7> kJobFileEnds = {
    ".in", ".out.txt", ".out.xls", ".out.csv", ".sweep.csv", ".sweep.idf", ".sweep.contam.txt"};

bool IsAlphanumeric(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string RandomSuffix() {
  static constexpr std::string_view kAlphabet =
      "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  // getentropy, not std::random_device: the latter costs a run about 1.5 ms
  // on a virtual machine (and WebAssembly has no getrandom). Should it fail,
  // the clock and the process still make clashes rare, and a clash only
  // means another try.
  unsigned char bytes[kSuffixLength];
  if (::getentropy(bytes, sizeof bytes) != 0) {
    std::uint64_t mix =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) *
            0x9E3779B97F4A7C15u ^
        static_cast<std::uint64_t>(::getpid());
    for (unsigned char& b : bytes) {
      b = static_cast<unsigned char>(mix);
      mix = mix >> 8 | mix << 56;
    }
  }
  std::string suffix(kSuffixLength, '0');
  for (std::size_t i = 0; i < kSuffixLength; ++i)
    suffix[i] = kAlphabet[bytes[i] % kAlphabet.size()];
  return suffix;
}

// Locks a new temporary. A cleaner may have taken the lock between creation
// and now and removed the file, which then has no link left. Where the file
// system has no locks, no cleaner removes anything either.
bool LockedAndLinked(int fd) {
  (void)::flock(fd, LOCK_EX);
  struct stat st {};
  return ::fstat(fd, &st) != 0 || st.st_nlink > 0;
}

// Opens a fresh temporary beside `finalPath` under a name no one has.
int CreateTemporary(const fs::path& finalPath, fs::path& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = finalPath;
    temporary += std::string(kTemporaryMark) + RandomSuffix();
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) return -1;
    if (LockedAndLinked(fd)) return fd;
    ::close(fd);
  }
  errno = EEXIST;
  return -1;
}

// The final file's permissions pass to its replacement.
void KeepPermissions(int fd, const fs::path& finalPath) {
  struct stat st {};
  if (::stat(finalPath.c_str(), &st) == 0 && S_ISREG(st.st_mode))
    (void)::fchmod(fd, st.st_mode & 07777);
}

// Removes `path` unless a live writer holds its lock.
bool RemoveIfUnlocked(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat held {};
  struct stat named {};
  const bool stale = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 &&
                     S_ISREG(held.st_mode) && ::lstat(path.c_str(), &named) == 0 &&
                     held.st_ino == named.st_ino && held.st_dev == named.st_dev;
  const bool removed = stale && ::unlink(path.c_str()) == 0;
  ::close(fd);
  return removed;
}

}  // namespace

std::string InFolderBecause(const fs::path& file, int errnum) {
  std::error_code ignored;
  fs::path folder = fs::absolute(file, ignored).lexically_normal().parent_path();
  if (folder.empty()) folder = file.parent_path();
  return "in the folder \"" + folder.string() + "\": " + std::strerror(errnum);
}

FileFault::FileFault(const fs::path& file, int errnum)
    : std::runtime_error("\"" + file.filename().string() + "\" " + InFolderBecause(file, errnum)),
      file_(file),
      errnum_(errnum) {}

ReplacingFile::ReplacingFile(fs::path finalPath) : final_(std::move(finalPath)) {
  fd_ = CreateTemporary(final_, temporary_);
  if (fd_ < 0) throw FileFault(final_, errno);
  KeepPermissions(fd_, final_);
}

ReplacingFile::~ReplacingFile() {
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(temporary_.c_str());
}

void ReplacingFile::Fail(int errnum) {
  ::close(fd_);
  fd_ = -1;
  ::unlink(temporary_.c_str());
  throw FileFault(final_, errnum);
}

void ReplacingFile::Write(std::string_view bytes) {
  if (fd_ < 0) throw FileFault(final_, EBADF);
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) Fail(written < 0 ? errno : ENOSPC);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void ReplacingFile::Commit(Flush flush) {
  if (fd_ < 0) throw FileFault(final_, EBADF);
  if (flush == Flush::ToDisk && ::fsync(fd_) != 0 && errno != EINVAL) Fail(errno);
  if (::rename(temporary_.c_str(), final_.c_str()) != 0) Fail(errno);
  // The lock goes with the descriptor, after the rename.
  ::close(fd_);
  fd_ = -1;
}

void ReplaceFile(const fs::path& finalPath, std::string_view content, Flush flush) {
  ReplacingFile file(finalPath);
  file.Write(content);
  file.Commit(flush);
}

bool IsTemporaryName(std::string_view name, std::string_view finalName) {
  if (!name.starts_with(finalName)) return false;
  std::string_view rest = name.substr(finalName.size());
  if (rest.starts_with(kTemporaryMark)) {
    rest.remove_prefix(kTemporaryMark.size());
    return rest.size() == kSuffixLength && std::all_of(rest.begin(), rest.end(), IsAlphanumeric);
  }
  if (!rest.starts_with(".tmp")) return false;
  rest.remove_prefix(4);
  return rest.size() <= 6 && std::all_of(rest.begin(), rest.end(), IsDigit);
}

int RemoveStaleTemporaries(const std::string& jobName) {
  return RemoveStaleTemporaries(std::span<const std::string>(&jobName, 1));
}

int RemoveStaleTemporaries(std::span<const std::string> jobNames) {
  std::map<fs::path, std::set<std::string, std::less<>>> stemsByFolder;
  for (const std::string& jobName : jobNames) {
    const fs::path job(jobName);
    const fs::path folder = job.has_parent_path() ? job.parent_path() : fs::path(".");
    stemsByFolder[folder].insert(job.filename().string());
  }
  int removed = 0;
  for (const auto& entry : stemsByFolder) {
    // Named, not bound: clang 14 (the fuzz build) cannot capture a binding.
    const fs::path& folder = entry.first;
    const auto& stems = entry.second;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      // A temporary's name is its file's name, then ".tmp" and a suffix
      // without a point: the file's name ends at the last ".tmp".
      const std::size_t mark = name.rfind(".tmp");
      if (mark == std::string::npos) continue;
      const std::string_view finalName = std::string_view(name).substr(0, mark);
      const bool ours = std::any_of(kJobFileEnds.begin(), kJobFileEnds.end(), [&](auto fileEnd) {
        return finalName.ends_with(fileEnd) &&
               stems.contains(finalName.substr(0, finalName.size() - fileEnd.size()));
      });
      if (ours && IsTemporaryName(name, finalName) && RemoveIfUnlocked(it->path())) ++removed;
    }
  }
  return removed;
}

}  // namespace ventora
