#pragma once

// Start-up timing for measurement. With VANDREL_REPORT_STARTUP set in the environment, each
// stage the program reaches on its way to the first frame is written to standard error, the
// first time it is reached, as
//   vandrel start-up: <stage> <t> ms, cpu <c> ms, <n> page faults, wall <µs since the epoch>
// t counts from the start of main; c is the CPU time of the calling thread (the GUI thread)
// since the program started, the dynamic loading included; n counts the page faults of the
// whole process so far: on some virtual machines each costs many microseconds, and first
// touches of memory are then much of the start-up. The wall time lets a launcher that noted
// the time just before it started the program count from there.
// Without the variable nothing is written and a mark costs one flag test. GUI thread only.
void MarkStartupStage(const char* stage);
