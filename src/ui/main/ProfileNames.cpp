#include "ui/main/ProfileNames.h"

namespace ProfileNames {

namespace {
constexpr int DefaultNames = 5;
// Far beyond any real library; keeps a broken `taken` from looping for ever.
constexpr int SearchLimit = 100000;
} // namespace

bool isDefaultName(const QString &name)
{
    for (int n = 1; n <= DefaultNames; ++n) {
        if (name == QStringLiteral("Profile %1").arg(n))
            return true;
    }
    return false;
}

QString newProfileName(const std::function<bool(const QString &)> &taken)
{
    for (int n = 1; n < SearchLimit; ++n) {
        const QString name = QStringLiteral("Profile %1").arg(n);
        if (!taken(name))
            return name;
    }
    return QString();
}

QString copyName(const QString &name, const std::function<bool(const QString &)> &taken)
{
    QString candidate = name + QStringLiteral(" copy");
    for (int n = 1; taken(candidate) && n < SearchLimit; ++n)
        candidate = name + QStringLiteral(" copy%1").arg(n);
    return taken(candidate) ? QString() : candidate;
}

int pickReplacementProfile(const QStringList &list, int position, const QStringList &heldElsewhere)
{
    const int count = list.size();
    if (position < 0 || position >= count || count < 2)
        return -1;
    const int start = position == count - 1 ? count - 2 : position + 1;
    // The deleted name itself never takes over.
    const auto free = [&](int k) { return k != position && !heldElsewhere.contains(list.at(k)); };
    for (int k = start; k >= 0; --k) {
        if (free(k))
            return k;
    }
    for (int k = start + 1; k < count; ++k) {
        if (free(k))
            return k;
    }
    return -1;
}

} // namespace ProfileNames
