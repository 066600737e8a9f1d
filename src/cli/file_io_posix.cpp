// Reading and replacing files with POSIX calls.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nettle/sha2.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "audit/core/audit_entry.h"
#include "cli/file_io.h"

namespace method_tool {

namespace {

// Closes the descriptor it holds when it goes out of scope, unless released.
class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() {
    if (fd_ >= 0) close(fd_);
  }
  int Get() const { return fd_; }
  // Closes now; false when the close reports a failed write.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

bool Failed(const std::string& path, const char* what, int code, std::string& error) {
  error = path + ": " + what + ": " + std::strerror(code);
  return false;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      if (wrote == 0) errno = EIO;
      return false;
    }
    done += static_cast<std::size_t>(wrote);
  }
  return true;
}

// A device, a pipe or a folder: written into, never truncated, created or removed.
bool WriteInto(const std::string& path, const std::string& target, std::span<const uint8_t> bytes,
               std::string& error) {
  Fd fd(open(target.c_str(), O_WRONLY | O_CLOEXEC));
  if (fd.Get() < 0) return Failed(path, "cannot write the file", errno, error);
  if (!WriteAll(fd.Get(), bytes) || !fd.Close()) {
    return Failed(path, "cannot write the file", errno, error);
  }
  return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& error) {
  Fd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.Get() < 0) return Failed(path, "cannot open the file", errno, error);
  bytes.clear();
  uint8_t chunk[1 << 16];
  for (;;) {
    const ssize_t got = read(fd.Get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Failed(path, "cannot read the file", errno, error);
    if (got == 0) return true;
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() > maxBytes) {
      error = path + ": too large for a method file";
      return false;
    }
  }
}

bool StoreFile(const std::string& path, std::span<const uint8_t> bytes, std::string& error) {
  // A link, or a chain of them, is followed by hand to the name it ends in, so that even
  // a link to a file not yet there stays a link.
  std::filesystem::path link = path;
  struct stat st;
  for (int hops = 0; lstat(link.c_str(), &st) == 0 && S_ISLNK(st.st_mode); ++hops) {
    std::error_code ec;
    const std::filesystem::path next = std::filesystem::read_symlink(link, ec);
    if (ec || hops == 40) {
      return Failed(path, "cannot follow the link", ec ? ec.value() : ELOOP, error);
    }
    link = next.is_absolute() ? next : link.parent_path() / next;
  }
  const std::string target = link.string();
  const bool exists = stat(target.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return Failed(path, "cannot write the file", errno, error);
  if (exists && !S_ISREG(st.st_mode)) return WriteInto(path, target, bytes, error);
  // Renaming over a file needs only the folder's permission; the file's own is what its
  // owner set to keep it, and a truncating write would have been refused too.
  if (exists && access(target.c_str(), W_OK) != 0) {
    return Failed(path, "cannot replace the file", errno, error);
  }

  // A name of its own (mkstemp's O_EXCL), so that no other file is ever overwritten, in
  // the same folder, so that the rename stays on one file system and is one step.
  const std::filesystem::path where(target);
  const std::string folder = where.has_parent_path() ? where.parent_path().string() : ".";
  std::string staging = folder + "/." + where.filename().string() + ".XXXXXX";
  Fd fd(mkstemp(staging.data()));
  if (fd.Get() < 0) return Failed(path, "cannot write the file", errno, error);
  // The new file takes the old one's permissions and, where allowed, its owner; a new
  // one gets what the umask leaves of read-write for everyone, as open() would give.
  mode_t mode = 0666;
  if (exists) {
    mode = st.st_mode & 07777;
    if (fchown(fd.Get(), st.st_uid, st.st_gid) != 0) mode &= 0777;
  } else {
    const mode_t mask = umask(0);
    umask(mask);
    mode &= ~mask;
  }
  const bool written =
      fchmod(fd.Get(), mode) == 0 && WriteAll(fd.Get(), bytes) && fsync(fd.Get()) == 0;
  const int writeError = errno;
  if (!fd.Close() || !written) {
    const int code = written ? errno : writeError;
    unlink(staging.c_str());
    return Failed(path, "cannot write the file", code, error);
  }
  if (rename(staging.c_str(), target.c_str()) != 0) {
    const int code = errno;
    unlink(staging.c_str());
    return Failed(path, "cannot replace the file", code, error);
  }
  // The rename itself reaches the disk with the folder's entry.
  Fd dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.Get() >= 0) fsync(dir.Get());
  return true;
}

std::string Sha256Hex(std::span<const uint8_t> bytes) {
  sha256_ctx context;
  sha256_init(&context);
  sha256_update(&context, bytes.size(), bytes.data());
  audit::Digest digest;
  sha256_digest(&context, digest.size(), digest.data());
  return audit::HexOf(digest);
}

}  // namespace method_tool
