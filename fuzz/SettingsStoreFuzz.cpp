// The settings store over any file content: reading never fails, a written key reads back
// and the other keys keep their values.
#include "FuzzSupport.h"

#include "core/settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tessell;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/tessell-fuzz-XXXXXX")
                                                       : QDir::tempPath() + QStringLiteral("/tessell-fuzz-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("data.dat"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(fuzz::bytesOf(data, size));
    }
    SettingsStore store(path);
    const QString section = QStringLiteral("scan"), key = QStringLiteral("q");
    const QString otherBefore = store.readString(QStringLiteral("print"), QStringLiteral("shita"), QStringLiteral("-"));
    (void)store.readInteger(section, key, 3);
    (void)store.readBool(section, key, false);
    const QString value = QStringLiteral("\"1 A\",2B,,");
    if (!store.writeString(section, key, value))
        return 0;
    fuzz::require(store.readString(section, key) == value, "written key reads back");
    fuzz::require(store.readString(QStringLiteral("print"), QStringLiteral("shita"), QStringLiteral("-")) ==
                      otherBefore,
                  "other keys kept");
    return 0;
}
