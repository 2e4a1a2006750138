#include "VirtualMouseLink.h"

#include <QtTest>

// SendReport against the virtual mouse; every case asserts on the reports the mouse received.
class TestTransport : public QObject
{
    Q_OBJECT
private slots:
    void framesAndConfirmedEcho();
    void silentMouseGetsSixWritesThenSuccess();
    void unconfirmedCommandIsWrittenOnceWithoutRead();
    void payloadMismatchesCostCountedRewrites();
    void foreignReportIsReadAgainNotRewritten();
    void headerMismatchBudget();
    void readErrorBudget();
    void writeErrorIsNotRetried();
    void noHandleWritesNothing();
    void traceFile();
};

void TestTransport::framesAndConfirmedEcho()
{
    const QByteArray query = requestFrame(0x48);
    QCOMPARE(quint8(wireFrame(query)[1]), quint8(0x24));

    VirtualMouseLink link(true, false);
    const QByteArray block = requestFrame(0x01, 0, 0, QByteArray("\x01\x02\x03", 3), 0xD1);
    QCOMPARE(link.send(block), quint8(ReportOk));
    QCOMPARE(block[1], '\0'); // the caller's frame is left as it was
    QCOMPARE(link.mouse.reports(), QList<QByteArray>() << wireFrame(block));

    // Bytes 1 (checksum) and 7 (chunk type) of a reply are not compared.
    link.mouse.clearReports();
    link.mouse.setSilence(1);
    QByteArray reply = wireFrame(block);
    reply[1] = char(0x99);
    reply[7] = char(0xD3);
    link.mouse.injectReport(reply);
    QCOMPARE(link.send(block), quint8(ReportOk));
    QCOMPARE(link.mouse.reports().size(), 1);
    QCOMPARE(link.device().UnconfirmedReports(), 0u);
}

void TestTransport::silentMouseGetsSixWritesThenSuccess()
{
    VirtualMouseLink link(true, false);
    link.mouse.setSilence(VirtualMouse::Unlimited);
    const QByteArray block = requestFrame(0x02, 0, 0, QByteArray(25, '\x11'), 0xD1);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(link.send(block), quint8(ReportOk));
    QVERIFY(timer.elapsed() >= 6 * (10 + 150) - 20);
    QCOMPARE(link.mouse.reports(),
             QList<QByteArray>() << wireFrame(block) << wireFrame(block) << wireFrame(block)
                                 << wireFrame(block) << wireFrame(block) << wireFrame(block));
    // Counted as sent, and counted apart, so that the caller can say the mouse did not confirm it.
    QCOMPARE(link.device().UnconfirmedReports(), 1u);
    link.mouse.setSilence(0);
    QCOMPARE(link.send(block), quint8(ReportOk));
    QCOMPARE(link.device().UnconfirmedReports(), 1u);
}

void TestTransport::unconfirmedCommandIsWrittenOnceWithoutRead()
{
    VirtualMouseLink link(true, false);
    link.mouse.setSilence(VirtualMouse::Unlimited);
    link.mouse.sendStatusReport(1, 2, 4, 0);
    QCOMPARE(link.send(requestFrame(0x44, 3)), quint8(ReportOk));
    QCOMPARE(link.mouse.reports(), QList<QByteArray>() << wireFrame(requestFrame(0x44, 3)));
    // Nothing was read: the status report waiting before the call is still there.
    quint8 reply[ReportLength] = {};
    QCOMPARE(link.device().ReadCommandHandle(reply, ReportLength, 0), ReportLength);
    QCOMPARE(reply[3], quint8(0x49));
}

void TestTransport::payloadMismatchesCostCountedRewrites()
{
    VirtualMouseLink link(true, false);
    const QByteArray block = requestFrame(0x03, 0x19, 0, QByteArray("\x05\x06", 2), 0xD2);

    link.mouse.setWrongPayloadEchoes(2);
    QCOMPARE(link.send(block), quint8(ReportOk));
    QCOMPARE(link.mouse.reports().size(), 3);

    link.mouse.clearReports();
    link.mouse.setWrongPayloadEchoes(3);
    QCOMPARE(link.send(block), quint8(ReportNotConfirmed));
    QCOMPARE(link.mouse.reports(),
             QList<QByteArray>() << wireFrame(block) << wireFrame(block) << wireFrame(block));

    // Apply (0x40) is confirmed by its header alone.
    link.mouse.clearReports();
    link.mouse.setWrongPayloadEchoes(1);
    QCOMPARE(link.send(requestFrame(0x40, 0xF3, 0x04)), quint8(ReportOk));
    QCOMPARE(link.mouse.reports().size(), 1);
}

void TestTransport::foreignReportIsReadAgainNotRewritten()
{
    VirtualMouseLink link(true, false);
    link.mouse.sendStatusReport(2, 1, 8, 0);
    const QByteArray begin = requestFrame(0x46, 0);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(link.send(begin), quint8(ReportOk));
    QVERIFY(timer.elapsed() >= 10 + 50);
    QCOMPARE(link.mouse.reports(), QList<QByteArray>() << wireFrame(begin));
}

void TestTransport::headerMismatchBudget()
{
    // 20 mismatches are read again; after that each costs a counted re-write, and the third fails.
    VirtualMouseLink link(true, false);
    link.mouse.setWrongHeaderEchoes(VirtualMouse::Unlimited);
    const QByteArray end = requestFrame(0x46, 1);
    QCOMPARE(link.send(end), quint8(ReportNotConfirmed));
    QCOMPARE(link.mouse.reports(), QList<QByteArray>() << wireFrame(end) << wireFrame(end) << wireFrame(end));
}

void TestTransport::readErrorBudget()
{
    VirtualMouseLink link(true, false);
    const QByteArray block = requestFrame(0x04, 0x18, 0, QByteArray(24, '\x7f'), 0xD2);

    link.mouse.setReadErrors(29);
    QCOMPARE(link.send(block), quint8(ReportOk));
    QCOMPARE(link.mouse.reports().size(), 1);

    // The 30th error costs the first counted re-write; the echo of the first write is read after it.
    link.mouse.clearReports();
    link.mouse.setReadErrors(30);
    QCOMPARE(link.send(block), quint8(ReportOk));
    QCOMPARE(link.mouse.reports(), QList<QByteArray>() << wireFrame(block) << wireFrame(block));

    link.mouse.clearReports();
    link.mouse.setReadErrors(VirtualMouse::Unlimited);
    QCOMPARE(link.send(block), quint8(ReportNotConfirmed));
    QCOMPARE(link.mouse.reports().size(), 3);
}

void TestTransport::writeErrorIsNotRetried()
{
    VirtualMouseLink link(true, false);
    link.mouse.setWriteErrors(1);
    QCOMPARE(link.send(requestFrame(0x01, 0, 0, QByteArray(19, '\1'), 0xD1)), quint8(ReportWriteFailed));
    QVERIFY(link.mouse.reports().isEmpty());
    QCOMPARE(link.send(requestFrame(0x46, 0)), quint8(ReportOk));
    QCOMPARE(link.mouse.reports().size(), 1);
}

void TestTransport::noHandleWritesNothing()
{
    VirtualMouseLink link(true, true);
    link.device().CloseDevice();
    QCOMPARE(link.send(requestFrame(0x46, 0)), quint8(ReportNoDevice));
    QCOMPARE(link.device().WriteCommandHandle(
                 reinterpret_cast<const quint8 *>(requestFrame(0x48).constData()), ReportLength),
             -1);
    quint8 reply[ReportLength];
    QCOMPARE(link.device().ReadCommandHandle(reply, ReportLength, 10), -1);
    QVERIFY(link.mouse.reports().isEmpty());
    QVERIFY(!link.device().CommandHandleOpen());
}

void TestTransport::traceFile()
{
    QTemporaryDir dir;
    const QString trace = dir.filePath("trace.txt");
    qputenv("MOUSECFG_TRACE", trace.toLocal8Bit());
    {
        VirtualMouseLink link(false, true);
        QCOMPARE(link.send(requestFrame(0x46, 0)), quint8(ReportOk));
    }
    qunsetenv("MOUSECFG_TRACE");
    QFile file(trace);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = "W " + wireFrame(requestFrame(0x46, 0)).toHex() + "\n";
    QCOMPARE(file.readAll(), written + "R " + written.mid(2));
}

QTEST_GUILESS_MAIN(TestTransport)
#include "test_transport.moc"
