#pragma once

// On X11 the window's pictures go to the server in the connection's own requests instead of
// through shared memory, unless the player's environment says otherwise. The game sends small
// changed rectangles many times a second; shared memory would make each of them wait for the
// server to finish with the previous one, a round trip that costs more than the few kilobytes
// it saves. Call before the application object exists.
void PreferPlainX11Images();
