#include "support/TestSupport.h"

#include "core/settings/AppPaths.h"

#include <QFile>

namespace tessell::test {

Scratch::Scratch() { AppPaths::setBaseDir(m_dir.path()); }

QString Scratch::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = file(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace tessell::test
