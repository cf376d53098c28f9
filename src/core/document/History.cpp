#include "core/document/History.h"

#include "core/document/Design.h"
#include "core/document/FileAccess.h"
#include "core/document/RowLines.h"
#include "core/document/TextFile.h"

#include <QDir>

namespace tessell {

History::History(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder) {}

QString History::entryPath(int index) const { return QDir(m_folder).filePath(QStringLiteral("%1.log").arg(index)); }

QByteArray History::entryBytes(const Design &design)
{
    QString head = QStringLiteral("%1,%2\r\n").arg(design.columns()).arg(design.rows());
    for (const PaletteEntry &e : design.palette())
        head += e.tileText() + QLatin1String("\r\n");
    QByteArray bytes = TextFile::encodeCp932(head);
    RowLines::appendBytes(design.grid(), bytes);
    return bytes;
}

void History::makeLog(const QString &name, const Design &design)
{
    while (m_names.size() > m_current + 1)
        m_names.removeLast();
    m_names << name;
    m_current = int(m_names.size()) - 1;
    emit changed();
    FileAccess::write(entryPath(m_current), entryBytes(design));
}

void History::delHistory()
{
    m_names.clear();
    m_current = -1;
    QDir dir(m_folder);
    for (const QString &f : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(f);
    emit changed();
}

void History::delHistory(const QString &name, const Design &design)
{
    delHistory();
    makeLog(name, design);
}

void History::select(int index, Design &design)
{
    if (index < 0 || index >= m_names.size())
        return;
    const QByteArray bytes = FileAccess::read(entryPath(index));
    m_current = index;
    CellGrid grid = design.grid();
    RowLines::applyBytes(grid, bytes, 17);
    design.setGrid(grid);
    emit changed();
}

void History::step(int delta, Design &design) { select(m_current + delta, design); }

} // namespace tessell
