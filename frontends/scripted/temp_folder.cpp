#include "frontends/scripted/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#ifdef _WIN32
// A new folder of a random name (creating one that exists fails, so none is shared), its path
// in UTF-8 whatever the system's narrow code page.
TempFolder::TempFolder() {
  std::random_device random;
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  for (int attempt = 0; attempt < 100 && !error; ++attempt) {
    const std::filesystem::path folder = base / ("vandrel-" + std::to_string(random()));
    if (std::filesystem::create_directory(folder, error)) {
      const std::u8string text = folder.u8string();
      m_path.assign(text.begin(), text.end());
      return;
    }
  }
}
#else
TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vandrel-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) m_path = pattern;
}
#endif

TempFolder::~TempFolder() {
  std::error_code error;
  if (!m_path.empty()) std::filesystem::remove_all(m_path, error);
}

std::string FileContents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileContents(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}
