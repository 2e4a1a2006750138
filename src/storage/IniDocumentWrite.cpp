#include "storage/IniDocument.h"

#include "storage/IniKeyNames.h"
#include "storage/IniText.h"

#include <algorithm>

// The writing side of the document: the file the settings library would write for its keys.
QByteArray IniDocument::toBytes() const
{
    std::vector<std::vector<const Entry *>> bySection(size_t(m_sectionNames.size()));
    for (const Entry &entry : m_entries) {
        if (!entry.removed)
            bySection[size_t(entry.section)].push_back(&entry);
    }
    std::vector<int> order;
    for (int s = 0; s < m_sectionNames.size(); ++s) {
        if (!bySection[size_t(s)].empty())
            order.push_back(s);
    }
    // On this system the library keeps no order of its own: sections and keys go by name.
    std::sort(order.begin(), order.end(),
              [this](int a, int b) { return m_sectionNames[a] < m_sectionNames[b]; });

    QByteArray out;
    out.reserve(m_texts.empty() ? 4096 : m_texts.front().size() + 4096);
    bool first = true;
    for (int s : order) {
        std::vector<const Entry *> &entries = bySection[size_t(s)];
        std::sort(entries.begin(), entries.end(), [this](const Entry *a, const Entry *b) {
            const Name x = nameOf(*a);
            const Name y = nameOf(*b);
            return IniKeyNames::compare(x.chars, x.bytes, x.size, y.chars, y.bytes, y.size) < 0;
        });
        QByteArray header;
        IniText::appendKey(m_sectionNames[s], header);
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
        for (const Entry *entry : entries) {
            const Name name = nameOf(*entry);
            if (name.bytes && IniKeyNames::isPlain(name.bytes, name.size))
                out.append(name.bytes, name.size);
            else
                IniText::appendKey(name.bytes ? QString::fromLatin1(name.bytes, name.size) : entry->name,
                                   out);
            out += '=';
            if (entry->from < 0 && entry->value.userType() == QMetaType::Int)
                out += QByteArray::number(entry->value.toInt());
            else
                IniText::appendValue(entryValue(*entry), out, m_codec);
            out += '\n';
        }
    }
    return out;
}
