#include "ui/widgets/ShownKeyNames.h"

#include "storage/KeyTable.h"
#include "ui/widgets/Theme.h"

#include <atomic>

namespace {
// Read by the key capture's thread too.
std::atomic<int> frenchLanguage { -1 };
} // namespace

void SetFrenchLanguage(int french)
{
    frenchLanguage = french;
}

bool FrenchKeyNames()
{
    const int french = frenchLanguage;
    return french != -1 && french == CurrentLanguage();
}

QString ShownKeyName(int code)
{
    return KeyName(code, FrenchKeyNames() ? KeyLayout::French : KeyLayout::Us);
}
