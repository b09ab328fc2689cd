<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>VkApp</name>
    <message>
        <source>%1: %2 (&quot;%1 --help&quot; lists the options)
</source>
        <translation>%1: %2 (&quot;%1 --help&quot; listet die Optionen auf)
</translation>
    </message>
    <message>
        <source>Usage: %1 [OPTION]...
Shows the main window of ZEL Vornik.

  -h, --help     print this help and exit
      --version  print the version of the program and of Qt, and exit
  --             end of the options

The toolkit&apos;s options, with one dash or two (see %1(1)):
</source>
        <translation>Aufruf: %1 [OPTION]...
Zeigt das Hauptfenster von ZEL Vornik.

  -h, --help     diese Hilfe ausgeben und beenden
      --version  die Version des Programms und von Qt ausgeben und beenden
  --             Ende der Optionen

Optionen des Toolkits, mit einem oder zwei Bindestrichen (siehe %1(1)):
</translation>
    </message>
    <message>
        <source>  with a value:</source>
        <translation>  mit Wert:</translation>
    </message>
    <message>
        <source>  without:</source>
        <translation>  ohne Wert:</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option &apos;%1&apos; needs a value</source>
        <translation>Option &apos;%1&apos; braucht einen Wert</translation>
    </message>
</context>
<context>
    <name>VkMainWindow</name>
    <message>
        <source>version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1: the window&apos;s position is not kept: %2</source>
        <translation>%1: die Position des Fensters wird nicht gespeichert: %2</translation>
    </message>
    <message>
        <source>%1 is locked</source>
        <translation>%1 ist gesperrt</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>VkMainWindowUi</name>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
</context>
</TS>
