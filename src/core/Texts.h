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
inline QString invalidBitmap() { return tr("ビットマップイメージが不正です"); }
// The path is left out: only the digit and ".bmp" are shown.
inline QString bitmapLoadFailed(const QString &digit)
{
    return tr("ファイル") + u'"' + digit + QStringLiteral(".bmp") + u'"' + tr("の読み込みに失敗しました。");
}
inline QString recoverQuestion() { return tr("前回の作業が保存されずに終了しました。\n復元しますか？"); }
inline QString recoveredEntry() { return tr("復元"); }
// The display name of the design file type on the desktop.
inline QString designFileType() { return tr("Tessellファイル"); }
inline QString settingFailed(const QString &name) { return tr("'%1' の設定に失敗しました").arg(name); }
inline QString pictureTooLarge(qint64 width, qint64 height, int megapixels)
{
    return tr("画像が大きすぎます (%1 × %2 ピクセル)。読み込めるのは %3 メガピクセルまでです。")
        .arg(width)
        .arg(height)
        .arg(megapixels);
}
inline QString cropOutsidePicture() { return tr("切り抜く範囲が画像の外にあります。"); }
inline QString pictureFilesFilter() { return tr("画像ファイル (*.bmp *.png *.jpg *.jpeg …)"); }
inline QString bitmapFilter() { return tr("ビットマップ (*.bmp)"); }
inline QString allFilesFilter() { return tr("すべてのファイル (*.*)"); }
// A scanned picture that did not arrive whole or in a form we can read.
inline QString transferFailed() { return tr("転送中にエラー発生"); }

// Class pages and the page layout engine.
inline QString positiveIntegerRequired() { return tr("正の整数値を入力してください。"); }
inline QString classesExceedColumns() { return tr("クラス数が列数を超えています。"); }
inline QString distributionTotal(int total, int remainder)
{
    return tr("合計 %1列 : 余り%2列").arg(total).arg(remainder);
}
inline QString noSuchPage(int page, int pages) { return tr("ページ %1 はありません (1〜%2)").arg(page).arg(pages); }
inline QString printerBusy() { return tr("プリンタは印刷中です"); }
inline QString previewWhilePrinting() { return tr("プリンタが印刷中のため、プレヴューを開始できません"); }
inline QString beginDocNotCalled() { return tr("BeginDocが呼び出されていません"); }
inline QString invalidPrintScale() { return tr("印刷スケールが無効です"); }
inline QString paperSettingsFailed() { return tr("用紙設定時にエラーが発生しました。"); }
inline QString columnCountOutOfRange() { return tr("列数が有効範囲を超えています"); }
inline QString rowCountOutOfRange() { return tr("行数が有効範囲を超えています"); }
inline QString reportOnFormOnly() { return tr("フォーム上にのみ配置できます。"); }
inline QString panelOnReportOrLayoutOnly() { return tr("TLightRep上かTLRLayoutPanelにのみ配置できます。"); }
inline QString subPanelNotOnReport() { return tr("TLightRep上には配置できません。"); }
inline QString itemOnPanelOnly() { return tr("パネル上にのみ配置できます。"); }
} // namespace texts

} // namespace tessell
