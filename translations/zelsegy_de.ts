<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>SegyTool</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>&apos;%1 --help&apos; zeigt weitere Informationen.</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>write failed</source>
        <translation>Schreiben fehlgeschlagen</translation>
    </message>
    <message>
        <source>the file name is empty</source>
        <translation>der Dateiname ist leer</translation>
    </message>
    <message>
        <source>scanning</source>
        <translation>lese</translation>
    </message>
    <message>
        <source>the output file name is empty</source>
        <translation>der Name der Ausgabedatei ist leer</translation>
    </message>
    <message>
        <source>samples are format %1 (%2); only IBM (1) and IEEE (5) floating point convert</source>
        <translation>die Samples haben Format %1 (%2); nur IBM- (1) und IEEE-Gleitkommazahlen (5) lassen sich umwandeln</translation>
    </message>
    <message>
        <source>samples are already format %1; copied unchanged</source>
        <translation>die Samples haben schon Format %1; unverändert kopiert</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>wandle um</translation>
    </message>
    <message>
        <source>Inspects SEG-Y files and converts their samples between IBM and IEEE
floating point.

Commands:
  info FILE       byte order, revision, sample format, interval, samples per
                  trace, traces, extended headers and the textual header
  convert IN OUT  copies IN to OUT with every sample converted (needs --to)</source>
        <translation>Untersucht SEG-Y-Dateien und wandelt ihre Samples zwischen IBM- und
IEEE-Gleitkommazahlen um.

Befehle:
  info DATEI       Bytereihenfolge, Revision, Sample-Format, Intervall,
                   Samples je Spur, Spuren, erweiterte Header und Text-Header
  convert EIN AUS  kopiert EIN nach AUS, jedes Sample umgewandelt (mit --to)</translation>
    </message>
    <message>
        <source>info: print one JSON object.</source>
        <translation>info: ein JSON-Objekt ausgeben.</translation>
    </message>
    <message>
        <source>info: read every sample; report minimum, maximum, RMS and rare IBM words.</source>
        <translation>info: jedes Sample lesen; Minimum, Maximum, RMS und seltene IBM-Wörter melden.</translation>
    </message>
    <message>
        <source>convert: target sample format.</source>
        <translation>convert: Ziel-Sample-Format.</translation>
    </message>
    <message>
        <source>Show no progress line.</source>
        <translation>Keine Fortschrittszeile zeigen.</translation>
    </message>
    <message>
        <source>info or convert</source>
        <translation>info oder convert</translation>
    </message>
    <message>
        <source>FILE, or IN and OUT</source>
        <translation>DATEI, oder EIN und AUS</translation>
    </message>
    <message>
        <source>files...</source>
        <translation>Dateien...</translation>
    </message>
    <message>
        <source>info takes one FILE</source>
        <translation>info braucht eine DATEI</translation>
    </message>
    <message>
        <source>--to belongs to convert</source>
        <translation>--to gehört zu convert</translation>
    </message>
    <message>
        <source>convert takes IN and OUT</source>
        <translation>convert braucht EIN und AUS</translation>
    </message>
    <message>
        <source>--json and --scan belong to info</source>
        <translation>--json und --scan gehören zu info</translation>
    </message>
    <message>
        <source>convert needs --to ieee or --to ibm</source>
        <translation>convert braucht --to ieee oder --to ibm</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>unbekannter Befehl &apos;%1&apos;</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>byte order</source>
        <translation>Bytereihenfolge</translation>
    </message>
    <message>
        <source>revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>sample format</source>
        <translation>Sample-Format</translation>
    </message>
    <message>
        <source>sample interval</source>
        <translation>Sample-Intervall</translation>
    </message>
    <message>
        <source>samples per trace</source>
        <translation>Samples je Spur</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>Spuren</translation>
    </message>
    <message>
        <source>extended textual headers</source>
        <translation>erweiterte Text-Header</translation>
    </message>
    <message>
        <source>note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>samples read</source>
        <translation>gelesene Samples</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>rms</source>
        <translation>RMS</translation>
    </message>
    <message>
        <source>unnormalised words</source>
        <translation>nicht normalisierte Wörter</translation>
    </message>
    <message>
        <source>dirty zeros</source>
        <translation>unsaubere Nullen</translation>
    </message>
    <message>
        <source>beyond float range</source>
        <translation>außerhalb des float-Bereichs</translation>
    </message>
    <message>
        <source>infinities and NaNs</source>
        <translation>Unendlich und NaN</translation>
    </message>
    <message>
        <source>textual header (%1):
</source>
        <translation>Text-Header (%1):
</translation>
    </message>
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
        <source>%1 bytes, shorter than the %2 bytes of the file headers</source>
        <translation>%1 Bytes, kürzer als die %2 Bytes der Datei-Header</translation>
    </message>
    <message>
        <source>traces with additional trace headers are not supported</source>
        <translation>Spuren mit zusätzlichen Spur-Headern werden nicht unterstützt</translation>
    </message>
    <message>
        <source>the binary header gives zero samples per trace</source>
        <translation>der Binär-Header nennt null Samples je Spur</translation>
    </message>
    <message>
        <source>%1 extended textual headers</source>
        <translation>%1 erweiterte Text-Header</translation>
    </message>
    <message>
        <source>%1 bytes, shorter than its %2 extended textual headers</source>
        <translation>%1 Bytes, kürzer als ihre %2 erweiterten Text-Header</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>unterbrochen</translation>
    </message>
    <message>
        <source>file ended early</source>
        <translation>Datei endet zu früh</translation>
    </message>
    <message>
        <source>command</source>
        <translation>Befehl</translation>
    </message>
</context>
</TS>
