<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>MainWindow</name>
    <message>
        <source>Press and drag, or press Enter, to pick a colour from the screen</source>
        <translation>押したままドラッグするか Enter キーを押して、画面から色を取得します</translation>
    </message>
    <message>
        <source>Click to copy; hold to choose the format</source>
        <translation>クリックでコピー、長押しで形式を選択</translation>
    </message>
</context>
<context>
    <name>PlaygroundWindow</name>
    <message>
        <source>Formatter Playground</source>
        <translation>書式プレイグラウンド</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>書式:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>出力:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>empty history chip</source>
        <translation>空の履歴スロット</translation>
    </message>
    <message>
        <source>history colour %1</source>
        <translation>履歴の色 %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorHistoryView</name>
    <message>
        <source>Colour history</source>
        <translation>色の履歴</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorPanel</name>
    <message>
        <source>Colours</source>
        <translation>色</translation>
    </message>
</context>
<context>
    <name>hueloupe::CommandLine</name>
    <message>
        <source>Usage: hueloupe [Qt options]
       hueloupe --pick [--format FMT] [--no-copy] [Qt options]
       hueloupe --help | --version
</source>
        <translation>使い方: hueloupe [Qt のオプション]
        hueloupe --pick [--format FMT] [--no-copy] [Qt のオプション]
        hueloupe --help | --version
</translation>
    </message>
    <message>
        <source>
Hueloupe, a colour picker. Press in the colour well and drag to pick any pixel on the
screen; click the copy button to copy the colour, or hold it to choose one of eleven
formats. Paste CSS colour text (#rrggbb, rgb(), hsl(), keywords) to make it current.

  --pick         pick one colour at once, without the main window: the loupe on X11, the
                 desktop&apos;s colour picker on Wayland. The colour is printed through the
                 format, followed by a newline, and copied to the clipboard.
  --format FMT   the format for --pick: a format string such as &apos;rgb({r}, {g}, {b})&apos;
                 (hueloupe-cli --help explains them) or a short name:
</source>
        <translation>
Hueloupe はカラーピッカーです。カラーウェルを押したままドラッグすると、画面上の任意の
ピクセルの色を取得できます。コピーボタンをクリックすると色をコピーし、長押しすると 11 種類の
形式から 1 つを選べます。CSS の色テキスト (#rrggbb、rgb()、hsl()、色名) を貼り付けると、
それが現在の色になります。

  --pick         メインウィンドウを開かずにすぐ色を 1 つ取得します。X11 ではルーペを、
                 Wayland ではデスクトップのカラーピッカーを使います。色は書式に従って
                 改行付きで出力され、クリップボードにもコピーされます。
  --format FMT   --pick の書式: &apos;rgb({r}, {g}, {b})&apos; のような書式文字列
                 (hueloupe-cli --help で説明しています)、または次の短縮名:
</translation>
    </message>
    <message>
        <source>                 Default: the format last copied, else hex.
  --no-copy      with --pick, print the colour but leave the clipboard alone.
  -h, --help     show this help.
  -v, --version  show the version.
Qt&apos;s own options, such as -platform NAME, -display NAME or -style NAME, go to Qt.

Exit status: 0 when done (a colour picked); 1 when a pick is cancelled or fails, or no
display or colour picker is available; 2 for a usage error.

Shortcuts: Ctrl+C copy, Ctrl+V / Ctrl+Shift+V paste, Ctrl+Shift+C colour dialog,
Ctrl+Shift+P formatter playground, Ctrl+Q quit.
Settings: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (default ~/.config).
Environment: HUELOUPE_PICKER=screen or portal forces one colour picker.
</source>
        <translation>                 既定値: 最後にコピーした書式、なければ hex。
  --no-copy      --pick と併用し、色を出力するだけでクリップボードは変更しません。
  -h, --help     このヘルプを表示します。
  -v, --version  バージョンを表示します。
-platform NAME、-display NAME、-style NAME など Qt 自身のオプションは Qt に渡されます。

終了ステータス: 0 は完了 (色を取得した)、1 は取得がキャンセルまたは失敗したか、
ディスプレイもカラーピッカーも使えない場合、2 は使い方の誤りです。

ショートカット: Ctrl+C コピー、Ctrl+V / Ctrl+Shift+V 貼り付け、Ctrl+Shift+C カラーダイアログ、
Ctrl+Shift+P 書式プレイグラウンド、Ctrl+Q 終了。
設定: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (既定は ~/.config)。
環境変数: HUELOUPE_PICKER=screen または portal で使うカラーピッカーを固定します。
</translation>
    </message>
</context>
<context>
    <name>hueloupe::CopyPopUpButton</name>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 をコピー</translation>
    </message>
    <message>
        <source>Copies the colour as %1</source>
        <translation>色を %1 としてコピーします</translation>
    </message>
</context>
<context>
    <name>hueloupe::FrozenScreen</name>
    <message>
        <source>Hueloupe loupe</source>
        <translation>Hueloupe ルーペ</translation>
    </message>
</context>
<context>
    <name>hueloupe::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation>プレーンテキストとして貼り付け(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>色(&amp;O)</translation>
    </message>
    <message>
        <source>Show or Hide the Colour &amp;Dialog</source>
        <translation>カラーダイアログの表示/非表示(&amp;D)</translation>
    </message>
    <message>
        <source>Formatter &amp;Playground</source>
        <translation>書式プレイグラウンド(&amp;P)</translation>
    </message>
</context>
<context>
    <name>hueloupe::ModernColorWell</name>
    <message>
        <source>drag from here
to snap a color</source>
        <translation>ここからドラッグして
色を取得</translation>
    </message>
    <message>
        <source>no color picker</source>
        <translation>カラーピッカーなし</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>コピーしました</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>貼り付けました</translation>
    </message>
    <message>
        <source>invalid CSS</source>
        <translation>無効な CSS</translation>
    </message>
    <message>
        <source>Colour well</source>
        <translation>カラーウェル</translation>
    </message>
</context>
</TS>
