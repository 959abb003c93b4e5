#include "platform/file_size_limit.h"

// Windows has no file-size-limit signal: a write beyond a quota simply fails.
void IgnoreFileSizeLimitSignal() {}
