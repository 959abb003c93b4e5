#include "app/shown_names.h"

#include "res/catalogue.h"
#include "storage/leaderboard.h"

std::string ShownName(const std::string& stored) {
  return stored == DEFAULT_NAME ? std::string(Text(TEXT_LEADERBOARD_DEFAULT_NAME)) : stored;
}

std::string StoredName(const std::string& typed) {
  return typed.empty() || typed == Text(TEXT_LEADERBOARD_DEFAULT_NAME) ? std::string(DEFAULT_NAME)
                                                                         : typed;
}
