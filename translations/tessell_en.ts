<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>HelpPages</name>
    <message>
        <source>目次</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>メインウィンドウ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>描画ツール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集のコマンド</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルの操作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>イメージスキャン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パレットエディタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプションと関連付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルの形式</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowScanUi</name>
    <message>
        <source>スキャナの選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>使用する装置を選んでください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>ディスプレイのサイズは1024×768で正常に表示されます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell</name>
    <message>
        <source>TWAIN_32.DLLが見つかりません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセルされました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>デバイスの準備ができていません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>サイズは%1以下にしてください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 は既に存在します。
上書きしますか？</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::AboutBox</name>
    <message>
        <source>バージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色のついた小片を貼り合わせて作るモザイク壁画の図案を作り、クラスごとに分けて印刷するためのエディタです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>このプログラムは次のものを使っています。&lt;br&gt;・Qt 6 ― GNU Lesser General Public License v3 (LGPLv3)&lt;br&gt;・IPAフォント（IPAゴシック、IPAPゴシック） ― IPAフォントライセンス v1.0&lt;br&gt;ライセンスの全文は、それぞれに添えられた文書にあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::BucketTool</name>
    <message>
        <source>バケツツール</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::CommandSet</name>
    <message>
        <source>新規作成(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>初期設定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配列ファイルを開く(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上書き保存(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>繰り返し(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>繰り返し</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒストリー削除(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り取り(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>コピー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回転・移動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置換(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンバス大きさ変更(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピクチャー(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数字(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集画面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピクチャーの更新(&amp;R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ピクチャー更新</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像確認(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>拡大</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>縮小</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等倍</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パレットエディタ(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>イメージスキャン(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集画面(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::CountBar</name>
    <message>
        <source>%1枚</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::DesignEditor</name>
    <message>
        <source>%1列-%2行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像更新中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字入れ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>範囲選択</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::FileCommands</name>
    <message>
        <source>Tessell ファイル(*.tsl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>警告</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルが変更されています。
保存しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配列の読み込み中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全てのファイル(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配列を開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配列ファイル (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのファイル (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>配列の保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヒストリー削除</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::HelpWindow</name>
    <message>
        <source>Tessell ヘルプ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>← 戻る</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>進む →</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>目次</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::HistoryControl</name>
    <message>
        <source>ヒストリー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::MainWindow</name>
    <message>
        <source>1列-1行:0</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::NumberDirectEdit</name>
    <message>
        <source>直接編集</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::OptionsDialog</name>
    <message>
        <source>オプション</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tslファイルを関連付けする</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールバー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>位置を初期化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>言語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次回の起動から有効になります。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::PaletteEditor</name>
    <message>
        <source>パレットエディタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>表示名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パレットリスト</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定を開く(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自動作成(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>開く</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>設定ファイル(*.ini)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessell ファイル(*.tsl)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全てのファイル(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォルダを選択してください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::PenTool</name>
    <message>
        <source>ペンツール</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::PictureCheckWindow</name>
    <message>
        <source>画像確認</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プレビュー準備中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビットマップ (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのファイル (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像の保存</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::QtPrompter</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中止(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::ReplaceDialog</name>
    <message>
        <source>置換</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置換する番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置換前</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置換後の番号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置換後</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置換対象</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列から</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列まで</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行から</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行まで</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置換開始(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>置換中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::RotateMoveWindow</name>
    <message>
        <source>   左上   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動（左上）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動（上）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右上</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動（右上）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動（左）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動（右）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>左下</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動（左下）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動（下）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>右下</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>移動（右下）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回転・移動</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>回転</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1ﾟ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::SaneScanDialog</name>
    <message>
        <source>%1 dpi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>カラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>グレー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解像度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>色</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スキャン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::ShapeTool</name>
    <message>
        <source>直線ツール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四角形ツール</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楕円ツール</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::SizeDialog</name>
    <message>
        <source>大きさ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンバスの大きさ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列数は1～%1までの数値を入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行数は1～%1までの数値を入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::TextDialog</name>
    <message>
        <source>文字入れ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォント(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::ToolBarArea</name>
    <message>
        <source>メニュー</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>場所</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステータス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パレット</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールボックス</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>標準(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パレット(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールボックス(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ステータス(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>場所(&amp;L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::ToolBox</name>
    <message>
        <source>領域選択</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ペン</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バケツ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>直線</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>四角形</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>楕円</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文字入れ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>太さ : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::WelcomeWindow</name>
    <message>
        <source>ようこそ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&#x3000;へようこそ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この度はTessellをダウンロードしていただきありがとうございます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tslファイルを関連付けしますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>この設定は[ツール]-[オプション]からも変更できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>関連付け</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次回からはこのウィンドウは表示されません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessell::texts</name>
    <message>
        <source>クリップボードの内容が正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列は1～%1までの数値を入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列の指定が正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行は1～%1までの数値を入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行の指定が正しくありません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列・行に正しい数値を入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>モザイク壁画の図案を作るエディタ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイルを読み込めません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>リストのインデックスが範囲を超えています (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; は整数ではありません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %1 は大きすぎて開けません (上限 %2 MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列数・行数が範囲外です (%1×%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>エラーが発見されました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作業可能</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビットマップイメージが不正です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル&quot;%1&quot;の読み込みに失敗しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>前回の作業が保存されずに終了しました。
復元しますか？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>復元</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessellファイル</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; の設定に失敗しました</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像が大きすぎます (%1 × %2 ピクセル)。読み込めるのは %3 メガピクセルまでです。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>切り抜く範囲が画像の外にあります。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>画像ファイル (*.bmp *.png *.jpg *.jpeg …)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ビットマップ (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>すべてのファイル (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>転送中にエラー発生</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正の整数値を入力してください。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>クラス数が列数を超えています。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>合計 %1列 : 余り%2列</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ページ %1 はありません (1〜%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンタは印刷中です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>プリンタが印刷中のため、プレヴューを開始できません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BeginDocが呼び出されていません</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷スケールが無効です</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用紙設定時にエラーが発生しました。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列数が有効範囲を超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>行数が有効範囲を超えています</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>フォーム上にのみ配置できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLightRep上かTLRLayoutPanelにのみ配置できます。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TLightRep上には配置できません。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>パネル上にのみ配置できます。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
