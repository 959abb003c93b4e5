#include "platform/file_size_limit.h"

#include <signal.h>

void IgnoreFileSizeLimitSignal() { ::signal(SIGXFSZ, SIG_IGN); }
