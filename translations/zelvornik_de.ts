<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>VkMainWindow</name>
    <message>
        <source>version %1.%2</source>
        <translation>Version %1.%2</translation>
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
