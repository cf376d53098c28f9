#pragma once

// Header only: designs to print and what poppler reads back from a PDF, for the
// command-line, window and printer tests.

#include "support/CliRun.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <functional>

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

// A design file whose cell (c, r) holds the digit cell(c, r); the palette as patternDesign's.
inline QByteArray designOf(int columns, int rows, const std::function<int(int, int)> &cell)
{
    QStringList cells;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            cells
                << QStringLiteral("%1,%2,%3").arg(c).arg(r).arg(QChar(u"0123456789ABCDEF"[cell(c, r) & 15]));
    return patternDesign(columns, rows, cells);
}

// The words poppler reads on one page of a PDF, each with its box in page
// units (1/96 inch), gathered into lines from left to right and the lines from
// the top; `inside` keeps the words whose box starts in it.
inline QList<QStringList> pdfLines(const QString &pdf, int page,
                                   const QRectF &inside = QRectF(0, 0, 1e6, 1e6))
{
    const CliRun r = runProgram(QStringLiteral("pdftotext"), {"-bbox", "-f", QString::number(page), "-l",
                                                              QString::number(page), pdf, "-"});
    struct Word {
        QString text;
        QRectF box;
    };
    QList<Word> words;
    auto it = QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                                "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"))
                  .globalMatch(QString::fromUtf8(r.out));
    while (it.hasNext()) {
        const auto m = it.next();
        // Points to page units.
        const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * 4 / 3,
                         QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * 4 / 3);
        if (inside.contains(box.topLeft()))
            words << Word{m.captured(5), box};
    }
    // A word belongs to the line whose middle lies within its height.
    std::sort(words.begin(), words.end(),
              [](const Word &a, const Word &b) { return a.box.center().y() < b.box.center().y(); });
    QList<QList<Word>> lines;
    for (const Word &w : words) {
        if (lines.isEmpty() || w.box.top() > lines.last().first().box.center().y())
            lines.append(QList<Word>());
        lines.last() << w;
    }
    QList<QStringList> out;
    for (QList<Word> &line : lines) {
        std::sort(line.begin(), line.end(),
                  [](const Word &a, const Word &b) { return a.box.left() < b.box.left(); });
        QStringList texts;
        for (const Word &w : line)
            texts << w.text;
        out << texts;
    }
    return out;
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
    const auto m =
        QRegularExpression(QStringLiteral("^%1:\\s+(.*)$").arg(field), QRegularExpression::MultilineOption)
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
    const CliRun r = runProgram(QStringLiteral("pdftoppm"),
                                {"-r", "96", "-png", "-singlefile", "-f", QString::number(page), "-l",
                                 QString::number(page), pdf, stem});
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
