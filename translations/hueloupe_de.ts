<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <source>Press and drag, or press Enter, to pick a colour from the screen</source>
        <translation>Drücken und ziehen oder die Eingabetaste drücken, um eine Farbe vom Bildschirm aufzunehmen</translation>
    </message>
    <message>
        <source>Click to copy; hold to choose the format</source>
        <translation>Klicken zum Kopieren; gedrückt halten, um das Format zu wählen</translation>
    </message>
</context>
<context>
    <name>PlaygroundWindow</name>
    <message>
        <source>Formatter Playground</source>
        <translation>Format-Spielwiese</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Ausgabe:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>empty history chip</source>
        <translation>leeres Feld im Verlauf</translation>
    </message>
    <message>
        <source>history colour %1</source>
        <translation>Farbe im Verlauf %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorHistoryView</name>
    <message>
        <source>Colour history</source>
        <translation>Verlauf der Farben</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorPanel</name>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
</context>
<context>
    <name>hueloupe::CommandLine</name>
    <message>
        <source>Usage: hueloupe [Qt options]
       hueloupe --pick [--format FMT] [--no-copy] [Qt options]
       hueloupe --help | --version
</source>
        <translation>Aufruf: hueloupe [Qt-Optionen]
        hueloupe --pick [--format FMT] [--no-copy] [Qt-Optionen]
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
Hueloupe, eine Farbpipette. Im Farbfeld drücken und ziehen, um ein beliebiges Pixel des
Bildschirms aufzunehmen; den Kopierknopf klicken, um die Farbe zu kopieren, oder ihn gedrückt
halten, um eines von elf Formaten zu wählen. CSS-Farbtext (#rrggbb, rgb(), hsl(), Farbnamen)
einfügen, um ihn zur aktuellen Farbe zu machen.

  --pick         sofort eine Farbe aufnehmen, ohne Hauptfenster: unter X11 mit der Lupe,
                 unter Wayland mit der Farbpipette der Arbeitsumgebung. Die Farbe wird im
                 Format ausgegeben, gefolgt von einem Zeilenumbruch, und in die
                 Zwischenablage kopiert.
  --format FMT   das Format für --pick: eine Formatzeichenkette wie &apos;rgb({r}, {g}, {b})&apos;
                 (hueloupe-cli --help erklärt sie) oder ein Kurzname:
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
        <translation>                 Vorgabe: das zuletzt kopierte Format, sonst hex.
  --no-copy      mit --pick die Farbe ausgeben, die Zwischenablage aber nicht ändern.
  -h, --help     diese Hilfe anzeigen.
  -v, --version  die Version anzeigen.
Qts eigene Optionen wie -platform NAME, -display NAME oder -style NAME gehen an Qt.

Rückgabewert: 0 bei Erfolg (eine Farbe aufgenommen); 1, wenn eine Aufnahme abgebrochen wird
oder fehlschlägt oder keine Anzeige und keine Farbpipette verfügbar ist; 2 bei falschem Aufruf.

Tastenkürzel: Ctrl+C kopieren, Ctrl+V / Ctrl+Shift+V einfügen, Ctrl+Shift+C Farbdialog,
Ctrl+Shift+P Format-Spielwiese, Ctrl+Q beenden.
Einstellungen: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (Vorgabe ~/.config).
Umgebung: HUELOUPE_PICKER=screen oder portal erzwingt eine bestimmte Farbpipette.
</translation>
    </message>
</context>
<context>
    <name>hueloupe::CopyPopUpButton</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>%1 kopieren</translation>
    </message>
    <message>
        <source>Copies the colour as %1</source>
        <translation>Kopiert die Farbe als %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::FrozenScreen</name>
    <message>
        <source>Hueloupe loupe</source>
        <translation>Hueloupe-Lupe</translation>
    </message>
</context>
<context>
    <name>hueloupe::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation>Als reinen &amp;Text einfügen</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>&amp;Farbe</translation>
    </message>
    <message>
        <source>Show or Hide the Colour &amp;Dialog</source>
        <translation>Farb&amp;dialog ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Formatter &amp;Playground</source>
        <translation>Format-&amp;Spielwiese</translation>
    </message>
</context>
<context>
    <name>hueloupe::ModernColorWell</name>
    <message>
        <source>drag from here
to snap a color</source>
        <translation>von hier ziehen,
um eine Farbe zu greifen</translation>
    </message>
    <message>
        <source>no color picker</source>
        <translation>keine Pipette</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>kopiert</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>eingefügt</translation>
    </message>
    <message>
        <source>invalid CSS</source>
        <translation>ungültiges CSS</translation>
    </message>
    <message>
        <source>Colour well</source>
        <translation>Farbfeld</translation>
    </message>
</context>
</TS>
