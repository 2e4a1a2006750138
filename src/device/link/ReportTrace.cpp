#include "device/link/ReportTrace.h"

#include <QByteArray>
#include <QFile>

void ReportTrace::traceReport(char direction, const quint8 *data, int length)
{
    const QString path = qEnvironmentVariable("MOUSECFG_TRACE");
    if (path.isEmpty())
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    const QByteArray bytes(reinterpret_cast<const char *>(data), length);
    file.write(QByteArray(1, direction) + ' ' + bytes.toHex() + '\n');
}
