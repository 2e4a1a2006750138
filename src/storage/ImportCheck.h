#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

class QSettings;

// What an import may read: a profile file (*.prof) or a configuration export (*.conf). Before anything
// is taken from such a file it must hold every key this program always writes for its kind, each
// readable as its type; a cut-off download or a half-copied file is refused whole instead of reading
// the lost keys as zeros.
//
// Keys a file may lack, because files written before they were added do: "LedMoveOFF" (reads 255) and
// "LedSleepTime" (reads 1) of a profile file, the slot names "Config/Profile1".."Config/Profile5" of a
// configuration (each slot keeps its name), and the product stamp "MouseName/Name" (checked apart, as
// the file's owner).
//
// A configuration must leave each slot a profile name of its own: two slots of one name would share
// one file, and one of the two profiles would be lost.
class ImportCheck
{
    Q_DECLARE_TR_FUNCTIONS(ImportCheck)

public:
    // The kind of file an import expects, or that a file turned out to be.
    enum Kind { Profile, Configuration, Unknown };
    // The verdict, in the order the checks run.
    enum Result {
        Accepted,
        NoSuchFile,
        Folder,
        NotPlainFile, // a device, pipe or socket
        NoPermission,
        TooLarge,
        NotOurs, // empty, not INI text, or neither kind
        WrongKind, // the other kind of file: foundKind() tells which
        Incomplete, // missingCount() keys missing, the first firstMissing()
        BadValue, // badKey() does not hold a value of its type
        SharedName, // a configuration gives sharedSlots() the one name sharedName()
    };

    // Checks the file at `path` as a file of kind `expected` (Profile or Configuration). `heldNames` are
    // the names the five slots hold now: a slot the configuration names no profile for keeps its own.
    ImportCheck(const QString &path, Kind expected, const QStringList &heldNames = QStringList());

    // The verdict.
    Result result() const { return m_result; }
    // True when the file may be imported.
    bool accepted() const { return m_result == Accepted; }
    // True when the file could not be opened at all (missing, a folder, no permission).
    bool unreadable() const { return m_result >= NoSuchFile && m_result <= NoPermission; }
    // What the file is, as far as its groups tell.
    Kind foundKind() const { return m_found; }
    // With Incomplete: how many required keys are missing, and the first of them in the written order.
    int missingCount() const { return m_missing; }
    QString firstMissing() const { return m_key; }
    // With BadValue: the key whose value cannot be read.
    QString badKey() const { return m_key; }
    // With SharedName: the name, and the slots (1 to 5) it would be given to.
    QString sharedName() const { return m_key; }
    QList<int> sharedSlots() const { return m_slots; }
    // One line saying what is wrong, naming the file as `shownPath`; empty when accepted.
    QString message(const QString &shownPath) const;

    // Checks the content of an opened file (no size or access checks); the same verdicts.
    static ImportCheck checkContent(const QSettings &file, Kind expected,
                                    const QStringList &heldNames = QStringList());

private:
    ImportCheck() = default;
    void checkKeys(const QSettings &file, Kind expected);
    void checkNames(const QSettings &file, const QStringList &heldNames);

    Result m_result = Accepted;
    Kind m_found = Unknown;
    int m_missing = 0;
    QString m_key;
    Kind m_expected = Unknown;
    qint64 m_size = 0;
    bool m_wantsColour = false;
    QList<int> m_slots;
};
