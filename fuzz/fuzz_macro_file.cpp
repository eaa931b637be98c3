// Arbitrary text as a macro file, read and encoded for the mouse's macro memory.
#include "FuzzHome.h"
#include "macro/core/MacroFiles.h"
#include "macro/core/MacroImage.h"
#include "store/DataPaths.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzHome();
    static const bool bFolder = QDir().mkpath(macroDirectory());
    Q_UNUSED(bFolder);
    if (!writeFuzzFile(macroFilePath(QStringLiteral("fuzz")), data, size))
        return 0;
    const MacroFile macro = readMacro(QStringLiteral("fuzz"));
    if (macro.events.size() > size_t(kMacroReadLimit))
        __builtin_trap();
    MacroImage image;
    encodeMacroStream(macro.events, 0, image);
    encodeMacroStream(macro.events, 19, image);
    return 0;
}
