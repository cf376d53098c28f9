#pragma once

// Header only: designs to print and what poppler reads back from a PDF, for the
// command-line, window and printer tests.

#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QRegularExpression>
#include <QStringList>

namespace tessell::test {

inline const char *const kPatternNames[16] = {"Red",  "Orange", "Yellow", "Lime", "Green", "Teal",
                                              "Cyan", "Sky",    "Blue",   "Navy", "Purple", "Pink",
                                              "Brown", "Grey",  "Black",  "White"};

// A design file: column c holds c mod 16 and the palette runs from black to
// grey; cells listed in `cells` ("c,r,text") replace that.
inline QByteArray patternDesign(int columns, int rows, const QStringList &cells = {})
{
    QStringList lines{QStringLiteral("tsfile,%1,%2").arg(columns).arg(rows)};
    for (int n = 0; n < 16; ++n)
        lines << QStringLiteral("$00%1%1%1,").arg(n * 16, 2, 16, QLatin1Char('0')).repeated(20) + kPatternNames[n];
    QList<QStringList> grid(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            grid[r] << QString(QChar(u"0123456789ABCDEF"[c % 16]));
    for (const QString &cell : cells) {
        const QStringList p = cell.split(',');
        grid[p[1].toInt()][p[0].toInt()] = p[2];
    }
    for (const QStringList &row : grid)
        lines << row.join(',');
    return fileOf(lines);
}

// The text of one page of a PDF, by poppler.
inline QString pdfPageText(const QString &pdf, int page)
{
    const CliRun r = runProgram(QStringLiteral("pdftotext"),
                                {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    return r.exitCode == 0 ? QString::fromUtf8(r.out) : QStringLiteral("<pdftotext failed: %1>").arg(r.err);
}

// "Pages" or "Page size" of pdfinfo's answer; empty when it has none.
inline QString pdfInfo(const QString &pdf, const QString &field)
{
    const CliRun r = runProgram(QStringLiteral("pdfinfo"), {pdf});
    const auto m = QRegularExpression(QStringLiteral("^%1:\\s+(.*)$").arg(field), QRegularExpression::MultilineOption)
                       .match(QString::fromUtf8(r.out));
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

inline int pdfPages(const QString &pdf)
{
    bool ok = false;
    const int pages = pdfInfo(pdf, QStringLiteral("Pages")).toInt(&ok);
    return ok ? pages : -1;
}

// Page `page` rendered at 96 per inch, one pixel per page unit; a null image when poppler fails.
inline QImage pdfPageImage(const QString &pdf, int page, const QString &folder)
{
    const QString stem = folder + QStringLiteral("/page");
    const CliRun r = runProgram(QStringLiteral("pdftoppm"), {"-r", "96", "-png", "-singlefile", "-f",
                                                            QString::number(page), "-l", QString::number(page),
                                                            pdf, stem});
    return r.exitCode == 0 ? QImage(stem + QStringLiteral(".png")) : QImage();
}

// The column headings on a page, in order. pdftotext may drop the narrow
// blank of the proportional font.
inline QStringList columnHeadings(const QString &text)
{
    QStringList found;
    auto it = QRegularExpression(QStringLiteral("(\\d+) ?列")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

} // namespace tessell::test
