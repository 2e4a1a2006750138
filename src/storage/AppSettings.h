#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Font of one language: "FONT_LIST/FONT_<n>" and "FONT_LIST/FONT_SIZE_<n>".
struct LanguageFont
{
    QString family;
    uint size = 0;
};

// One entry of the installation's language list ("FONT_LIST").
struct LanguageEntry
{
    QString name; // "FONT_LIST/LangName_<n>"
    QString file; // "FONT_LIST/LangFile_<n>", a .qm base name below AppDir/lang
    LanguageFont font; // read into Product only
};

// The languages offered: the stated count and always ten entries (entries past the count are empty).
struct LanguageList
{
    int count = 0;
    QVector<LanguageEntry> entries;
};


// Settings of Configs/Config.ini, Configs/LangConfig.ini and the product's Config.ini.
// Each call opens its file and releases it; a missing file or key reads as its default. Every save
// replaces its file atomically and returns false when the file could not be written (it then stays
// as it was).
//
// Config.ini holds two kinds of keys. Installation data (marked "installation" below) is read from
// the installed Config.ini, so that a package upgrade reaches every user; the user's own state is read
// from (and saved to) Configs, and where the user's file lacks such a key the installed value stands
// in. A portable program folder has one Config.ini for both.

// True for a key path of installation data ("FONT_LIST/...", "MouseSenSor/1", "Config/GColorID", ...).
bool IsInstallationKey(const QString &key);
// The Config.ini that `key` is read from: AppPaths::installedConfigFile() for installation data,
// AppPaths::globalConfigFile() for the user's state.
QString GlobalSettingsFile(const QString &key);

// "Config/LangID" of LangConfig.ini.
bool SaveLanguage(int id);
int LoadLanguage();
// "Config/CurrentProductName".
bool SaveCurrentProduct(const QString &name);
QString CurrentProduct();
// "Config/Diff": 1 when the mouse needs a full upload.
bool SaveDiff(int flag);
int LoadDiff();
// "Config/Battery": the last percentage shown.
bool SaveBattery(int percent);
int LoadBattery();
// "Config/BatteryNotices": desktop notices of a low battery (on unless the user sets it to 0).
bool BatteryNoticesEnabled();
// Installation: "MouseSenSor/1", the sensor model code.
int SensorVariant();
// "MouseName/Name" of an exported file: the product it belongs to.
bool SaveFileOwner(const QString &path, const QString &name);
QString FileOwner(const QString &path);
// "PROFILE_LIST/Count" and "PROFILE_LIST/<n>" (n = 1..Count) of the product settings file.
bool SaveLibraryList(const QStringList &names);
QStringList LoadLibraryList();
