<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MainWindow</name>
    <message>
        <source>Press and drag, or press Enter, to pick a colour from the screen</source>
        <translation>Premi e trascina, oppure premi Invio, per prelevare un colore dallo schermo</translation>
    </message>
    <message>
        <source>Click to copy; hold to choose the format</source>
        <translation>Fai clic per copiare; tieni premuto per scegliere il formato</translation>
    </message>
</context>
<context>
    <name>PlaygroundWindow</name>
    <message>
        <source>Formatter Playground</source>
        <translation>Area di prova dei formati</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Risultato:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>empty history chip</source>
        <translation>casella vuota della cronologia</translation>
    </message>
    <message>
        <source>history colour %1</source>
        <translation>colore della cronologia %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorHistoryView</name>
    <message>
        <source>Colour history</source>
        <translation>Cronologia dei colori</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorPanel</name>
    <message>
        <source>Colours</source>
        <translation>Colori</translation>
    </message>
</context>
<context>
    <name>hueloupe::CommandLine</name>
    <message>
        <source>Usage: hueloupe [Qt options]
       hueloupe --pick [--format FMT] [--no-copy] [Qt options]
       hueloupe --help | --version
</source>
        <translation>Uso: hueloupe [opzioni di Qt]
     hueloupe --pick [--format FMT] [--no-copy] [opzioni di Qt]
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
Hueloupe, un selettore di colori. Premi nel campione di colore e trascina per prelevare un
qualsiasi pixel dello schermo; fai clic sul pulsante di copia per copiare il colore, oppure
tienilo premuto per scegliere uno degli undici formati. Incolla testo di colore CSS (#rrggbb,
rgb(), hsl(), nomi di colore) per renderlo il colore corrente.

  --pick         preleva subito un colore, senza la finestra principale: con la lente su X11,
                 con il selettore di colori del desktop su Wayland. Il colore viene stampato
                 nel formato, seguito da un a capo, e copiato negli appunti.
  --format FMT   il formato per --pick: una stringa di formato come &apos;rgb({r}, {g}, {b})&apos;
                 (hueloupe-cli --help le spiega) o un nome breve:
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
        <translation>                 Predefinito: l’ultimo formato copiato, altrimenti hex.
  --no-copy      con --pick, stampa il colore ma non tocca gli appunti.
  -h, --help     mostra questo aiuto.
  -v, --version  mostra la versione.
Le opzioni proprie di Qt, come -platform NOME, -display NOME o -style NOME, vanno a Qt.

Stato di uscita: 0 a operazione riuscita (colore prelevato); 1 se un prelievo viene annullato
o non riesce, o se non è disponibile alcun display o selettore di colori; 2 per un errore d’uso.

Scorciatoie: Ctrl+C copia, Ctrl+V / Ctrl+Shift+V incolla, Ctrl+Shift+C finestra dei colori,
Ctrl+Shift+P area di prova dei formati, Ctrl+Q esci.
Impostazioni: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (predefinito ~/.config).
Ambiente: HUELOUPE_PICKER=screen o portal impone un selettore di colori.
</translation>
    </message>
</context>
<context>
    <name>hueloupe::CopyPopUpButton</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copia %1</translation>
    </message>
    <message>
        <source>Copies the colour as %1</source>
        <translation>Copia il colore come %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::FrozenScreen</name>
    <message>
        <source>Hueloupe loupe</source>
        <translation>Lente di Hueloupe</translation>
    </message>
</context>
<context>
    <name>hueloupe::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation>Incolla come &amp;testo semplice</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>&amp;Colore</translation>
    </message>
    <message>
        <source>Show or Hide the Colour &amp;Dialog</source>
        <translation>Mostra o nascondi la &amp;finestra dei colori</translation>
    </message>
    <message>
        <source>Formatter &amp;Playground</source>
        <translation>Area di &amp;prova dei formati</translation>
    </message>
</context>
<context>
    <name>hueloupe::ModernColorWell</name>
    <message>
        <source>drag from here
to snap a color</source>
        <translation>trascina da qui
per prendere un colore</translation>
    </message>
    <message>
        <source>no color picker</source>
        <translation>nessun contagocce</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copiato</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>incollato</translation>
    </message>
    <message>
        <source>invalid CSS</source>
        <translation>CSS non valido</translation>
    </message>
    <message>
        <source>Colour well</source>
        <translation>Campione di colore</translation>
    </message>
</context>
</TS>
