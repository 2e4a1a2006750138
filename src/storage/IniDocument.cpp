#include "storage/IniDocument.h"

#include "storage/IniKeyNames.h"
#include "storage/IniLines.h"
#include "storage/IniText.h"

#include <QMap>
#include <QTextCodec>
#include <QVector>

#include <algorithm>
#include <cstring>

IniDocument::IniDocument(const QByteArray &content)
{
    parse(content);
}

void IniDocument::parse(const QByteArray &content)
{
    m_texts.push_back(content);
    const char *data = content.constData();
    const int end = content.size();
    int pos = 0;
    if (end >= 3 && uchar(data[0]) == 0xef && uchar(data[1]) == 0xbb && uchar(data[2]) == 0xbf) {
        m_codec = QTextCodec::codecForName("UTF-8");
        pos = 3;
    }

    // First the sections, as the library gathers them: a section found twice is one section, its
    // parts joined; the sections are then read in the order of their names.
    QMap<QString, QVector<QPair<int, int>>> sections;
    QString current;
    int currentStart = pos;
    const auto flush = [&](int upTo) { sections[current].append({ currentStart, upTo }); };
    IniLine line;
    while (NextIniLine(data, end, pos, line)) {
        if (data[line.start] == '[') {
            flush(line.start);
            const int close = content.indexOf(']', line.start);
            const QByteArray header = (close == -1 || close >= line.start + line.length
                                           ? content.mid(line.start + 1, line.length - 1)
                                           : content.mid(line.start + 1, close - line.start - 1))
                                          .trimmed();
            if (header.compare("general", Qt::CaseInsensitive) == 0) {
                current.clear();
            } else {
                if (header.compare("%general", Qt::CaseInsensitive) == 0)
                    current = QLatin1String(header.constData() + 1);
                else
                    current = IniText::key(header.constData(), 0, header.size());
                current += QLatin1Char('/');
            }
            currentStart = pos;
        }
    }
    flush(end);

    for (auto it = sections.constBegin(); it != sections.constEnd(); ++it) {
        if (it->size() == 1) {
            parseSection(it.key(), 0, it->first().first, it->first().second);
            continue;
        }
        QByteArray joined;
        for (const auto &range : *it) {
            if (!joined.isEmpty())
                joined += '\n';
            joined += content.mid(range.first, range.second - range.first);
        }
        m_texts.push_back(joined);
        parseSection(it.key(), int(m_texts.size()) - 1, 0, joined.size());
    }
}

void IniDocument::parseSection(const QString &section, int textIndex, int from, int to)
{
    const char *data = m_texts[textIndex].constData();
    // Room for a key per line, so that the tables grow once.
    const size_t lines = size_t(std::count(data + from, data + to, '\n')) + 1;
    m_entries.reserve(m_entries.size() + lines);
    while (m_slots.size() < 2 * (m_entries.size() + lines))
        grow();
    // Keys of a plain section ("[PROFILE]") that need no unescaping stay bytes of the text.
    const QString sectionName = section.left(section.size() - 1);
    const bool plainSection = !section.isEmpty() && !sectionName.contains(QLatin1Char('/'));
    const int plainId = plainSection ? sectionId(sectionName) : -1;
    int pos = from;
    IniLine line;
    while (NextIniLine(data, to, pos, line)) {
        // Lines without '=' (other than comments) are damage the library skips.
        if (line.equals == -1)
            continue;
        int keyEnd = line.equals;
        while (keyEnd > line.start && (data[keyEnd - 1] == ' ' || data[keyEnd - 1] == '\t'))
            --keyEnd;
        const int valueFrom = line.equals + 1;
        const int valueTo = line.start + line.length;
        if (plainSection && !std::memchr(data + line.start, '\\', size_t(keyEnd - line.start))
            && !std::memchr(data + line.start, '%', size_t(keyEnd - line.start))) {
            addRead(plainId, QString(), textIndex, line.start, keyEnd, valueFrom, valueTo);
            continue;
        }
        QString sectionPart;
        QString name;
        IniKeyNames::split(section + IniText::key(data, line.start, keyEnd), sectionPart, name);
        addRead(sectionId(sectionPart), name, textIndex, 0, 0, valueFrom, valueTo);
    }
}

int IniDocument::sectionId(const QString &section)
{
    const auto it = m_sectionIds.constFind(section);
    if (it != m_sectionIds.constEnd())
        return *it;
    m_sectionNames.append(section);
    m_sectionIds.insert(section, m_sectionNames.size() - 1);
    return m_sectionNames.size() - 1;
}

IniDocument::Name IniDocument::nameOf(const Entry &entry) const
{
    Name name;
    if (entry.name.isNull()) {
        name.bytes = m_texts[entry.text].constData() + entry.nameFrom;
        name.size = entry.nameTo - entry.nameFrom;
    } else {
        name.chars = entry.name.constData();
        name.size = entry.name.size();
    }
    return name;
}

void IniDocument::addRead(int section, const QString &name, int textIndex, int nameFrom, int nameTo, int from,
                          int to)
{
    Entry entry;
    entry.section = section;
    entry.name = name;
    entry.text = textIndex;
    entry.nameFrom = nameFrom;
    entry.nameTo = nameTo;
    if (m_slots.size() < 2 * (m_entries.size() + 1))
        grow();
    // One probe finds either the key read before or the free slot for it.
    const Name key = nameOf(entry);
    const size_t mask = m_slots.size() - 1;
    size_t i = IniKeyNames::hash(section, key.chars, key.bytes, key.size) & mask;
    for (; m_slots[i]; i = (i + 1) & mask) {
        Entry &old = m_entries[size_t(m_slots[i] - 1)];
        if (old.section != section)
            continue;
        const Name oldName = nameOf(old);
        if (IniKeyNames::compare(oldName.chars, oldName.bytes, oldName.size, key.chars, key.bytes, key.size)
            != 0)
            continue;
        // A key found twice keeps its last value.
        if (old.name.isNull())
            old.name = QString::fromLatin1(oldName.bytes, oldName.size);
        old.text = textIndex;
        old.from = from;
        old.to = to;
        old.value = QVariant();
        return;
    }
    entry.from = from;
    entry.to = to;
    m_entries.push_back(std::move(entry));
    m_slots[i] = int(m_entries.size());
}

int IniDocument::findEntry(int section, const Name &name) const
{
    if (m_slots.empty())
        return -1;
    const size_t mask = m_slots.size() - 1;
    for (size_t i = IniKeyNames::hash(section, name.chars, name.bytes, name.size) & mask; m_slots[i];
         i = (i + 1) & mask) {
        const Entry &entry = m_entries[size_t(m_slots[i] - 1)];
        if (entry.section != section)
            continue;
        const Name other = nameOf(entry);
        if (IniKeyNames::compare(other.chars, other.bytes, other.size, name.chars, name.bytes, name.size)
            == 0)
            return m_slots[i] - 1;
    }
    return -1;
}

void IniDocument::index(int entry)
{
    if (m_slots.size() < 2 * m_entries.size()) {
        grow(); // indexes every entry, this one too
        return;
    }
    const Name name = nameOf(m_entries[size_t(entry)]);
    const size_t mask = m_slots.size() - 1;
    size_t i = IniKeyNames::hash(m_entries[size_t(entry)].section, name.chars, name.bytes, name.size) & mask;
    while (m_slots[i])
        i = (i + 1) & mask;
    m_slots[i] = entry + 1;
}

void IniDocument::grow()
{
    const size_t size = m_slots.empty() ? 64 : m_slots.size() * 2;
    m_slots.assign(size, 0);
    const size_t mask = size - 1;
    for (size_t e = 0; e < m_entries.size(); ++e) {
        const Name name = nameOf(m_entries[e]);
        size_t i = IniKeyNames::hash(m_entries[e].section, name.chars, name.bytes, name.size) & mask;
        while (m_slots[i])
            i = (i + 1) & mask;
        m_slots[i] = int(e) + 1;
    }
}

void IniDocument::beginGroup(const QString &group)
{
    m_groups.append(IniKeyNames::normalized(group));
    m_prefix.clear();
    for (const QString &g : qAsConst(m_groups)) {
        if (g.isEmpty())
            continue;
        if (!m_prefix.isEmpty())
            m_prefix += QLatin1Char('/');
        m_prefix += g;
    }
    m_prefixIsSection = !m_prefix.isEmpty() && !m_prefix.contains(QLatin1Char('/'));
    m_prefixSection = -1;
}

void IniDocument::endGroup()
{
    if (m_groups.isEmpty())
        return;
    m_groups.removeLast();
    const QStringList groups = m_groups;
    m_groups.clear();
    m_prefix.clear();
    m_prefixIsSection = false;
    m_prefixSection = -1;
    for (const QString &g : groups)
        beginGroup(g);
}

QString IniDocument::fullKey(const QString &key) const
{
    const QString name = IniKeyNames::normalized(key);
    return m_prefix.isEmpty() ? name : m_prefix + QLatin1Char('/') + name;
}

bool IniDocument::locate(const QString &key, int &section, QString &name) const
{
    QString sectionName;
    // The usual case, a plain key in a one-level group, needs no new string.
    if (m_prefixIsSection && IniKeyNames::isNormalized(key)) {
        name = key;
        if (m_prefixSection < 0)
            m_prefixSection = m_sectionIds.value(m_prefix, -1);
        section = m_prefixSection;
        return section >= 0;
    } else {
        IniKeyNames::split(fullKey(key), sectionName, name);
    }
    section = m_sectionIds.value(sectionName, -1);
    return section >= 0;
}

const IniDocument::Entry *IniDocument::find(const QString &key) const
{
    int section = 0;
    QString name;
    if (!locate(key, section, name))
        return nullptr;
    const int entry = findEntry(section, Name { name.constData(), nullptr, name.size() });
    return entry < 0 || m_entries[size_t(entry)].removed ? nullptr : &m_entries[size_t(entry)];
}

QVariant IniDocument::entryValue(const Entry &entry) const
{
    if (entry.from < 0)
        return entry.value;
    return IniText::value(m_texts[size_t(entry.text)].constData(), entry.from, entry.to, m_codec);
}

QVariant IniDocument::value(const QString &key) const
{
    const Entry *entry = find(key);
    return entry ? entryValue(*entry) : QVariant();
}

qint64 IniDocument::number(const QString &key, qint64 missing) const
{
    const Entry *entry = find(key);
    if (!entry)
        return missing;
    if (entry->from >= 0) {
        // Plain decimal digits, as every number is written, need no conversion through text.
        const char *data = m_texts[size_t(entry->text)].constData();
        int i = entry->from;
        const bool negative = i < entry->to && data[i] == '-';
        if (negative)
            ++i;
        const int digits = entry->to - i;
        if (digits > 0 && digits <= 18) {
            qint64 result = 0;
            for (; i < entry->to && data[i] >= '0' && data[i] <= '9'; ++i)
                result = result * 10 + (data[i] - '0');
            if (i == entry->to)
                return negative ? -result : result;
        }
    }
    const QVariant v = entryValue(*entry);
    return v.isValid() ? v.toLongLong() : missing;
}

void IniDocument::setValue(const QString &key, const QVariant &value)
{
    int section = 0;
    QString name;
    if (!locate(key, section, name)) {
        QString sectionName;
        QString rest;
        IniKeyNames::split(fullKey(key), sectionName, rest);
        section = sectionId(sectionName);
    }
    const int known = findEntry(section, Name { name.constData(), nullptr, name.size() });
    if (known >= 0) {
        Entry &entry = m_entries[size_t(known)];
        if (entry.removed) {
            entry.removed = false;
            --m_removed;
        }
        // The value no longer comes from the text (the name still may).
        entry.from = -1;
        entry.value = value;
        return;
    }
    Entry entry;
    entry.section = section;
    entry.name = name;
    entry.from = -1;
    entry.value = value;
    m_entries.push_back(std::move(entry));
    index(int(m_entries.size()) - 1);
}

void IniDocument::clear()
{
    for (Entry &entry : m_entries)
        entry.removed = true;
    m_removed = int(m_entries.size());
}
