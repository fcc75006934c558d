// Temporary file, flush, fsync and rename: the one way the game replaces a file.
#include "persist/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace tovk {
namespace {
constexpr std::size_t kBufferBytes = 1 << 16;

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t done = ::write(fd, data, size);
    if (done < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += done;
    size -= static_cast<std::size_t>(done);
  }
  return true;
}

// Makes the rename itself durable; a folder that cannot be synced is no
// reason to report a save that is already in place as failed.
void SyncFolder(const std::filesystem::path& folder) {
  const std::string name = folder.empty() ? std::string(".") : folder.string();
  const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}
}  // namespace

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {
  std::string pattern = target_.string() + ".tmp-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fd_ = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd_ < 0) return;
  tempName_ = name.data();
  // The new file gets the old one's permissions, or the usual ones.
  struct stat old {};
  const mode_t mode = ::stat(target_.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  ::fchmod(fd_, mode);
  buffer_.reserve(kBufferBytes);
}

AtomicFile::~AtomicFile() {
  Discard();
}

void AtomicFile::Discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!tempName_.empty()) {
    ::unlink(tempName_.c_str());
    tempName_.clear();
  }
}

bool AtomicFile::Flush() {
  if (failed_ || fd_ < 0) return false;
  if (!WriteAll(fd_, buffer_.data(), buffer_.size())) failed_ = true;
  buffer_.clear();
  return !failed_;
}

bool AtomicFile::Write(std::string_view bytes) {
  if (failed_ || fd_ < 0) return false;
  if (buffer_.size() + bytes.size() > kBufferBytes && !Flush()) return false;
  if (bytes.size() >= kBufferBytes) {
    if (!WriteAll(fd_, bytes.data(), bytes.size())) failed_ = true;
    return !failed_;
  }
  buffer_.append(bytes);
  return true;
}

bool AtomicFile::Commit() {
  if (fd_ < 0 || !Flush() || ::fsync(fd_) != 0) {
    Discard();
    return false;
  }
  const int closed = ::close(fd_);
  fd_ = -1;
  if (closed != 0 || std::rename(tempName_.c_str(), target_.c_str()) != 0) {
    Discard();
    return false;
  }
  tempName_.clear();
  SyncFolder(target_.parent_path());
  return true;
}

bool WriteFileAtomically(const std::filesystem::path& target, std::string_view content) {
  AtomicFile file(target);
  if (!file.IsOpen()) return false;
  if (!file.Write(content)) return false;
  return file.Commit();
}

}  // namespace tovk
