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
        QString section;
        QString name;
        // The value as text in m_texts[text], or `value` once set.
        int text = -1;
        int from = 0;
        int to = 0;
        QVariant value;
        bool removed = false;
    };
    using KeyIndex = QHash<QString, int>;

    void parse(const QByteArray &content);
    void parseSection(const QString &section, int textIndex, int from, int to);
    void insert(const QString &fullKey, int textIndex, int from, int to);
    const Entry *find(const QString &key) const;
    QString fullKey(const QString &key) const;
    QVariant entryValue(const Entry &entry) const;

    std::vector<Entry> m_entries;
    // Entry of each key: by section (the key up to its first '/'), then by the rest of the key.
    QHash<QString, KeyIndex> m_index;
    // The texts the entries point into: the file, and the joined text of a section found twice.
    std::vector<QByteArray> m_texts;
    QStringList m_groups;
    QString m_prefix;
    QTextCodec *m_codec = nullptr;
    int m_removed = 0;
};
