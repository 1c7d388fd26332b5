#pragma once
// A gun set: up to five shots, each a left click, a pointer pull and a wait, turned into the
// steps of an ordinary macro and stored as one.

#include "storage/macro_event.h"

#include <QString>
#include <QVector>

constexpr int kGunsetMaxBullets = 5;
constexpr int kGunsetMinDelayMs = 1;
constexpr int kGunsetMaxDelayMs = 999;
constexpr int kGunsetInitialDelayMs = 100;
constexpr int kGunsetMaxOffset = 100;

struct GunsetBullet {
    int delayMs = kGunsetInitialDelayMs; // wait after the shot
    int y = 0;                           // positive = down
    int x = 0;                           // positive = right
};

// Per bullet: left press, left release, the Y move (when not 0), the X move (when not 0), and a
// delay of delayMs / 10 units (a delay below 10 ms is 0 units).
QVector<MacroEvent> gunsetSteps(const QVector<GunsetBullet> &bullets);

// Writes the gun set's macro file: default delay 10, recorded delays, no loop, loop time 1,
// and no "Setting/WriteSign". False when the name is refused or the file cannot be written.
bool storeGunset(const QString &name, const QVector<MacroEvent> &steps);
