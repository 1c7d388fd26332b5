#pragma once
// Settings of the host that follow the mouse's active profile: the pointer speed. The host is
// the desktop backend the program picked (platform's systemPointerSpeed()); nullptr when it has
// none, which reads as 0 and refuses writes with ENOTSUP.

class PointerSpeedBackend;
struct ProfileData;
struct ProfileSet;

// The host's pointer speed, 1..20; 0 when it cannot be read.
int readPointerSpeed(PointerSpeedBackend *host);
// Gives the host the pointer speed (the low byte of `mousespeed`) of the profile that has just
// become active. Always writes "Error in SystemParametersInfo :%d" with the platform's error
// code (0 on success) to the debug log, and returns that code.
int applyPointerSpeed(PointerSpeedBackend *host, const ProfileData &activeProfile);
// Start-up: the working set's current profile takes the host's speed. A speed that cannot be
// read leaves the stored value in place rather than storing 0, which no host accepts.
void takeHostPointerSpeed(PointerSpeedBackend *host, ProfileSet &working);
