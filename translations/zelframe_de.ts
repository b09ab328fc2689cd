<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppConsole</name>
    <message>
        <source>error opening file: %1</source>
        <translation>Fehler beim Öffnen der Datei: %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>error writing file: %1: %2</source>
        <translation>Fehler beim Schreiben der Datei: %1: %2</translation>
    </message>
</context>
<context>
    <name>ZelAboutDlg</name>
    <message>
        <source>%1   version %2.%3.%4</source>
        <translation>%1   Version %2.%3.%4</translation>
    </message>
</context>
<context>
    <name>ZelAboutDlgUi</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Copyright © 2026 Zelmorra Corp</source>
        <translation>Copyright © 2026 Zelmorra Corp</translation>
    </message>
</context>
<context>
    <name>ZelApp</name>
    <message>
        <source>%1: cannot start: %2</source>
        <translation>%1: kann nicht starten: %2</translation>
    </message>
    <message>
        <source>no display (%1 is not set)</source>
        <translation>kein Bildschirm (%1 ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>display &quot;%1&quot; unreachable</source>
        <translation>Bildschirm &quot;%1&quot; nicht erreichbar</translation>
    </message>
    <message>
        <source>unknown platform &quot;%1&quot;</source>
        <translation>unbekannte Plattform &quot;%1&quot;</translation>
    </message>
    <message>
        <source>platform &quot;%1&quot; failed to start</source>
        <translation>Plattform &quot;%1&quot; ließ sich nicht starten</translation>
    </message>
    <message>
        <source>no graphical platform could be started</source>
        <translation>keine grafische Plattform ließ sich starten</translation>
    </message>
    <message>
        <source>no graphical display (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>kein grafischer Bildschirm (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
</context>
</TS>
