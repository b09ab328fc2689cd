<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ZelSegy</name>
    <message>
        <source>the extended textual headers have no ending stanza</source>
        <translation>den erweiterten Text-Headern fehlt die Schluss-Stanza</translation>
    </message>
    <message>
        <source>sample format code %1 is not one of the standard&apos;s</source>
        <translation>der Sample-Formatcode %1 ist keiner des Standards</translation>
    </message>
    <message>
        <source>the binary header gives %1 samples per trace and the first trace header %2; both fit the file length</source>
        <translation>der Binär-Header nennt %1 Samples je Spur und der erste Spur-Header %2; beide passen zur Dateilänge</translation>
    </message>
    <message>
        <source>samples per trace taken from the trace headers (%1; the binary header gives %2)</source>
        <translation>Samples je Spur aus den Spur-Headern genommen (%1; der Binär-Header nennt %2)</translation>
    </message>
    <message>
        <source>the file length is not the headers plus whole traces of %1 bytes: %2 bytes left over</source>
        <translation>die Dateilänge ist nicht die der Header plus ganzer Spuren von %1 Bytes: %2 Bytes bleiben übrig</translation>
    </message>
    <message>
        <source>the binary header gives zero samples per trace</source>
        <translation>der Binär-Header nennt null Samples je Spur</translation>
    </message>
    <message>
        <source>file ended early</source>
        <translation>Datei endet zu früh</translation>
    </message>
    <message>
        <source>%1 additional trace headers per trace do not fit the file</source>
        <translation>%1 zusätzliche Spurköpfe je Spur passen nicht in die Datei</translation>
    </message>
    <message>
        <source>the first trace is said to start at byte %1, past the end</source>
        <translation>die erste Spur soll bei Byte %1 beginnen, hinter dem Dateiende</translation>
    </message>
    <message>
        <source>a trailer of %1 stanzas cannot be read</source>
        <translation>ein Nachspann aus %1 Abschnitten kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>trace %1 at byte %2 is cut short by the end of the traces</source>
        <translation>Spur %1 bei Byte %2 wird vom Ende der Spuren abgeschnitten</translation>
    </message>
    <message>
        <source>trace %1 at byte %2 has no samples</source>
        <translation>Spur %1 bei Byte %2 hat keine Abtastwerte</translation>
    </message>
    <message>
        <source>%1 bytes, shorter than the %2 bytes of the file headers</source>
        <translation>%1 Bytes, kürzer als die %2 Bytes der Dateiköpfe</translation>
    </message>
    <message>
        <source>%1 extended textual headers</source>
        <translation>%1 erweiterte Textköpfe</translation>
    </message>
    <message>
        <source>%1 bytes, shorter than its %2 extended textual headers</source>
        <translation>%1 Bytes, kürzer als ihre %2 erweiterten Textköpfe</translation>
    </message>
    <message>
        <source>the first trace is said to start at byte %1, inside the file headers</source>
        <translation>die erste Spur soll bei Byte %1 beginnen, innerhalb der Dateiköpfe</translation>
    </message>
    <message>
        <source>%1 trailer stanzas do not fit after the file headers</source>
        <translation>%1 Nachspann-Abschnitte passen nicht hinter die Dateiköpfe</translation>
    </message>
    <message>
        <source>traces differ in length; each is read as long as its header says</source>
        <translation>die Spuren sind verschieden lang; jede wird so lang gelesen, wie ihr Kopf angibt</translation>
    </message>
    <message>
        <source>the last trace is cut short: its %1 bytes are left out</source>
        <translation>die letzte Spur ist abgeschnitten: ihre %1 Bytes werden ausgelassen</translation>
    </message>
    <message>
        <source>SU traces, the last one cut short by %1 bytes</source>
        <translation>SU-Spuren, die letzte um %1 Bytes abgeschnitten</translation>
    </message>
    <message>
        <source>the trailer stanzas have no ending stanza</source>
        <translation>den Trailer-Stanzas fehlt die Schluss-Stanza</translation>
    </message>
</context>
</TS>
