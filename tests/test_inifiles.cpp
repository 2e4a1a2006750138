// The program's own INI reader and writer against the settings library (QSettings): the same files
// come out byte for byte, and every file reads to the same values.

#include "RecordSamples.h"
#include "storage/ConfigData.h"
#include "storage/IniDocument.h"
#include "storage/IniSafety.h"
#include "storage/ProfileFile.h"
#include "storage/ProfileKeys.h"

#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QRect>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestIniFiles : public QObject
{
    Q_OBJECT
private slots:
    void writesWhatTheSettingsLibraryWrites_data();
    void writesWhatTheSettingsLibraryWrites();
    void readsWhatTheSettingsLibraryReads_data();
    void readsWhatTheSettingsLibraryReads();
};

namespace {

enum Edit { ProfileEdit, AwkwardProfileEdit, GlobalsEdit, AssortedValuesEdit, ClearAndProfileEdit, DpiEdit };

// Texts that need quoting or escaping, or none at all.
const QStringList awkwardTexts = {
    QString(),
    QStringLiteral("Gaming profile"),
    QStringLiteral(" leading and trailing "),
    QStringLiteral("one, two"),
    QStringLiteral("say \"hi\""),
    QStringLiteral("C:\\Users\\me\\macro"),
    QStringLiteral("a=b;c#d"),
    QStringLiteral("#hash"),
    QStringLiteral(";semicolon"),
    QStringLiteral("Français Größe"),
    QStringLiteral("中文 マウス"),
    QString::fromUtf8("emoji \xF0\x9F\x96\xB1"),
    QStringLiteral("tab\tnew\nline\rreturn"),
    QStringLiteral("\x01" "abc"),
    QStringLiteral("@Variant(not a variant)"),
    QStringLiteral("@@twice"),
    QString(QChar(0)) + QStringLiteral("nul"),
    QStringLiteral("ends with backslash\\"),
    QStringLiteral("[section]"),
    QStringLiteral("percent%41 slash/"),
};

ProfileData awkwardProfile()
{
    ProfileData profile = sampleProfile(3);
    for (int b = 0; b < ButtonSlots; ++b)
        profile.buttons[b].macroname = awkwardTexts.at(b % awkwardTexts.size());
    profile.ProfileName = QStringLiteral("Name, with \"everything\" = ; # \\ é");
    profile.ProfilePath = QStringLiteral(" /home/user/My Profiles/p.prof ");
    profile.ledModes[2].RGB = QColor();
    profile.ledModes[3].RGB = QColor(1, 2, 3, 4);
    return profile;
}

template<class File> void applyEdit(File &file, Edit edit)
{
    switch (edit) {
    case ProfileEdit:
        WriteProfileKeys(file, QStringLiteral("PROFILE"), sampleProfile(1), SleepKeys::Included);
        break;
    case AwkwardProfileEdit:
        WriteProfileKeys(file, QStringLiteral("PROFILE"), awkwardProfile(), SleepKeys::Included);
        break;
    case ClearAndProfileEdit:
        file.clear();
        file.setValue(QStringLiteral("MouseName/Name"), QStringLiteral("SKYLARK"));
        WriteProfileKeys(file, QStringLiteral("PROFILE_0"), sampleProfile(2), SleepKeys::Omitted);
        break;
    case GlobalsEdit:
        file.setValue(QStringLiteral("Config/ProfileID"), 2);
        file.setValue(QStringLiteral("Config/AngleValue"), 255);
        file.setValue(QStringLiteral("Config/Count"), 0);
        for (int k = 0; k < awkwardTexts.size(); ++k)
            file.setValue(QStringLiteral("Config/Profile%1").arg(k + 1), awkwardTexts.at(k));
        break;
    case AssortedValuesEdit:
        // Keys that need escaping themselves, groups, and every kind of value the library writes.
        file.beginGroup(QStringLiteral("Odd Group"));
        file.setValue(QStringLiteral("key with spaces"), QStringLiteral("v"));
        file.setValue(QStringLiteral("ключ"), -7);
        file.setValue(QStringLiteral("general/x"), true);
        file.endGroup();
        file.setValue(QStringLiteral("General/y"), 1.5);
        file.setValue(QStringLiteral("top"), QStringList { QStringLiteral("a"), QStringLiteral("b, c") });
        file.setValue(QStringLiteral("Lists/empty"), QStringList());
        file.setValue(QStringLiteral("Lists/single"), QStringList { QStringLiteral("only") });
        file.setValue(QStringLiteral("Lists/mixed"), QVariantList { 1, QStringLiteral("@x"), QColor(Qt::red) });
        file.setValue(QStringLiteral("Types/bytes"), QByteArray("raw\0bytes", 9));
        file.setValue(QStringLiteral("Types/rect"), QRect(1, 2, 3, 4));
        file.setValue(QStringLiteral("Types/size"), QSize(5, 6));
        file.setValue(QStringLiteral("Types/point"), QPoint(-1, 8));
        file.setValue(QStringLiteral("Types/invalid"), QVariant());
        file.setValue(QStringLiteral("Types/long"), Q_INT64_C(-9000000000));
        file.setValue(QStringLiteral("Types/time"), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC));
        file.setValue(QStringLiteral("//Types//slashes//"), 1);
        break;
    case DpiEdit:
        file.setValue(QStringLiteral("PROFILE/dpi"), 3);
        break;
    }
}

// What the settings library makes of `start` (empty: no file) after `edit`.
QByteArray librarysFile(const QString &dir, const QByteArray &start, Edit edit)
{
    const QString path = dir + QStringLiteral("/library.ini");
    if (!start.isNull()) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(start) != start.size())
            return "cannot write";
    }
    {
        QSettings settings(path, QSettings::IniFormat);
        applyEdit(settings, edit);
    }
    QFile written(path);
    return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray("not written");
}

QByteArray ownFile(const QByteArray &start, Edit edit)
{
    IniDocument document(start);
    applyEdit(document, edit);
    return document.toBytes();
}

QByteArray settingsLibraryProfile(int seed)
{
    QTemporaryDir dir;
    QSettings settings(dir.filePath(QStringLiteral("p.prof")), QSettings::IniFormat);
    settings.setValue(QStringLiteral("MouseName/Name"), QStringLiteral("SKYLARK"));
    WriteProfileKeys(settings, QStringLiteral("PROFILE"), sampleProfile(seed), SleepKeys::Included);
    settings.sync();
    QFile file(settings.fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file as a person might edit it: CRLF, blanks around '=', comments, an unknown section, keys out of
// order and missing, a section found twice, a key found twice, a line without '='.
const QByteArray handEdited = "; my settings\r\n"
                              "[Unknown Section]\r\n"
                              "  foo = bar baz  \r\n"
                              "\r\n"
                              "[PROFILE]\r\n"
                              "dpi = 2\r\n"
                              "pollrate=3 ; comment after the value\r\n"
                              "ProfileName = \"quoted, name\"\r\n"
                              "#notacomment=1\r\n"
                              "this line has no equals sign\r\n"
                              "BUTTON_INFO_0_macroname=caf\\xe9\r\n"
                              "LedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\r\n"
                              "[MouseName]\r\n"
                              "Name=SKYLARK\r\n"
                              "[PROFILE]\r\n"
                              "dpi=5\r\n"
                              "LedMoveOFF=7\r\n"
                              "[General]\r\n"
                              "plain=1\r\n"
                              "continued=one\\\r\n"
                              "two\r\n"
                              "list=a, b , \"c, d\"";

QString configIni()
{
    return QStringLiteral(MOUSECFG_SOURCE_DIR "/data/Configs/Config.ini");
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestIniFiles::writesWhatTheSettingsLibraryWrites_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<int>("edit");
    const QByteArray noFile;
    const QByteArray written = settingsLibraryProfile(4);
    QTest::newRow("new profile file") << noFile << int(ProfileEdit);
    QTest::newRow("profile file rewritten") << written << int(ProfileEdit);
    QTest::newRow("awkward texts, new file") << noFile << int(AwkwardProfileEdit);
    QTest::newRow("awkward texts over a written file") << written << int(AwkwardProfileEdit);
    QTest::newRow("one key of a written file") << written << int(DpiEdit);
    QTest::newRow("written file, stamp the writer changes")
        << QByteArray(written).replace("Name=SKYLARK", "Name= odd, name ") << int(ProfileEdit);
    QTest::newRow("written file with a key of its own")
        << QByteArray(written).replace("[PROFILE]\n", "[PROFILE]\nAAA_extra=1\n") << int(ProfileEdit);
    QTest::newRow("hand-edited file") << handEdited << int(AwkwardProfileEdit);
    QTest::newRow("hand-edited file, one key") << handEdited << int(DpiEdit);
    QTest::newRow("cleared and rewritten") << written << int(ClearAndProfileEdit);
    QTest::newRow("installed Config.ini, globals") << fileContent(configIni()) << int(GlobalsEdit);
    QTest::newRow("empty file, globals") << QByteArray("") << int(GlobalsEdit);
    QTest::newRow("assorted keys and values") << noFile << int(AssortedValuesEdit);
    QTest::newRow("assorted over hand-edited") << handEdited << int(AssortedValuesEdit);
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xEF\xBB\xBF[PROFILE]\nProfileName=Gr\xC3\xB6\xC3\x9F" "e\n")
                                           << int(AwkwardProfileEdit);
}

void TestIniFiles::writesWhatTheSettingsLibraryWrites()
{
    QFETCH(QByteArray, start);
    QFETCH(int, edit);
    QTemporaryDir dir;
    const QByteArray expected = librarysFile(dir.path(), start, Edit(edit));
    const QByteArray actual = ownFile(start, Edit(edit));
    if (actual != expected) {
        const QList<QByteArray> a = actual.split('\n');
        const QList<QByteArray> e = expected.split('\n');
        for (int i = 0; i < qMin(a.size(), e.size()); ++i)
            QCOMPARE(a.at(i), e.at(i));
        QCOMPARE(a.size(), e.size());
    }
    QVERIFY(actual == expected);
    // A profile file is written straight from the record where it holds nothing else: the same bytes.
    if (edit == ProfileEdit || edit == AwkwardProfileEdit) {
        const ProfileData profile = edit == ProfileEdit ? sampleProfile(1) : awkwardProfile();
        if (start.isNull())
            QCOMPARE(ProfileFileText(profile), expected);
        const QString path = dir.filePath(QStringLiteral("saved.prof"));
        if (!start.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(start);
        }
        QVERIFY(SaveProfileFileAt(profile, path));
        QCOMPARE(fileContent(path), expected);
    }
}

void TestIniFiles::readsWhatTheSettingsLibraryReads_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("profile written by the library") << settingsLibraryProfile(6);
    QTest::newRow("hand-edited file") << handEdited;
    QTest::newRow("installed Config.ini") << fileContent(configIni());
    QTest::newRow("odd escapes") << QByteArray("[A]\nx=\\x41\\101\\q\\\ny=\"unterminated\nz=%\n%41=1\n"
                                               "w=\\x\nv=a\\\"b, \"c\"d  , e\\0\n[%General]\nk=1\n[a\\b]\nc=2\n");
    QTest::newRow("values with type marks")
        << QByteArray("[T]\nr=@Rect(1 2 3 4)\nbad=@Rect(1 2)\ns=@Size(3 4)\np=@Point(5 6)\n"
                      "b=@ByteArray(xyz)\ns2=@String(abc)\ni=@Invalid()\nl=@Invalid(), x\nat=@@x, @@y\n");
    // Every stored fuzz input of the INI readers that the safety check lets through.
    for (const char *target : { "profile", "configimport", "settings" }) {
        const QDir corpus(QStringLiteral(MOUSECFG_SOURCE_DIR "/fuzz/corpus/") + QLatin1String(target));
        for (const QString &name : corpus.entryList(QDir::Files))
            QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(QLatin1String(target), name)))
                << fileContent(corpus.filePath(name));
    }
}

void TestIniFiles::readsWhatTheSettingsLibraryReads()
{
    QFETCH(QByteArray, content);
    if (!IniContentIsSafe(content))
        QSKIP("the settings library must not read this file");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("file.ini"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QSettings settings(path, QSettings::IniFormat);
    IniDocument document(content);
    const QStringList keys = settings.allKeys();
    QCOMPARE(document.size(), keys.size());
    for (const QString &key : keys) {
        const QVariant expected = settings.value(key);
        QVERIFY2(document.value(key) == expected, qPrintable(key));
        QCOMPARE(document.number(key, -12345), expected.isValid() ? expected.toLongLong() : -12345);
    }
    for (const QString &section : { QStringLiteral("PROFILE"), QStringLiteral("PROFILE_0") }) {
        ProfileData fromLibrary;
        ProfileData fromOwn;
        ReadProfileKeys(settings, section, fromLibrary, SleepKeys::Included);
        ReadProfileKeys(document, section, fromOwn, SleepKeys::Included);
        QVERIFY(fromOwn == fromLibrary);
    }
    // And written back after one change, the same bytes again.
    QCOMPARE(ownFile(content, DpiEdit), librarysFile(dir.path(), content, DpiEdit));
}

QTEST_GUILESS_MAIN(TestIniFiles)
#include "test_inifiles.moc"
