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
inline QString cannotCreate(const QString &path) { return tr("ファイル %1 を作成できません").arg(path); }
inline QString sizeOutOfRange(int c, int r) { return tr("列数・行数が範囲外です (%1×%2)").arg(c).arg(r); }
inline QString errorFound() { return tr("エラーが発見されました。"); }
inline QString ready() { return tr("作業可能"); }
inline QString invalidBitmap() { return tr("ビットマップイメージが不正です"); }
// The path is left out: only the digit and ".bmp" are shown.
inline QString bitmapLoadFailed(const QString &digit)
{
    return tr("ファイル") + u'"' + digit + QStringLiteral(".bmp") + u'"' + tr("の読み込みに失敗しました。");
}
inline QString recoverQuestion() { return tr("前回の作業が保存されずに終了しました。\n復元しますか？"); }
inline QString recoveredEntry() { return tr("復元"); }
// A scanned picture that did not arrive whole or in a form we can read.
inline QString transferFailed() { return tr("転送中にエラー発生"); }
} // namespace texts

} // namespace tessell
