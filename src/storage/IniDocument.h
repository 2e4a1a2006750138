#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QVariant>

#include <vector>

class QTextCodec;

// The keys of one INI file in memory, read and written with the same rules and in the same order as
// the settings library (QSettings, IniFormat) reads and writes them: a file changed through it is
// byte for byte the file the library would write. Values stay as text until asked for, so that reading
// a few thousand keys costs little more than reading the file.
class IniDocument
{
public:
    // An empty document (a missing file).
    IniDocument() = default;
    // The keys of the INI text `content`.
    explicit IniDocument(const QByteArray &content);
    IniDocument(IniDocument &&) = default;
    IniDocument &operator=(IniDocument &&) = default;
    IniDocument(const IniDocument &) = delete;
    IniDocument &operator=(const IniDocument &) = delete;

    // Prefixes `group` + "/" to the keys of the calls that follow, until endGroup().
    void beginGroup(const QString &group);
    // Ends the group begun last.
    void endGroup();
    // The value at `key`, as the settings library's value() gives it; invalid when there is none.
    QVariant value(const QString &key) const;
    // value(key).toLongLong(), or `missing` when value(key) is invalid.
    qint64 number(const QString &key, qint64 missing = 0) const;
    // Sets `key` to `value`.
    void setValue(const QString &key, const QVariant &value);
    // Removes every key.
    void clear();
    // How many keys the document holds.
    int size() const { return int(m_entries.size()) - m_removed; }
    // The file the settings library would write for these keys.
    QByteArray toBytes() const;

private:
    struct Entry
    {
        // Index into m_sectionNames.
        int section = 0;
        // The key below the section; null while the key is still the bytes [nameFrom, nameTo) of the
        // text, as it is for keys that need no unescaping.
        QString name;
        // The text the key was read from (m_texts), or -1 once set.
        int text = -1;
        int nameFrom = 0;
        int nameTo = 0;
        // The value: bytes [from, to) of the text, or `value` once set.
        int from = 0;
        int to = 0;
        QVariant value;
        bool removed = false;
    };
    // A key below its section: an unescaped string, or plain bytes of a text.
    struct Name
    {
        const QChar *chars = nullptr;
        const char *bytes = nullptr;
        int size = 0;
    };

    void parse(const QByteArray &content);
    void parseSection(const QString &section, int textIndex, int from, int to);
    void addRead(int section, const QString &name, int textIndex, int nameFrom, int nameTo, int from, int to);
    int sectionId(const QString &section);
    Name nameOf(const Entry &entry) const;
    int findEntry(int section, const Name &name) const;
    void index(int entry);
    void grow();
    const Entry *find(const QString &key) const;
    bool locate(const QString &key, int &section, QString &name) const;
    QString fullKey(const QString &key) const;
    QVariant entryValue(const Entry &entry) const;

    std::vector<Entry> m_entries;
    // Open addressing over m_entries (entry index + 1, 0 empty), by section and name.
    std::vector<int> m_slots;
    QHash<QString, int> m_sectionIds;
    QStringList m_sectionNames;
    // The texts the entries point into: the file, and the joined text of a section found twice.
    std::vector<QByteArray> m_texts;
    QStringList m_groups;
    QString m_prefix;
    // Whether m_prefix names a section itself, and that section's id once known (-1: not yet).
    bool m_prefixIsSection = false;
    mutable int m_prefixSection = -1;
    QTextCodec *m_codec = nullptr;
    int m_removed = 0;
};
