#pragma once
// Report descriptors of the virtual kernel HID devices that stand in for the mouse (the
// mousecfg-uhid tool): the kernel turns them into real hidraw nodes, so the hidraw backend, its
// descriptor reading and the udev monitor meet a device as they would meet the receiver.
// Receiver and cable show the same four top-level collections, as the simulated mouse does:
// 1 mouse (report 1), 2 keyboard (report 2), 3 consumer control (report 3), 4 the command
// collection (report 5, 32 bytes in and out; usage page 1, usage 0).

#include <cstdint>
#include <vector>

constexpr uint8_t kUhidPointerReportId = 1;
constexpr uint8_t kUhidCommandReportId = 5;

std::vector<uint8_t> uhidMouseDescriptor();

// A pointer report as the descriptor lays it out: no button down, X and Y moved by dx and dy
// (clamped to the 16-bit field's -32767..32767), the wheel still.
std::vector<uint8_t> uhidPointerReport(int dx, int dy);
