#pragma once

#include <QString>
#include <QStringList>

class HardwareProbe;

// The text file a user attaches to a bug report about a real mouse: the program's version, the
// product definition's ids, the probe's listing and the doctor's checks. Serial numbers and paths
// inside the user's home folder are left out, and the file says so, unless `withSerials`.
namespace ProbeReport {

QString text(const HardwareProbe &probe, const QStringList &doctorLines, const QString &version,
             bool withSerials);
// `text` with the home folder written as "~" and the login name as "USER" wherever it is a path part.
QString withoutUserPaths(QString text);

} // namespace ProbeReport
