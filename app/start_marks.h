#pragma once

// Where a start spends its time, for --verbose: each mark prints how many milliseconds after the
// program's own code began (the libraries are loaded by then) a step of the start was reached.
// Without --verbose a mark costs a category check.
void markStart(const char *step);
