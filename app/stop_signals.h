#pragma once

namespace tessaly {

// SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C in the terminal, kill) end the window program the
// way Escape does, so that the text put on the clipboard outlives it. The handler only records
// the request; the program polls it from its event loop. A second such signal while the first is
// still unanswered (the program is busy) ends the process at once, as without the handler.
void installStopSignalHandlers();

// True once one of those signals has arrived.
bool stopRequested();

}  // namespace tessaly
