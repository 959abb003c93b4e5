#pragma once

// The few POSIX calls the tests use, on Windows. Included before every test source there (see
// tests/CMakeLists.txt), so the tests themselves stay as they are.

#ifdef _WIN32

#include <stdlib.h>

#include <cstdlib>

inline int setenv(const char* name, const char* value, int overwrite) {
  if (!overwrite && std::getenv(name) != nullptr) return 0;
  return _putenv_s(name, value);
}

// An empty value removes the variable.
inline int unsetenv(const char* name) { return _putenv_s(name, ""); }

#endif
