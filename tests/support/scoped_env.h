#pragma once

#include <cstdlib>
#include <optional>
#include <string>

// The variable that names the user's data folder, and the game's folder in the folder home
// that it names, as UserDataFolder() writes it.
#ifdef _WIN32
inline constexpr const char* DATA_HOME_VARIABLE = "APPDATA";
inline std::string UserDataFolderIn(const std::string& home) { return home + "\\Vandrel"; }
#else
inline constexpr const char* DATA_HOME_VARIABLE = "XDG_DATA_HOME";
inline std::string UserDataFolderIn(const std::string& home) { return home + "/vandrel"; }
#endif

// Sets an environment variable for the life of the object and puts the old value back after,
// so a test never reads or writes the user's real data folders.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (m_old) {
      setenv(m_name, m_old->c_str(), 1);
    } else {
      unsetenv(m_name);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};
