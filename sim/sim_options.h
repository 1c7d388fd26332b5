#pragma once
// What the simulated mouse is asked to be: which links are attached, its battery and device-type
// bytes, an optional status notice at start, and the faults it injects. Parsed from the
// comma-separated text of --simulate=LIST.

#include <QString>

#include <cstdint>
#include <optional>

// Faults of the simulated mouse. The counts are used up one by one; stale and latency apply to
// every answer while set.
struct SimFaults {
    bool silent = false; // never answers a command
    bool denied = false; // the collections are listed but none opens, as without permission
    int zeros = 0;       // the next N answers are all-zero reports (id 0: no reader gets them)
    int stale = 0;       // N stale reports are queued before each echo
    int corrupt = 0;     // the data bytes of the next N data-carrying echoes are altered
    int writeFail = 0;   // the next N writes fail
    int latencyMs = 0;   // an answer becomes readable this long after its write
    int unplug = 0;      // the link that takes the N-th write from now is unplugged (0: never)
};

// The bytes of the battery reply. Low/high 0xCA/0x03 is a raw value of 970, about 4.0 V.
struct SimBattery {
    uint8_t charging = 0;
    uint8_t low = 0xCA;
    uint8_t high = 0x03;
};

// A status notice as the mouse sends it when its own buttons change profile, DPI stage or rate.
struct SimNotice {
    uint8_t profile = 0;
    uint8_t dpiStage = 0;
    uint8_t rate = 0;
    uint8_t mode = 0;
};

struct SimOptions {
    bool receiver = true;
    bool cable = false;
    SimBattery battery;
    uint8_t deviceType = 0;
    SimFaults faults;
    std::optional<SimNotice> notice; // sent once at start
};

// Parses "receiver|cable|both, silent, denied, zeros=N, stale=N, corrupt=N, writefail=N, latency=MS,
// unplug=N, battery=C:L:H, devtype=N, notice=P:D:R:M" (any order, decimal numbers). An empty text gives
// the defaults (receiver only, no faults). Naming receiver and cable both attaches both.
// Returns nothing and sets *error (when given) on an unknown word or a bad number.
std::optional<SimOptions> parseSimOptions(const QString &simOptions, QString *error);

// The words parseSimOptions() takes, for the --help of the programs, already wrapped to follow
// "  --simulate[=LIST]   " (every line after the first indented to match).
QString simOptionsHelp();
