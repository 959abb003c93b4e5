#pragma once

// A write beyond the process's file-size limit (ulimit -f) ends the process by default, with
// the game in progress and a temporary file left behind. Called once at the start of every
// program that writes files: afterwards such a write fails (EFBIG) and is reported as a failed
// save like any other write error. Nothing to do where the system has no such signal.
void IgnoreFileSizeLimitSignal();
