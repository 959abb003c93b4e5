#pragma once

#include <string>

// The full path of the running program's executable, links resolved, in UTF-8; empty when the
// system cannot tell.
std::string RunningProgramPath();
