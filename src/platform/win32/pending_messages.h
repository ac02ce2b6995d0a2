#pragma once

namespace win32 {

// Handles what waits in the calling thread's message queue (paints, input, timers), at most
// `limit` messages, so a steady stream cannot hold the caller. A WM_QUIT met on the way is put
// back for the real message loop, and ends the handling.
void processPendingMessages(int limit = 1000);

} // namespace win32
