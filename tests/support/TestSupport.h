#pragma once

#include <QString>
#include <QTemporaryDir>

namespace tessell::test {

// A scratch folder for one test; AppPaths points into it so that no test
// touches the user's data.dat or history.
class Scratch {
public:
    Scratch();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    // Writes bytes as they stand and returns the path.
    QString write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};

QByteArray readAll(const QString &path);

} // namespace tessell::test
