#pragma once

#include "storage/ConfigData.h"

// Deterministic records in which every field differs from its default and from its neighbours.
ProfileData sampleProfile(int seed);
ConfigData sampleConfig(int seed);
