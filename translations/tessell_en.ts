<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>HelpPages</name>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>メインウィンドウ</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>描画ツール</source>
        <translation>Drawing tools</translation>
    </message>
    <message>
        <source>編集のコマンド</source>
        <translation>Editing commands</translation>
    </message>
    <message>
        <source>ファイルの操作</source>
        <translation>Working with files</translation>
    </message>
    <message>
        <source>イメージスキャン</source>
        <translation>Image Scan</translation>
    </message>
    <message>
        <source>パレットエディタ</source>
        <translation>Palette Editor</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>画像確認</source>
        <translation>Picture Check</translation>
    </message>
    <message>
        <source>オプションと関連付け</source>
        <translation>Options and file association</translation>
    </message>
    <message>
        <source>ファイルの形式</source>
        <translation>File formats</translation>
    </message>
    <message>
        <source>集める数</source>
        <translation>Pieces to Collect</translation>
    </message>
</context>
<context>
    <name>WindowScanUi</name>
    <message>
        <source>スキャナの選択</source>
        <translation>Select Scanner</translation>
    </message>
    <message>
        <source>使用する装置を選んでください。</source>
        <translation>Choose the device to use.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>ディスプレイのサイズは1024×768で正常に表示されます。</source>
        <translation>The windows are laid out for a display of 1024 × 768 or larger.</translation>
    </message>
</context>
<context>
    <name>tessell</name>
    <message>
        <source>TWAIN_32.DLLが見つかりません</source>
        <translation>TWAIN_32.DLL was not found</translation>
    </message>
    <message>
        <source>キャンセルされました</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>デバイスの準備ができていません。</source>
        <translation>The device is not ready.</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>サイズは%1以下にしてください。</source>
        <translation>The size must be %1 or less.</translation>
    </message>
    <message>
        <source>%1 は既に存在します。
上書きしますか？</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>プリンタ %1 に印刷できません</source>
        <translation>Cannot print on the printer %1</translation>
    </message>
</context>
<context>
    <name>tessell::AboutBox</name>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>色のついた小片を貼り合わせて作るモザイク壁画の図案を作り、クラスごとに分けて印刷するためのエディタです。</source>
        <translation>An editor for designing mosaic murals built from coloured pieces, and for printing the design divided among the classes.</translation>
    </message>
    <message>
        <source>このプログラムは次のものを使っています。&lt;br&gt;・Qt 6 ― GNU Lesser General Public License v3 (LGPLv3)&lt;br&gt;・IPAフォント（IPAゴシック、IPAPゴシック） ― IPAフォントライセンス v1.0&lt;br&gt;ライセンスの全文は、それぞれに添えられた文書にあります。</source>
        <translation>This program uses:&lt;br&gt;• Qt 6 ― GNU Lesser General Public License v3 (LGPLv3)&lt;br&gt;• IPA fonts (IPAGothic, IPAPGothic) ― IPA Font License v1.0&lt;br&gt;The full license texts come with each of them.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Tessell はフリーソフトウェアです。GNU General Public License バージョン3またはそれ以降の条件で、再配布や改変ができます。</source>
        <translation>Tessell is free software: you may redistribute and modify it under the GNU General Public License, version 3 or later.</translation>
    </message>
</context>
<context>
    <name>tessell::BucketTool</name>
    <message>
        <source>バケツツール</source>
        <translation>Bucket tool</translation>
    </message>
</context>
<context>
    <name>tessell::CollectionPlanWindow</name>
    <message>
        <source>集める数</source>
        <translation>Pieces to Collect</translation>
    </message>
    <message>
        <source>クラスごとの枚数 / 箱数</source>
        <translation>Pieces / cartons per class</translation>
    </message>
    <message>
        <source>クラスごとの表は、印刷の「分配」が正しいときに表示されます。</source>
        <translation>The table per class shows when the distribution in the Print window is valid.</translation>
    </message>
    <message>
        <source>CSVに保存(&amp;S)</source>
        <translation>&amp;Save as CSV...</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>制限なし</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source>1箱から取れる枚数 (1〜9999)</source>
        <translation>Pieces one carton gives (1 to 9999)</translation>
    </message>
    <message>
        <source>手元にある枚数 (0〜999999、空欄は制限なし)</source>
        <translation>Pieces on hand (0 to 999999; empty for no limit)</translation>
    </message>
    <message>
        <source>各クラスが集める枚数 / 箱数</source>
        <translation>Pieces / cartons each class collects</translation>
    </message>
    <message>
        <source>CSVに保存</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
</context>
<context>
    <name>tessell::CommandSet</name>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>初期設定</source>
        <translation>New</translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>配列ファイルを開く(&amp;L)</source>
        <translation>Open &amp;Layout File...</translation>
    </message>
    <message>
        <source>上書き保存(&amp;A)</source>
        <translation>S&amp;ave</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;S)</source>
        <translation>&amp;Save As...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>繰り返し(&amp;R)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>ヒストリー削除(&amp;H)</source>
        <translation>Clear &amp;History</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>回転・移動</source>
        <translation>Rotate / Move</translation>
    </message>
    <message>
        <source>置換(&amp;L)</source>
        <translation>Rep&amp;lace...</translation>
    </message>
    <message>
        <source>キャンバス大きさ変更(&amp;S)</source>
        <translation>Canvas &amp;Size...</translation>
    </message>
    <message>
        <source>ピクチャー(&amp;P)</source>
        <translation>&amp;Picture</translation>
    </message>
    <message>
        <source>数字(&amp;N)</source>
        <translation>&amp;Numbers</translation>
    </message>
    <message>
        <source>編集画面</source>
        <translation>Edit View</translation>
    </message>
    <message>
        <source>ピクチャーの更新(&amp;R)</source>
        <translation>&amp;Refresh Picture</translation>
    </message>
    <message>
        <source>ピクチャー更新</source>
        <translation>Refresh picture</translation>
    </message>
    <message>
        <source>画像確認(&amp;C)</source>
        <translation>Picture &amp;Check...</translation>
    </message>
    <message>
        <source>画像確認</source>
        <translation>Picture Check</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>等倍</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>パレットエディタ(&amp;E)</source>
        <translation>Palette &amp;Editor...</translation>
    </message>
    <message>
        <source>イメージスキャン(&amp;I)</source>
        <translation>&amp;Image Scan...</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation>&amp;About Tessell</translation>
    </message>
    <message>
        <source>編集画面(&amp;W)</source>
        <translation>Edit &amp;View</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>集める数(&amp;K)</source>
        <translation>Pieces to Collec&amp;t...</translation>
    </message>
</context>
<context>
    <name>tessell::CountBar</name>
    <message>
        <source>%1枚</source>
        <translation>%1 pcs</translation>
    </message>
</context>
<context>
    <name>tessell::DesignEditor</name>
    <message>
        <source>%1列-%2行</source>
        <translation>C%1-R%2</translation>
    </message>
    <message>
        <source>画像更新中</source>
        <translation>Updating picture</translation>
    </message>
    <message>
        <source>文字入れ</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>範囲選択</source>
        <translation>Select area</translation>
    </message>
</context>
<context>
    <name>tessell::FileCommands</name>
    <message>
        <source>Tessell ファイル(*.tsl)</source>
        <translation>Tessell files (*.tsl)</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>ファイルが変更されています。
保存しますか？</source>
        <translation>The file has been changed.
Do you want to save it?</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <source>配列の読み込み中</source>
        <translation>Loading layout</translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>全てのファイル(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>配列を開く</source>
        <translation>Open Layout</translation>
    </message>
    <message>
        <source>配列ファイル (*.csv)</source>
        <translation>Layout files (*.csv)</translation>
    </message>
    <message>
        <source>すべてのファイル (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>配列の保存</source>
        <translation>Save Design</translation>
    </message>
    <message>
        <source>ヒストリー削除</source>
        <translation>Clear history</translation>
    </message>
</context>
<context>
    <name>tessell::HelpWindow</name>
    <message>
        <source>Tessell ヘルプ</source>
        <translation>Tessell Help</translation>
    </message>
    <message>
        <source>← 戻る</source>
        <translation>← Back</translation>
    </message>
    <message>
        <source>進む →</source>
        <translation>Forward →</translation>
    </message>
    <message>
        <source>目次</source>
        <translation>Contents</translation>
    </message>
</context>
<context>
    <name>tessell::HistoryControl</name>
    <message>
        <source>ヒストリー</source>
        <translation>History</translation>
    </message>
</context>
<context>
    <name>tessell::ImageScanWindow</name>
    <message>
        <source>イメージスキャン</source>
        <translation>Image Scan</translation>
    </message>
    <message>
        <source>読み込み</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>TWAIN装置から(&amp;T)</source>
        <translation>From &amp;TWAIN device</translation>
    </message>
    <message>
        <source>ファイルから(&amp;F)</source>
        <translation>From &amp;file</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>切り抜き(&amp;T)</source>
        <translation>Cro&amp;p</translation>
    </message>
    <message>
        <source>全体表示</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>画像全体を表示領域に合わせて縮小します</source>
        <translation>Shrinks the whole picture to fit the view</translation>
    </message>
    <message>
        <source>比較方法</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>平均色を比較</source>
        <translation>Mean colours</translation>
    </message>
    <message>
        <source>強調色を比較</source>
        <translation>Emphasised colours</translation>
    </message>
    <message>
        <source>読み取り方式</source>
        <translation>Reading mode</translation>
    </message>
    <message>
        <source>ペイントモード</source>
        <translation>Paint mode</translation>
    </message>
    <message>
        <source>誤差拡散モード</source>
        <translation>Error diffusion</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>読み取り(&amp;S)</source>
        <translation>&amp;Scan</translation>
    </message>
    <message>
        <source>キャンセル(&amp;E)</source>
        <translation>Canc&amp;el</translation>
    </message>
    <message>
        <source>転送して閉じる(&amp;C)</source>
        <translation>Transfer and &amp;close</translation>
    </message>
    <message>
        <source>画像ファイルを開く</source>
        <translation>Open Picture</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>画像を変換中</source>
        <translation>Converting picture</translation>
    </message>
    <message>
        <source>画像を読み取り中</source>
        <translation>Reading picture</translation>
    </message>
    <message>
        <source>結果を表示</source>
        <translation>Preview result</translation>
    </message>
    <message>
        <source>写真の代わりに変換した結果を表示します</source>
        <translation>Shows the converted design instead of the photo</translation>
    </message>
    <message>
        <source>縦横比を合わせる</source>
        <translation>Keep design shape</translation>
    </message>
    <message>
        <source>切り抜く範囲をデザインの縦横比にします</source>
        <translation>Keeps the crop frame at the design&apos;s columns to rows</translation>
    </message>
    <message>
        <source>見た目で比較</source>
        <translation>As eyes see</translation>
    </message>
    <message>
        <source>色の差を人の目の感じ方で比べます (CIEDE2000)</source>
        <translation>Compares colours as the eye sees them (CIEDE2000)</translation>
    </message>
    <message>
        <source>なめらかに拡散</source>
        <translation>Smooth diffusion</translation>
    </message>
    <message>
        <source>誤差をパレットの16色に対して直接拡散します</source>
        <translation>Diffuses the error straight against the sixteen palette colours</translation>
    </message>
    <message>
        <source>明るさ</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>コントラスト</source>
        <translation>Contrast</translation>
    </message>
    <message>
        <source>あざやかさ</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>明るさ・コントラスト・あざやかさを0に戻します</source>
        <translation>Sets brightness, contrast and saturation back to 0</translation>
    </message>
    <message>
        <source>選ぶ色の数</source>
        <translation>How many colours to choose</translation>
    </message>
    <message>
        <source>写真から色を選ぶ</source>
        <translation>Colours from photo</translation>
    </message>
    <message>
        <source>写真の色からパレットの0番から先を作り、変換し直します</source>
        <translation>Makes the palette from entry 0 on out of the photo&apos;s colours and converts again</translation>
    </message>
    <message>
        <source>各セルの色と選ばれたタイルの色との差 (CIEDE2000) の平均</source>
        <translation>The mean difference (CIEDE2000) between each cell&apos;s colour and its tile&apos;s colour</translation>
    </message>
    <message>
        <source>色の差 ΔE %1</source>
        <translation>Colour difference ΔE %1</translation>
    </message>
    <message>
        <source>在庫にあわせる</source>
        <translation>Within stock</translation>
    </message>
    <message>
        <source>「集める数」の在庫の枚数より多くは使わずに変換します</source>
        <translation>Converts using no more pieces of a colour than the stock in Pieces to Collect</translation>
    </message>
</context>
<context>
    <name>tessell::MainWindow</name>
    <message>
        <source>1列-1行:0</source>
        <translation>C1-R1:0</translation>
    </message>
</context>
<context>
    <name>tessell::NumberDirectEdit</name>
    <message>
        <source>直接編集</source>
        <translation>Direct edit</translation>
    </message>
</context>
<context>
    <name>tessell::OptionsDialog</name>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>tslファイルを関連付けする</source>
        <translation>Associate .tsl files</translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation>Tool bars</translation>
    </message>
    <message>
        <source>位置を初期化</source>
        <translation>Reset positions</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>次回の起動から有効になります。</source>
        <translation>Takes effect at the next start.</translation>
    </message>
</context>
<context>
    <name>tessell::PaletteEditor</name>
    <message>
        <source>パレットエディタ</source>
        <translation>Palette Editor</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>表示名</source>
        <translation>Display name</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Ink</translation>
    </message>
    <message>
        <source>パレットリスト</source>
        <translation>Palette list</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>設定を開く(&amp;S)</source>
        <translation>Open &amp;settings...</translation>
    </message>
    <message>
        <source>自動作成(&amp;A)</source>
        <translation>&amp;Auto-create...</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open Settings</translation>
    </message>
    <message>
        <source>設定ファイル(*.ini)</source>
        <translation>Settings files (*.ini)</translation>
    </message>
    <message>
        <source>Tessell ファイル(*.tsl)</source>
        <translation>Tessell files (*.tsl)</translation>
    </message>
    <message>
        <source>全てのファイル(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>フォルダを選択してください。</source>
        <translation>Choose a folder.</translation>
    </message>
    <message>
        <source>色 (#RRGGBB)</source>
        <translation>Colour (#RRGGBB)</translation>
    </message>
    <message>
        <source>タイルを塗りつぶす</source>
        <translation>Fill the tile</translation>
    </message>
</context>
<context>
    <name>tessell::PenTool</name>
    <message>
        <source>ペンツール</source>
        <translation>Pen tool</translation>
    </message>
</context>
<context>
    <name>tessell::PictureCheckWindow</name>
    <message>
        <source>画像確認</source>
        <translation>Picture Check</translation>
    </message>
    <message>
        <source>保存(&amp;A)</source>
        <translation>S&amp;ave</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>プレビュー準備中</source>
        <translation>Preparing preview</translation>
    </message>
    <message>
        <source>ビットマップ (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation>PNG (*.png)</translation>
    </message>
    <message>
        <source>すべてのファイル (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>画像の保存</source>
        <translation>Save Picture</translation>
    </message>
</context>
<context>
    <name>tessell::PrintDialog</name>
    <message>
        <source>印刷</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>分配</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>クラス×</source>
        <translation>classes ×</translation>
    </message>
    <message>
        <source>列</source>
        <translation>cols</translation>
    </message>
    <message>
        <source>クラス数</source>
        <translation>Classes</translation>
    </message>
    <message>
        <source>均等に分ける</source>
        <translation>Split evenly</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>合計 154列 : 余り 6列</source>
        <translation>Total 154 columns : 6 left</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>Actions</translation>
    </message>
    <message>
        <source>印刷(&amp;P)</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>プレビュー(&amp;V)</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>PDFに保存(&amp;D)</source>
        <translation>Save as P&amp;DF...</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>PDFに保存</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>PDF ファイル (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>tessell::PrintOptionsPanel</name>
    <message>
        <source>色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>モノクロ</source>
        <translation>Monochrome</translation>
    </message>
    <message>
        <source>カラー</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>番号表をつける</source>
        <translation>Number table</translation>
    </message>
    <message>
        <source>数量表をつける</source>
        <translation>Quantity table</translation>
    </message>
    <message>
        <source>全体図をつける</source>
        <translation>Overview picture</translation>
    </message>
    <message>
        <source>隣の列を表示</source>
        <translation>Neighbour columns</translation>
    </message>
    <message>
        <source>大きく印刷</source>
        <translation>Large print</translation>
    </message>
    <message>
        <source>1枚の行数</source>
        <translation>Rows per sheet</translation>
    </message>
    <message>
        <source>行ごとの説明</source>
        <translation>Row by row</translation>
    </message>
    <message>
        <source>テキスト</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>備考</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>まとめページをつける</source>
        <translation>Add summary page</translation>
    </message>
</context>
<context>
    <name>tessell::PrintPreviewPane</name>
    <message>
        <source>プレビューは作成されていません</source>
        <translation>No preview made yet</translation>
    </message>
    <message>
        <source>0 / 0 ページ</source>
        <translation>0 / 0 pages</translation>
    </message>
    <message>
        <source>%1/%2ページ</source>
        <translation>Page %1/%2</translation>
    </message>
</context>
<context>
    <name>tessell::PrintProgress</name>
    <message>
        <source>タイトル : %1</source>
        <translation>Title : %1</translation>
    </message>
    <message>
        <source>%1/%2 ページ</source>
        <translation>Page %1/%2</translation>
    </message>
</context>
<context>
    <name>tessell::QtPrompter</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Abort</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>&amp;Ignore</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>プリンタがインストールされていません。</source>
        <translation>No printer is installed.</translation>
    </message>
</context>
<context>
    <name>tessell::ReplaceDialog</name>
    <message>
        <source>置換</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>置換する番号</source>
        <translation>Old number</translation>
    </message>
    <message>
        <source>置換前</source>
        <translation>From</translation>
    </message>
    <message>
        <source>置換後の番号</source>
        <translation>New number</translation>
    </message>
    <message>
        <source>置換後</source>
        <translation>To</translation>
    </message>
    <message>
        <source>置換対象</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>All</translation>
    </message>
    <message>
        <source>指定</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>列から</source>
        <translation>to</translation>
    </message>
    <message>
        <source>列まで</source>
        <translation>cols</translation>
    </message>
    <message>
        <source>行から</source>
        <translation>to</translation>
    </message>
    <message>
        <source>行まで</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>置換開始(&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>置換中</source>
        <translation>Replacing</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>tessell::RotateMoveWindow</name>
    <message>
        <source>   左上   </source>
        <translation>Up L</translation>
    </message>
    <message>
        <source>移動（左上）</source>
        <translation>Move up left</translation>
    </message>
    <message>
        <source>上</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>移動（上）</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Up R</translation>
    </message>
    <message>
        <source>移動（右上）</source>
        <translation>Move up right</translation>
    </message>
    <message>
        <source>左</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>移動（左）</source>
        <translation>Move left</translation>
    </message>
    <message>
        <source>右</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>移動（右）</source>
        <translation>Move right</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Down L</translation>
    </message>
    <message>
        <source>移動（左下）</source>
        <translation>Move down left</translation>
    </message>
    <message>
        <source>下</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>移動（下）</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Down R</translation>
    </message>
    <message>
        <source>移動（右下）</source>
        <translation>Move down right</translation>
    </message>
    <message>
        <source>回転・移動</source>
        <translation>Rotate/Move</translation>
    </message>
    <message>
        <source>回転</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>%1ﾟ</source>
        <translation>%1°</translation>
    </message>
</context>
<context>
    <name>tessell::SaneScanDialog</name>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>カラー</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>グレー</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>解像度</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>スキャン</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>tessell::ShapeTool</name>
    <message>
        <source>直線ツール</source>
        <translation>Line tool</translation>
    </message>
    <message>
        <source>四角形ツール</source>
        <translation>Rectangle tool</translation>
    </message>
    <message>
        <source>楕円ツール</source>
        <translation>Ellipse tool</translation>
    </message>
</context>
<context>
    <name>tessell::SizeDialog</name>
    <message>
        <source>大きさ</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>キャンバスの大きさ</source>
        <translation>Canvas size</translation>
    </message>
    <message>
        <source>列数</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>行数</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>列数は1～%1までの数値を入力してください。</source>
        <translation>Enter a number of columns from 1 to %1.</translation>
    </message>
    <message>
        <source>行数は1～%1までの数値を入力してください。</source>
        <translation>Enter a number of rows from 1 to %1.</translation>
    </message>
</context>
<context>
    <name>tessell::TextDialog</name>
    <message>
        <source>文字入れ</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>フォント(&amp;F)</source>
        <translation>&amp;Font...</translation>
    </message>
</context>
<context>
    <name>tessell::ToolBarArea</name>
    <message>
        <source>メニュー</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>場所</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>ステータス</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>パレット</source>
        <translation>Palette</translation>
    </message>
    <message>
        <source>ツールボックス</source>
        <translation>Tool box</translation>
    </message>
    <message>
        <source>標準(&amp;D)</source>
        <translation>Stan&amp;dard</translation>
    </message>
    <message>
        <source>パレット(&amp;P)</source>
        <translation>&amp;Palette</translation>
    </message>
    <message>
        <source>ツールボックス(&amp;T)</source>
        <translation>&amp;Tool box</translation>
    </message>
    <message>
        <source>ステータス(&amp;S)</source>
        <translation>&amp;Status</translation>
    </message>
    <message>
        <source>場所(&amp;L)</source>
        <translation>P&amp;lace</translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <translation>&amp;Tool Bars</translation>
    </message>
</context>
<context>
    <name>tessell::ToolBox</name>
    <message>
        <source>領域選択</source>
        <translation>Select area</translation>
    </message>
    <message>
        <source>ペン</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>バケツ</source>
        <translation>Bucket</translation>
    </message>
    <message>
        <source>直線</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>四角形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>楕円</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>文字入れ</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>太さ : %1</source>
        <translation>Width: %1</translation>
    </message>
</context>
<context>
    <name>tessell::WelcomeWindow</name>
    <message>
        <source>ようこそ</source>
        <translation>Welcome</translation>
    </message>
    <message>
        <source>%1&#x3000;へようこそ</source>
        <translation>Welcome to %1</translation>
    </message>
    <message>
        <source>この度はTessellをダウンロードしていただきありがとうございます。</source>
        <translation>Thank you for downloading Tessell.</translation>
    </message>
    <message>
        <source>tslファイルを関連付けしますか？</source>
        <translation>Do you want to open .tsl files with Tessell?</translation>
    </message>
    <message>
        <source>この設定は[ツール]-[オプション]からも変更できます。</source>
        <translation>You can change this later in [Tools] - [Options].</translation>
    </message>
    <message>
        <source>関連付け</source>
        <translation>Associate</translation>
    </message>
    <message>
        <source>次回からはこのウィンドウは表示されません。</source>
        <translation>This window will not be shown again.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>tessell::cli</name>
    <message>
        <source>この使い方を表示します</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>使い方:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>終了コード: 0 成功、1 図案に数値でないセルがある、
2 ファイルを読み書きできない、または引数の誤り。</source>
        <translation>Exit status: 0 success, 1 a cell of the design is not a palette number,
2 a file could not be read or written, or the arguments are wrong.</translation>
    </message>
    <message>
        <source>%1 というオプションはありません</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>%1 というコマンドはありません</source>
        <translation>unknown command %1</translation>
    </message>
    <message>
        <source>%1 には %2 を指定してください</source>
        <translation>%1 needs %2</translation>
    </message>
    <message>
        <source>%1 には値を付けられません</source>
        <translation>%1 takes no value</translation>
    </message>
    <message>
        <source>余分な引数 %1 があります</source>
        <translation>unexpected argument %1</translation>
    </message>
    <message>
        <source>%1 と %2 は同時に指定できません</source>
        <translation>%1 and %2 cannot be used together</translation>
    </message>
    <message>
        <source>%1 か %2 のどちらかを指定してください</source>
        <translation>give either %1 or %2</translation>
    </message>
    <message>
        <source>「%1 help %2」で引数とオプションの説明を表示します。</source>
        <translation>&quot;%1 help %2&quot; describes the arguments and options.</translation>
    </message>
    <message>
        <source>引数:</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>オプション:</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>コマンド:</source>
        <translation>Commands:</translation>
    </message>
    <message>
        <source>「%1 help COMMAND」または「%1 COMMAND --help」で、コマンドの引数とオプションを表示します。</source>
        <translation>&quot;%1 help COMMAND&quot; or &quot;%1 COMMAND --help&quot; shows a command&apos;s arguments and options.</translation>
    </message>
    <message>
        <source>画像を図案のパレットと大きさでセルに変換して保存します</source>
        <translation>convert a picture into cells with a design&apos;s palette and size, and save it</translation>
    </message>
    <message>
        <source>変換する画像 (BMP、PNG、JPEG など)</source>
        <translation>the picture to convert (BMP, PNG, JPEG, ...)</translation>
    </message>
    <message>
        <source>パレットと大きさを使う図案ファイル</source>
        <translation>the design whose palette and size are used</translation>
    </message>
    <message>
        <source>書き込む図案ファイル</source>
        <translation>the design file to write</translation>
    </message>
    <message>
        <source>画像のこの範囲だけを変換します (ピクセル)</source>
        <translation>convert only this part of the picture (pixels)</translation>
    </message>
    <message>
        <source>すべてのセルが 0 の新しい図案を作ります</source>
        <translation>make a new design with every cell 0</translation>
    </message>
    <message>
        <source>列数と行数 (1〜999)、たとえば 160x100</source>
        <translation>columns and rows (1 to 999), for instance 160x100</translation>
    </message>
    <message>
        <source>図案の大きさ、パレット、個数、最初の不正なセルを JSON で表示します</source>
        <translation>print a design&apos;s size, palette, counts and first invalid cell as JSON</translation>
    </message>
    <message>
        <source>読む図案ファイル</source>
        <translation>the design file to read</translation>
    </message>
    <message>
        <source>図案を読み、セルを検査して書き直します</source>
        <translation>read a design, check its cells and write it again</translation>
    </message>
    <message>
        <source>配置ファイルの数値を図案のセルに読み込みます</source>
        <translation>lay the numbers of an arrangement file into a design&apos;s cells</translation>
    </message>
    <message>
        <source>配置ファイル (CSV またはテキスト)</source>
        <translation>the arrangement file (CSV or text)</translation>
    </message>
    <message>
        <source>クラスごとの下絵を A4 の PDF に書き出します</source>
        <translation>write the class pages as an A4 PDF</translation>
    </message>
    <message>
        <source>印刷する図案ファイル</source>
        <translation>the design file to print</translation>
    </message>
    <message>
        <source>書き込む PDF (--png-page では PNG)</source>
        <translation>the PDF to write (a PNG with --png-page)</translation>
    </message>
    <message>
        <source>クラス数 x 1クラスの列数、3組まで</source>
        <translation>classes x columns each, up to three groups</translation>
    </message>
    <message>
        <source>すべての列を N クラスで均等に分けます</source>
        <translation>share every column fairly among N classes</translation>
    </message>
    <message>
        <source>カラーで印刷します (セルをタイルの平均色で塗ります)</source>
        <translation>print in colour (cells filled with the tiles&apos; mean colours)</translation>
    </message>
    <message>
        <source>番号表を空欄にします</source>
        <translation>leave the number table empty</translation>
    </message>
    <message>
        <source>数量表を空欄にします</source>
        <translation>leave the quantity table empty</translation>
    </message>
    <message>
        <source>タイトル</source>
        <translation>the title</translation>
    </message>
    <message>
        <source>備考</source>
        <translation>the notes</translation>
    </message>
    <message>
        <source>全体図をつけ、クラスの範囲を枠で示します</source>
        <translation>add the overview with the class&apos;s strip framed</translation>
    </message>
    <message>
        <source>隣の列を灰色で表示します</source>
        <translation>show the column on each side in grey</translation>
    </message>
    <message>
        <source>K ページ目だけを PNG で書き出します</source>
        <translation>write page K alone as a PNG</translation>
    </message>
    <message>
        <source>比較方法: 平均色、強調色、見た目 (CIEDE2000) (既定は average)</source>
        <translation>comparison: mean colours, emphasised colours, as eyes see (CIEDE2000) (default average)</translation>
    </message>
    <message>
        <source>強調色を比較します (--compare emphasized と同じ)</source>
        <translation>compares emphasised colours (the same as --compare emphasized)</translation>
    </message>
    <message>
        <source>誤差拡散: 誤差拡散モード、なめらかに拡散、なし (既定は none、ペイントモード)</source>
        <translation>error diffusion: through the halftone palette, smooth, or none (default none, paint mode)</translation>
    </message>
    <message>
        <source>誤差拡散モードで読み取ります (--dither halftone と同じ)</source>
        <translation>reads in error diffusion mode (the same as --dither halftone)</translation>
    </message>
    <message>
        <source>明るさ -100〜100 (既定は 0)</source>
        <translation>brightness -100 to 100 (default 0)</translation>
    </message>
    <message>
        <source>コントラスト -100〜100 (既定は 0)</source>
        <translation>contrast -100 to 100 (default 0)</translation>
    </message>
    <message>
        <source>あざやかさ -100〜100 (既定は 0)</source>
        <translation>saturation -100 to 100 (default 0)</translation>
    </message>
    <message>
        <source>画像から K 色 (2〜16) を選び、パレットの0番から書き込んでから変換します</source>
        <translation>chooses K colours (2 to 16) from the picture, writes them into the palette from entry 0, then converts</translation>
    </message>
    <message>
        <source>色の差の平均 (ΔE) と各番号の枚数を JSON で表示します</source>
        <translation>prints the mean colour difference (ΔE) and the pieces of every number as JSON</translation>
    </message>
    <message>
        <source>番号 N は在庫の K 枚までしか使いません (書かない番号は制限なし)</source>
        <translation>use at most K pieces of number N (numbers not given have no limit)</translation>
    </message>
    <message>
        <source>エディタの「集める数」の在庫までしか使いません</source>
        <translation>use at most the stock kept in the editor&apos;s Pieces to Collect</translation>
    </message>
    <message>
        <source>色ごと・クラスごとに必要な枚数と箱数を JSON か CSV で表示します</source>
        <translation>print the pieces and cartons needed per colour and per class as JSON or CSV</translation>
    </message>
    <message>
        <source>数える図案ファイル</source>
        <translation>the design file to count</translation>
    </message>
    <message>
        <source>クラス数 x 1クラスの列数、3組まで (クラスごとの表をつけます)</source>
        <translation>classes x columns each, up to three groups (adds the table per class)</translation>
    </message>
    <message>
        <source>番号 N の1箱から取れる枚数 K (1〜9999、既定は 1)</source>
        <translation>one carton of number N gives K pieces (1 to 9999, default 1)</translation>
    </message>
    <message>
        <source>番号 N の在庫の枚数 K (0〜999999、既定は制限なし)</source>
        <translation>K pieces of number N on hand (0 to 999999, default no limit)</translation>
    </message>
    <message>
        <source>JSON の代わりに CSV (UTF-8) を書き込みます</source>
        <translation>write CSV (UTF-8) instead of printing JSON</translation>
    </message>
    <message>
        <source>大きく印刷: クラスごとに大きなマス目の紙を何枚も印刷します</source>
        <translation>large print: each class on as many sheets of big cells as it needs</translation>
    </message>
    <message>
        <source>大きく印刷の1枚の行数 (10〜50、既定 25)</source>
        <translation>rows on a large-print sheet (10-50, default 25)</translation>
    </message>
    <message>
        <source>大きく印刷の各紙のあとに、行ごとの説明のページをつけます</source>
        <translation>after each large-print sheet, a page of its rows as runs</translation>
    </message>
    <message>
        <source>まとめページを先頭につけます (箱数はエディタの「集める数」の1箱の枚数で数えます)</source>
        <translation>add summary pages first (cartons counted with the pieces per carton kept in the editor&apos;s Pieces to Collect)</translation>
    </message>
</context>
<context>
    <name>tessell::texts</name>
    <message>
        <source>クリップボードの内容が正しくありません。</source>
        <translation>The clipboard does not hold a valid block.</translation>
    </message>
    <message>
        <source>列は1～%1までの数値を入力してください。</source>
        <translation>Enter columns from 1 to %1.</translation>
    </message>
    <message>
        <source>列の指定が正しくありません。</source>
        <translation>The columns are not in order.</translation>
    </message>
    <message>
        <source>行は1～%1までの数値を入力してください。</source>
        <translation>Enter rows from 1 to %1.</translation>
    </message>
    <message>
        <source>行の指定が正しくありません。</source>
        <translation>The rows are not in order.</translation>
    </message>
    <message>
        <source>列・行に正しい数値を入力してください。</source>
        <translation>Enter valid numbers for the columns and rows.</translation>
    </message>
    <message>
        <source>モザイク壁画の図案を作るエディタ</source>
        <translation>Editor for mosaic mural designs</translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>リストのインデックスが範囲を超えています (%1)</source>
        <translation>List index out of bounds (%1)</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Cannot open file %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation>&apos;%1&apos; is not a valid integer value</translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて開けません (上限 %2 MB)</source>
        <translation>File %1 is too large to open (limit %2 MB)</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Cannot create file %1</translation>
    </message>
    <message>
        <source>列数・行数が範囲外です (%1×%2)</source>
        <translation>Columns or rows out of range (%1×%2)</translation>
    </message>
    <message>
        <source>エラーが発見されました。</source>
        <translation>Errors were found.</translation>
    </message>
    <message>
        <source>作業可能</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>ビットマップイメージが不正です</source>
        <translation>Bitmap image is not valid</translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;の読み込みに失敗しました。</source>
        <translation>Could not read the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>前回の作業が保存されずに終了しました。
復元しますか？</source>
        <translation>The last session ended without saving.
Do you want to restore your work?</translation>
    </message>
    <message>
        <source>復元</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Tessellファイル</source>
        <translation>Tessell file</translation>
    </message>
    <message>
        <source>&apos;%1&apos; の設定に失敗しました</source>
        <translation>Could not set &apos;%1&apos;</translation>
    </message>
    <message>
        <source>画像が大きすぎます (%1 × %2 ピクセル)。読み込めるのは %3 メガピクセルまでです。</source>
        <translation>The picture is too large (%1 × %2 pixels). Pictures of up to %3 megapixels can be read.</translation>
    </message>
    <message>
        <source>切り抜く範囲が画像の外にあります。</source>
        <translation>The crop area lies outside the picture.</translation>
    </message>
    <message>
        <source>画像ファイル (*.bmp *.png *.jpg *.jpeg …)</source>
        <translation>Picture files (*.bmp *.png *.jpg *.jpeg …)</translation>
    </message>
    <message>
        <source>ビットマップ (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>すべてのファイル (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>転送中にエラー発生</source>
        <translation>Error during transfer</translation>
    </message>
    <message>
        <source>正の整数値を入力してください。</source>
        <translation>Enter a positive whole number.</translation>
    </message>
    <message>
        <source>クラス数が列数を超えています。</source>
        <translation>There are more classes than columns.</translation>
    </message>
    <message>
        <source>合計 %1列 : 余り%2列</source>
        <translation>Total %1 columns : %2 left</translation>
    </message>
    <message>
        <source>ページ %1 はありません (1〜%2)</source>
        <translation>There is no page %1 (1 to %2)</translation>
    </message>
    <message>
        <source>プリンタは印刷中です</source>
        <translation>The printer is printing</translation>
    </message>
    <message>
        <source>プリンタが印刷中のため、プレヴューを開始できません</source>
        <translation>The preview cannot start while the printer is printing</translation>
    </message>
    <message>
        <source>BeginDocが呼び出されていません</source>
        <translation>BeginDoc was not called</translation>
    </message>
    <message>
        <source>印刷スケールが無効です</source>
        <translation>The print scale is not valid</translation>
    </message>
    <message>
        <source>用紙設定時にエラーが発生しました。</source>
        <translation>An error occurred while setting the paper.</translation>
    </message>
    <message>
        <source>列数が有効範囲を超えています</source>
        <translation>Column count out of range</translation>
    </message>
    <message>
        <source>行数が有効範囲を超えています</source>
        <translation>Row count out of range</translation>
    </message>
    <message>
        <source>フォーム上にのみ配置できます。</source>
        <translation>Can only be placed on a form.</translation>
    </message>
    <message>
        <source>TLightRep上かTLRLayoutPanelにのみ配置できます。</source>
        <translation>Can only be placed on a TLightRep or a TLRLayoutPanel.</translation>
    </message>
    <message>
        <source>TLightRep上には配置できません。</source>
        <translation>Cannot be placed on a TLightRep.</translation>
    </message>
    <message>
        <source>パネル上にのみ配置できます。</source>
        <translation>Can only be placed on a panel.</translation>
    </message>
    <message>
        <source>プログラムのパス &apos;%1&apos; に UTF-8 で表せない文字があるため、関連付けできません</source>
        <translation>The program&apos;s path &apos;%1&apos; holds characters that are not UTF-8, so design files cannot be associated with it</translation>
    </message>
    <message>
        <source>白</source>
        <translation>White</translation>
    </message>
    <message>
        <source>黒</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>灰</source>
        <translation>Grey</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>桃</source>
        <translation>Pink</translation>
    </message>
    <message>
        <source>橙</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>黄</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>黄緑</source>
        <translation>Yellow green</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>深緑</source>
        <translation>Dark green</translation>
    </message>
    <message>
        <source>水色</source>
        <translation>Light blue</translation>
    </message>
    <message>
        <source>青</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>紺</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>紫</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>茶</source>
        <translation>Brown</translation>
    </message>
    <message>
        <source>こげ茶</source>
        <translation>Dark brown</translation>
    </message>
    <message>
        <source>肌色</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>ベージュ</source>
        <translation>Beige</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>必要な枚数</source>
        <translation>Pieces needed</translation>
    </message>
    <message>
        <source>1箱の枚数</source>
        <translation>Per carton</translation>
    </message>
    <message>
        <source>箱数</source>
        <translation>Cartons</translation>
    </message>
    <message>
        <source>在庫 (枚)</source>
        <translation>On hand</translation>
    </message>
    <message>
        <source>集める枚数</source>
        <translation>To collect</translation>
    </message>
    <message>
        <source>集める箱数</source>
        <translation>Cartons to collect</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>クラス</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>列</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>%1〜%2列</source>
        <translation>columns %1–%2</translation>
    </message>
    <message>
        <source>%1 (枚)</source>
        <translation>%1 (pieces)</translation>
    </message>
    <message>
        <source>%1 (箱)</source>
        <translation>%1 (cartons)</translation>
    </message>
    <message>
        <source>どのクラスにもない列</source>
        <translation>Columns of no class</translation>
    </message>
    <message>
        <source>在庫が足りません (あと %1 枚)</source>
        <translation>Not enough stock (%1 pieces short)</translation>
    </message>
    <message>
        <source>%1 列</source>
        <translation>Col %1</translation>
    </message>
    <message>
        <source>%1 枚</source>
        <translation>%1 pcs</translation>
    </message>
    <message>
        <source>この紙</source>
        <translation>This sheet</translation>
    </message>
    <message>
        <source>クラス全体</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>列 %1–%2&#x3000;行 %3–%4</source>
        <translation>Columns %1–%2, rows %3–%4</translation>
    </message>
    <message>
        <source>行ごとの説明</source>
        <translation>Row by row</translation>
    </message>
    <message>
        <source>行 %1:</source>
        <translation>Row %1:</translation>
    </message>
    <message>
        <source>1枚の行数は %1 から %2 までです。</source>
        <translation>Rows per sheet must be from %1 to %2.</translation>
    </message>
    <message>
        <source>まとめ</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>まとめ %1/%2</source>
        <translation>Summary %1/%2</translation>
    </message>
    <message>
        <source>クラスごとの枚数 (箱数)</source>
        <translation>Pieces (cartons) per class</translation>
    </message>
</context>
</TS>
