#!/usr/bin/env bash
# Gathers the translatable texts of src/ into data/lang/*.ts; translators then fill in the new entries.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate -no-obsolete -locations relative -source-language en src \
    -ts data/lang/mousecfg_{en,fr,de,es,it,pt_BR,pl,ru,zh_CN,ja}.ts
