#include "storage/IniDocument.h"

#include "storage/IniText.h"

#include <QMap>
#include <QTextCodec>
#include <QVector>

#include <algorithm>

namespace {

enum CharTrait { Blank = 1, Special = 2 };

// Blank: '\t', '\n', '\r', ' '. Special: '\n', '\r', '"', ';', '=', '\\'.
struct CharTraits
{
    unsigned char traits[256] = {};
    CharTraits()
    {
        for (unsigned char ch : { '\t', '\n', '\r', ' ' })
            traits[ch] |= Blank;
        for (unsigned char ch : { '\n', '\r', '"', ';', '=', '\\' })
            traits[ch] |= Special;
    }
};

const CharTraits charTraits;

bool has(char ch, CharTrait trait)
{
    return charTraits.traits[uchar(ch)] & trait;
}

struct Line
{
    int start = 0;
    int length = 0;
    int equals = -1;
};

// The next logical line of `data` up to `end` from `pos`, as the settings library splits a file: blank
// lines and ';' comments skipped, a line going on past a newline inside quotes or after a backslash,
// and ending at an unquoted ';'. `equals` is the first unquoted '=' or -1. False at the end.
bool nextLine(const char *data, int end, int &pos, Line &line)
{
    bool inQuotes = false;
    line.equals = -1;
    line.start = pos;
    while (line.start < end && has(data[line.start], Blank))
        ++line.start;
    int i = line.start;
    while (i < end) {
        char ch = data[i];
        while (!has(ch, Special)) {
            if (++i == end)
                goto done;
            ch = data[i];
        }
        ++i;
        if (ch == '=') {
            if (!inQuotes && line.equals == -1)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == line.start + 1) {
                ++line.start;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        } else if (ch == '\\') {
            if (i < end) {
                const char escaped = data[i++];
                if (i < end) {
                    const char next = data[i];
                    if ((escaped == '\n' && next == '\r') || (escaped == '\r' && next == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else { // ';'
            if (i == line.start + 1) {
                while (i < end && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < end && has(data[i], Blank))
                    ++i;
                line.start = i;
            } else if (!inQuotes) {
                --i;
                goto done;
            }
        }
    }
done:
    pos = i;
    line.length = i - line.start;
    return line.length > 0;
}

// A key as the settings library keeps it: no doubled, leading or trailing '/'.
QString normalized(const QString &key)
{
    if (!key.startsWith(QLatin1Char('/')) && !key.endsWith(QLatin1Char('/'))
        && !key.contains(QLatin1String("//")))
        return key;
    QString result;
    for (const QString &part : key.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (!result.isEmpty())
            result += QLatin1Char('/');
        result += part;
    }
    return result;
}

void splitKey(const QString &fullKey, QString &section, QString &name)
{
    const int slash = fullKey.indexOf(QLatin1Char('/'));
    if (slash < 0) {
        section.clear();
        name = fullKey;
    } else {
        section = fullKey.left(slash);
        name = fullKey.mid(slash + 1);
    }
}

} // namespace

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
    Line line;
    while (nextLine(data, end, pos, line)) {
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
    int pos = from;
    Line line;
    while (nextLine(data, to, pos, line)) {
        // Lines without '=' (other than comments) are damage the library skips.
        if (line.equals == -1)
            continue;
        int keyEnd = line.equals;
        while (keyEnd > line.start && (data[keyEnd - 1] == ' ' || data[keyEnd - 1] == '\t'))
            --keyEnd;
        insert(section + IniText::key(data, line.start, keyEnd), textIndex, line.equals + 1,
               line.start + line.length);
    }
}

void IniDocument::insert(const QString &fullKey, int textIndex, int from, int to)
{
    Entry entry;
    splitKey(fullKey, entry.section, entry.name);
    KeyIndex &keys = m_index[entry.section];
    const auto known = keys.constFind(entry.name);
    if (known != keys.constEnd()) {
        // A key found twice keeps its last value.
        Entry &old = m_entries[*known];
        old.text = textIndex;
        old.from = from;
        old.to = to;
        return;
    }
    entry.text = textIndex;
    entry.from = from;
    entry.to = to;
    keys.insert(entry.name, int(m_entries.size()));
    m_entries.push_back(std::move(entry));
}

void IniDocument::beginGroup(const QString &group)
{
    m_groups.append(normalized(group));
    m_prefix.clear();
    for (const QString &g : qAsConst(m_groups)) {
        if (g.isEmpty())
            continue;
        if (!m_prefix.isEmpty())
            m_prefix += QLatin1Char('/');
        m_prefix += g;
    }
}

void IniDocument::endGroup()
{
    if (m_groups.isEmpty())
        return;
    m_groups.removeLast();
    const QStringList groups = m_groups;
    m_groups.clear();
    m_prefix.clear();
    for (const QString &g : groups)
        beginGroup(g);
}

QString IniDocument::fullKey(const QString &key) const
{
    const QString name = normalized(key);
    return m_prefix.isEmpty() ? name : m_prefix + QLatin1Char('/') + name;
}

const IniDocument::Entry *IniDocument::find(const QString &key) const
{
    // The usual case, a plain key in a one-level group, needs no new string.
    if (!m_prefix.isEmpty() && !m_prefix.contains(QLatin1Char('/')) && normalized(key).size() == key.size()) {
        const auto section = m_index.constFind(m_prefix);
        if (section == m_index.constEnd())
            return nullptr;
        const auto it = section->constFind(key);
        return it == section->constEnd() || m_entries[*it].removed ? nullptr : &m_entries[*it];
    }
    QString section;
    QString name;
    splitKey(fullKey(key), section, name);
    const auto keys = m_index.constFind(section);
    if (keys == m_index.constEnd())
        return nullptr;
    const auto it = keys->constFind(name);
    return it == keys->constEnd() || m_entries[*it].removed ? nullptr : &m_entries[*it];
}

QVariant IniDocument::entryValue(const Entry &entry) const
{
    if (entry.text < 0)
        return entry.value;
    return IniText::value(m_texts[entry.text].constData(), entry.from, entry.to, m_codec);
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
    if (entry->text >= 0) {
        // Plain decimal digits, as every number is written, need no conversion through text.
        const char *data = m_texts[entry->text].constData();
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
    QString section;
    QString name;
    if (!m_prefix.isEmpty() && !m_prefix.contains(QLatin1Char('/')) && normalized(key).size() == key.size()) {
        section = m_prefix;
        name = key;
    } else {
        splitKey(fullKey(key), section, name);
    }
    KeyIndex &keys = m_index[section];
    const auto it = keys.constFind(name);
    if (it != keys.constEnd()) {
        Entry &entry = m_entries[*it];
        if (entry.removed) {
            entry.removed = false;
            --m_removed;
        }
        entry.text = -1;
        entry.value = value;
        return;
    }
    Entry entry;
    entry.section = section;
    entry.name = name;
    entry.value = value;
    keys.insert(name, int(m_entries.size()));
    m_entries.push_back(std::move(entry));
}

void IniDocument::clear()
{
    for (Entry &entry : m_entries)
        entry.removed = true;
    m_removed = int(m_entries.size());
}

QByteArray IniDocument::toBytes() const
{
    struct Section
    {
        const QString *name;
        std::vector<const Entry *> entries;
    };
    std::vector<Section> sections;
    QHash<QString, int> slot;
    for (const Entry &entry : m_entries) {
        if (entry.removed)
            continue;
        auto it = slot.constFind(entry.section);
        if (it == slot.constEnd()) {
            it = slot.insert(entry.section, int(sections.size()));
            sections.push_back(Section { &entry.section, {} });
        }
        sections[*it].entries.push_back(&entry);
    }
    // On this system the library keeps no order of its own: sections and keys go by name.
    std::sort(sections.begin(), sections.end(),
              [](const Section &a, const Section &b) { return *a.name < *b.name; });

    QByteArray out;
    out.reserve(m_texts.empty() ? 4096 : m_texts.front().size() + 4096);
    bool first = true;
    for (Section &section : sections) {
        std::sort(section.entries.begin(), section.entries.end(),
                  [](const Entry *a, const Entry *b) { return a->name < b->name; });
        QByteArray header;
        IniText::appendKey(*section.name, header);
        if (header.isEmpty())
            header = "General";
        else if (header.compare("general", Qt::CaseInsensitive) == 0)
            header = "%General";
        if (!first)
            out += '\n';
        first = false;
        out += '[';
        out += header;
        out += "]\n";
        for (const Entry *entry : section.entries) {
            IniText::appendKey(entry->name, out);
            out += '=';
            if (entry->text < 0 && entry->value.userType() == QMetaType::Int)
                out += QByteArray::number(entry->value.toInt());
            else
                IniText::appendValue(entryValue(*entry), out, m_codec);
            out += '\n';
        }
    }
    return out;
}
