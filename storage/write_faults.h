#pragma once
// A seam in every step that changes the data folder (write, flush to disk, rename or remove), so
// tests can make the Nth step fail with a chosen errno, or end the process right there, and
// check what a full disk, a read-only folder or a crash leaves behind.
//
// In-process: setWriteFault(). For a whole program: MOUSECFG_STORAGE_FAULT="STEP:N:WHAT", STEP
// one of write, flush, rename, any; N counted from 1; WHAT an errno number or "exit" (the process
// ends at once with status 86, as a kill would leave it). Off unless one of them is set.

#include <QString>

enum class WriteStep { Write, Flush, Rename };

struct WriteFault {
    enum class Kind { Write, Flush, Rename, Any };
    Kind step = Kind::Any;
    int nth = 0;        // 0: no fault
    int error = 0;      // errno to fail with
    bool exit = false;  // end the process instead
};

constexpr int kFaultExitStatus = 86;

void setWriteFault(const WriteFault &fault);  // counting starts again
void clearWriteFault();
// Steps counted since the last setWriteFault/clearWriteFault (all kinds), so a test can learn
// how many steps an operation takes and then fail each one in turn.
int writeStepsSeen();
// Parses the environment form; false when it is malformed.
bool parseWriteFault(const QString &text, WriteFault *fault);

// Called before each step: 0 to go on, or the errno the step fails with. Ends the process when
// the fault says so.
int writeFaultBefore(WriteStep step);
