#pragma once
// The send step shared by `apply` and `load-conf`.

class CliContext;
struct ProfileSet;

// One battery query as the poller's query cycle makes it (a reply with all three battery bytes
// zero sets the mouse-off flag; a query without its reply in time fails the send, nothing more
// written), then the download worker's steps with the force flag. Prints the failure on stderr;
// returns the device result code.
int sendWorkingSet(CliContext &context, ProfileSet &working);
