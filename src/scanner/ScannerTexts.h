#pragma once

#include <QCoreApplication>
#include <QString>

namespace tessell::texts {

inline QString twainMissing()
{
    return QCoreApplication::translate("tessell", "TWAIN_32.DLLが見つかりません");
}
inline QString scanCancelled()
{
    return QCoreApplication::translate("tessell", "キャンセルされました");
}
inline QString deviceNotReady()
{
    return QCoreApplication::translate("tessell", "デバイスの準備ができていません。");
}

} // namespace tessell::texts
