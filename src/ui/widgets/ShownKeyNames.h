#pragma once

#include <QString>

// The key names the windows show: the French layout's while the user interface speaks the product's
// French language ("french" in the product definition), the US layout's otherwise.

// Sets the product definition's "french" language number (-1: never French); the language switch sets
// it at start.
void SetFrenchLanguage(int french);
// True when the windows show the French layout's key names.
bool FrenchKeyNames();
// The name of key `code` as the windows show it; empty for a code without a name.
QString ShownKeyName(int code);
