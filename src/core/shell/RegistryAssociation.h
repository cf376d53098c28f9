#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "core/shell/FileAssociation.h"

namespace tessell {

// The Windows registry: the four default values under the user's own classes
// (HKEY_CURRENT_USER\Software\Classes, no administrator rights needed), and the
// shell's notice that associations changed.
class RegistryAssociation : public AssociationStore {
public:
    QString commandFor(const QString &program) const override;
    void write(const QString &program) override;
    void remove() override;
    QString openCommand() const override;
    void notify() override;
};

} // namespace tessell

#endif
