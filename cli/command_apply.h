#pragma once
// The send step shared by `apply` and `load-conf`.

class CliContext;
struct ProfileSet;

// One battery query as the poller's query cycle makes it (a reply with all three battery bytes
// zero, or none at all, sets the mouse-off flag), then the download worker's steps with the force
// flag. Prints the window's failure text on stderr; returns the device result code.
int sendWorkingSet(CliContext &context, ProfileSet &working);
