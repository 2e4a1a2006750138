#include "FuzzSupport.h"

#include "device/upload/MacroBlock.h"
#include "storage/MacroFile.h"
#include "storage/MacroLibrary.h"
#include "storage/MacroList.h"

#include <QFile>

// A hostile macro file: loaded as the editor and the upload read it, encoded for the mouse, then
// imported through the macro library and removed again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzAppDir();
    const QString name = QStringLiteral("fuzzed");
    writeFuzzFile(MacroFilePath(name), data, size);
    const MacroFileData loaded = LoadMacroFile(name);
    EncodeMacroSlot(loaded.events, loaded.count);
    MacroChanged(name);

    const QString outside = fuzzAppDir() + QStringLiteral("/import.MSMACRO");
    writeFuzzFile(outside, data, size);
    QString imported;
    if (ImportMacro(outside, imported) == MacroImport::Imported) {
        MacroEvent events[KeyInfoSlots];
        int count = 0;
        ReadMacroEvents(imported, events, count);
        DeleteMacro(imported);
    }
    QFile::remove(MacroFilePath(name));
    return 0;
}
