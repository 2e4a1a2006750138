#pragma once

// One logical line of an INI file: `length` bytes from `start`, with its first unquoted '=' at
// `equals` (-1 when it has none).
struct IniLine
{
    int start = 0;
    int length = 0;
    int equals = -1;
};

// The next logical line of `data` up to `end` from `pos`, as the settings library splits a file: blank
// lines and ';' comments skipped, a line going on past a newline inside quotes or after a backslash,
// and ending at an unquoted ';'. False at the end.
bool NextIniLine(const char *data, int end, int &pos, IniLine &line);
