#pragma once

// The few POSIX calls the tests use, on Windows. Included before every test source there (see
// tests/CMakeLists.txt), so the tests themselves stay as they are.

#ifdef _WIN32

#include <direct.h>
#include <stdlib.h>

#include <cerrno>
#include <cstring>
#include <random>

inline int setenv(const char* name, const char* value, int overwrite) {
  if (!overwrite && std::getenv(name) != nullptr) return 0;
  return _putenv_s(name, value);
}

// An empty value removes the variable.
inline int unsetenv(const char* name) { return _putenv_s(name, ""); }

// Replaces the trailing "XXXXXX" of pattern by letters and digits and creates that folder;
// tries other names while one exists already.
inline char* mkdtemp(char* pattern) {
  const std::size_t length = std::strlen(pattern);
  if (length < 6 || std::strcmp(pattern + length - 6, "XXXXXX") != 0) {
    errno = EINVAL;
    return nullptr;
  }
  static const char LETTERS[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    for (std::size_t i = length - 6; i < length; ++i) pattern[i] = LETTERS[random() % 36];
    if (_mkdir(pattern) == 0) return pattern;
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

#endif
