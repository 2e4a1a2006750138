#pragma once

#include <QString>

// Every path of the program's own files is built here. Read-only files lie in the program folder
// (AppDir); the user's files lie in Configs, which configsDir() alone places.
namespace AppPaths {

// The program folder: the executable's folder unless setAppDir() pointed it elsewhere.
QString appDir();
// Points AppDir at another folder (tests, the command-line tool) for the lifetime of the application
// object, which must exist; an empty path restores the default.
void setAppDir(const QString &dir);

// AppDir + "/DefaultProfile.bin".
QString productDefinitionFile();
// Where the user's files live. A portable program folder (writable and without the INSTALLED mark)
// keeps its own AppDir + "/Configs". Otherwise it is userConfigsDir(), filled from the program
// folder's Configs on first use.
QString configsDir();
// True when the program folder counts as installed: it holds the INSTALLED mark or cannot be written.
bool isInstalled();
// $XDG_DATA_HOME/mousecfg/Configs (default ~/.local/share/mousecfg/Configs).
QString userConfigsDir();
// AppDir + "/Configs": the portable folder's own files, or an installation's template.
QString templateConfigsDir();
// Configs + "/Config.ini": the user's global settings, slot list and macro list.
QString globalConfigFile();
// templateConfigsDir() + "/Config.ini": the installation data (AppSettings decides which keys that is).
// The same file as globalConfigFile() for a portable program folder.
QString installedConfigFile();
// Configs + "/LangConfig.ini".
QString languageFile();
// Configs + "/Profile": the files of the five on-board slots.
QString slotProfileDir();
// Configs + "/MacroDB".
QString macroDir();
// Configs + "/" + product name; an empty (or path-like) name gives Configs itself.
QString productDir(const QString &productName);
// Product folder + "/Config.ini": the profile library list.
QString productConfigFile(const QString &productName);
// Product folder + "/Profile": the profile library.
QString libraryDir(const QString &productName);
// AppDir + "/skin" + relative (relative starts with "/").
QString skinFile(const QString &relative);
// AppDir + "/lang/" + file name + ".qm".
QString translationFile(const QString &fileName);

// True when a user-supplied base name can only name a file inside its folder:
// not empty, not "." or "..", no "/" or "\" and no NUL.
bool isSafeFileName(const QString &name);

} // namespace AppPaths
