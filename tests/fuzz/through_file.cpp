#include "tests/fuzz/through_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/file_bytes.h"

namespace {

// A folder of this process's own with the file, a FIFO and a folder in it; removed at exit.
struct FuzzFolder {
  std::string path;
  FuzzFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vandrel-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path = pattern;
    if (mkfifo((path + "/fifo").c_str(), 0600) != 0 || mkdir((path + "/folder").c_str(), 0700) != 0)
      std::abort();
  }
  ~FuzzFolder() {
    std::error_code error;
    std::filesystem::remove_all(path, error);
  }
};

void WriteWhole(const std::string& path, const std::uint8_t* data, std::size_t size) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) std::abort();
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = write(fd, data + done, size - done);
    if (n <= 0) std::abort();
    done += static_cast<std::size_t>(n);
  }
  close(fd);
}

// Reads path with cap and aborts unless the result is the first bytes of text up to the cap.
std::string ReadExpecting(const std::string& path, std::size_t cap, std::string_view text) {
  std::string bytes;
  if (!ReadFileBytes(path, cap, bytes)) std::abort();
  if (bytes != text.substr(0, std::min(cap, text.size()))) std::abort();
  return bytes;
}

}  // namespace

std::string ThroughFile(const std::uint8_t* data, std::size_t size, std::size_t maxBytes) {
  static const FuzzFolder folder;
  const std::string file = folder.path + "/file";
  WriteWhole(file, data, size);
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t smallCap = size == 0 ? 0 : data[size - 1] % (size + 1);
  ReadExpecting(file, smallCap, text);
  const char* const specials[] = {"/fifo", "/folder", nullptr};
  const std::size_t which = size % 3;
  const std::string special = specials[which] ? folder.path + specials[which] : "/dev/zero";
  std::string ignored;
  if (ReadFileBytes(special, maxBytes + 1, ignored)) std::abort();
  return ReadExpecting(file, maxBytes + 1, text);
}
