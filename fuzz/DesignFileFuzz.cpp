// The design file reader over raw bytes, code page 932 decoding included.
#include "FuzzSupport.h"

#include "core/Error.h"
#include "core/document/CommaList.h"
#include "core/document/Design.h"
#include "core/document/DesignFile.h"
#include "core/document/TextFile.h"

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const QString text = TextFile::decodeCp932(bytes);
    // Invalid bytes are "?"; what is decoded encodes to something that decodes alike.
    fuzz::require(TextFile::decodeCp932(TextFile::encodeCp932(text)) == text, "code page 932 round trip");
    fuzz::require(!text.contains(QChar(0xFFFD)), "no replacement character");

    DesignFile::Contents contents;
    try {
        contents = DesignFile::parse(bytes);
    } catch (const Error &) {
        return 0;
    }
    // Made once: a new Design starts as the 160 x 100 default, which would cost more than the run.
    static Design design, back;
    DesignFile::apply(contents, design);
    fuzz::require(design.columns() == contents.columns && design.rows() == contents.rows, "size applied");

    // What is written reads back as the same design, names apart, which are
    // written unquoted and read only up to a blank or comma.
    const DesignFile::Contents again = DesignFile::parse(TextFile::encodeCp932(DesignFile::lines(design).join(QStringLiteral("\r\n"))));
    DesignFile::apply(again, back);
    // Empty cells are written as the "0" the cell check makes of them.
    CellGrid expected = design.grid();
    for (int r = 0; r < expected.rows(); ++r)
        for (int c = 0; c < expected.columns(); ++c)
            if (expected.cell(c, r).isEmpty())
                expected.setCell(c, r, QStringLiteral("0"));
    fuzz::require(back.grid() == expected, "cells round trip");
    for (int n = 0; n < 16; ++n) {
        fuzz::require(back.entry(n).tileText() == design.entry(n).tileText(), "tiles round trip");
        // A name that a comma list would not quote reads back whole.
        const QString &name = design.entry(n).name();
        if (CommaList::join({name}) == name)
            fuzz::require(back.entry(n).name() == design.entry(n).name(), "names round trip");
    }
    return 0;
}
