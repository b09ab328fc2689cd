<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
