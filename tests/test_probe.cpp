// mousecfg-cli probe on umockdev's mock receiver and cable (mockkernel/MockKernel): what a first owner
// of real hardware sends in.
#include "mockkernel/MockHidDescriptors.h"
#include "mockkernel/MockKernel.h"

#include "CliRun.h"
#include "device/link/HardwareProbe.h"
#include "storage/Product.h"

#include <QtTest>

#include <cstdio>

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

class TestProbe : public QObject
{
    Q_OBJECT
private slots:
    void listing_data();
    void listing();
    void reportFile_data();
    void reportFile();
    void nodeThatCannotBeOpened();
};

namespace {

using Link = MockKernel::Link;

QStringList probeLines(bool all = false)
{
    const Product product = Product::load();
    HardwareProbe probe(product);
    probe.run(all);
    return probe.lines(false);
}

// The lines of one node's block, from its head line to the next blank line.
QStringList nodeBlock(const QStringList &lines, const QByteArray &node)
{
    const QString head = QString::fromLatin1(node) + QLatin1Char(':');
    QStringList block;
    bool inside = false;
    for (const QString &line : lines) {
        if (line.startsWith(head))
            inside = true;
        else if (inside && line.isEmpty())
            break;
        if (inside)
            block << line;
    }
    return block;
}

QString lineStarting(const QStringList &lines, const QString &start)
{
    for (const QString &line : lines) {
        if (line.startsWith(start))
            return line;
    }
    return QString();
}

// Drops or raises this thread's power to bypass file modes, so that root meets a mode 000 node as
// a user does.
bool setFileModeOverride(bool on)
{
    __user_cap_header_struct header { _LINUX_CAPABILITY_VERSION_3, 0 };
    __user_cap_data_struct data[2] {};
    if (::syscall(SYS_capget, &header, data) != 0)
        return false;
    for (const int capability : { CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH }) {
        if (on)
            data[0].effective |= 1u << capability;
        else
            data[0].effective &= ~(1u << capability);
    }
    return ::syscall(SYS_capset, &header, data) == 0;
}

const char CommandCollection[]
    = "  collection 4: usage page 0x0001, usage 0x0000 (no usage); report 5: input 33, output 33 bytes";
const char MouseCollection[]
    = "  collection 1: usage page 0x0001, usage 0x0002 (mouse); report 1: input 7 bytes";

} // namespace

void TestProbe::listing_data()
{
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<bool>("cable");
    QTest::addColumn<bool>("withCommand"); // the receiver's descriptor has the command collection
    QTest::addColumn<int>("commands"); // the link commands go to; -1: none
    QTest::addColumn<QString>("receiverUse");
    QTest::addColumn<QString>("cableUse");
    QTest::newRow("receiver") << true << false << true << int(MockKernel::Receiver)
                              << "commands and status (command collection 4, mouse collection 1)"
                              << QString();
    QTest::newRow("cable") << false << true << true << int(MockKernel::Cable) << QString()
                           << "commands and status (command collection 4, mouse collection 1)";
    QTest::newRow("both") << true << true << true << int(MockKernel::Cable)
                          << "opened (command collection 4, mouse collection 1); commands and status go "
                             "through the cable while it is plugged in"
                          << "commands and status (command collection 4, mouse collection 1)";
    QTest::newRow("receiver without the command collection")
        << true << false << false << -1
        << "not used (mouse collection 1): the receiver has no command collection (usage page 0x0001, "
           "usage 0x0000, as collection 4) on any node"
        << QString();
    QTest::newRow("cable, and a receiver without the command collection")
        << true << true << false << int(MockKernel::Cable)
        << "not used (mouse collection 1): the receiver has no command collection (usage page 0x0001, "
           "usage 0x0000, as collection 4) on any node"
        << "commands and status (command collection 4, mouse collection 1)";
}

void TestProbe::listing()
{
    QFETCH(bool, receiver);
    QFETCH(bool, cable);
    QFETCH(bool, withCommand);
    QFETCH(int, commands);
    QFETCH(QString, receiverUse);
    QFETCH(QString, cableUse);
    TestAppDir dir(TestAppDir::Installed);
    MockKernel kernel;
    if (!withCommand)
        kernel.setDescriptor(MockKernel::Receiver, MockHidDescriptors::withoutCommandCollection());
    if (receiver)
        kernel.plug(MockKernel::Receiver);
    if (cable)
        kernel.plug(MockKernel::Cable);

    const QStringList lines = probeLines();
    const QString listing = lines.join(QLatin1Char('\n'));
    QVERIFY2(lines.first().contains("read only"), qPrintable(listing));
    if (commands < 0) {
        QVERIFY2(lines.contains("status: none"), qPrintable(listing));
        QVERIFY2(lineStarting(lines, "commands: none").contains("no receiver or cable"), qPrintable(listing));
    } else {
        const QString where = QString::fromLatin1(kernel.vendorNode(Link(commands))) + ", collection 4";
        QVERIFY2(lineStarting(lines, "commands: ").startsWith("commands: " + where + " ("),
                 qPrintable(listing));
        QVERIFY2(lineStarting(lines, "status: ").startsWith("status: " + where + " ("), qPrintable(listing));
    }

    for (const Link link : { MockKernel::Receiver, MockKernel::Cable }) {
        const QByteArray node = kernel.vendorNode(link);
        const QStringList block = nodeBlock(lines, node);
        QCOMPARE(block.isEmpty(), node.isEmpty());
        if (node.isEmpty())
            continue;
        const bool isReceiver = link == MockKernel::Receiver;
        QVERIFY2(
            block.first().startsWith(QString::fromLatin1(node)
                                     + (isReceiver ? ": 248a:fa02 (receiver), USB, release 1.02, interface 0"
                                                   : ": 248a:fb01 (cable), USB, release 1.05, interface 0")),
            qPrintable(listing));
        QVERIFY2(block.contains(MouseCollection), qPrintable(listing));
        QCOMPARE(block.contains(CommandCollection), !isReceiver || withCommand);
        QCOMPARE(lineStarting(block, "  use: "), "  use: " + (isReceiver ? receiverUse : cableUse));
        QVERIFY2(lineStarting(block, "  open: for reading and writing").size() > 0, qPrintable(listing));
        QCOMPARE(
            lineStarting(block, "  udev: "),
            QStringLiteral("  udev: KERNEL==\"%1\", ATTRS{idVendor}==\"248a\", ATTRS{idProduct}==\"%2\"; "
                           "tags: none")
                .arg(QString::fromLatin1(node.mid(5)), isReceiver ? "fa02" : "fb01"));
        QVERIFY(block.contains("  serial: left out"));
    }
    QVERIFY2(!listing.contains("MOCK0001"), qPrintable(listing));
    // The receiver's keyboard interface is the vendor's too, and says why it is not used.
    if (receiver) {
        const QStringList keyboard = nodeBlock(lines, kernel.keyboardNode());
        QVERIFY2(keyboard.first().contains("(receiver), USB, release 1.02, interface 1"),
                 qPrintable(listing));
        QVERIFY2(lineStarting(keyboard, "  use: not used: none of its collections").size() > 0,
                 qPrintable(listing));
    }
    QCOMPARE(probeLines(true), lines);
}

void TestProbe::reportFile_data()
{
    QTest::addColumn<bool>("withSerials");
    QTest::newRow("serials and paths left out") << false;
    QTest::newRow("--with-serials") << true;
}

void TestProbe::reportFile()
{
    QFETCH(bool, withSerials);
    TestAppDir dir(TestAppDir::Installed);
    MockKernel kernel;
    kernel.plug(MockKernel::Receiver);
    kernel.plug(MockKernel::Cable);

    // The settings folder lies in the user's home folder, as it does for an installed program.
    const QString file = dir.path() + "/report.txt";
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("MOUSECFG_VIRTUAL_MOUSE");
    env.insert("HOME", dir.path());
    process.setProcessEnvironment(env);
    QStringList args { "--appdir", dir.path(), "probe", "--report", file };
    if (withSerials)
        args << "--with-serials";
    process.start(QStringLiteral(MOUSECFG_APPDIR "/mousecfg-cli"), args);
    const CliResult result = finishCli(process);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    QVERIFY2(result.output.contains("report written to " + file), qPrintable(result.output));

    QFile report(file);
    QVERIFY(report.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(report.readAll());
    const QStringList sections {
        "mousecfg hardware report\nprogram: mousecfg-cli ",
        "\nhidapi: ",
        "\nproduct definition: ",
        ", receiver 248a:fa02, cable 248a:fb01\n",
        "\n== probe ==\nmousecfg-cli probe: read only",
        "\ncommands: " + QString::fromLatin1(kernel.vendorNode(MockKernel::Cable)),
        QString::fromLatin1(kernel.vendorNode(MockKernel::Receiver)) + ": 248a:fa02 (receiver)",
        QString::fromLatin1(CommandCollection),
        "\n== doctor ==\n",
        "  mouse: ",
        "  settings folder: ",
    };
    for (const QString &expected : sections)
        QVERIFY2(text.contains(expected), qPrintable(expected + "\n---\n" + text));
    QCOMPARE(text.contains("MOCK0001"), withSerials);
    QCOMPARE(text.contains(dir.path()), withSerials);
    QCOMPARE(text.contains("privacy: serial numbers and paths in your home folder were left out"),
             !withSerials);
    if (!withSerials)
        QVERIFY2(text.contains("settings folder: ~/Configs"), qPrintable(text));
    // Read only: nothing reached the mouse.
    QVERIFY(kernel.reports().isEmpty());
}

void TestProbe::nodeThatCannotBeOpened()
{
    TestAppDir dir(TestAppDir::Installed);
    MockKernel kernel;
    kernel.plug(MockKernel::Receiver);
    const QByteArray node = kernel.vendorNode(MockKernel::Receiver);
    const QByteArray file = qgetenv("UMOCKDEV_DIR") + node;
    struct stat before
    {
    };
    QVERIFY(::stat(file.constData(), &before) == 0);
    QVERIFY(::chmod(file.constData(), 0) == 0);
    const bool root = ::geteuid() == 0;
    if (root)
        QVERIFY(setFileModeOverride(false));
    const QStringList lines = probeLines();
    if (root)
        QVERIFY(setFileModeOverride(true));
    QVERIFY(::chmod(file.constData(), before.st_mode & 07777) == 0);

    const QStringList block = nodeBlock(lines, node);
    QVERIFY2(block.contains("  open: no: Permission denied (errno 13) (mode 0000)"),
             qPrintable(lines.join('\n')));
    QVERIFY2(
        lineStarting(lines, "commands: ").endsWith("; but it cannot be opened: Permission denied (errno 13)"),
        qPrintable(lines.join('\n')));
    // The other node still opens.
    QVERIFY(nodeBlock(lines, kernel.keyboardNode()).filter("  open: for reading and writing").size() == 1);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QString why;
    if (!MockKernel::environmentReady(&why)) {
        std::fprintf(stderr, "SKIP: %s\n", qPrintable(why));
        return 77;
    }
    TestProbe test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_probe.moc"
