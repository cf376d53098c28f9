#include "cli/CliSupport.h"

#include "core/Texts.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"

#include <cstdio>

namespace tessell::cli {

void printError(const QString &text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

int checkAndSave(Design &design, const QString &out)
{
    if (design.listcheck()) {
        printError(texts::errorFound());
        return InvalidCell;
    }
    DesignFile::write(design, out);
    return Ok;
}

} // namespace tessell::cli
