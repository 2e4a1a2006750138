#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away program folder for one test: AppPaths points at it while the object lives.
class TestAppDir
{
public:
    // An empty folder, or one laid out like an installation (product definition and Configs).
    enum Contents { Empty, Installed };
    explicit TestAppDir(Contents contents = Empty);
    ~TestAppDir();

    // The folder's path.
    QString path() const { return m_dir.path(); }
    // Writes `text` to a file below the folder (creating its folders) and returns the full path.
    QString writeFile(const QString &relative, const QByteArray &text) const;
    // The product definition of the demo product shipped in data/.
    static QString demoProductDefinition();

private:
    QTemporaryDir m_dir;
};
