#pragma once
// The send step shared by `apply` and `load-conf`.

class CliContext;
struct ProfileSet;

// The download worker's steps with the force flag, with its battery query before anything is
// sent, as the window's Apply makes them (a reply with all three battery bytes zero is a sleeping
// mouse, 5; a query without its reply in time fails the send, nothing more written). Prints the
// failure on stderr; returns the device result code.
int sendWorkingSet(CliContext &context, ProfileSet &working);
