#pragma once

// The lab administrator's commands, answered before any window system is needed:
//   teclora --init-server ADMIN_URL
//   teclora --import-folder DIR ADMIN_URL [--apply]
// Returns the exit status, or -1 when the command line holds neither.
int runServerCommand(int argc, char *argv[]);
