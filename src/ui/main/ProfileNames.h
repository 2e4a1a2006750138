#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Name rules of the profile library, free of files and widgets.
namespace ProfileNames {

// True for "Profile 1" to "Profile 5", which can be neither renamed nor deleted.
bool isDefaultName(const QString &name);
// The first "Profile <n>" (n = 1, 2, ...) for which `taken` is false.
QString newProfileName(const std::function<bool(const QString &)> &taken);
// `name` + " copy", else `name` + " copy<n>" (n = 1, 2, ...), the first for which `taken` is false.
QString copyName(const QString &name, const std::function<bool(const QString &)> &taken);
// The list position that takes over from the name at `position` when it is deleted: the next one (the
// one before it for the last), stepping down past names in `heldElsewhere` and then, if none is free
// below, upward. -1 when every other name is held elsewhere (or there is none).
int pickReplacementProfile(const QStringList &list, int position, const QStringList &heldElsewhere);

} // namespace ProfileNames
