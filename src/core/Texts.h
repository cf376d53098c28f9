#pragma once

#include <QCoreApplication>
#include <QString>

namespace tessell {

// The user-visible messages of the core, each written once.
namespace texts {
inline QString tr(const char *s) { return QCoreApplication::translate("tessell", s); }
inline QString cannotRead() { return tr("ファイルを読み込めません。"); }
inline QString indexOutOfRange(int i) { return tr("リストのインデックスが範囲を超えています (%1)").arg(i); }
inline QString cannotOpen(const QString &path) { return tr("ファイル %1 は開けません").arg(path); }
inline QString notAnInteger(const QString &text) { return tr("'%1' は整数ではありません").arg(text); }
// Limits are whole mebibytes, told as MB.
inline QString fileTooLarge(const QString &path, qint64 maxBytes)
{
    return tr("ファイル %1 は大きすぎて開けません (上限 %2 MB)").arg(path).arg((maxBytes + 1048575) / 1048576);
}
inline QString cannotCreate(const QString &path) { return tr("ファイル %1 を作成できません").arg(path); }
inline QString sizeOutOfRange(int c, int r) { return tr("列数・行数が範囲外です (%1×%2)").arg(c).arg(r); }
inline QString errorFound() { return tr("エラーが発見されました。"); }
inline QString ready() { return tr("作業可能"); }
} // namespace texts

} // namespace tessell
