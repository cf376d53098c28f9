#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace tessell {

// The translation context of the core's messages, wherever they are written.
class CoreTexts {
    Q_DECLARE_TR_FUNCTIONS(tessell::texts)
};

// The user-visible messages of the core, each written once.
namespace texts {
inline QString cannotRead() { return CoreTexts::tr("ファイルを読み込めません。"); }
inline QString indexOutOfRange(int i) { return CoreTexts::tr("リストのインデックスが範囲を超えています (%1)").arg(i); }
inline QString cannotOpen(const QString &path) { return CoreTexts::tr("ファイル %1 は開けません").arg(path); }
inline QString notAnInteger(const QString &text) { return CoreTexts::tr("'%1' は整数ではありません").arg(text); }
// Limits are whole mebibytes, told as MB.
inline QString fileTooLarge(const QString &path, qint64 maxBytes)
{
    return CoreTexts::tr("ファイル %1 は大きすぎて開けません (上限 %2 MB)").arg(path).arg((maxBytes + 1048575) / 1048576);
}
inline QString cannotCreate(const QString &path) { return CoreTexts::tr("ファイル %1 を作成できません").arg(path); }
inline QString sizeOutOfRange(int c, int r) { return CoreTexts::tr("列数・行数が範囲外です (%1×%2)").arg(c).arg(r); }
inline QString errorFound() { return CoreTexts::tr("エラーが発見されました。"); }
inline QString ready() { return CoreTexts::tr("作業可能"); }
inline QString invalidBitmap() { return CoreTexts::tr("ビットマップイメージが不正です"); }
// The path is left out: only the digit and ".bmp" are shown.
inline QString bitmapLoadFailed(const QString &digit)
{
    return CoreTexts::tr("ファイル\"%1\"の読み込みに失敗しました。").arg(digit + QStringLiteral(".bmp"));
}
inline QString recoverQuestion() { return CoreTexts::tr("前回の作業が保存されずに終了しました。\n復元しますか？"); }
inline QString recoveredEntry() { return CoreTexts::tr("復元"); }
// The display name of the design file type on the desktop.
inline QString designFileType() { return CoreTexts::tr("Tessellファイル"); }
inline QString settingFailed(const QString &name) { return CoreTexts::tr("'%1' の設定に失敗しました").arg(name); }
// The path as far as it could be read; bytes that are not UTF-8 show as a stand-in sign.
inline QString programPathNotUtf8(const QString &path)
{
    return CoreTexts::tr("プログラムのパス '%1' に UTF-8 で表せない文字があるため、関連付けできません").arg(path);
}
inline QString pictureTooLarge(qint64 width, qint64 height, int megapixels)
{
    return CoreTexts::tr("画像が大きすぎます (%1 × %2 ピクセル)。読み込めるのは %3 メガピクセルまでです。")
        .arg(width)
        .arg(height)
        .arg(megapixels);
}
inline QString cropOutsidePicture() { return CoreTexts::tr("切り抜く範囲が画像の外にあります。"); }
inline QString pictureFilesFilter() { return CoreTexts::tr("画像ファイル (*.bmp *.png *.jpg *.jpeg …)"); }
inline QString bitmapFilter() { return CoreTexts::tr("ビットマップ (*.bmp)"); }
inline QString allFilesFilter() { return CoreTexts::tr("すべてのファイル (*.*)"); }
// A scanned picture that did not arrive whole or in a form we can read.
inline QString transferFailed() { return CoreTexts::tr("転送中にエラー発生"); }

// Class pages and the page layout engine.
inline QString positiveIntegerRequired() { return CoreTexts::tr("正の整数値を入力してください。"); }
inline QString classesExceedColumns() { return CoreTexts::tr("クラス数が列数を超えています。"); }
inline QString distributionTotal(qint64 total, qint64 remainder)
{
    return CoreTexts::tr("合計 %1列 : 余り%2列").arg(total).arg(remainder);
}
inline QString noSuchPage(int page, int pages) { return CoreTexts::tr("ページ %1 はありません (1〜%2)").arg(page).arg(pages); }
inline QString printerBusy() { return CoreTexts::tr("プリンタは印刷中です"); }
inline QString previewWhilePrinting() { return CoreTexts::tr("プリンタが印刷中のため、プレヴューを開始できません"); }
inline QString beginDocNotCalled() { return CoreTexts::tr("BeginDocが呼び出されていません"); }
inline QString invalidPrintScale() { return CoreTexts::tr("印刷スケールが無効です"); }
inline QString paperSettingsFailed() { return CoreTexts::tr("用紙設定時にエラーが発生しました。"); }
inline QString columnCountOutOfRange() { return CoreTexts::tr("列数が有効範囲を超えています"); }
inline QString rowCountOutOfRange() { return CoreTexts::tr("行数が有効範囲を超えています"); }
inline QString reportOnFormOnly() { return CoreTexts::tr("フォーム上にのみ配置できます。"); }
inline QString panelOnReportOrLayoutOnly() { return CoreTexts::tr("TLightRep上かTLRLayoutPanelにのみ配置できます。"); }
inline QString subPanelNotOnReport() { return CoreTexts::tr("TLightRep上には配置できません。"); }
inline QString itemOnPanelOnly() { return CoreTexts::tr("パネル上にのみ配置できます。"); }

// The collection plan.
inline QStringList planColourHeaders()
{
    return {CoreTexts::tr("番号"),       CoreTexts::tr("名前"),      CoreTexts::tr("必要な枚数"),
            CoreTexts::tr("1箱の枚数"),  CoreTexts::tr("箱数"),      CoreTexts::tr("在庫 (枚)"),
            CoreTexts::tr("集める枚数"), CoreTexts::tr("集める箱数")};
}
inline QString planTotal() { return CoreTexts::tr("合計"); }
inline QString planClass() { return CoreTexts::tr("クラス"); }
inline QString planColumns() { return CoreTexts::tr("列"); }
inline QString planColumnRange(int first, int last) { return CoreTexts::tr("%1〜%2列").arg(first).arg(last); }
inline QString planPiecesOf(const QString &colour) { return CoreTexts::tr("%1 (枚)").arg(colour); }
inline QString planCartonsOf(const QString &colour) { return CoreTexts::tr("%1 (箱)").arg(colour); }
// The columns right of the last class.
inline QString planLeftOver() { return CoreTexts::tr("どのクラスにもない列"); }
// The summary page before the class pages.
inline QString summaryHeading() { return CoreTexts::tr("まとめ"); }
inline QString summaryPageOf(int page, int pages) { return CoreTexts::tr("まとめ %1/%2").arg(page).arg(pages); }
inline QString summaryClasses() { return CoreTexts::tr("クラスごとの枚数 (箱数)"); }
// The stock cannot cover every cell of the design.
inline QString stockTooSmall(int missing) { return CoreTexts::tr("在庫が足りません (あと %1 枚)").arg(missing); }
// Texts on the class pages: a column heading "12 列" and a count "5 枚".
inline QString columnHeading(int column) { return CoreTexts::tr("%1 列").arg(column); }
inline QString pieces(int count) { return CoreTexts::tr("%1 枚").arg(count); }
// Large-print sheets and their pages of runs.
inline QString thisSheet() { return CoreTexts::tr("この紙"); }
inline QString wholeClass() { return CoreTexts::tr("クラス全体"); }
// "列 1–8　行 1–25": the design's columns and rows on a sheet.
inline QString sheetCells(int firstColumn, int lastColumn, int firstRow, int lastRow)
{
    return CoreTexts::tr("列 %1–%2　行 %3–%4").arg(firstColumn).arg(lastColumn).arg(firstRow).arg(lastRow);
}
inline QString runsCaption() { return CoreTexts::tr("行ごとの説明"); }
// "行 12:" before a row's runs.
inline QString runsRow(int row) { return CoreTexts::tr("行 %1:").arg(row); }
inline QString rowsPerSheetOutOfRange(int low, int high) { return CoreTexts::tr("1枚の行数は %1 から %2 までです。").arg(low).arg(high); }
} // namespace texts

} // namespace tessell
