<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>SegyDocument</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>ViewApp</name>
    <message>
        <source>ZEL Vornik Viewer</source>
        <translation>ZEL Vornik Betrachter</translation>
    </message>
</context>
<context>
    <name>ViewWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>Textual header</source>
        <translation>Textkopf</translation>
    </message>
    <message>
        <source>Binary header</source>
        <translation>Binärkopf</translation>
    </message>
    <message>
        <source>Trace headers</source>
        <translation>Spurköpfe</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Export as PNG...</source>
        <translation>Als PNG &amp;exportieren...</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Grey</source>
        <translation>&amp;Grau</translation>
    </message>
    <message>
        <source>&amp;Red, white and blue</source>
        <translation>&amp;Rot, weiß und blau</translation>
    </message>
    <message>
        <source>&amp;Wiggles</source>
        <translation>&amp;Wiggle-Spuren</translation>
    </message>
    <message>
        <source>Ctrl+W</source>
        <translation>Ctrl+W</translation>
    </message>
    <message>
        <source>Gain &amp;up</source>
        <translation>Verstärkung &amp;höher</translation>
    </message>
    <message>
        <source>Ctrl+]</source>
        <translation>Ctrl+]</translation>
    </message>
    <message>
        <source>Gain &amp;down</source>
        <translation>Verstärkung &amp;niedriger</translation>
    </message>
    <message>
        <source>Ctrl+[</source>
        <translation>Ctrl+[</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Ctrl++</source>
        <translation>Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Ctrl+-</source>
        <translation>Ctrl+-</translation>
    </message>
    <message>
        <source>&amp;Fit to window</source>
        <translation>An Fenster an&amp;passen</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: showing the first %2 of %3 traces</source>
        <translation>%1: die ersten %2 von %3 Spuren werden gezeigt</translation>
    </message>
    <message>
        <source>%1: %2 traces of %3 samples, format %4</source>
        <translation>%1: %2 Spuren mit %3 Abtastwerten, Format %4</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Byte</source>
        <translation>Byte</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>trace %1, %2 ms, value %3, cdp %4, gain %5</source>
        <translation>Spur %1, %2 ms, Wert %3, CDP %4, Verstärkung %5</translation>
    </message>
    <message>
        <source>Open a seismic file</source>
        <translation>Seismische Datei öffnen</translation>
    </message>
    <message>
        <source>SEG-Y and SU files (*.sgy *.segy *.su *.SGY *.SEGY *.SU);;All files (*)</source>
        <translation>SEG-Y- und SU-Dateien (*.sgy *.segy *.su *.SGY *.SEGY *.SU);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export the view</source>
        <translation>Ansicht exportieren</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
</TS>
