#pragma once

#include "storage/ConfigData.h"

// Deterministic records in which every field differs from its neighbours and, where its range allows,
// from its default.
ProfileData sampleProfile(int seed);
ConfigData sampleConfig(int seed);
