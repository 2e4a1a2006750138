#include "CliRun.h"
#include "FileSnapshot.h"
#include "ProfileTestHost.h"
#include "ScriptedPrompts.h"
#include "VirtualMouseLink.h"
#include "device/status/StatusThreadRunner.h"
#include "device/upload/CommandSet.h"
#include "device/upload/UploadThreadState.h"
#include "storage/AppPaths.h"
#include "storage/ConfigRecords.h"
#include "storage/ConfigStore.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileLibrary.h"
#include "storage/UploadUnconfirmed.h"
#include "ui/main/ProfileNames.h"
#include "ui/main/ProfileOperations.h"

#include <QtTest>

#include <unistd.h>

// The profile rules without widgets, against a virtual mouse; message boxes and file dialogs are
// answered by the test.
class TestProfileOperations : public QObject
{
    Q_OBJECT
private slots:
    void nameRules();
    void addRenameCopyDelete();
    void deleteRefusals();
    void renameRefusals();
    void profileFiles();
    void configurationFiles();
    void damagedFilesRefused_data();
    void damagedFilesRefused();
    void okApplyAndReset();
    void uploadFailures();
    void slotSelectionAndCancel();
    void oneProfilePerName_data();
    void oneProfilePerName();
    void readOnlyLibraryFolder();
    void uploadMatchesCommandLine();
};

namespace {

const QStringList DefaultNames = { "Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5" };

// A library profile told apart by its first DPI stage.
ProfileData libraryProfile(int mark)
{
    ProfileData profile;
    MakeFactoryProfile(profile);
    profile.stages[0].x = profile.stages[0].y = quint32(400 + 100 * mark);
    return profile;
}

// An installed program folder with a virtual mouse, a saved working configuration, and a library of
// `names`, each with its file.
struct Bench
{
    explicit Bench(const QStringList &names = DefaultNames)
    {
        host.session = &link.session;
        LoadConfig(host.config);
        WriteFactoryProfileFile();
        SaveConfig(host.config);
        QDir().mkpath(AppPaths::libraryDir(CurrentProduct()));
        for (int i = 0; i < names.size(); ++i)
            SaveProfileFileAt(libraryProfile(i), LibraryProfileFile(names.at(i)));
        host.library = names;
        SaveLibraryList(names);
        link.session.upload().state().LastSentConfig() = host.config;
        SaveDiff(0);
        link.mouse.clearReports();
    }

    QString name(int slot) const { return host.config.profileNames[slot]; }
    bool hasFile(const QString &profile) const { return QFileInfo::exists(LibraryProfileFile(profile)); }

    VirtualMouseLink link { true, false };
    ProfileTestHost host;
    ScriptedPrompts prompts;
    ProfileOperations operations { &host };
};

QList<quint8> commandsSent(const VirtualMouse &mouse)
{
    QList<quint8> commands;
    for (const QByteArray &report : mouse.reports())
        commands << quint8(report[3]);
    return commands;
}

QString stampedProfile(const TestAppDir &dir, const QString &file, const QString &owner, int mark)
{
    const QString path = dir.path() + QLatin1Char('/') + file;
    SaveProfileFileAt(libraryProfile(mark), path);
    SaveFileOwner(path, owner);
    return path;
}

} // namespace

void TestProfileOperations::nameRules()
{
    using namespace ProfileNames;
    const auto takenIn = [](const QStringList &taken) {
        return [taken](const QString &name) { return taken.contains(name); };
    };
    QCOMPARE(copyName("Gaming", takenIn({})), QString("Gaming copy"));
    QCOMPARE(copyName("Gaming", takenIn({ "Gaming copy" })), QString("Gaming copy1"));
    QCOMPARE(copyName("Gaming", takenIn({ "Gaming copy", "Gaming copy1" })), QString("Gaming copy2"));
    QCOMPARE(newProfileName(takenIn(DefaultNames)), QString("Profile 6"));
    QCOMPARE(newProfileName(takenIn({ "Profile 1", "Profile 2", "Profile 4" })), QString("Profile 3"));
    QVERIFY(isDefaultName("Profile 5"));
    QVERIFY(!isDefaultName("Profile 6"));
    QVERIFY(!isDefaultName("profile 1"));

    const QStringList list = { "A", "B", "C", "D" };
    // The last name: the one before it, stepping down past names held elsewhere.
    QCOMPARE(pickReplacementProfile(list, 3, {}), 2);
    QCOMPARE(pickReplacementProfile(list, 3, { "C" }), 1);
    QCOMPARE(pickReplacementProfile(list, 3, { "C", "B" }), 0);
    QCOMPARE(pickReplacementProfile(list, 3, { "A", "B", "C" }), -1);
    // Another name: the next one; stepping down never lands on the deleted name; then upward.
    QCOMPARE(pickReplacementProfile(list, 1, {}), 2);
    QCOMPARE(pickReplacementProfile(list, 1, { "C" }), 0);
    QCOMPARE(pickReplacementProfile(list, 0, { "B" }), 2);
    QCOMPARE(pickReplacementProfile(list, 1, { "A", "C" }), 3);
    QCOMPARE(pickReplacementProfile(list, 1, { "A", "C", "D" }), -1);
    QCOMPARE(pickReplacementProfile({ "A" }, 0, {}), -1);
}

void TestProfileOperations::addRenameCopyDelete()
{
    Bench b;
    // Profile 1 to 5 all have their file: ADD makes Profile 6 and loads the factory template into the slot.
    b.host.config.profiles[0].stages[0].x = 12345;
    QVERIFY(b.operations.addProfile());
    QCOMPARE(b.host.library.last(), QString("Profile 6"));
    QCOMPARE(LoadLibraryList(), b.host.library);
    QVERIFY(b.hasFile("Profile 6"));
    QCOMPARE(b.name(0), QString("Profile 6"));
    ProfileData factory;
    MakeFactoryProfile(factory);
    QCOMPARE(b.host.config.profiles[0].stages[0].x, factory.stages[0].x);

    QVERIFY(b.operations.renameProfile("Gaming"));
    QCOMPARE(b.host.library.at(5), QString("Gaming"));
    QVERIFY(b.hasFile("Gaming") && !b.hasFile("Profile 6"));
    QVERIFY(!QFileInfo::exists(SlotProfileFile("Profile 6")));
    QCOMPARE(b.host.config.profiles[0].ProfileName, QString("Gaming"));
    QCOMPARE(LoadLibraryList(), b.host.library);
    QCOMPARE(
        QSettings(AppPaths::globalConfigFile(), QSettings::IniFormat).value("Config/Profile1").toString(),
        QString("Gaming"));

    // COPY names the copy after the slot's name; picking Gaming again between copies.
    for (const QString expected : { "Gaming copy", "Gaming copy1", "Gaming copy2" }) {
        QVERIFY(b.operations.copyProfile());
        QCOMPARE(b.name(0), expected);
        QVERIFY(b.hasFile(expected));
        if (expected != QLatin1String("Gaming copy2"))
            QVERIFY(b.operations.pickLibraryProfile("Gaming"));
    }
    QCOMPARE(b.host.library.mid(5), QStringList({ "Gaming", "Gaming copy", "Gaming copy1", "Gaming copy2" }));

    // Deleting the last name steps down past "Gaming copy1", which slot 2 holds.
    b.host.config.profileNames[1] = "Gaming copy1";
    b.prompts.boxAnswers << QDialog::Rejected;
    QVERIFY(!b.operations.deleteProfile());
    QVERIFY(b.hasFile("Gaming copy2"));
    QVERIFY(b.operations.deleteProfile());
    QCOMPARE(b.prompts.texts().last(), QString("Are you sure you want delete this profile?"));
    QVERIFY(!b.hasFile("Gaming copy2"));
    QCOMPARE(b.name(0), QString("Gaming copy"));
    QCOMPARE(b.host.config.profiles[0].stages[0].x, factory.stages[0].x);
    QCOMPARE(LoadLibraryList(), b.host.library);
    QVERIFY(!b.host.library.contains("Gaming copy2"));

    // The renamed Profile 6 goes too; a library pick of a name held elsewhere is refused.
    QVERIFY(b.operations.pickLibraryProfile("Gaming"));
    QVERIFY(b.operations.deleteProfile());
    QVERIFY(!b.hasFile("Gaming"));
    QCOMPARE(b.name(0), QString("Gaming copy"));
    b.prompts.boxes.clear();
    QVERIFY(!b.operations.pickLibraryProfile("Gaming copy1"));
    QCOMPARE(b.prompts.texts(), QStringList({ "Profile is Already Used!" }));
    QCOMPARE(b.prompts.boxes.first().title, QString("Warning"));
    QCOMPARE(b.prompts.boxes.first().buttonMode, 0);
    // Entries past the lookup limit are never loaded.
    QVERIFY(!b.operations.pickLibraryEntry(ProfileOperations::LibraryLookupLimit));
    QVERIFY(b.operations.pickLibraryEntry(0));
    QCOMPARE(b.name(0), QString("Profile 1"));
    // None of this reached the mouse.
    QVERIFY(b.link.mouse.reports().isEmpty());
}

void TestProfileOperations::deleteRefusals()
{
    {
        Bench b({ "Solo" });
        b.host.config.profileNames[0] = "Solo";
        QVERIFY(!b.operations.deleteProfile());
        QCOMPARE(b.prompts.texts(), QStringList({ "AT LEAST ONE PROFILE TO BE RETAINED." }));
        QVERIFY(b.hasFile("Solo"));
    }
    {
        Bench b;
        QVERIFY(!b.operations.deleteProfile());
        QCOMPARE(b.prompts.texts(), QStringList({ "The default Profile cannot be deleted or renamed." }));
        QCOMPARE(b.host.library, DefaultNames);
    }
    {
        // Every other name is held by another slot: nowhere to go, so nothing is deleted.
        const QStringList names = { "A", "B", "C", "D", "E" };
        Bench b(names);
        for (int k = 0; k < ProfileSlots; ++k)
            b.host.config.profileNames[k] = names.at(k);
        QVERIFY(!b.operations.deleteProfile());
        QCOMPARE(b.prompts.texts().size(), 2);
        QCOMPARE(b.prompts.texts().first(), QString("Are you sure you want delete this profile?"));
        QCOMPARE(b.host.library, names);
        QCOMPARE(LoadLibraryList(), names);
        QVERIFY(b.hasFile("A"));
        QCOMPARE(b.name(0), QString("A"));
    }
}

void TestProfileOperations::renameRefusals()
{
    Bench b({ "Gaming", "Other" });
    QSignalSpy shown(&b.operations, &ProfileOperations::slotChanged);
    QVERIFY(!b.operations.renameProfile("Gaming"));
    QCOMPARE(b.prompts.texts().last(), QString("The default Profile cannot be deleted or renamed."));
    QCOMPARE(shown.count(), 1); // the old name goes back into the field

    b.host.config.profileNames[0] = "Gaming";
    for (const QString bad : { "", ".", "..", "a/b", "a\\b" }) {
        shown.clear();
        QVERIFY(!b.operations.renameProfile(bad));
        QCOMPARE(b.prompts.texts().last(), QString("\"%1\" cannot name a profile file.").arg(bad));
        QCOMPARE(shown.count(), 1);
    }
    // A library name, or a name another slot holds, exists already; the field keeps the typed text.
    shown.clear();
    for (const QString taken : { "Other", "Profile 2" }) {
        QVERIFY(!b.operations.renameProfile(taken));
        QCOMPARE(b.prompts.texts().last(), QString("Profile Exist!"));
    }
    QCOMPARE(shown.count(), 0);
    QCOMPARE(b.host.library, QStringList({ "Gaming", "Other" }));
    QVERIFY(b.hasFile("Gaming"));
    QCOMPARE(b.name(0), QString("Gaming"));
}

void TestProfileOperations::profileFiles()
{
    Bench b;
    const TestAppDir &dir = b.link.dir;
    // Cancelled dialogs do nothing.
    QVERIFY(!b.operations.exportProfile());
    QVERIFY(!b.operations.importProfile());
    QVERIFY(b.prompts.boxes.isEmpty());
    QCOMPARE(b.prompts.fileCaptions, QStringList({ "Save Profile File", "Load Profile File" }));

    // Export replaces a file the user chose to overwrite, stamped with the product.
    const QString exported = dir.writeFile("out/mine.prof", "old");
    b.prompts.fileAnswers << exported;
    QVERIFY(b.operations.exportProfile());
    QCOMPARE(FileOwner(exported), CurrentProduct());
    ProfileData back;
    LoadProfileFile(back, exported);
    QCOMPARE(back.stages[0].x, b.host.config.profiles[0].stages[0].x);
    b.prompts.fileAnswers << dir.path() + "/missing/folder/x.prof";
    QVERIFY(!b.operations.exportProfile());
    QVERIFY(b.prompts.texts().last().contains("could not be written"));

    // Another product's file is refused; so is a name another slot holds.
    b.prompts.fileAnswers << stampedProfile(dir, "Foreign.prof", "OTHER", 7);
    QVERIFY(!b.operations.importProfile());
    QCOMPARE(b.prompts.texts().last(), QString("The file is not match current mouse!"));
    b.prompts.fileAnswers << stampedProfile(dir, "Profile 3.prof", CurrentProduct(), 7);
    QVERIFY(!b.operations.importProfile());
    QCOMPARE(b.prompts.texts().last(), QString("Profile is Already Used!"));
    QCOMPARE(b.host.library, DefaultNames);

    // A file of this product joins the library, takes the slot, and is uploaded.
    const QString imported = stampedProfile(dir, "Sniper.prof", CurrentProduct(), 9);
    b.prompts.fileAnswers << imported;
    b.prompts.boxes.clear();
    QVERIFY(b.operations.importProfile());
    QVERIFY(b.prompts.boxes.isEmpty());
    QCOMPARE(b.host.library.last(), QString("Sniper"));
    QCOMPARE(LoadLibraryList(), b.host.library);
    QCOMPARE(b.name(0), QString("Sniper"));
    QCOMPARE(b.host.config.profiles[0].stages[0].x, libraryProfile(9).stages[0].x);
    QVERIFY(commandsSent(b.link.mouse).contains(CmdDpiBlock));
    b.prompts.fileAnswers << imported;
    QVERIFY(!b.operations.importProfile());
    QCOMPARE(b.prompts.texts().last(), QString("Profile Exist!"));
}

void TestProfileOperations::configurationFiles()
{
    Bench b;
    const TestAppDir &dir = b.link.dir;
    QVERIFY(!b.operations.saveConfiguration());
    QVERIFY(!b.operations.loadConfiguration());
    QCOMPARE(b.prompts.fileCaptions, QStringList({ "Save Config File", "Load Config File" }));

    const ConfigData saved = b.host.config;
    const QString path = dir.path() + "/all.conf";
    b.prompts.fileAnswers << path;
    QVERIFY(b.operations.saveConfiguration());
    QCOMPARE(FileOwner(path), CurrentProduct());

    // Another product's configuration is passed over without a word.
    b.host.config.profiles[0].stages[0].x = 3250;
    const ConfigData edited = b.host.config;
    const QString foreign = dir.path() + "/foreign.conf";
    QVERIFY(ExportConfigStamped(saved, foreign, "OTHER"));
    b.prompts.fileAnswers << foreign;
    QVERIFY(!b.operations.loadConfiguration());
    QVERIFY(b.prompts.boxes.isEmpty());
    QVERIFY(b.host.config == edited);
    QVERIFY(b.link.mouse.reports().isEmpty());

    // This product's configuration replaces the working one and is uploaded.
    b.link.session.upload().state().LastSentConfig() = edited;
    b.prompts.fileAnswers << path;
    QVERIFY(b.operations.loadConfiguration());
    QCOMPARE(b.host.config.profiles[0].stages[0].x, saved.profiles[0].stages[0].x);
    QCOMPARE(b.host.firstTabShown, 1);
    QVERIFY(commandsSent(b.link.mouse).contains(CmdDpiBlock));

    // A path below a plain file cannot be created.
    b.prompts.fileAnswers << path + "/x.conf";
    QVERIFY(!b.operations.saveConfiguration());
    QVERIFY(b.prompts.texts().last().contains("could not be written"));
}

void TestProfileOperations::damagedFilesRefused_data()
{
    QTest::addColumn<bool>("configuration"); // LOAD1, else the profile import
    QTest::addColumn<QString>("make"); // how the file is made from a good one
    QTest::addColumn<QString>("box");

    QTest::newRow("config cut in a key") << true << "cut-key"
                                         << "is incomplete: ";
    QTest::newRow("config cut at 70%") << true << "cut-70"
                                       << "is incomplete: ";
    QTest::newRow("profile cut in a key") << false << "cut-key"
                                          << "is incomplete: ";
    QTest::newRow("tiny profile") << false << "tiny"
                                  << "is incomplete: 8451 keys are missing";
    QTest::newRow("configuration as profile") << false << "other-kind"
                                              << "is a configuration file, not a profile";
    QTest::newRow("profile as configuration") << true << "other-kind"
                                              << "is a profile file, not a configuration";
    QTest::newRow("empty configuration") << true << "empty"
                                         << "is not a profile or configuration file";
    QTest::newRow("missing profile") << false << "missing"
                                     << "': no such file";
    // Two slots of one name would share one file, and one profile would be lost.
    QTest::newRow("config giving three slots one name")
        << true << "same-names"
        << "gives profiles 1, 2 and 4 the same name 'Profile 1'";
    QTest::newRow("config name of a slot that keeps its own")
        << true << "same-as-kept"
        << "gives profiles 4 and 5 the same name 'Profile 4'";
}

void TestProfileOperations::damagedFilesRefused()
{
    QFETCH(bool, configuration);
    QFETCH(QString, make);
    QFETCH(QString, box);
    Bench b;
    const TestAppDir &dir = b.link.dir;
    const QString conf = dir.path() + "/in/all.conf";
    const QString prof = dir.path() + "/in/Sniper.prof";
    QDir().mkpath(dir.path() + "/in");
    QVERIFY(ExportConfigStamped(b.host.config, conf, CurrentProduct()));
    stampedProfile(dir, "in/Sniper.prof", CurrentProduct(), 9);
    const bool sameKind = make != "other-kind";
    QFile good(configuration == sameKind ? conf : prof);
    QVERIFY(good.open(QIODevice::ReadOnly));
    QByteArray content = good.readAll();
    if (make == "cut-key")
        content = content.left(content.indexOf("BUTTON_INFO_11_KeyInfo_3_H") + 17);
    else if (make == "cut-70")
        content = content.left(content.size() * 7 / 10);
    else if (make == "tiny")
        content = "[MouseName]\nName=" + CurrentProduct().toUtf8() + "\n";
    else if (make == "empty")
        content.clear();
    else if (make == "same-names")
        content.replace("Profile2=Profile 2", "Profile2=Profile 1")
            .replace("Profile4=Profile 4", "Profile4=Profile 1");
    else if (make == "same-as-kept")
        content.replace("Profile4=Profile 4\n", "").replace("Profile5=Profile 5", "Profile5=Profile 4");
    QString path = dir.writeFile("in/Given.x", content);
    if (make == "missing")
        path = dir.path() + "/in/None.prof";

    b.host.config.profiles[0].stages[0].x = 3250;
    const ConfigData edited = b.host.config;
    const auto files = fileSnapshot(dir.path());
    b.prompts.fileAnswers << path;
    QVERIFY(!(configuration ? b.operations.loadConfiguration() : b.operations.importProfile()));
    QCOMPARE(b.prompts.boxes.size(), 1);
    QVERIFY2(b.prompts.texts().first().contains(box), qPrintable(b.prompts.texts().first()));
    QVERIFY(b.host.config == edited);
    QCOMPARE(b.host.library, DefaultNames);
    QVERIFY(fileSnapshot(dir.path()) == files);
    QVERIFY(b.link.mouse.reports().isEmpty());
}

void TestProfileOperations::okApplyAndReset()
{
    Bench b;
    // The pages hold a new first DPI stage; "OK" sends the slot as held, without them.
    b.host.pages = [](ConfigData &config) { config.profiles[config.ProfileID].stages[0].x = 1650; };
    b.operations.ok();
    QCOMPARE(b.host.collected, 0);
    QCOMPARE(b.host.hidden, 1);
    QVERIFY(b.link.mouse.reports().isEmpty());
    QVERIFY(b.prompts.boxes.isEmpty());

    b.operations.apply();
    QCOMPARE(b.host.collected, 1);
    const QList<quint8> applied = commandsSent(b.link.mouse);
    QVERIFY(applied.contains(CmdDpiBlock));
    QVERIFY(!applied.contains(CmdButtonBlock));
    QVERIFY(b.prompts.boxes.isEmpty());

    // RESET asks first; then the slot is the factory profile again, and goes to the mouse.
    b.link.mouse.clearReports();
    b.prompts.boxAnswers << QDialog::Rejected;
    QVERIFY(!b.operations.resetProfile());
    QCOMPARE(b.host.config.profiles[0].stages[0].x, 1650u);
    QVERIFY(b.operations.resetProfile());
    QCOMPARE(b.prompts.texts().last(), QString("Are you sure you want reset this profile?"));
    ProfileData factory;
    MakeFactoryProfile(factory);
    QCOMPARE(b.host.config.profiles[0].stages[0].x, factory.stages[0].x);
    QVERIFY(commandsSent(b.link.mouse).contains(CmdDpiBlock));

    // Reset All sends every group although nothing changed.
    b.link.mouse.clearReports();
    MakeFactoryConfig(b.host.config);
    b.link.session.upload().state().LastSentConfig() = b.host.config;
    QVERIFY(b.operations.resetAllProfiles());
    QCOMPARE(b.prompts.texts().last(), QString("Are you sure you want reset all profiles?"));
    const QList<quint8> all = commandsSent(b.link.mouse);
    for (const DeviceCommand block : { CmdGeneralBlock, CmdDpiBlock, CmdButtonBlock, CmdLightingBlock })
        QVERIFY2(all.contains(block), qPrintable(QString::number(block)));
    QCOMPARE(b.name(4), QString("Profile 5"));
}

void TestProfileOperations::uploadFailures()
{
    Bench b;
    b.link.session.upload().state().SetMouseAsleep(true);
    QCOMPARE(int(b.operations.applyToDevice(true)), 5);
    b.link.session.upload().state().SetMouseAsleep(false);
    QVERIFY(b.link.mouse.reports().isEmpty());
    QCOMPARE(b.prompts.texts(), QStringList({ "Mouse is sleeping or not connected." }));
    QCOMPARE(b.prompts.boxes.last().buttonMode, 1);

    // A mouse silent through the whole reply budget of the first report: success, said so.
    b.link.mouse.setSilence(6);
    QCOMPARE(int(b.operations.applyToDevice(true)), 0);
    QCOMPARE(b.prompts.texts().last(),
             QString("The settings were sent, but the mouse did not confirm them."));
    QVERIFY(LastUploadUnconfirmed());
    const int boxes = b.prompts.boxes.size();
    QCOMPARE(int(b.operations.applyToDevice(true)), 0);
    QCOMPARE(b.prompts.boxes.size(), boxes);
    QVERIFY(!LastUploadUnconfirmed());

    // A failed upload leaves the status thread stopped; once the box is answered it runs again and
    // follows the mouse's own changes.
    StatusThreadRunner runner(b.link.device(), b.link.session.upload().state(),
                              b.link.session.statusControl(), b.link.session.product().batteryFullMillivolts);
    runner.start();
    QSignalSpy followed(&runner, &StatusThreadRunner::RefreshStatus);
    b.link.mouse.setWriteErrors(VirtualMouse::Unlimited);
    QVERIFY(b.operations.applyToDevice(true) != 0);
    QCOMPARE(b.prompts.texts().last(), QString("Send data failed, please try again."));
    QCOMPARE(b.prompts.boxes.last().buttonMode, 1);
    // The edits stay in memory and on disk, and the next upload sends everything.
    QCOMPARE(LoadDiff(), 1);
    QVERIFY(!LastUploadUnconfirmed());
    QVERIFY(runner.isRunning());
    b.link.mouse.sendStatusReport(2, 1, 1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!followed.isEmpty(), 5000);

    // The same after an upload asked for over D-Bus, which shows no box.
    const int shown = b.prompts.boxes.size();
    QVERIFY(!b.operations.upload(true, false).ok());
    QCOMPARE(b.prompts.boxes.size(), shown);
    QVERIFY(runner.isRunning());
    followed.clear();
    b.link.mouse.sendStatusReport(3, 1, 1, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!followed.isEmpty(), 5000);
    runner.stop();
}

void TestProfileOperations::slotSelectionAndCancel()
{
    Bench b;
    QSignalSpy shown(&b.operations, &ProfileOperations::slotChanged);
    b.operations.selectSlot(2);
    QCOMPARE(b.operations.currentSlot(), 2);
    QCOMPARE(int(b.link.mouse.selectedProfile()), 2);
    QCOMPARE(commandsSent(b.link.mouse).first(), quint8(CmdSelectProfile));
    QCOMPARE(QSettings(AppPaths::globalConfigFile(), QSettings::IniFormat).value("Config/ProfileID").toInt(),
             2);
    QCOMPARE(b.host.speedApplied, 1);
    QVERIFY(b.host.refreshed > 0 && shown.count() == 1);

    // Cancel drops edits that were never saved and sends nothing.
    b.link.mouse.clearReports();
    const quint32 kept = b.host.config.profiles[2].stages[0].x;
    b.host.config.profiles[2].stages[0].x = kept + 100;
    b.operations.cancel();
    QCOMPARE(b.host.hidden, 1);
    QCOMPARE(b.host.config.profiles[2].stages[0].x, kept);
    QVERIFY(b.link.mouse.reports().isEmpty());

    // A profile added but never applied reloads from its library file, not as an empty profile.
    QVERIFY(b.operations.addProfile());
    b.operations.cancel();
    QCOMPARE(b.name(2), QString("Profile 6"));
    ProfileData factory;
    MakeFactoryProfile(factory);
    QCOMPARE(b.host.config.profiles[2].stages[0].x, factory.stages[0].x);
}

void TestProfileOperations::oneProfilePerName_data()
{
    // Steps, in order, separated by ", ": "apply:X" (the pages hold first stage X, then "Apply"), "add",
    // "copy", "pick:NAME", "cancel", "left:NAME:X" (a slot file of NAME holding X, left by an earlier
    // profile). Slot 1 starts on Gaming (first stage 400), which the library lists with Other (500) and Spare
    // (600).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("name"); // the slot's name at the end
    QTest::addColumn<int>("stage"); // its first stage, everywhere; 0: the factory profile's

    QTest::newRow("export right after ADD") << "add"
                                            << "Profile 1" << 0;
    QTest::newRow("ADD over a left slot file") << "left:Profile 1:3000, add, cancel"
                                               << "Profile 1" << 0;
    QTest::newRow("export right after COPY") << "apply:1650, copy"
                                             << "Gaming copy" << 1650;
    QTest::newRow("COPY over a left slot file") << "left:Gaming copy:3000, copy, cancel"
                                                << "Gaming copy" << 400;
    QTest::newRow("export right after a pick") << "pick:Spare"
                                               << "Spare" << 600;
    QTest::newRow("apply, then pick the name again") << "apply:1650, pick:Other, pick:Gaming"
                                                     << "Gaming" << 1650;
    QTest::newRow("apply on a picked profile, then cancel") << "pick:Spare, apply:1650, cancel"
                                                            << "Spare" << 1650;
    QTest::newRow("added, applied, picked back") << "add, apply:2200, pick:Other, pick:Profile 1"
                                                 << "Profile 1" << 2200;
}

void TestProfileOperations::oneProfilePerName()
{
    QFETCH(QString, steps);
    QFETCH(QString, name);
    QFETCH(int, stage);
    Bench b({ "Gaming", "Other", "Spare" });
    b.host.config.profileNames[0] = "Gaming";
    b.host.config.profiles[0] = libraryProfile(0);
    b.host.config.profiles[0].ProfileName = "Gaming";
    QVERIFY(SaveConfig(b.host.config));
    b.link.session.upload().state().LastSentConfig() = b.host.config;

    for (const QString &step : steps.split(", ")) {
        const QStringList words = step.split(':');
        if (words.first() == "apply") {
            const quint32 x = words.at(1).toUInt();
            b.host.pages = [x](ConfigData &config) { config.profiles[config.ProfileID].stages[0].x = x; };
            b.operations.apply();
        } else if (words.first() == "add") {
            QVERIFY(b.operations.addProfile());
        } else if (words.first() == "copy") {
            QVERIFY(b.operations.copyProfile());
        } else if (words.first() == "pick") {
            QVERIFY(b.operations.pickLibraryProfile(words.at(1)));
        } else if (words.first() == "cancel") {
            b.operations.cancel();
        } else if (words.first() == "left") {
            ProfileData left = libraryProfile(0);
            left.stages[0].x = words.at(2).toUInt();
            QVERIFY(SaveProfileFile(left, words.at(1)));
        }
    }
    QVERIFY2(b.prompts.boxes.isEmpty(), qPrintable(b.prompts.texts().join('\n')));
    ProfileData factory;
    MakeFactoryProfile(factory);
    const quint32 expected = stage ? quint32(stage) : factory.stages[0].x;
    QCOMPARE(b.name(0), name);
    QCOMPARE(b.host.config.profiles[0].stages[0].x, expected);

    // The export holds what the slot shows.
    const QString exported = b.link.dir.path() + "/out.prof";
    b.prompts.fileAnswers << exported;
    QVERIFY(b.operations.exportProfile());
    ProfileData back;
    LoadProfileFile(back, exported);
    QCOMPARE(back.stages[0].x, expected);
    // Both files of the name hold it, whichever is read next.
    for (const QString &file : { SlotProfileFile(name), LibraryProfileFile(name) }) {
        if (!QFileInfo::exists(file))
            continue;
        LoadProfileFile(back, file);
        QVERIFY2(back.stages[0].x == expected, qPrintable(file));
    }
}

void TestProfileOperations::readOnlyLibraryFolder()
{
    Bench b({ "Gaming", "Other" });
    b.host.config.profileNames[0] = "Gaming";
    const QString folder = AppPaths::libraryDir(CurrentProduct());
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    // The superuser writes through permissions; an immutable folder stops it too.
    const bool root = geteuid() == 0;
    if (root && QProcess::execute("chattr", { "+i", folder }) != 0)
        QSKIP("no way to make a folder read-only for the superuser here");
    const auto unlock = qScopeGuard([&] {
        if (root)
            QProcess::execute("chattr", { "-i", folder });
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
    const QStringList files = QDir(folder).entryList(QDir::Files);

    QVERIFY(!b.operations.addProfile());
    QVERIFY(b.prompts.texts().last().contains("Profile 1.prof"));
    QVERIFY(!b.operations.copyProfile());
    QVERIFY(b.prompts.texts().last().contains("Gaming copy.prof"));
    QVERIFY(!b.operations.renameProfile("Renamed"));
    QVERIFY(b.prompts.texts().last().contains("Gaming.prof"));
    QVERIFY(b.prompts.texts().last().contains("could not be renamed"));
    QVERIFY(!b.operations.deleteProfile());
    QVERIFY(b.prompts.texts().last().contains("could not be deleted"));

    QCOMPARE(b.host.library, QStringList({ "Gaming", "Other" }));
    QCOMPARE(LoadLibraryList(), b.host.library);
    QCOMPARE(b.name(0), QString("Gaming"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), files);
}

void TestProfileOperations::uploadMatchesCommandLine()
{
    Bench b;
    // A configuration of its own: edited stages and a reassigned slot, saved as the window saves it.
    b.host.config.profiles[1].stages[2].x = 2400;
    b.host.config.profiles[0].pollrate = 2;
    b.host.config.LiftHigh = 2;
    QVERIFY(SaveConfig(b.host.config));
    SaveDiff(1);

    const QString windowTrace = b.link.dir.path() + "/window.trace";
    qputenv("MOUSECFG_TRACE", windowTrace.toLocal8Bit());
    const quint8 status = b.operations.applyToDevice();
    qunsetenv("MOUSECFG_TRACE");
    QCOMPARE(int(status), 0);

    SaveDiff(1);
    const QString cliTrace = b.link.dir.path() + "/cli.trace";
    QCOMPARE(runCli(b.link.dir, { "apply" }, "receiver", cliTrace).exitCode, 0);
    // The command-line tool asks for the battery state first.
    const QStringList cli = writtenReports(cliTrace);
    QVERIFY(cli.size() > 10);
    QCOMPARE(writtenReports(windowTrace), cli.mid(1));
}

QTEST_MAIN(TestProfileOperations)
#include "test_profileoperations.moc"
