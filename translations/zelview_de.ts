<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>FieldChooser</name>
    <message>
        <source>Trace header fields</source>
        <translation>Spurkopffelder</translation>
    </message>
    <message>
        <source>The fields shown in the trace header table and the status bar:</source>
        <translation>Die Felder, die die Spurkopftabelle und die Statusleiste zeigen:</translation>
    </message>
    <message>
        <source>%1  %2 (byte %3)</source>
        <translation>%1  %2 (Byte %3)</translation>
    </message>
</context>
<context>
    <name>SectionRead</name>
    <message>
        <source>the read was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>cannot read %1 bytes at byte %2: %3</source>
        <translation>%1 Bytes ab Byte %2 können nicht gelesen werden: %3</translation>
    </message>
</context>
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
    <message>
        <source>Shows the traces and headers of SEG-Y and SU files.</source>
        <translation>Zeigt die Spuren und Köpfe von SEG-Y- und SU-Dateien.</translation>
    </message>
    <message>
        <source>Files to open; the last one is shown.</source>
        <translation>Zu öffnende Dateien; die letzte wird gezeigt.</translation>
    </message>
    <message>
        <source>[file...]</source>
        <translation>[Datei...]</translation>
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
    <message>
        <source>First traces</source>
        <translation>Erste Spuren</translation>
    </message>
    <message>
        <source>Inline</source>
        <translation>Inline</translation>
    </message>
    <message>
        <source>Crossline</source>
        <translation>Crossline</translation>
    </message>
    <message>
        <source>Time slice</source>
        <translation>Zeitscheibe</translation>
    </message>
    <message>
        <source>Header plot</source>
        <translation>Kopffeld-Diagramm</translation>
    </message>
    <message>
        <source>Trace header &amp;fields...</source>
        <translation>Spurkopf&amp;felder...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>%1: a cube of %2 inlines (%3 to %4) and %5 crosslines (%6 to %7); %8 of %9 bins hold a trace</source>
        <translation>%1: ein Würfel aus %2 Inlines (%3 bis %4) und %5 Crosslines (%6 bis %7); %8 von %9 Zellen haben eine Spur</translation>
    </message>
    <message>
        <source>%1: the read was cancelled</source>
        <translation>%1: das Lesen wurde abgebrochen</translation>
    </message>
    <message>
        <source>trace</source>
        <translation>Spur</translation>
    </message>
    <message>
        <source>crossline</source>
        <translation>Crossline</translation>
    </message>
    <message>
        <source>inline</source>
        <translation>Inline</translation>
    </message>
    <message>
        <source>time (ms)</source>
        <translation>Zeit (ms)</translation>
    </message>
    <message>
        <source>sample</source>
        <translation>Abtastwert</translation>
    </message>
    <message>
        <source>%1 against %2</source>
        <translation>%1 über %2</translation>
    </message>
    <message>
        <source>inline %1</source>
        <translation>Inline %1</translation>
    </message>
    <message>
        <source>crossline %1</source>
        <translation>Crossline %1</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>no trace</source>
        <translation>keine Spur</translation>
    </message>
    <message>
        <source>trace %1</source>
        <translation>Spur %1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>sample %1</source>
        <translation>Abtastwert %1</translation>
    </message>
    <message>
        <source>value %1</source>
        <translation>Wert %1</translation>
    </message>
    <message>
        <source>gain %1</source>
        <translation>Verstärkung %1</translation>
    </message>
</context>
<context>
    <name>WatchedFile</name>
    <message>
        <source>the read was cancelled</source>
        <translation>das Lesen wurde abgebrochen</translation>
    </message>
</context>
</TS>
