<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>MainWindow</name>
    <message>
        <source>Press and drag, or press Enter, to pick a colour from the screen</source>
        <translation>按住并拖动，或按 Enter 键，从屏幕上拾取颜色</translation>
    </message>
    <message>
        <source>Click to copy; hold to choose the format</source>
        <translation>单击以复制；按住以选择格式</translation>
    </message>
</context>
<context>
    <name>PlaygroundWindow</name>
    <message>
        <source>Formatter Playground</source>
        <translation>格式试验台</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>格式：</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>输出：</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>empty history chip</source>
        <translation>空的历史色块</translation>
    </message>
    <message>
        <source>history colour %1</source>
        <translation>历史颜色 %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorHistoryView</name>
    <message>
        <source>Colour history</source>
        <translation>颜色历史</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorPanel</name>
    <message>
        <source>Colours</source>
        <translation>颜色</translation>
    </message>
</context>
<context>
    <name>hueloupe::CommandLine</name>
    <message>
        <source>Usage: hueloupe [Qt options]
       hueloupe --pick [--format FMT] [--no-copy] [Qt options]
       hueloupe --help | --version
</source>
        <translation>用法: hueloupe [Qt 选项]
      hueloupe --pick [--format FMT] [--no-copy] [Qt 选项]
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
Hueloupe 是一款取色器。在颜色样本上按住并拖动，即可拾取屏幕上任意像素的颜色；单击复制按钮
复制颜色，按住它可从十一种格式中选择一种。粘贴 CSS 颜色文本（#rrggbb、rgb()、hsl()、颜色
名称）即可将其设为当前颜色。

  --pick         不打开主窗口，立即拾取一种颜色：在 X11 上使用放大镜，在 Wayland 上使用
                 桌面的取色器。颜色按格式输出并换行，同时复制到剪贴板。
  --format FMT   --pick 使用的格式：如 &apos;rgb({r}, {g}, {b})&apos; 这样的格式字符串
                 （hueloupe-cli --help 有说明），或以下简称之一：
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
        <translation>                 默认：上次复制时的格式，否则为 hex。
  --no-copy      与 --pick 同用时，只输出颜色，不改动剪贴板。
  -h, --help     显示此帮助。
  -v, --version  显示版本。
Qt 自身的选项（如 -platform 名称、-display 名称或 -style 名称）交给 Qt 处理。

退出状态：0 表示完成（已拾取颜色）；1 表示拾取被取消或失败，或者没有可用的显示器或取色器；
2 表示用法错误。

快捷键：Ctrl+C 复制，Ctrl+V / Ctrl+Shift+V 粘贴，Ctrl+Shift+C 颜色对话框，
Ctrl+Shift+P 格式试验台，Ctrl+Q 退出。
设置：$XDG_CONFIG_HOME/hueloupe/hueloupe.conf（默认为 ~/.config）。
环境变量：HUELOUPE_PICKER=screen 或 portal 可强制使用指定的取色器。
</translation>
    </message>
</context>
<context>
    <name>hueloupe::CopyPopUpButton</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>复制 %1</translation>
    </message>
    <message>
        <source>Copies the colour as %1</source>
        <translation>将颜色复制为 %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::FrozenScreen</name>
    <message>
        <source>Hueloupe loupe</source>
        <translation>Hueloupe 放大镜</translation>
    </message>
</context>
<context>
    <name>hueloupe::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation>粘贴为纯文本(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>颜色(&amp;O)</translation>
    </message>
    <message>
        <source>Show or Hide the Colour &amp;Dialog</source>
        <translation>显示或隐藏颜色对话框(&amp;D)</translation>
    </message>
    <message>
        <source>Formatter &amp;Playground</source>
        <translation>格式试验台(&amp;P)</translation>
    </message>
</context>
<context>
    <name>hueloupe::ModernColorWell</name>
    <message>
        <source>drag from here
to snap a color</source>
        <translation>从这里拖动
以拾取颜色</translation>
    </message>
    <message>
        <source>no color picker</source>
        <translation>无取色器</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>已粘贴</translation>
    </message>
    <message>
        <source>invalid CSS</source>
        <translation>无效的 CSS</translation>
    </message>
    <message>
        <source>Colour well</source>
        <translation>颜色样本</translation>
    </message>
</context>
</TS>
