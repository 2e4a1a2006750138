#pragma once

#include "core/MouseOperations.h"

#include <QObject>
#include <QString>

class ProfileHost;
struct ConfigData;
struct ProfileData;

// Every rule of the profile bar: the five slots, the profile library and its files, profile and
// configuration files, and the uploads that follow them. No widgets: the bar forwards the user's acts
// here and shows what the signals report; tests drive it directly.
class ProfileOperations : public QObject
{
    Q_OBJECT
public:
    // Waits, with the event loop running, until a started upload thread has finished its run.
    using UploadWaiter = MouseOperations::UploadWaiter;
    // Library entries beyond this position are never looked up.
    static constexpr int LibraryLookupLimit = 200;

    // Operations on `host`'s working configuration and library list.
    explicit ProfileOperations(ProfileHost *host, QObject *parent = nullptr);

    // Replaces the wait of every upload (the bar's progress dialog); an empty one waits in an event loop.
    void setUploadWaiter(UploadWaiter waiter);
    // Uploads the working configuration, waits, and tells the user of a failure or of a success the
    // mouse did not confirm; returns the result code. `sendEverything` sends every group whatever changed.
    quint8 applyToDevice(bool sendEverything = false);
    // Uploads the working configuration and waits, telling no one; a nested call does nothing.
    // Without `showProgress` the wait shows no progress dialog (the window may be in the tray).
    // Either way the status thread runs again afterwards, also after a failure.
    OperationResult upload(bool sendEverything = false, bool showProgress = true);

    // The current slot, 0 to 4.
    int currentSlot() const;
    // The name the current slot holds.
    QString currentName() const;

    // Makes `slot` current, shows it, and tells the mouse to switch to it; false when the mouse refused.
    bool selectSlot(int slot);
    // The same, with the mouse's result.
    OperationResult switchSlot(int slot);
    // True while an upload runs.
    bool isUploading() const { return m_uploading; }
    // Makes `slot` current and shows it; `reload` reads its file again, dropping unsaved edits.
    void selectProfileSlot(int slot, bool reload);
    // Loads library entry `index` into the current slot (entries past the lookup limit are ignored).
    bool pickLibraryEntry(int index);
    // Loads the library profile `name` into the current slot.
    bool pickLibraryProfile(const QString &name);
    // Gives the current slot's profile, its library entry and its file the name `newName`.
    bool renameProfile(const QString &newName);
    // Creates a library profile from the factory template and loads it into the current slot.
    bool addProfile();
    // Copies the current slot's file to a new library profile, which the slot then holds.
    bool copyProfile();
    // Deletes the current slot's library profile, after asking; another one takes the slot.
    bool deleteProfile();
    // Resets the current slot to the factory profile, after asking, and uploads it.
    bool resetProfile();
    // Resets the whole configuration, after asking, and uploads everything.
    bool resetAllProfiles();
    // Copies the current slot's file, stamped with the product, to a file the user chooses.
    bool exportProfile();
    // Adds a profile file of this product to the library, loads it into the current slot and uploads.
    bool importProfile();
    // Writes the whole configuration, stamped with the product, to a file the user chooses.
    bool saveConfiguration();
    // Reads the whole configuration from a file of this product and uploads it.
    bool loadConfiguration();
    // "Apply": takes the pages' values, then uploads.
    void apply();
    // "OK": uploads the configuration as held, then hides the window.
    void ok();
    // "Cancel": hides the window and reloads the current slot from its file.
    void cancel();
    // The file operations without their dialogs and boxes (the D-Bus interface calls them too).
    // Copies slot `slot`'s file, stamped with the product, to `path`.
    OperationResult exportProfileTo(int slot, const QString &path);
    // Adds the profile file `path` to the library and loads it into the current slot; no upload.
    OperationResult takeProfileFile(const QString &path);
    // Writes the working configuration, stamped with the product, to `path`.
    OperationResult exportConfigurationTo(const QString &path);
    // Reads the whole working configuration from `path` and shows it; no upload.
    OperationResult takeConfigurationFile(const QString &path);

    // Writes the library list to the product settings.
    void saveLibraryList();
    // Reads the library list from the product settings.
    void loadLibraryList();

signals:
    // The library list changed: its menu must be built again.
    void libraryChanged();
    // The current slot, or the name it holds, changed (or a refused name must be shown again).
    void slotChanged();

private:
    ConfigData &config() const;
    ProfileData &currentProfile() const;
    // upload() without starting the status thread again afterwards.
    OperationResult uploadAndWait(bool sendEverything, bool showProgress);
    // Starts the status thread unless it runs, an upload runs, or no mouse is open.
    void resumeStatusThread();
    // Names held by the slots other than the current one.
    QStringList otherSlotNames() const;
    // True when `name` cannot be given to a new library profile.
    bool nameTaken(const QString &name) const;
    // Tells the mouse to switch to `slot`, uploading the slot when it holds settings not sent yet.
    OperationResult switchMouseTo(int slot);
    // Makes the slot file of the new library profile `name` a copy of its library file, so that a slot
    // file left by an earlier profile of that name is not read for it. On failure the library file
    // goes again and the user is told.
    bool takeSlotFile(const QString &name);
    // Loads library profile `name` into the current slot, which takes the name.
    void loadIntoCurrentSlot(const QString &name);
    void notice(const QString &text) const;
    bool ask(const QString &text) const;
    void fileNotice(const QString &pattern, const QString &path) const;
    // The box for a failed profile (`kind` Profile) or configuration file operation.
    void showFailure(const OperationResult &result, int kind) const;

    ProfileHost *m_host;
    UploadWaiter m_waiter;
    bool m_uploading = false;
};
