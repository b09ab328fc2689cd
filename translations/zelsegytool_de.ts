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
        <source>samples are already format %1; copied unchanged</source>
        <translation>die Samples haben schon Format %1; unverändert kopiert</translation>
    </message>
    <message>
        <source>converting</source>
        <translation>wandle um</translation>
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
        <source>--json and --scan belong to info</source>
        <translation>--json und --scan gehören zu info</translation>
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
    <message>
        <source>Read the file in this byte order.</source>
        <translation>Die Datei in dieser Bytereihenfolge lesen.</translation>
    </message>
    <message>
        <source>Read the samples as this format code.</source>
        <translation>Die Abtastwerte als diesen Formatcode lesen.</translation>
    </message>
    <message>
        <source>Read every trace as N samples long.</source>
        <translation>Jede Spur als N Abtastwerte lang lesen.</translation>
    </message>
    <message>
        <source>--endian takes big or little</source>
        <translation>--endian nimmt big oder little</translation>
    </message>
    <message>
        <source>--format takes a sample format code of the standard</source>
        <translation>--format nimmt einen Formatcode des Standards</translation>
    </message>
    <message>
        <source>--samples takes a count above zero</source>
        <translation>--samples nimmt eine Anzahl über null</translation>
    </message>
    <message>
        <source> (byte %1)</source>
        <translation> (Byte %1)</translation>
    </message>
    <message>
        <source>; %1 reads it otherwise</source>
        <translation>; %1 liest sie anders</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>varying</source>
        <translation>wechselnd</translation>
    </message>
    <message>
        <source>additional trace headers</source>
        <translation>zusätzliche Spurköpfe</translation>
    </message>
    <message>
        <source>first trace at byte</source>
        <translation>erste Spur bei Byte</translation>
    </message>
    <message>
        <source>trailer stanzas</source>
        <translation>Nachspann-Abschnitte</translation>
    </message>
    <message>
        <source>no temporary file can be created in %1: %2</source>
        <translation>in %1 kann keine temporäre Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>%1 samples beyond the float range became the largest float, %2 below its smallest became zero</source>
        <translation>%1 Abtastwerte jenseits des float-Bereichs wurden zum größten float, %2 unter seinem kleinsten wurden null</translation>
    </message>
    <message>
        <source>%1 infinities and NaNs became the largest IBM values</source>
        <translation>%1 Unendlichkeiten und NaNs wurden zu den größten IBM-Werten</translation>
    </message>
    <message>
        <source>extended textual header %1 (%2):
</source>
        <translation>erweiterter Text-Header %1 (%2):
</translation>
    </message>
    <message>
        <source>binary header:
</source>
        <translation>Binär-Header:
</translation>
    </message>
    <message>
        <source>trace %1:
</source>
        <translation>Spur %1:
</translation>
    </message>
    <message>
        <source>headers: a trace header field by keyword (cdp, offset, iline...), name, first byte, or BYTE:WIDTH; may be given more than once.</source>
        <translation>headers: ein Feld des Spur-Headers nach Kürzel (cdp, offset, iline...), Name, erstem Byte oder BYTE:BREITE; auch mehrmals.</translation>
    </message>
    <message>
        <source>headers: print the table of --field as CSV.</source>
        <translation>headers: die Tabelle von --field als CSV ausgeben.</translation>
    </message>
    <message>
        <source>headers: leave out fields that are 0.</source>
        <translation>headers: Felder, die 0 sind, weglassen.</translation>
    </message>
    <message>
        <source>headers: apply the coordinate and elevation scalars.</source>
        <translation>headers: die Skalare der Koordinaten und Höhen anwenden.</translation>
    </message>
    <message>
        <source>headers takes one FILE</source>
        <translation>headers nimmt eine DATEI</translation>
    </message>
    <message>
        <source>--field %1 names no trace header field</source>
        <translation>--field %1 nennt kein Feld des Spur-Headers</translation>
    </message>
    <message>
        <source>--traces takes A or A:B:STEP, counted from 0</source>
        <translation>--traces nimmt A oder A:B:SCHRITT, ab 0 gezählt</translation>
    </message>
    <message>
        <source>--csv prints the table of --field, not with --json</source>
        <translation>--csv gibt die Tabelle von --field aus, nicht mit --json</translation>
    </message>
    <message>
        <source>--nonzero belongs to the listings, not to --field</source>
        <translation>--nonzero gehört zu den Auflistungen, nicht zu --field</translation>
    </message>
    <message>
        <source>--field, --traces, --csv, --nonzero and --scale belong to headers</source>
        <translation>--field, --traces, --csv, --nonzero und --scale gehören zu headers</translation>
    </message>
    <message>
        <source>the revision field 0x%1 is none of the standard&apos;s (0.0, 1.0, 2.0, 2.1)</source>
        <translation>das Revisionsfeld 0x%1 ist keines des Standards (0.0, 1.0, 2.0, 2.1)</translation>
    </message>
    <message>
        <source>the byte order is inferred (%1): the binary header has no byte-order constant</source>
        <translation>die Bytereihenfolge ist erschlossen (%1): der Binär-Header hat keine Bytereihenfolge-Konstante</translation>
    </message>
    <message>
        <source>the binary header counts %1 traces; the file holds %2</source>
        <translation>der Binär-Header zählt %1 Spuren; die Datei enthält %2</translation>
    </message>
    <message>
        <source>%1 trace headers give a sample count other than %2, the first in trace %3</source>
        <translation>%1 Spur-Header nennen eine andere Sample-Anzahl als %2, der erste in Spur %3</translation>
    </message>
    <message>
        <source>%1 to %2 step %3 (%4)</source>
        <translation>%1 bis %2 in Schritten von %3 (%4)</translation>
    </message>
    <message>
        <source>survey</source>
        <translation>Vermessung</translation>
    </message>
    <message>
        <source>ensemble field</source>
        <translation>Ensemble-Feld</translation>
    </message>
    <message>
        <source>ensembles</source>
        <translation>Ensembles</translation>
    </message>
    <message>
        <source>sorted by ensemble</source>
        <translation>nach Ensemble sortiert</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>inline field</source>
        <translation>Inline-Feld</translation>
    </message>
    <message>
        <source>crossline field</source>
        <translation>Crossline-Feld</translation>
    </message>
    <message>
        <source>sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>inlines</source>
        <translation>Inlines</translation>
    </message>
    <message>
        <source>crosslines</source>
        <translation>Crosslines</translation>
    </message>
    <message>
        <source>traces per bin</source>
        <translation>Spuren je Bin</translation>
    </message>
    <message>
        <source>offsets</source>
        <translation>Offsets</translation>
    </message>
    <message>
        <source>bins</source>
        <translation>Bins</translation>
    </message>
    <message>
        <source>%1, %2 with traces</source>
        <translation>%1, %2 mit Spuren</translation>
    </message>
    <message>
        <source>missing bins</source>
        <translation>fehlende Bins</translation>
    </message>
    <message>
        <source>first missing</source>
        <translation>erste fehlende</translation>
    </message>
    <message>
        <source>duplicates</source>
        <translation>Doppelte</translation>
    </message>
    <message>
        <source>first duplicated</source>
        <translation>erste doppelte</translation>
    </message>
    <message>
        <source>corner %1/%2</source>
        <translation>Ecke %1/%2</translation>
    </message>
    <message>
        <source>no trace</source>
        <translation>keine Spur</translation>
    </message>
    <message>
        <source>no room for the stream in %1: %2</source>
        <translation>kein Platz für den Datenstrom in %1: %2</translation>
    </message>
    <message>
        <source>not a file or a pipe; zel-segy reads files, pipes and FIFOs</source>
        <translation>keine Datei und keine Pipe; zel-segy liest Dateien, Pipes und FIFOs</translation>
    </message>
    <message>
        <source>checking</source>
        <translation>prüfe</translation>
    </message>
    <message>
        <source>no problems found</source>
        <translation>keine Probleme gefunden</translation>
    </message>
    <message>
        <source>info, headers, geometry, check: print one JSON object.</source>
        <translation>info, headers, geometry, check: ein JSON-Objekt ausgeben.</translation>
    </message>
    <message>
        <source>info, headers, geometry, check or convert</source>
        <translation>info, headers, geometry, check oder convert</translation>
    </message>
    <message>
        <source>check takes one FILE</source>
        <translation>check nimmt eine DATEI</translation>
    </message>
    <message>
        <source>check takes --json and the options that read a file</source>
        <translation>check nimmt --json und die Optionen, die eine Datei lesen</translation>
    </message>
    <message>
        <source>geometry takes one FILE</source>
        <translation>geometry nimmt eine DATEI</translation>
    </message>
    <message>
        <source>geometry takes --json, --iline and --xline</source>
        <translation>geometry nimmt --json, --iline und --xline</translation>
    </message>
    <message>
        <source>read as IBM floats, %1 of %2 samples are unnormalised and %3 beyond the float range: IBM words written so, or IEEE floats under an IBM format code</source>
        <translation>als IBM-Gleitkommazahlen gelesen sind %1 von %2 Samples nicht normalisiert und %3 außerhalb des float-Bereichs: so geschriebene IBM-Wörter oder IEEE-Gleitkommazahlen unter einem IBM-Formatcode</translation>
    </message>
    <message>
        <source>headers, geometry: the inline numbers are the 4-byte field at BYTE (geometry needs --xline too).</source>
        <translation>headers, geometry: die Inline-Nummern sind das 4-Byte-Feld ab BYTE (geometry: mit --xline).</translation>
    </message>
    <message>
        <source>headers, geometry: the crossline numbers are the 4-byte field at BYTE.</source>
        <translation>headers, geometry: die Crossline-Nummern sind das 4-Byte-Feld ab BYTE.</translation>
    </message>
    <message>
        <source>Read the textual headers in this character code.</source>
        <translation>Die Textheader in diesem Zeichencode lesen.</translation>
    </message>
    <message>
        <source>Read the whole traces of a file whose last trace is cut short.</source>
        <translation>Die ganzen Spuren einer Datei lesen, deren letzte Spur abgeschnitten ist.</translation>
    </message>
    <message>
        <source>--text takes ebcdic or ascii</source>
        <translation>--text nimmt ebcdic oder ascii</translation>
    </message>
    <message>
        <source>--iline and --xline take the first byte (1 to 237) of a 4-byte field</source>
        <translation>--iline und --xline nehmen das erste Byte (1 bis 237) eines 4-Byte-Felds</translation>
    </message>
    <message>
        <source>--iline and --xline belong to headers and geometry</source>
        <translation>--iline und --xline gehören zu headers und geometry</translation>
    </message>
    <message>
        <source>geometry takes --iline and --xline together</source>
        <translation>geometry nimmt --iline und --xline nur zusammen</translation>
    </message>
    <message>
        <source>convert --to ibm: round each sample to the nearest IBM value, not toward zero.</source>
        <translation>convert --to ibm: jeden Abtastwert zum nächsten IBM-Wert runden, nicht gegen null.</translation>
    </message>
    <message>
        <source>--to, --round and --scan do not belong to headers</source>
        <translation>--to, --round und --scan gehören nicht zu headers</translation>
    </message>
    <message>
        <source>--to and --round belong to convert</source>
        <translation>--to und --round gehören zu convert</translation>
    </message>
    <message>
        <source>--round belongs to --to ibm</source>
        <translation>--round gehört zu --to ibm</translation>
    </message>
    <message>
        <source>the byte order of additional trace headers cannot be turned: their fields are their writer&apos;s</source>
        <translation>die Byte-Reihenfolge zusätzlicher Spur-Header lässt sich nicht umdrehen: ihre Felder sind die ihres Schreibers</translation>
    </message>
    <message>
        <source>the file is already in that byte order; copied unchanged</source>
        <translation>die Datei hat diese Byte-Reihenfolge schon; unverändert kopiert</translation>
    </message>
    <message>
        <source>convert: the output&apos;s byte order, every header field and sample turned.</source>
        <translation>convert: die Byte-Reihenfolge der Ausgabe, jedes Header-Feld und Sample umgedreht.</translation>
    </message>
    <message>
        <source>%1 samples that no float holds exactly became the nearest float</source>
        <translation>%1 Samples, die kein Float genau fasst, wurden zum nächsten Float</translation>
    </message>
    <message>
        <source>a terminal; redirect it to a file or a pipe</source>
        <translation>ein Terminal; in eine Datei oder eine Pipe umleiten</translation>
    </message>
    <message>
        <source>convert needs --to, --to-endian or --to-su for a SEG-Y file</source>
        <translation>convert braucht für eine SEG-Y-Datei --to, --to-endian oder --to-su</translation>
    </message>
    <message>
        <source>SU samples are IEEE floating point; --to ibm does not go with --to-su</source>
        <translation>SU-Samples sind IEEE-Gleitkommazahlen; --to ibm passt nicht zu --to-su</translation>
    </message>
    <message>
        <source>SU traces hold at most 65535 samples, and this file has traces of %1</source>
        <translation>SU-Spuren fassen höchstens 65535 Samples, und diese Datei hat Spuren mit %1</translation>
    </message>
    <message>
        <source>convert: write an SU file, the traces alone with IEEE samples (an SU file becomes SEG-Y otherwise).</source>
        <translation>convert: eine SU-Datei schreiben, nur die Spuren mit IEEE-Samples (eine SU-Datei wird sonst zu SEG-Y).</translation>
    </message>
    <message>
        <source>convert takes --to ieee|ibm and --to-endian big|little</source>
        <translation>convert nimmt --to ieee|ibm und --to-endian big|little</translation>
    </message>
    <message>
        <source>--time needs a sample interval, and the file gives none</source>
        <translation>--time braucht ein Abtastintervall, und die Datei nennt keines</translation>
    </message>
    <message>
        <source>the delay recording time of %1 traces rounded to whole milliseconds</source>
        <translation>die Verzögerungszeit von %1 Spuren auf ganze Millisekunden gerundet</translation>
    </message>
    <message>
        <source>no trace kept</source>
        <translation>keine Spur behalten</translation>
    </message>
    <message>
        <source>Inspects SEG-Y and SU files and converts their samples between IBM and
IEEE floating point.

Commands:
  info FILE       byte order, revision, sample format, interval, samples per
                  trace, traces, extended headers and the textual header
  headers FILE    the textual and binary headers, field by field; with
                  --traces, every field of those trace headers; with --field,
                  a table of those fields, one row per trace
  geometry FILE   the survey&apos;s grid from the trace headers: the inline and
                  crossline fields, sorting, ranges, missing and repeated
                  bins, corners
  check FILE      every inconsistency found, each with the option that reads
                  the file anyway; status 1 when there is one
  convert IN OUT  copies IN to OUT with every sample converted (--to) or
                  every word turned (--to-endian)
  crop IN OUT     copies the traces and samples chosen of IN to OUT, with
                  the headers set to match; converts as convert does</source>
        <translation>Untersucht SEG-Y- und SU-Dateien und wandelt ihre Samples zwischen IBM- und
IEEE-Gleitkommazahlen um.

Befehle:
  info DATEI       Bytereihenfolge, Revision, Sample-Format, Intervall,
                   Samples je Spur, Spuren, erweiterte Header und Text-Header
  headers DATEI    Text- und Binär-Header, Feld für Feld; mit --traces jedes
                   Feld dieser Spur-Header; mit --field eine Tabelle dieser
                   Felder, eine Zeile je Spur
  geometry DATEI   das Raster der Vermessung aus den Spur-Headern: Inline- und
                   Crossline-Felder, Sortierung, Bereiche, fehlende und
                   doppelte Bins, Ecken
  check DATEI      jede gefundene Unstimmigkeit, jede mit der Option, die die
                   Datei trotzdem liest; Status 1, wenn es eine gibt
  convert EIN AUS  kopiert EIN nach AUS, jedes Sample umgewandelt (--to) oder
                   jedes Wort umgedreht (--to-endian)
  crop EIN AUS     kopiert die gewählten Spuren und Samples von EIN nach AUS,
                   die Header passend gesetzt; wandelt um wie convert</translation>
    </message>
    <message>
        <source>headers, crop: the traces, from 0: A, or A:B:STEP up to but not including B (any part may be left out).</source>
        <translation>headers, crop: die Spuren, ab 0: A, oder A:B:STEP bis ausschließlich B (jeder Teil darf fehlen).</translation>
    </message>
    <message>
        <source>crop: keep the traces whose FIELD lies from LO to HI, both included (either may be left out); may be given more than once.</source>
        <translation>crop: die Spuren behalten, deren FIELD von LO bis HI reicht, beide mit (jedes darf fehlen); auch mehrmals.</translation>
    </message>
    <message>
        <source>crop: keep the samples from A up to but not including B, counted from 0.</source>
        <translation>crop: die Samples von A bis ausschließlich B behalten, ab 0 gezählt.</translation>
    </message>
    <message>
        <source>crop: keep the samples from T0 up to but not including T1 milliseconds, timed from the first trace&apos;s delay.</source>
        <translation>crop: die Samples von T0 bis ausschließlich T1 Millisekunden behalten, ab der Verzögerung der ersten Spur.</translation>
    </message>
    <message>
        <source>--where, --window and --time belong to crop</source>
        <translation>--where, --window und --time gehören zu crop</translation>
    </message>
    <message>
        <source>%1 takes IN and OUT</source>
        <translation>%1 nimmt EIN und AUS</translation>
    </message>
    <message>
        <source>--field, --csv, --nonzero and --scale belong to headers, --traces to headers and crop</source>
        <translation>--field, --csv, --nonzero und --scale gehören zu headers, --traces zu headers und crop</translation>
    </message>
    <message>
        <source>--where takes FIELD=LO:HI, FIELD a trace header field, LO and HI numbers</source>
        <translation>--where nimmt FIELD=LO:HI, FIELD ein Feld des Spur-Headers, LO und HI Zahlen</translation>
    </message>
    <message>
        <source>--window and --time do not go together</source>
        <translation>--window und --time passen nicht zusammen</translation>
    </message>
    <message>
        <source>--window takes A:B, sample numbers from 0</source>
        <translation>--window nimmt A:B, Samplenummern ab 0</translation>
    </message>
    <message>
        <source>--time takes T0:T1 in milliseconds</source>
        <translation>--time nimmt T0:T1 in Millisekunden</translation>
    </message>
    <message>
        <source>the window keeps no sample of traces of at most %1 samples</source>
        <translation>das Fenster behält kein Sample von Spuren mit höchstens %1 Samples</translation>
    </message>
</context>
</TS>
