#pragma once

#include "storage/ConfigData.h"

// Bits of ChangedGroups(): the setting groups of an upload.
enum ChangedGroup { GroupGeneral = 1, GroupDpi = 2, GroupButtons = 4, GroupLighting = 8, AllGroups = 15 };

// Replaces `out` by the factory profile: the product definition's template, or a built-in one without it.
void MakeFactoryProfile(ProfileData &out);
// Resets `out` to the factory configuration: slot 0 current, the product's sensor defaults, five factory
// profiles named "Profile 1".."Profile 5". `Count` keeps its value.
void MakeFactoryConfig(ConfigData &out);
// The groups in which `current` differs from `lastSent`. A macro button that is otherwise unchanged
// counts as changed once after its macro file was saved again; that mark is cleared here.
int ChangedGroups(const ConfigData &current, const ConfigData &lastSent);
