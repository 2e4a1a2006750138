#pragma once

#include "storage/ConfigData.h"

#include <QVector>

// One shot of a recoil pattern.
struct GunBullet
{
    int delayMs = 100; // 1..999, the pause after the shot
    int vertical = 0; // -100..100, positive moves down
    int horizontal = 0; // -100..100, positive moves right
};

// Gun files count their delays in this fixed unit, whatever the product's unit.
constexpr int GunDelayUnit = 10;
// Most bullets of one gun set.
constexpr int MaxGunBullets = 5;

// The events of a gun set: per bullet a left re-click (release, press), the vertical and the
// horizontal move when not 0, and the delay.
QVector<MacroEvent> GunSetEvents(const QVector<GunBullet> &bullets);
