// Replacing a file the player keeps without ever leaving it half-written: the
// new text goes to a temporary file beside the target, is flushed to disk and
// is then renamed over the target in one step.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tovk {

class AtomicFile {
 public:
  // Creates the temporary file beside `target`; IsOpen() tells whether that
  // worked (it does not when the folder is missing or not writable).
  explicit AtomicFile(std::filesystem::path target);
  // Removes the temporary file unless Commit() succeeded.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // Appends bytes; false once anything could not be written.
  bool Write(std::string_view bytes);
  // Flushes, syncs to disk and renames over the target. False (and the target
  // untouched) when any step failed.
  bool Commit();

 private:
  bool Flush();
  void Discard();

  std::filesystem::path target_;
  std::string tempName_;
  int fd_ = -1;
  std::string buffer_;
  bool failed_ = false;
};

// Replaces `target` with `content` through an AtomicFile.
bool WriteFileAtomically(const std::filesystem::path& target, std::string_view content);

}  // namespace tovk
