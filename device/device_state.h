#pragma once
// Process-wide device state shared between the GUI thread, the battery poller and the
// download worker.

#include <atomic>
#include <cstdint>

// Byte 10 of the latest battery reply; 8 limits the 3395 sensor's DPI codes.
inline std::atomic<uint8_t> g_deviceType{0};
// Set while the battery reads as off (all three battery bytes zero); downloads are refused then.
inline std::atomic<bool> g_mouseOff{false};
