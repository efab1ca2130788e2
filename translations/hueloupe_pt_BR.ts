<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>MainWindow</name>
    <message>
        <source>Press and drag, or press Enter, to pick a colour from the screen</source>
        <translation>Pressione e arraste, ou pressione Enter, para capturar uma cor da tela</translation>
    </message>
    <message>
        <source>Click to copy; hold to choose the format</source>
        <translation>Clique para copiar; mantenha pressionado para escolher o formato</translation>
    </message>
</context>
<context>
    <name>PlaygroundWindow</name>
    <message>
        <source>Formatter Playground</source>
        <translation>Área de testes de formatos</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Output:</source>
        <translation>Saída:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>empty history chip</source>
        <translation>espaço vazio do histórico</translation>
    </message>
    <message>
        <source>history colour %1</source>
        <translation>cor do histórico %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorHistoryView</name>
    <message>
        <source>Colour history</source>
        <translation>Histórico de cores</translation>
    </message>
</context>
<context>
    <name>hueloupe::ColorPanel</name>
    <message>
        <source>Colours</source>
        <translation>Cores</translation>
    </message>
</context>
<context>
    <name>hueloupe::CommandLine</name>
    <message>
        <source>Usage: hueloupe [Qt options]
       hueloupe --pick [--format FMT] [--no-copy] [Qt options]
       hueloupe --help | --version
</source>
        <translation>Uso: hueloupe [opções do Qt]
     hueloupe --pick [--format FMT] [--no-copy] [opções do Qt]
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
Hueloupe, um seletor de cores. Pressione na amostra de cor e arraste para capturar qualquer
pixel da tela; clique no botão de copiar para copiar a cor, ou mantenha-o pressionado para
escolher um dos onze formatos. Cole texto de cor CSS (#rrggbb, rgb(), hsl(), nomes de cores)
para torná-lo a cor atual.

  --pick         captura uma cor na hora, sem a janela principal: com a lupa no X11, com o
                 seletor de cores do ambiente no Wayland. A cor é impressa no formato,
                 seguida de uma quebra de linha, e copiada para a área de transferência.
  --format FMT   o formato para --pick: uma string de formato como &apos;rgb({r}, {g}, {b})&apos;
                 (hueloupe-cli --help as explica) ou um nome curto:
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
        <translation>                 Padrão: o último formato copiado; se não houver, hex.
  --no-copy      com --pick, imprime a cor mas não mexe na área de transferência.
  -h, --help     mostra esta ajuda.
  -v, --version  mostra a versão.
As opções do próprio Qt, como -platform NOME, -display NOME ou -style NOME, vão para o Qt.

Status de saída: 0 ao concluir (cor capturada); 1 quando uma captura é cancelada ou falha, ou
quando não há tela nem seletor de cores disponível; 2 para um erro de uso.

Atalhos: Ctrl+C copiar, Ctrl+V / Ctrl+Shift+V colar, Ctrl+Shift+C janela de cores,
Ctrl+Shift+P área de testes de formatos, Ctrl+Q sair.
Configurações: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf (padrão ~/.config).
Ambiente: HUELOUPE_PICKER=screen ou portal força um seletor de cores específico.
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
        <translation>Copia a cor como %1</translation>
    </message>
</context>
<context>
    <name>hueloupe::FrozenScreen</name>
    <message>
        <source>Hueloupe loupe</source>
        <translation>Lupa do Hueloupe</translation>
    </message>
</context>
<context>
    <name>hueloupe::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sai&amp;r</translation>
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
        <translation>Co&amp;lar</translation>
    </message>
    <message>
        <source>Paste as Plain &amp;Text</source>
        <translation>Colar como &amp;texto simples</translation>
    </message>
    <message>
        <source>C&amp;olour</source>
        <translation>&amp;Cor</translation>
    </message>
    <message>
        <source>Show or Hide the Colour &amp;Dialog</source>
        <translation>Mostrar ou ocultar a janela de &amp;cores</translation>
    </message>
    <message>
        <source>Formatter &amp;Playground</source>
        <translation>Área de &amp;testes de formatos</translation>
    </message>
</context>
<context>
    <name>hueloupe::ModernColorWell</name>
    <message>
        <source>drag from here
to snap a color</source>
        <translation>arraste daqui
para capturar uma cor</translation>
    </message>
    <message>
        <source>no color picker</source>
        <translation>sem conta-gotas</translation>
    </message>
    <message>
        <source>copied</source>
        <translation>copiado</translation>
    </message>
    <message>
        <source>pasted</source>
        <translation>colado</translation>
    </message>
    <message>
        <source>invalid CSS</source>
        <translation>CSS inválido</translation>
    </message>
    <message>
        <source>Colour well</source>
        <translation>Amostra de cor</translation>
    </message>
</context>
</TS>
