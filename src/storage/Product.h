#pragma once

#include "sensors/SensorSpec.h"
#include "storage/AppSettings.h"
#include "storage/ProductDefinition.h"

#include <QMap>
#include <QString>

#include <array>

// What one installation knows of its mouse: the product definition (DefaultProfile.bin) and the
// installation data of the installed Config.ini, read once when a session starts and then passed by
// reference. Nothing here changes while the program runs: neither file is ever written by it.
struct Product
{
    // ---- DefaultProfile.bin ("PROFILE/..."); a missing file or key reads as its default ----

    // True when DefaultProfile.bin exists; without it the tables below are zero and the factory
    // profile is the built-in one.
    bool definitionFound = false;
    QString name;    // "ProductName"
    QString version; // "Version"
    // "ButtonCount" XOR "MouseDpi", cut to 0..16 so that it never indexes past the button tables.
    int buttonCount = 0;
    // "ButtonCount" XOR "MouseDpi" XOR "DPICount", as stored (the mouse takes 8 for a value outside 1..8).
    int dpiStageCount = 0;
    int disableMacro = 0;
    int showSleep = 1;
    int scrollRev = 0;
    int minDelay = 10; // at least 1: delays are divided by it
    int flag33254 = 0;
    int colorMode = 0;
    int ledDisable = 0;
    int syncMode = 0;
    int french = -1;
    int sleepMin = 1; // 0..255
    int sleepMax = 9; // 0..255
    // Receiver and cable USB ids, each cut to 0..0xFFFF.
    int receiverVid = 0x248A;
    int receiverPid = 0xFA02;
    int cableVid = 0x248A;
    int cablePid = 0xFB01;
    // Device slot of each button ("_Matrix") and its on-screen position ("_Matrix2", -1 hidden).
    ButtonMatrix buttonMatrix {};
    ButtonMatrix buttonMatrix2 {};

    // ---- Installation data of the installed Config.ini ----

    int sensorCode = 0;            // "MouseSenSor/1"
    SensorSpec sensor;             // the row of sensorCode, resolved for this product
    int batteryFullMillivolts = 4200; // "Config/BatteryFull"; a damaged or non-positive value reads 4200
    int accentColorIndex = 0;      // "Config/GColorID" as stored
    QString model;                 // "Config/Model"
    QString mouseListName;         // "Mouse_List/0"
    LanguageList languages;        // "FONT_LIST", with each language's font
    QMap<QString, int> ledVariants; // "MouseLEDMode/<product name>"

    // The font of language `id`; an empty family and size 0 for an id without one.
    LanguageFont languageFont(int id) const;
    // "MouseLEDMode/<productName>"; 0 when absent.
    int ledVariant(const QString &productName) const;

    // Reads both files now.
    static Product load();
};
