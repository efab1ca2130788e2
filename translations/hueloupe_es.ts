<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>MainWindow</name>
    <message>
        <source>Press and drag, or press Enter, to pick a colour from the screen</source>
        <translation>Pulse y arrastre, o pulse Intro, para tomar un color de la pantalla</translation>
    </message>
    <message>
        <source>Click to copy; hold to choose the format</source>
        <translation>Pulse para copiar; mantenga pulsado para elegir el formato</translation>
    </message>
</context>
<context>
    <name>PlaygroundWindow</name>
    <message>
        <source>Formatter Playground</source>
        <translation>Banco de pruebas de formatos</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Salida:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>empty history chip</source>
        <translation>casilla vacía del historial</translation>
    </message>
    <message>
        <source>history colour %1</source>
        <translation>color del historial %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorHistoryView</name>
    <message>
        <source>Colour history</source>
        <translation>Historial de colores</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorPanel</name>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
</context>
<context>
    <name>hueloupe::CommandLine</name>
    <message>
        <source>Usage: hueloupe [Qt options]
       hueloupe --pick [--format FMT] [--no-copy] [Qt options]
       hueloupe --help | --version
</source>
        <translation>Uso: hueloupe [opciones de Qt]
     hueloupe --pick [--format FMT] [--no-copy] [opciones de Qt]
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
Hueloupe, un selector de color. Pulse en la muestra de color y arrastre para tomar cualquier
píxel de la pantalla; pulse el botón de copiar para copiar el color, o manténgalo pulsado para
elegir uno de los once formatos. Pegue texto de color CSS (#rrggbb, rgb(), hsl(), nombres de
color) para convertirlo en el color actual.

  --pick         toma un color al instante, sin la ventana principal: con la lupa en X11,
                 con el selector de color del escritorio en Wayland. El color se imprime
                 con el formato, seguido de un salto de línea, y se copia al portapapeles.
  --format FMT   el formato para --pick: una cadena de formato como &apos;rgb({r}, {g}, {b})&apos;
                 (hueloupe-cli --help las explica) o un nombre corto:
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
        <translation>                 Predeterminado: el último formato copiado; si no, hex.
  --no-copy      con --pick, imprime el color pero no toca el portapapeles.
  -h, --help     muestra esta ayuda.
  -v, --version  muestra la versión.
Las opciones propias de Qt, como -platform NOMBRE, -display NOMBRE o -style NOMBRE, van a Qt.

Estado de salida: 0 al terminar (color tomado); 1 si se cancela o falla una toma, o si no hay
pantalla ni selector de color disponibles; 2 si hay un error de uso.

Atajos: Ctrl+C copiar, Ctrl+V / Ctrl+Shift+V pegar, Ctrl+Shift+C diálogo de colores,
Ctrl+Shift+P banco de pruebas de formatos, Ctrl+Q salir.
Configuración: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (por defecto ~/.config).
Entorno: HUELOUPE_PICKER=screen o portal fuerza un selector de color concreto.
</translation>
    </message>
</context>
<context>
    <name>hueloupe::CopyPopUpButton</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copiar %1</translation>
    </message>
    <message>
        <source>Copies the colour as %1</source>
        <translation>Copia el color como %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::FrozenScreen</name>
    <message>
        <source>Hueloupe loupe</source>
        <translation>Lupa de Hueloupe</translation>
    </message>
</context>
<context>
    <name>hueloupe::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation>Pegar como &amp;texto sin formato</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>&amp;Color</translation>
    </message>
    <message>
        <source>Show or Hide the Colour &amp;Dialog</source>
        <translation>Mostrar u ocultar el &amp;diálogo de colores</translation>
    </message>
    <message>
        <source>Formatter &amp;Playground</source>
        <translation>&amp;Banco de pruebas de formatos</translation>
    </message>
</context>
<context>
    <name>hueloupe::ModernColorWell</name>
    <message>
        <source>drag from here
to snap a color</source>
        <translation>arrastre desde aquí
para tomar un color</translation>
    </message>
    <message>
        <source>no color picker</source>
        <translation>sin cuentagotas</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copiado</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>pegado</translation>
    </message>
    <message>
        <source>invalid CSS</source>
        <translation>CSS no válido</translation>
    </message>
    <message>
        <source>Colour well</source>
        <translation>Muestra de color</translation>
    </message>
</context>
</TS>
