<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>MainWindow</name>
    <message>
        <source>Press and drag, or press Enter, to pick a colour from the screen</source>
        <translation>Appuyez et faites glisser, ou appuyez sur Entrée, pour prélever une couleur à l’écran</translation>
    </message>
    <message>
        <source>Click to copy; hold to choose the format</source>
        <translation>Cliquez pour copier ; maintenez appuyé pour choisir le format</translation>
    </message>
</context>
<context>
    <name>PlaygroundWindow</name>
    <message>
        <source>Formatter Playground</source>
        <translation>Bac à sable des formats</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format :</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Sortie :</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>empty history chip</source>
        <translation>case vide de l’historique</translation>
    </message>
    <message>
        <source>history colour %1</source>
        <translation>couleur de l’historique %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorHistoryView</name>
    <message>
        <source>Colour history</source>
        <translation>Historique des couleurs</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorPanel</name>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
</context>
<context>
    <name>hueloupe::CommandLine</name>
    <message>
        <source>Usage: hueloupe [Qt options]
       hueloupe --pick [--format FMT] [--no-copy] [Qt options]
       hueloupe --help | --version
</source>
        <translation>Usage : hueloupe [options de Qt]
        hueloupe --pick [--format FMT] [--no-copy] [options de Qt]
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
Hueloupe, une pipette à couleurs. Appuyez dans la zone de couleur et faites glisser pour
prélever n’importe quel pixel de l’écran ; cliquez sur le bouton de copie pour copier la
couleur, ou maintenez-le appuyé pour choisir l’un des onze formats. Collez du texte de couleur
CSS (#rrggbb, rgb(), hsl(), noms de couleur) pour en faire la couleur courante.

  --pick         prélève aussitôt une couleur, sans la fenêtre principale : avec la loupe
                 sous X11, avec la pipette du bureau sous Wayland. La couleur est écrite
                 selon le format, suivie d’un saut de ligne, et copiée dans le presse-papiers.
  --format FMT   le format pour --pick : une chaîne de format comme &apos;rgb({r}, {g}, {b})&apos;
                 (hueloupe-cli --help les explique) ou un nom court :
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
        <translation>                 Par défaut : le dernier format copié, sinon hex.
  --no-copy      avec --pick, écrit la couleur sans toucher au presse-papiers.
  -h, --help     affiche cette aide.
  -v, --version  affiche la version.
Les options propres à Qt, comme -platform NOM, -display NOM ou -style NOM, vont à Qt.

Code de retour : 0 en cas de réussite (couleur prélevée) ; 1 si un prélèvement est annulé ou
échoue, ou si aucun affichage ni aucune pipette n’est disponible ; 2 en cas d’erreur d’usage.

Raccourcis : Ctrl+C copier, Ctrl+V / Ctrl+Shift+V coller, Ctrl+Shift+C fenêtre des couleurs,
Ctrl+Shift+P bac à sable des formats, Ctrl+Q quitter.
Réglages : $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (par défaut ~/.config).
Environnement : HUELOUPE_PICKER=screen ou portal impose une pipette donnée.
</translation>
    </message>
</context>
<context>
    <name>hueloupe::CopyPopUpButton</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy %1</source>
        <translation>Copier %1</translation>
    </message>
    <message>
        <source>Copies the colour as %1</source>
        <translation>Copie la couleur sous la forme %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::FrozenScreen</name>
    <message>
        <source>Hueloupe loupe</source>
        <translation>Loupe de Hueloupe</translation>
    </message>
</context>
<context>
    <name>hueloupe::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation>Coller en &amp;texte brut</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>&amp;Couleur</translation>
    </message>
    <message>
        <source>Show or Hide the Colour &amp;Dialog</source>
        <translation>Afficher ou masquer la fenêtre des &amp;couleurs</translation>
    </message>
    <message>
        <source>Formatter &amp;Playground</source>
        <translation>&amp;Bac à sable des formats</translation>
    </message>
</context>
<context>
    <name>hueloupe::ModernColorWell</name>
    <message>
        <source>drag from here
to snap a color</source>
        <translation>glissez d’ici
pour saisir une couleur</translation>
    </message>
    <message>
        <source>no color picker</source>
        <translation>aucune pipette</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copié</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>collé</translation>
    </message>
    <message>
        <source>invalid CSS</source>
        <translation>CSS non valide</translation>
    </message>
    <message>
        <source>Colour well</source>
        <translation>Zone de couleur</translation>
    </message>
</context>
</TS>
