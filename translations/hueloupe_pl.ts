<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>MainWindow</name>
    <message>
        <source>Press and drag, or press Enter, to pick a colour from the screen</source>
        <translation>Naciśnij i przeciągnij lub naciśnij Enter, aby pobrać kolor z ekranu</translation>
    </message>
    <message>
        <source>Click to copy; hold to choose the format</source>
        <translation>Kliknij, aby skopiować; przytrzymaj, aby wybrać format</translation>
    </message>
</context>
<context>
    <name>PlaygroundWindow</name>
    <message>
        <source>Formatter Playground</source>
        <translation>Piaskownica formatów</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Wynik:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>empty history chip</source>
        <translation>puste pole historii</translation>
    </message>
    <message>
        <source>history colour %1</source>
        <translation>kolor z historii %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorHistoryView</name>
    <message>
        <source>Colour history</source>
        <translation>Historia kolorów</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorPanel</name>
    <message>
        <source>Colours</source>
        <translation>Kolory</translation>
    </message>
</context>
<context>
    <name>hueloupe::CommandLine</name>
    <message>
        <source>Usage: hueloupe [Qt options]
       hueloupe --pick [--format FMT] [--no-copy] [Qt options]
       hueloupe --help | --version
</source>
        <translation>Użycie: hueloupe [opcje Qt]
        hueloupe --pick [--format FMT] [--no-copy] [opcje Qt]
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
Hueloupe, próbnik kolorów. Naciśnij w polu koloru i przeciągnij, aby pobrać dowolny piksel
z ekranu; kliknij przycisk kopiowania, aby skopiować kolor, lub przytrzymaj go, aby wybrać
jeden z jedenastu formatów. Wklej tekst koloru CSS (#rrggbb, rgb(), hsl(), nazwy kolorów),
aby stał się bieżącym kolorem.

  --pick         od razu pobiera jeden kolor, bez okna głównego: lupą w X11, próbnikiem
                 kolorów środowiska w Waylandzie. Kolor jest wypisywany według formatu,
                 z końcem wiersza, i kopiowany do schowka.
  --format FMT   format dla --pick: ciąg formatu, np. &apos;rgb({r}, {g}, {b})&apos;
                 (objaśnia je hueloupe-cli --help), lub krótka nazwa:
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
        <translation>                 Domyślnie: ostatnio kopiowany format, a w razie jego braku hex.
  --no-copy      z --pick wypisuje kolor, ale nie zmienia schowka.
  -h, --help     wyświetla tę pomoc.
  -v, --version  wyświetla wersję.
Własne opcje Qt, takie jak -platform NAZWA, -display NAZWA czy -style NAZWA, trafiają do Qt.

Kod wyjścia: 0 po zakończeniu (pobrano kolor); 1, gdy pobieranie anulowano lub się nie
powiodło albo nie ma dostępnego ekranu ani próbnika kolorów; 2 przy błędnym użyciu.

Skróty: Ctrl+C kopiuj, Ctrl+V / Ctrl+Shift+V wklej, Ctrl+Shift+C okno kolorów,
Ctrl+Shift+P piaskownica formatów, Ctrl+Q zakończ.
Ustawienia: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (domyślnie ~/.config).
Środowisko: HUELOUPE_PICKER=screen lub portal wymusza konkretny próbnik kolorów.
</translation>
    </message>
</context>
<context>
    <name>hueloupe::CopyPopUpButton</name>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Kopiuj %1</translation>
    </message>
    <message>
        <source>Copies the colour as %1</source>
        <translation>Kopiuje kolor jako %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::FrozenScreen</name>
    <message>
        <source>Hueloupe loupe</source>
        <translation>Lupa Hueloupe</translation>
    </message>
</context>
<context>
    <name>hueloupe::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Wklej</translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation>Wklej jako zwykły &amp;tekst</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>&amp;Kolor</translation>
    </message>
    <message>
        <source>Show or Hide the Colour &amp;Dialog</source>
        <translation>Pokaż lub ukryj okno &amp;kolorów</translation>
    </message>
    <message>
        <source>Formatter &amp;Playground</source>
        <translation>&amp;Piaskownica formatów</translation>
    </message>
</context>
<context>
    <name>hueloupe::ModernColorWell</name>
    <message>
        <source>drag from here
to snap a color</source>
        <translation>przeciągnij stąd,
aby pobrać kolor</translation>
    </message>
    <message>
        <source>no color picker</source>
        <translation>brak pipety</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>skopiowano</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>wklejono</translation>
    </message>
    <message>
        <source>invalid CSS</source>
        <translation>błędny CSS</translation>
    </message>
    <message>
        <source>Colour well</source>
        <translation>Pole koloru</translation>
    </message>
</context>
</TS>
