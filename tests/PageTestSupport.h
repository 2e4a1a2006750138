#pragma once

#include "TestAppDir.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// Edits of an installed test folder's product definition and settings, for the page tests.

// Replaces the value of `key` in the file below `dir` (the key must exist).
inline void setIniValue(const TestAppDir &dir, const QString &file, const QString &key, const QString &value)
{
    QFile in(dir.path() + QLatin1Char('/') + file);
    QVERIFY(in.open(QIODevice::ReadOnly));
    QString text = QString::fromLatin1(in.readAll());
    in.close();
    const QRegularExpression line(QStringLiteral("(?m)^%1=.*$").arg(QRegularExpression::escape(key)));
    QVERIFY2(text.contains(line), qPrintable(key));
    text.replace(line, key + QLatin1Char('=') + value);
    dir.writeFile(file, text.toLatin1());
}

// Sets a key of the product definition (DefaultProfile.bin).
inline void setDefinition(const TestAppDir &dir, const QString &key, const QString &value)
{
    setIniValue(dir, QStringLiteral("DefaultProfile.bin"), key, value);
}

// Sets the product's sensor code.
inline void setSensor(const TestAppDir &dir, int sensor)
{
    setIniValue(dir, QStringLiteral("Configs/Config.ini"), QStringLiteral("1"), QString::number(sensor));
}

// Sets the number of DPI stages (the demo product stores 7 buttons and no "MouseDpi").
inline void setStageCount(const TestAppDir &dir, int count)
{
    setDefinition(dir, QStringLiteral("DPICount"), QString::number(7 ^ count));
}
