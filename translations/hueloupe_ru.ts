<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>MainWindow</name>
    <message>
        <source>Press and drag, or press Enter, to pick a colour from the screen</source>
        <translation>Нажмите и перетащите или нажмите Enter, чтобы взять цвет с экрана</translation>
    </message>
    <message>
        <source>Click to copy; hold to choose the format</source>
        <translation>Щелчок — копировать; удерживайте, чтобы выбрать формат</translation>
    </message>
</context>
<context>
    <name>PlaygroundWindow</name>
    <message>
        <source>Formatter Playground</source>
        <translation>Песочница форматов</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Формат:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Результат:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>empty history chip</source>
        <translation>пустая ячейка истории</translation>
    </message>
    <message>
        <source>history colour %1</source>
        <translation>цвет из истории %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorHistoryView</name>
    <message>
        <source>Colour history</source>
        <translation>История цветов</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorPanel</name>
    <message>
        <source>Colours</source>
        <translation>Цвета</translation>
    </message>
</context>
<context>
    <name>hueloupe::CommandLine</name>
    <message>
        <source>Usage: hueloupe [Qt options]
       hueloupe --pick [--format FMT] [--no-copy] [Qt options]
       hueloupe --help | --version
</source>
        <translation>Использование: hueloupe [параметры Qt]
               hueloupe --pick [--format FMT] [--no-copy] [параметры Qt]
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
Hueloupe — пипетка для выбора цвета. Нажмите на образец цвета и перетащите указатель, чтобы
взять цвет любого пикселя экрана; нажмите кнопку копирования, чтобы скопировать цвет, или
удерживайте её, чтобы выбрать один из одиннадцати форматов. Вставьте цвет в виде текста CSS
(#rrggbb, rgb(), hsl(), названия цветов), чтобы сделать его текущим.

  --pick         сразу взять один цвет, без главного окна: лупой в X11, пипеткой рабочего
                 окружения в Wayland. Цвет выводится в заданном формате с переводом строки
                 и копируется в буфер обмена.
  --format FMT   формат для --pick: строка формата, например &apos;rgb({r}, {g}, {b})&apos;
                 (см. hueloupe-cli --help), или краткое имя:
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
        <translation>                 По умолчанию: последний скопированный формат, иначе hex.
  --no-copy      с --pick вывести цвет, но не трогать буфер обмена.
  -h, --help     показать эту справку.
  -v, --version  показать версию.
Собственные параметры Qt, например -platform ИМЯ, -display ИМЯ или -style ИМЯ, передаются Qt.

Код возврата: 0 при успехе (цвет взят); 1, если выбор цвета отменён или не удался либо нет
ни дисплея, ни пипетки; 2 при ошибке в командной строке.

Сочетания клавиш: Ctrl+C копировать, Ctrl+V / Ctrl+Shift+V вставить, Ctrl+Shift+C диалог
цвета, Ctrl+Shift+P песочница форматов, Ctrl+Q выход.
Настройки: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (по умолчанию ~/.config).
Окружение: HUELOUPE_PICKER=screen или portal задаёт определённую пипетку.
</translation>
    </message>
</context>
<context>
    <name>hueloupe::CopyPopUpButton</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Копировать %1</translation>
    </message>
    <message>
        <source>Copies the colour as %1</source>
        <translation>Копирует цвет как %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::FrozenScreen</name>
    <message>
        <source>Hueloupe loupe</source>
        <translation>Лупа Hueloupe</translation>
    </message>
</context>
<context>
    <name>hueloupe::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Вставить</translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation>Вставить как простой &amp;текст</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>&amp;Цвет</translation>
    </message>
    <message>
        <source>Show or Hide the Colour &amp;Dialog</source>
        <translation>Показать или скрыть &amp;диалог цвета</translation>
    </message>
    <message>
        <source>Formatter &amp;Playground</source>
        <translation>&amp;Песочница форматов</translation>
    </message>
</context>
<context>
    <name>hueloupe::ModernColorWell</name>
    <message>
        <source>drag from here
to snap a color</source>
        <translation>перетащите отсюда,
чтобы взять цвет</translation>
    </message>
    <message>
        <source>no color picker</source>
        <translation>нет пипетки</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>скопировано</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>вставлено</translation>
    </message>
    <message>
        <source>invalid CSS</source>
        <translation>неверный CSS</translation>
    </message>
    <message>
        <source>Colour well</source>
        <translation>Образец цвета</translation>
    </message>
</context>
</TS>
