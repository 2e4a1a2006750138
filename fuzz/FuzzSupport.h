#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a program folder laid out like an installation, made once per
// process (in memory when /dev/shm exists), and the entry point that libFuzzer or the corpus replay
// driver calls.

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

// The program folder; AppPaths points at it from the first call on.
QString fuzzAppDir();
// Replaces the file at `path` (below the program folder) by `size` bytes of `data`.
void writeFuzzFile(const QString &path, const uint8_t *data, size_t size);
// Puts the installed Configs/Config.ini back, undoing what an earlier input wrote.
void restoreInstalledConfig();
