#pragma once

#include <string>

// A fresh empty folder under the system's temporary folder, removed with everything in it when
// the object goes. Path() ends without a separator.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return m_path; }
  // Path() + "/" + name.
  std::string File(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

// The whole file as bytes; empty when it cannot be read.
std::string FileContents(const std::string& path);
// Writes bytes to path directly (no temporary file); false on failure.
bool WriteFileContents(const std::string& path, const std::string& bytes);
