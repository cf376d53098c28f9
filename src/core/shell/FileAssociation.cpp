#include "core/shell/FileAssociation.h"

#include "core/shell/FreedesktopAssociation.h"
#include "core/shell/Installation.h"
#include "core/shell/RegistryAssociation.h"

#include <QCoreApplication>
#include <QDir>

namespace tessell {

FileAssociation::FileAssociation()
    : FileAssociation(QDir::toNativeSeparators(QCoreApplication::applicationFilePath()), platformStore())
{
}

FileAssociation::FileAssociation(const QString &program, std::unique_ptr<AssociationStore> store)
    : m_program(program), m_store(std::move(store))
{
}

FileAssociation::~FileAssociation() = default;

std::unique_ptr<AssociationStore> FileAssociation::platformStore()
{
#ifdef Q_OS_WIN
    return std::make_unique<RegistryAssociation>();
#else
    auto store = std::make_unique<FreedesktopAssociation>();
    // Installed: the package's desktop entry is the program's; from a build folder it writes its own.
    store->setInstalledEntry(Installation::visibleDesktopEntry(QCoreApplication::applicationDirPath()));
    return store;
#endif
}

bool FileAssociation::isOn() const
{
    const QString stored = m_store->openCommand();
    return !stored.isEmpty() && stored == m_store->commandFor(m_program);
}

void FileAssociation::associate()
{
    m_store->write(m_program);
    m_store->notify();
}

void FileAssociation::dissociate()
{
    m_store->remove();
    m_store->notify();
}

} // namespace tessell
