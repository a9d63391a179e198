#include "cli/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace fotovuelo::cli {

namespace {

std::string Failure(const std::string& path, const char* what, int error) {
  return "cannot " + std::string(what) + " '" + path + "': " + std::strerror(error);
}

// The mode a plain open(O_CREAT, 0666) would have given the file: mkstemp
// makes it 0600, which would surprise whoever shares the directory.
mode_t CreationMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (path.empty())
    return std::string("cannot write a file with an empty name");
  if (path.back() == '/')
    return "cannot write '" + path + "': it names a directory";

  // The temporary file must be on the same file system as the target for
  // rename to be atomic: it goes in the same directory, hidden.
  const std::size_t slash = path.rfind('/');
  const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string pattern = directory + "." + name + ".XXXXXX";
  std::vector<char> temporary(pattern.begin(), pattern.end());
  temporary.push_back('\0');

  const int fd = ::mkstemp(temporary.data());
  if (fd < 0)
    return Failure(path, "write", errno);
  const std::string temporary_path(temporary.data());
  auto abandon = [&](const char* what, int error) {
    ::close(fd);
    ::unlink(temporary_path.c_str());
    return Failure(path, what, error);
  };

  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR)
        continue;
      return abandon("write", errno);
    }
    written += static_cast<std::size_t>(n);
  }
  if (::fchmod(fd, CreationMode()) != 0)
    return abandon("set the permissions of", errno);
  if (::fsync(fd) != 0)
    return abandon("write", errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary_path.c_str());
    return Failure(path, "write", error);
  }
  if (::rename(temporary_path.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary_path.c_str());
    return Failure(path, "write", error);
  }
  return std::nullopt;
}

}  // namespace fotovuelo::cli
