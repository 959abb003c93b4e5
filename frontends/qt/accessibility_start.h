#pragma once

// Starts Qt's accessibility bridge, which finds assistive tools over the session bus, now
// rather than when the first window shows. Where no session bus can exist (no bus address in
// the environment, no bus socket in the user's runtime folder) libdbus would try to start one
// with dbus-launch; where that is not installed the attempt can only fail, but it still forks
// the whole program, after which every page the program writes faults once more, a cost of
// several milliseconds before the first frame on some machines. In that case the bridge starts
// with the bus reported absent, without the attempt. The environment is left as it was, for
// the programs the game starts later. On the GUI thread, after the application is made.
void StartAccessibility();
