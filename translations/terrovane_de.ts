<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>关于 Terrovane(&amp;A)...</source>
        <translation>Über Terrovane (&amp;A)...</translation>
    </message>
    <message>
        <source>关于 Terrovane</source>
        <translation>Über Terrovane</translation>
    </message>
    <message>
        <source>接地电阻测试仪v1.0 </source>
        <translation>Erdungsmessgerät v1.0</translation>
    </message>
    <message>
        <source>本软件主要包括如下功能：</source>
        <translation>Dieses Programm bietet folgende Funktionen:</translation>
    </message>
    <message>
        <source>1.读取:将测试仪中的数据读入PC并以图形方式显示; </source>
        <translation>1. Lesen: liest die Messwerte des Prüfgeräts in den PC und zeigt sie grafisch an;</translation>
    </message>
    <message>
        <source>2.保存:将测试仪中的数据保存至Excel表;</source>
        <translation>2. Speichern: speichert die Messwerte des Prüfgeräts als Excel-Arbeitsmappe;</translation>
    </message>
    <message>
        <source>3.打印:将测试仪中的数据以表格方式打印;</source>
        <translation>3. Drucken: druckt die Messwerte des Prüfgeräts als Tabelle;</translation>
    </message>
    <message>
        <source>4.显示:连续按该按钮可以实现循环显示一组数据;</source>
        <translation>4. Anzeigen: wiederholtes Drücken schaltet durch die Werte eines Messergebnisses;</translation>
    </message>
    <message>
        <source>5.设置:对测试仪中的时间日期进行设置;</source>
        <translation>5. Einstellen: stellt Datum und Uhrzeit des Prüfgeräts;</translation>
    </message>
    <message>
        <source>6.删除:对测试仪中的一组或所有数据进行删除;</source>
        <translation>6. Löschen: löscht ein oder alle Messergebnisse im Prüfgerät;</translation>
    </message>
    <message>
        <source>7.退出:终止本程序.</source>
        <translation>7. Beenden: beendet dieses Programm.</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>AnalysisNotes</name>
    <message>
        <source>slot %1</source>
        <translation>Speicherplatz %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <source>%1: %2 %3 is over range, no measured value; left out</source>
        <translation>%1: %2 %3 liegt über dem Messbereich, kein Messwert; ausgelassen</translation>
    </message>
    <message>
        <source>%1: no valid %2; left out</source>
        <translation>%1: kein gültiger Wert %2; ausgelassen</translation>
    </message>
    <message>
        <source>%1: doubtful (%2); left out</source>
        <translation>%1: zweifelhaft (%2); ausgelassen</translation>
    </message>
    <message>
        <source>%1: no measuring distance; left out</source>
        <translation>%1: kein Messabstand; ausgelassen</translation>
    </message>
    <message>
        <source>%1: distance shown as &gt;99; the stored %2 m is used</source>
        <translation>%1: Abstand als &gt;99 angezeigt; die gespeicherten %2 m werden verwendet</translation>
    </message>
    <message>
        <source>%1 results at %2 m: their geometric mean is used</source>
        <translation>%1 Ergebnisse bei %2 m: ihr geometrisches Mittel wird verwendet</translation>
    </message>
    <message>
        <source>the starting model could not be computed</source>
        <translation>das Startmodell konnte nicht berechnet werden</translation>
    </message>
    <message>
        <source>the solver stopped after %1 iterations without converging</source>
        <translation>die Anpassung endete nach %1 Iterationen ohne zu konvergieren</translation>
    </message>
    <message>
        <source>the solver stopped without converging: %1</source>
        <translation>die Anpassung endete ohne zu konvergieren: %1</translation>
    </message>
    <message>
        <source>slot %1 of %2</source>
        <translation>Speicherplatz %1 vom %2</translation>
    </message>
</context>
<context>
    <name>ArchiveProblems</name>
    <message>
        <source>a site needs a name</source>
        <translation>eine Anlage braucht einen Namen</translation>
    </message>
    <message>
        <source>a position needs both latitude and longitude</source>
        <translation>eine Position braucht Breite und Länge</translation>
    </message>
    <message>
        <source>latitude runs from -90 to 90 and longitude from -180 to 180</source>
        <translation>die Breite reicht von -90 bis 90 und die Länge von -180 bis 180</translation>
    </message>
    <message>
        <source>a limit is a resistance above 0 ohm</source>
        <translation>ein Grenzwert ist ein Widerstand über 0 Ohm</translation>
    </message>
    <message>
        <source>a test interval runs from 1 to 600 months</source>
        <translation>ein Prüfintervall reicht von 1 bis 600 Monaten</translation>
    </message>
    <message>
        <source>there is already a site named &quot;%1&quot;</source>
        <translation>es gibt bereits eine Anlage namens „%1“</translation>
    </message>
    <message>
        <source>there is no site &quot;%1&quot;</source>
        <translation>es gibt keine Anlage „%1“</translation>
    </message>
    <message>
        <source>a test point needs a name</source>
        <translation>ein Prüfpunkt braucht einen Namen</translation>
    </message>
    <message>
        <source>the site already has a test point named &quot;%1&quot;</source>
        <translation>die Anlage hat bereits einen Prüfpunkt namens „%1“</translation>
    </message>
    <message>
        <source>that site already has a test point of the same name</source>
        <translation>diese Anlage hat bereits einen Prüfpunkt gleichen Namens</translation>
    </message>
    <message>
        <source>there is no test point &quot;%1&quot; at site &quot;%2&quot;</source>
        <translation>es gibt keinen Prüfpunkt „%1“ in der Anlage „%2“</translation>
    </message>
    <message>
        <source>the site has %1 test points from the chosen one on, fewer than the %2 results</source>
        <translation>die Anlage hat ab dem gewählten Prüfpunkt %1 Prüfpunkte, weniger als die %2 Ergebnisse</translation>
    </message>
    <message>
        <source>a limit is a preset name (see &quot;terrovane-cli limits&quot;) or a resistance in ohms above 0, not &quot;%1&quot;</source>
        <translation>ein Grenzwert ist der Name einer Vorgabe (siehe „terrovane-cli limits“) oder ein Widerstand in Ohm über 0, nicht „%1“</translation>
    </message>
    <message>
        <source>a limit&apos;s source after the comma may not be empty</source>
        <translation>die Quelle eines Grenzwerts nach dem Komma darf nicht leer sein</translation>
    </message>
    <message>
        <source>there is no site %1</source>
        <translation>es gibt keine Anlage %1</translation>
    </message>
    <message>
        <source>there is no test point %1</source>
        <translation>es gibt keinen Prüfpunkt %1</translation>
    </message>
    <message>
        <source>there is no result %1</source>
        <translation>es gibt kein Ergebnis %1</translation>
    </message>
    <message>
        <source>there is no read-out %1</source>
        <translation>es gibt keine Auslesung %1</translation>
    </message>
    <message>
        <source>there is no soil model %1</source>
        <translation>es gibt kein Bodenmodell %1</translation>
    </message>
    <message>
        <source>there is no fall-of-potential curve %1</source>
        <translation>es gibt keine Spannungstrichter-Kurve %1</translation>
    </message>
    <message>
        <source>there is no grid assessment %1</source>
        <translation>es gibt keine Bewertung des Erdungsgitters %1</translation>
    </message>
    <message>
        <source>there is no typed result %1</source>
        <translation>es gibt kein eingetipptes Ergebnis %1</translation>
    </message>
    <message>
        <source>a value is typed NAME=VALUE with its unit, as Re=12.5 or Re=&gt;300k, not &quot;%1&quot;</source>
        <translation>ein Wert wird als NAME=WERT mit seiner Einheit eingegeben, etwa Re=12.5 oder Re=&gt;300k, nicht „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no value name (Re, Rs, Rh, Rk, Rac, R, rho, I)</source>
        <translation>„%1“ ist kein Wertname (Re, Rs, Rh, Rk, Rac, R, rho, I)</translation>
    </message>
    <message>
        <source>the value of %1 is no number: &quot;%2&quot;</source>
        <translation>der Wert von %1 ist keine Zahl: „%2“</translation>
    </message>
    <message>
        <source>the value of %1 may not be negative</source>
        <translation>der Wert von %1 darf nicht negativ sein</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no unit of %2, which takes %3</source>
        <translation>„%1“ ist keine Einheit von %2; möglich sind %3</translation>
    </message>
    <message>
        <source>there is no method &quot;%1&quot;; the methods are %2</source>
        <translation>es gibt kein Verfahren „%1“; die Verfahren sind %2</translation>
    </message>
    <message>
        <source>a result of the method %1 has no value %2; it takes %3</source>
        <translation>ein Ergebnis des Verfahrens %1 hat keinen Wert %2; möglich sind %3</translation>
    </message>
    <message>
        <source>a result of the method %1 needs its value %2</source>
        <translation>ein Ergebnis des Verfahrens %1 braucht seinen Wert %2</translation>
    </message>
    <message>
        <source>the value %1 is given twice</source>
        <translation>der Wert %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>the measuring date and time are written YYYY-MM-DD HH:MM and must exist, not &quot;%1&quot;</source>
        <translation>Messdatum und -zeit werden als JJJJ-MM-TT HH:MM geschrieben und müssen existieren, nicht „%1“</translation>
    </message>
    <message>
        <source>the measuring date %1 lies in the future</source>
        <translation>das Messdatum %1 liegt in der Zukunft</translation>
    </message>
    <message>
        <source>the instrument, who measured, who typed and the note take at most %1 characters each</source>
        <translation>Gerät, Messender, Eingebender und Notiz haben je höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>typed result %1 has been corrected by %2 already; correct the newest version</source>
        <translation>das eingetippte Ergebnis %1 wurde bereits durch %2 korrigiert; korrigieren Sie die neueste Fassung</translation>
    </message>
    <message>
        <source>there is no attachment %1</source>
        <translation>es gibt keinen Anhang %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be attached: only JPEG and PNG photos and PDF documents can</source>
        <translation>„%1“ kann nicht angehängt werden: nur JPEG- und PNG-Fotos und PDF-Dokumente</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is named as a %2 file but is none</source>
        <translation>„%1“ heißt wie eine %2-Datei, ist aber keine</translation>
    </message>
    <message>
        <source>the image &quot;%1&quot; cannot be read: %2</source>
        <translation>das Bild „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB, the most a file attached may be</source>
        <translation>„%1“ ist größer als %2 MB, das Höchstmaß für einen Anhang</translation>
    </message>
    <message>
        <source>a caption takes at most %1 characters</source>
        <translation>eine Bildunterschrift hat höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>the firm&apos;s name, phone, e-mail and licence take at most %1 characters each, its address %2, all as text</source>
        <translation>Name, Telefon, E-Mail und Zulassung der Firma fassen je höchstens %1 Zeichen, ihre Anschrift %2, alles als Text</translation>
    </message>
    <message>
        <source>a report number&apos;s prefix is 1 to 12 letters (A-Z) and digits, not &quot;%1&quot;</source>
        <translation>das Präfix einer Berichtsnummer besteht aus 1 bis 12 Buchstaben (A-Z) und Ziffern, nicht „%1“</translation>
    </message>
    <message>
        <source>the logo is larger than %1 kB, the most a logo may be</source>
        <translation>das Logo ist größer als %1 kB, die Höchstgröße eines Logos</translation>
    </message>
    <message>
        <source>the logo is neither a PNG image nor an SVG drawing</source>
        <translation>das Logo ist weder ein PNG-Bild noch eine SVG-Zeichnung</translation>
    </message>
    <message>
        <source>the firm has no prefix for its report numbers yet: set one (terrovane-cli firm set --prefix P, or Settings &gt; Firm... in the archive window)</source>
        <translation>die Firma hat noch kein Präfix für ihre Berichtsnummern: legen Sie eines fest (terrovane-cli firm set --prefix P oder Einstellungen &gt; Firma... im Archivfenster)</translation>
    </message>
    <message>
        <source>no report numbered &quot;%1&quot; was issued from this archive</source>
        <translation>aus diesem Archiv wurde kein Bericht mit der Nummer „%1“ ausgegeben</translation>
    </message>
    <message>
        <source>report %1 has no revision %2</source>
        <translation>Bericht %1 hat keine Revision %2</translation>
    </message>
    <message>
        <source>report %1 was issued for the site &quot;%2&quot;, not for &quot;%3&quot;</source>
        <translation>Bericht %1 wurde für die Anlage „%2“ ausgegeben, nicht für „%3“</translation>
    </message>
    <message>
        <source>revision %1 of report %2 was issued meanwhile; issue it again</source>
        <translation>Revision %1 von Bericht %2 wurde inzwischen ausgegeben; geben Sie ihn erneut aus</translation>
    </message>
    <message>
        <source>attachment %1 is a document: only photos go into the site report</source>
        <translation>Anhang %1 ist ein Dokument: nur Fotos kommen in den Anlagenbericht</translation>
    </message>
    <message>
        <source>there is no visit %1</source>
        <translation>es gibt keinen Besuch %1</translation>
    </message>
    <message>
        <source>a visit&apos;s date is written YYYY-MM-DD and must exist, not &quot;%1&quot;</source>
        <translation>das Datum eines Besuchs wird JJJJ-MM-TT geschrieben und muss existieren, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>an instrument of a visit needs a name or a serial number</source>
        <translation>ein Gerät eines Besuchs braucht einen Namen oder eine Seriennummer</translation>
    </message>
    <message>
        <source>a calibration due date is written YYYY-MM-DD and must exist, not &quot;%1&quot;</source>
        <translation>ein Kalibrierdatum wird JJJJ-MM-TT geschrieben und muss existieren, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the air temperature runs from -80 to 70 °C</source>
        <translation>die Lufttemperatur reicht von -80 bis 70 °C</translation>
    </message>
    <message>
        <source>a visit&apos;s notes take at most %1 characters, its other texts at most %2 each</source>
        <translation>die Notizen eines Besuchs fassen höchstens %1 Zeichen, seine anderen Texte höchstens je %2</translation>
    </message>
    <message>
        <source>result %1 is not assigned to a test point of the visit&apos;s site</source>
        <translation>Ergebnis %1 ist keinem Prüfpunkt der Anlage des Besuchs zugeordnet</translation>
    </message>
    <message>
        <source>the current probe&apos;s distance is a number of metres above 0</source>
        <translation>der Abstand des Hilfserders ist eine Zahl von Metern über 0</translation>
    </message>
    <message>
        <source>a fall-of-potential traverse needs at least two readings</source>
        <translation>eine Spannungstrichter-Messreihe braucht mindestens zwei Messwerte</translation>
    </message>
    <message>
        <source>a sounding needs at least two readings</source>
        <translation>eine Sondierung braucht mindestens zwei Messwerte</translation>
    </message>
    <message>
        <source>a traverse or a sounding takes at most %1 readings</source>
        <translation>eine Messreihe oder Sondierung nimmt höchstens %1 Messwerte</translation>
    </message>
    <message>
        <source>reading %1: the distance and the value are numbers above 0</source>
        <translation>Messwert %1: Abstand und Wert sind Zahlen über 0</translation>
    </message>
    <message>
        <source>reading %1: the distance %2 m is given twice</source>
        <translation>Messwert %1: der Abstand %2 m ist doppelt angegeben</translation>
    </message>
    <message>
        <source>there is no typed traverse %1</source>
        <translation>es gibt keine eingetippte Messreihe %1</translation>
    </message>
    <message>
        <source>there is no typed sounding %1</source>
        <translation>es gibt keine eingetippte Sondierung %1</translation>
    </message>
    <message>
        <source>typed result %1 is not of a test point of the visit&apos;s site</source>
        <translation>eingegebenes Ergebnis %1 gehört zu keinem Prüfpunkt der Anlage des Besuchs</translation>
    </message>
    <message>
        <source>result %1 has been assigned to a test point since the deletion</source>
        <translation>Ergebnis %1 wurde seit dem Löschen einem Prüfpunkt zugeordnet</translation>
    </message>
    <message>
        <source>typed result %1 has been assigned or corrected since the deletion</source>
        <translation>das eingetippte Ergebnis %1 wurde seit dem Löschen zugeordnet oder korrigiert</translation>
    </message>
    <message>
        <source>the file of the attachment &quot;%1&quot; is no longer in the archive</source>
        <translation>die Datei des Anhangs „%1“ ist nicht mehr im Archiv</translation>
    </message>
    <message>
        <source>reading %1: MN/2 is a number of metres above 0 and below its AB/2, %2 m</source>
        <translation>Messwert %1: MN/2 ist eine Zahl in Metern über 0 und unter seinem AB/2, %2 m</translation>
    </message>
    <message>
        <source>the archive has changed since the deletion in a way that conflicts with it: %1</source>
        <translation>das Archiv wurde seit dem Löschen so geändert, dass es damit nicht mehr zusammenpasst: %1</translation>
    </message>
    <message>
        <source>a soil model has 1 to %1 layers</source>
        <translation>ein Bodenmodell hat 1 bis %1 Schichten</translation>
    </message>
    <message>
        <source>layer %1: a resistivity is a number above 0 with a sigma not below 0</source>
        <translation>Schicht %1: ein spezifischer Widerstand ist eine Zahl über 0 mit einem Sigma nicht unter 0</translation>
    </message>
    <message>
        <source>layer %1: the last layer has no thickness</source>
        <translation>Schicht %1: die letzte Schicht hat keine Dicke</translation>
    </message>
    <message>
        <source>layer %1: every layer but the last has a thickness</source>
        <translation>Schicht %1: jede Schicht außer der letzten hat eine Dicke</translation>
    </message>
    <message>
        <source>layer %1: a thickness is a number above 0 with a sigma not below 0</source>
        <translation>Schicht %1: eine Dicke ist eine Zahl über 0 mit einem Sigma nicht unter 0</translation>
    </message>
    <message>
        <source>point %1: a spacing and a resistivity are numbers above 0</source>
        <translation>Punkt %1: Abstand und spezifischer Widerstand sind Zahlen über 0</translation>
    </message>
    <message>
        <source>the RMS error is a number not below 0</source>
        <translation>der RMS-Fehler ist eine Zahl nicht unter 0</translation>
    </message>
    <message>
        <source>the current-probe distance is a number above 0</source>
        <translation>der Abstand des Hilfserders ist eine Zahl über 0</translation>
    </message>
    <message>
        <source>a fall-of-potential curve needs at least two readings</source>
        <translation>eine Spannungstrichter-Kurve braucht mindestens zwei Messwerte</translation>
    </message>
    <message>
        <source>reading %1: a distance and a resistance are numbers above 0</source>
        <translation>Messwert %1: Abstand und Widerstand sind Zahlen über 0</translation>
    </message>
    <message>
        <source>%1: not a number</source>
        <translation>%1: keine Zahl</translation>
    </message>
    <message>
        <source>the shape, rod placement, standard, soil method and verdict are named</source>
        <translation>Form, Staberder-Anordnung, Norm, Bodenverfahren und Urteil sind benannt</translation>
    </message>
    <message>
        <source>the grid&apos;s sizes, the soil&apos;s resistivity and the duration are above zero</source>
        <translation>die Maße des Erdungsgitters, der spezifische Bodenwiderstand und die Dauer sind größer als null</translation>
    </message>
    <message>
        <source>a surface layer has a resistivity and a thickness</source>
        <translation>eine Oberflächenschicht hat einen spezifischen Widerstand und eine Dicke</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot open the archive: %1</source>
        <translation>das Archiv kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>the archive was damaged; it was moved aside as %1 and a new one started</source>
        <translation>das Archiv war beschädigt; es wurde als %1 beiseitegelegt und ein neues angelegt</translation>
    </message>
    <message>
        <source>result ids are whole numbers as &quot;history&quot; prints them, not &quot;%1&quot;</source>
        <translation>Ergebnis-IDs sind ganze Zahlen, wie „history“ sie ausgibt, nicht „%1“</translation>
    </message>
    <message>
        <source>--to takes SITE/POINT</source>
        <translation>--to erwartet ANLAGE/PRÜFPUNKT</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) assigned to %1/%2</source>
        <translation>
            <numerusform>%n Ergebnis %1/%2 zugeordnet</numerusform>
            <numerusform>%n Ergebnisse %1/%2 zugeordnet</numerusform>
        </translation>
    </message>
    <message>
        <source>--set takes &quot;YYYY-MM-DD HH:MM&quot; with a year from 2000 to 2099</source>
        <translation>--set erwartet „JJJJ-MM-TT HH:MM“ mit einem Jahr von 2000 bis 2099</translation>
    </message>
    <message>
        <source>needs %1</source>
        <translation>erfordert %1</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>no user &quot;%1&quot; in %2</source>
        <translation>kein Benutzer „%1“ in %2</translation>
    </message>
    <message>
        <source>--format is table or json</source>
        <translation>--format ist table oder json</translation>
    </message>
    <message>
        <source>keeping read-outs in the archive is turned off, so the results erased are not kept anywhere</source>
        <translation>das Ablegen von Auslesungen im Archiv ist ausgeschaltet, die gelöschten Ergebnisse werden also nirgends aufbewahrt</translation>
    </message>
    <message>
        <source>--slot takes a slot number from 0 to 99</source>
        <translation>--slot erwartet eine Speicherplatznummer von 0 bis 99</translation>
    </message>
    <message>
        <source>nothing was erased (--no-archive erases anyway)</source>
        <translation>es wurde nichts gelöscht (--no-archive löscht trotzdem)</translation>
    </message>
    <message>
        <source>--xls needs a file name</source>
        <translation>--xls erfordert einen Dateinamen</translation>
    </message>
    <message>
        <source>--port names the instrument to read; --from reads no instrument</source>
        <translation>--port nennt das auszulesende Messgerät; --from liest kein Messgerät aus</translation>
    </message>
    <message>
        <source>the workbook is saved all the same</source>
        <translation>die Arbeitsmappe wird trotzdem gespeichert</translation>
    </message>
    <message numerus="yes">
        <source>%n stored result(s) saved to %1</source>
        <translation>
            <numerusform>%n gespeichertes Ergebnis in %1 gesichert</numerusform>
            <numerusform>%n gespeicherte Ergebnisse in %1 gesichert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (after leaving out %n result(s))</source>
        <translation>
            <numerusform>%1 (nach Auslassen von %n Ergebnis)</numerusform>
            <numerusform>%1 (nach Auslassen von %n Ergebnissen)</numerusform>
        </translation>
    </message>
    <message>
        <source>--current-probe takes the current probe&apos;s distance in metres</source>
        <translation>--current-probe erwartet den Abstand der Stromsonde in Metern</translation>
    </message>
    <message>
        <source>--distances takes the potential probe&apos;s distances in metres, separated by commas</source>
        <translation>--distances erwartet die Abstände der Spannungssonde in Metern, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>cannot write the result</source>
        <translation>das Ergebnis kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>--soil-model takes the id of a stored soil model</source>
        <translation>--soil-model erwartet die ID eines gespeicherten Bodenmodells</translation>
    </message>
    <message>
        <source>site &quot;%1&quot; has no stored soil model</source>
        <translation>die Anlage „%1“ hat kein gespeichertes Bodenmodell</translation>
    </message>
    <message>
        <source>--rho is a resistivity in ohm-metres above zero</source>
        <translation>--rho ist ein spezifischer Erdwiderstand in Ohmmetern über null</translation>
    </message>
    <message>
        <source>needs --rho, --soil-model or --site (or soil.resistivity_ohm_m in the design)</source>
        <translation>erfordert --rho, --soil-model oder --site (oder soil.resistivity_ohm_m im Entwurf)</translation>
    </message>
    <message>
        <source>--standard is ieee80 or en50522</source>
        <translation>--standard ist ieee80 oder en50522</translation>
    </message>
    <message>
        <source>cannot write the assessment</source>
        <translation>die Bewertung kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>unknown field</source>
        <translation>unbekanntes Feld</translation>
    </message>
    <message>
        <source>must be a number</source>
        <translation>muss eine Zahl sein</translation>
    </message>
    <message>
        <source>must be a whole number</source>
        <translation>muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>must be at most %1</source>
        <translation>darf höchstens %1 sein</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>muss true oder false sein</translation>
    </message>
    <message>
        <source>must be an object</source>
        <translation>muss ein Objekt sein</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>must be above zero</source>
        <translation>muss über null liegen</translation>
    </message>
    <message>
        <source>not JSON: %1 at character %2</source>
        <translation>kein JSON: %1 bei Zeichen %2</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>kein JSON-Objekt</translation>
    </message>
    <message>
        <source>%1 takes a date as YYYY-MM-DD, not &quot;%2&quot;</source>
        <translation>%1 erwartet ein Datum als JJJJ-MM-TT, nicht „%2“</translation>
    </message>
    <message>
        <source>--mode takes a mode code such as 1 (3Pole) to 10 (Iac)</source>
        <translation>--mode erwartet eine Messart-Nummer wie 1 (3Pole) bis 10 (Iac)</translation>
    </message>
    <message>
        <source>--format is table, csv or json</source>
        <translation>--format ist table, csv oder json</translation>
    </message>
    <message>
        <source>--mode, --site and --point apply to results, not to read-outs</source>
        <translation>--mode, --site und --point gelten für Ergebnisse, nicht für Auslesungen</translation>
    </message>
    <message>
        <source>open takes one read-out id</source>
        <translation>open erwartet eine Auslesungs-ID</translation>
    </message>
    <message>
        <source>open needs --out FILE</source>
        <translation>open erfordert --out DATEI</translation>
    </message>
    <message>
        <source>read-out %1 written to %2 (7200 bytes)</source>
        <translation>Auslesung %1 in %2 geschrieben (7200 Byte)</translation>
    </message>
    <message>
        <source>label takes an id and the label text</source>
        <translation>label erwartet eine ID und den Text der Kennzeichnung</translation>
    </message>
    <message>
        <source>%1: is a folder, not a read-out image</source>
        <translation>%1: ist ein Ordner, kein Auslesungsabbild</translation>
    </message>
    <message>
        <source>%1: is a FIFO (named pipe), not a read-out image</source>
        <translation>%1: ist ein FIFO (benannte Pipe), kein Auslesungsabbild</translation>
    </message>
    <message>
        <source>%1: is a device, not a read-out image</source>
        <translation>%1: ist ein Gerät, kein Auslesungsabbild</translation>
    </message>
    <message>
        <source>%1: is a socket, not a read-out image</source>
        <translation>%1: ist ein Socket, kein Auslesungsabbild</translation>
    </message>
    <message>
        <source>%1: not a read-out image: a 7200-byte file expected, %2 bytes found</source>
        <translation>%1: kein Auslesungsabbild: eine Datei mit 7200 Byte erwartet, %2 Byte gefunden</translation>
    </message>
    <message>
        <source>--limit: %1</source>
        <translation>--limit: %1</translation>
    </message>
    <message>
        <source>--interval takes a number of months from 1 to 600</source>
        <translation>--interval erwartet eine Anzahl Monate von 1 bis 600</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot;; see terrovane-cli --help</source>
        <translation>kein Befehl „%1“; siehe terrovane-cli --help</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; see terrovane-cli --help</source>
        <translation>unbekannter Befehl „%1“; siehe terrovane-cli --help</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>takes only one of %1</source>
        <translation>nimmt nur eine von %1</translation>
    </message>
    <message>
        <source>%1 goes with %2</source>
        <translation>%1 gehört zu %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 erfordert %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>test point %1 added to %2</source>
        <translation>Prüfpunkt %1 zu %2 hinzugefügt</translation>
    </message>
    <message>
        <source>test point %1 of %2 changed</source>
        <translation>Prüfpunkt %1 von %2 geändert</translation>
    </message>
    <message>
        <source>--kind is one of %1</source>
        <translation>--kind ist eines von %1</translation>
    </message>
    <message>
        <source>--port %1: no port of the instrument&apos;s bridge has this device path or USB serial (terrovane-cli ports lists them)</source>
        <translation>--port %1: kein Anschluss der Schnittstelle des Messgeräts hat diesen Gerätepfad oder diese USB-Seriennummer (terrovane-cli ports listet sie auf)</translation>
    </message>
    <message>
        <source>--port %1: several ports of the instrument&apos;s bridge have this USB serial; give the device path (terrovane-cli ports lists them)</source>
        <translation>--port %1: mehrere Anschlüsse der Schnittstelle des Messgeräts haben diese USB-Seriennummer; bitte den Gerätepfad angeben (terrovane-cli ports listet sie auf)</translation>
    </message>
    <message>
        <source>the read-out could not be kept in the archive (%1); %2</source>
        <translation>die Auslesung konnte nicht im Archiv abgelegt werden (%1); %2</translation>
    </message>
    <message>
        <source>the archive&apos;s ids of these results could not be read (%1)</source>
        <translation>die Archiv-IDs dieser Ergebnisse konnten nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the results follow all the same</source>
        <translation>die Ergebnisse folgen trotzdem</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>kann nicht schreiben: %1</translation>
    </message>
    <message>
        <source>the report is drawn all the same</source>
        <translation>der Bericht wird trotzdem erstellt</translation>
    </message>
    <message>
        <source>--pdf needs a file name</source>
        <translation>--pdf erfordert einen Dateinamen</translation>
    </message>
    <message>
        <source>--date must be YYYY-MM-DD</source>
        <translation>--date muss JJJJ-MM-TT sein</translation>
    </message>
    <message>
        <source>--lang must be zh, en or de, not &quot;%1&quot;</source>
        <translation>--lang muss zh, en oder de sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the translation could not be loaded; the report&apos;s texts stay as written</source>
        <translation>die Übersetzung konnte nicht geladen werden; die Texte des Berichts bleiben wie geschrieben</translation>
    </message>
    <message>
        <source>site %1 added</source>
        <translation>Anlage %1 hinzugefügt</translation>
    </message>
    <message>
        <source>site report of %1 written to %2 (%3)</source>
        <translation>Anlagenbericht von %1 in %2 geschrieben (%3)</translation>
    </message>
    <message>
        <source>site %1 changed</source>
        <translation>Anlage %1 geändert</translation>
    </message>
    <message>
        <source>--position takes LAT,LON in decimal degrees, e.g. 48.137,11.575</source>
        <translation>--position erwartet BREITE,LÄNGE in Dezimalgrad mit Dezimalpunkt, z. B. 48.137,11.575</translation>
    </message>
    <message>
        <source>no resistivity results (mode 9) with a distance among the stored results</source>
        <translation>keine Ergebnisse des spezifischen Erdwiderstands (Messart 9) mit Abstand unter den gespeicherten Ergebnissen</translation>
    </message>
    <message>
        <source>no measured resistivity results (mode 9) with a distance are left to fit</source>
        <translation>es bleiben keine gemessenen Ergebnisse des spezifischen Erdwiderstands (Messart 9) mit Abstand zum Anpassen</translation>
    </message>
    <message>
        <source>--layers is 1, 2, 3 or auto</source>
        <translation>--layers ist 1, 2, 3 oder auto</translation>
    </message>
    <message>
        <source>--resistance applies to --csv only</source>
        <translation>--resistance gilt nur mit --csv</translation>
    </message>
    <message>
        <source>cannot write the model</source>
        <translation>das Modell kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1; the best model found is shown</source>
        <translation>%1; das beste gefundene Modell wird gezeigt</translation>
    </message>
    <message>
        <source>--readout takes a read-out id as &quot;terrovane-cli history --readouts&quot; lists them, not &quot;%1&quot;</source>
        <translation>--readout erwartet eine Auslesungs-ID, wie „terrovane-cli history --readouts“ sie auflistet, nicht „%1“</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: larger than 1 MiB, not a table of readings</source>
        <translation>%1: größer als 1 MiB, keine Tabelle von Messwerten</translation>
    </message>
    <message>
        <source>team schema made at layout %1; add the members with &quot;terrovane-cli team member add&quot;</source>
        <translation>Team-Schema mit Layout %1 angelegt; Mitglieder mit „terrovane-cli team member add“ hinzufügen</translation>
    </message>
    <message>
        <source>the team schema is there already at layout %1; nothing changed</source>
        <translation>das Team-Schema besteht bereits mit Layout %1; nichts geändert</translation>
    </message>
    <message>
        <source>the team schema could not be made (run it as the database&apos;s owner, who needs the right to create roles)</source>
        <translation>das Team-Schema konnte nicht angelegt werden (als Eigentümer der Datenbank ausführen, der Rollen anlegen darf)</translation>
    </message>
    <message>
        <source>password for %1 (empty: keep an existing login&apos;s password): </source>
        <translation>Passwort für %1 (leer: Passwort einer bestehenden Anmeldung beibehalten): </translation>
    </message>
    <message numerus="yes">
        <source>%1 is a viewer of the team with %n site(s)</source>
        <translation>
            <numerusform>%1 ist Betrachter im Team mit %n Anlage</numerusform>
            <numerusform>%1 ist Betrachter im Team mit %n Anlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is an admin of the team with %n site(s)</source>
        <translation>
            <numerusform>%1 ist Administrator im Team mit %n Anlage</numerusform>
            <numerusform>%1 ist Administrator im Team mit %n Anlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is an inspector of the team with %n site(s)</source>
        <translation>
            <numerusform>%1 ist Prüfer im Team mit %n Anlage</numerusform>
            <numerusform>%1 ist Prüfer im Team mit %n Anlagen</numerusform>
        </translation>
    </message>
    <message>
        <source>--role is inspector, viewer or admin</source>
        <translation>--role ist inspector, viewer oder admin</translation>
    </message>
    <message>
        <source>the member could not be added</source>
        <translation>das Mitglied konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>the member could not be removed</source>
        <translation>das Mitglied konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1 is no longer a member of the team</source>
        <translation>%1 ist nicht mehr Mitglied des Teams</translation>
    </message>
    <message>
        <source>the server did not say its status</source>
        <translation>der Server hat seinen Status nicht genannt</translation>
    </message>
    <message>
        <source>the server is newer than this program: update this program</source>
        <translation>der Server ist neuer als dieses Programm: bitte dieses Programm aktualisieren</translation>
    </message>
    <message>
        <source>the team server cannot be reached; nothing was changed, try again later</source>
        <translation>der Team-Server ist nicht erreichbar; nichts wurde geändert, bitte später erneut versuchen</translation>
    </message>
    <message>
        <source>the team server refused the sign-in; check the user name and password</source>
        <translation>der Team-Server hat die Anmeldung abgelehnt; bitte Benutzername und Passwort prüfen</translation>
    </message>
    <message>
        <source>the team server was busy with a conflicting change; try again</source>
        <translation>der Team-Server war mit einer widersprechenden Änderung beschäftigt; bitte erneut versuchen</translation>
    </message>
    <message>
        <source>the team server refused the change</source>
        <translation>der Team-Server hat die Änderung abgelehnt</translation>
    </message>
    <message>
        <source>the team server took too long to answer</source>
        <translation>der Team-Server hat zu lange für die Antwort gebraucht</translation>
    </message>
    <message>
        <source>the team server reported an error</source>
        <translation>der Team-Server hat einen Fehler gemeldet</translation>
    </message>
    <message>
        <source>cannot connect to the team server</source>
        <translation>keine Verbindung zum Team-Server</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the short yes typed to a question</comment>
        <translation>j</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>the yes typed to a question</comment>
        <translation>ja</translation>
    </message>
    <message>
        <source>must be a text</source>
        <translation>muss ein Text sein</translation>
    </message>
    <message>
        <source>must be square, rectangular or l-shaped, not &quot;%1&quot;</source>
        <translation>muss square, rectangular oder l-shaped sein, nicht „%1“</translation>
    </message>
    <message>
        <source>only for an l-shaped grid</source>
        <translation>nur für ein l-förmiges Erdungsgitter</translation>
    </message>
    <message>
        <source>must be inside, perimeter or corners, not &quot;%1&quot;</source>
        <translation>muss inside, perimeter oder corners sein, nicht „%1“</translation>
    </message>
    <message>
        <source>goes with fault.current_a, not with fault.grid_current_a</source>
        <translation>gehört zu fault.current_a, nicht zu fault.grid_current_a</translation>
    </message>
    <message>
        <source>missing (or fault.current_a with its split factor)</source>
        <translation>fehlt (oder fault.current_a mit seinem Reduktionsfaktor)</translation>
    </message>
    <message>
        <source>must not be negative</source>
        <translation>darf nicht negativ sein</translation>
    </message>
    <message>
        <source>must be at least 2</source>
        <translation>muss mindestens 2 sein</translation>
    </message>
    <message>
        <source>must be 50 or 70</source>
        <translation>muss 50 oder 70 sein</translation>
    </message>
    <message>
        <source>must be at most 1</source>
        <translation>darf höchstens 1 sein</translation>
    </message>
    <message>
        <source>must be smaller than the grid</source>
        <translation>muss kleiner als das Erdungsgitter sein</translation>
    </message>
    <message>
        <source>does not fall on a conductor: the conductors&apos; spacing does not fit it</source>
        <translation>liegt auf keinem Leiter: der Leiterabstand passt nicht dazu</translation>
    </message>
    <message>
        <source>a square grid needs equal length and width and as many conductors each way</source>
        <translation>ein quadratisches Erdungsgitter braucht gleiche Länge und Breite und gleich viele Leiter in jede Richtung</translation>
    </message>
    <message>
        <source>is not accepted</source>
        <translation>wird nicht angenommen</translation>
    </message>
    <message>
        <source>[OK: --yes]</source>
        <translation>[OK: --yes]</translation>
    </message>
    <message>
        <source>[Cancel: no terminal to ask; --yes answers OK]</source>
        <translation>[Abbrechen: kein Terminal zum Fragen; --yes antwortet OK]</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <translation>[j/N]</translation>
    </message>
    <message numerus="yes">
        <source>the team server refused %n change(s) (no right to change it, or not valid); they stay in the archive</source>
        <translation>
            <numerusform>der Team-Server hat %n Änderung abgelehnt (kein Recht dazu oder ungültig); sie bleibt im Archiv</numerusform>
            <numerusform>der Team-Server hat %n Änderungen abgelehnt (kein Recht dazu oder ungültig); sie bleiben im Archiv</numerusform>
        </translation>
    </message>
    <message>
        <source>a conflict&apos;s ID is a whole number from &quot;team conflicts&quot;</source>
        <translation>die Nummer eines Konflikts ist eine ganze Zahl aus „team conflicts“</translation>
    </message>
    <message>
        <source>--keep is kept or lost</source>
        <translation>--keep ist kept oder lost</translation>
    </message>
    <message>
        <source>there is no open conflict %1</source>
        <translation>es gibt keinen offenen Konflikt %1</translation>
    </message>
    <message>
        <source>conflict %1 resolved: the kept value stays</source>
        <translation>Konflikt %1 gelöst: der behaltene Wert bleibt</translation>
    </message>
    <message>
        <source>conflict %1 resolved: the lost value is back and goes with the next sync</source>
        <translation>Konflikt %1 gelöst: der unterlegene Wert ist zurück und geht mit dem nächsten Abgleich hinaus</translation>
    </message>
    <message>
        <source>not encrypted (a local socket: nothing crosses a network)</source>
        <translation>nicht verschlüsselt (lokaler Socket: nichts geht über ein Netzwerk)</translation>
    </message>
    <message>
        <source>NOT encrypted: the connection string asks for sslmode=%1</source>
        <translation>NICHT verschlüsselt: die Verbindungszeichenkette verlangt sslmode=%1</translation>
    </message>
    <message>
        <source>encrypted, %1; the server&apos;s certificate verified (its authority and its name)</source>
        <translation>verschlüsselt, %1; Zertifikat des Servers geprüft (Aussteller und Name)</translation>
    </message>
    <message>
        <source>encrypted, %1; the server&apos;s certificate verified against its authority, not its name</source>
        <translation>verschlüsselt, %1; Zertifikat des Servers gegen den Aussteller geprüft, nicht der Name</translation>
    </message>
    <message>
        <source>encrypted, %1; the server&apos;s certificate not verified (name its root certificate with sslrootcert to verify it)</source>
        <translation>verschlüsselt, %1; Zertifikat des Servers nicht geprüft (zum Prüfen das Stammzertifikat mit sslrootcert angeben)</translation>
    </message>
    <message>
        <source>server layout: none (this program: %1)</source>
        <translation>Server-Layout:  keines (dieses Programm: %1)</translation>
    </message>
    <message>
        <source>server layout: %1 (this program: %2)</source>
        <translation>Server-Layout:  %1 (dieses Programm: %2)</translation>
    </message>
    <message>
        <source>signed in as:  %1 (not a member of the team)</source>
        <translation>angemeldet als: %1 (kein Mitglied des Teams)</translation>
    </message>
    <message numerus="yes">
        <source>signed in as:  %1 (viewer, member of %n site(s))</source>
        <translation>
            <numerusform>angemeldet als: %1 (Betrachter, Mitglied von %n Anlage)</numerusform>
            <numerusform>angemeldet als: %1 (Betrachter, Mitglied von %n Anlagen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>signed in as:  %1 (admin, member of %n site(s))</source>
        <translation>
            <numerusform>angemeldet als: %1 (Administrator, Mitglied von %n Anlage)</numerusform>
            <numerusform>angemeldet als: %1 (Administrator, Mitglied von %n Anlagen)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>signed in as:  %1 (inspector, member of %n site(s))</source>
        <translation>
            <numerusform>angemeldet als: %1 (Prüfer, Mitglied von %n Anlage)</numerusform>
            <numerusform>angemeldet als: %1 (Prüfer, Mitglied von %n Anlagen)</numerusform>
        </translation>
    </message>
    <message>
        <source>server:        reachable, PostgreSQL %1</source>
        <translation>Server:         erreichbar, PostgreSQL %1</translation>
    </message>
    <message>
        <source>connection:    %1</source>
        <translation>Verbindung:     %1</translation>
    </message>
    <message>
        <source>the team server offers no encrypted connection (TLS), so nothing was sent, the password least of all; its administrator turns TLS on at the server (ssl = on), or, on a network you trust, the connection string asks for sslmode=disable by name</source>
        <translation>der Team-Server bietet keine verschlüsselte Verbindung (TLS) an, daher wurde nichts gesendet, erst recht nicht das Passwort; sein Administrator schaltet TLS am Server ein (ssl = on), oder, nur in einem vertrauenswürdigen Netzwerk, verlangt die Verbindungszeichenkette ausdrücklich sslmode=disable</translation>
    </message>
    <message>
        <source>the team schema is there at layout %1, this program knows layout %2; nothing changed (an older one: &quot;terrovane-cli team upgrade&quot;)</source>
        <translation>das Teamschema liegt in Stand %1 vor, dieses Programm kennt Stand %2; nichts geändert (ein älterer: „terrovane-cli team upgrade“)</translation>
    </message>
    <message>
        <source>the team schema went from layout %1 to layout %2; every row and every archive&apos;s place were kept</source>
        <translation>das Teamschema ging von Stand %1 auf Stand %2; jede Zeile und der Stand jedes Archivs blieben erhalten</translation>
    </message>
    <message>
        <source>the team schema is at layout %1 already; nothing changed</source>
        <translation>das Teamschema ist bereits in Stand %1; nichts geändert</translation>
    </message>
    <message>
        <source>the team schema is at layout %1, newer than this program&apos;s %2: update this program; nothing changed</source>
        <translation>das Teamschema ist in Stand %1, neuer als Stand %2 dieses Programms: aktualisieren Sie dieses Programm; nichts geändert</translation>
    </message>
    <message>
        <source>the team schema could not be upgraded (run it as the database&apos;s owner); nothing changed</source>
        <translation>das Teamschema konnte nicht aktualisiert werden (als Eigentümer der Datenbank ausführen); nichts geändert</translation>
    </message>
    <message>
        <source>the server is older than this program: its owner runs &quot;terrovane-cli team upgrade&quot;</source>
        <translation>der Server ist älter als dieses Programm: sein Eigentümer führt „terrovane-cli team upgrade“ aus</translation>
    </message>
    <message>
        <source>--rod takes the rod&apos;s length in metres, and its diameter after a comma</source>
        <translation>--rod erwartet die Länge des Staberders in Metern und nach einem Komma seinen Durchmesser</translation>
    </message>
    <message>
        <source>--direction takes the line&apos;s direction in degrees from the x axis</source>
        <translation>--direction erwartet die Richtung der Messlinie in Grad von der x-Achse aus</translation>
    </message>
    <message>
        <source>--flatness takes the plateau&apos;s flatness in per cent, above zero</source>
        <translation>--flatness erwartet die Ebenheit des Plateaus in Prozent, über null</translation>
    </message>
    <message>
        <source>the current probe must stand beyond the electrode and within 100 km</source>
        <translation>die Stromsonde muss außerhalb des Erders und höchstens 100 km entfernt stehen</translation>
    </message>
    <message>
        <source>the soil model has a layer the computation cannot take</source>
        <translation>das Bodenmodell hat eine Schicht, mit der die Berechnung nicht rechnen kann</translation>
    </message>
    <message>
        <source>the electrode has a conductor without length or radius, or above the surface</source>
        <translation>der Erder hat einen Leiter ohne Länge oder Radius oder über der Erdoberfläche</translation>
    </message>
    <message>
        <source>the electrode could not be computed in this soil</source>
        <translation>der Erder ließ sich in diesem Boden nicht berechnen</translation>
    </message>
    <message>
        <source>cannot write the plan</source>
        <translation>die Planung kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>needs --rho, --soil-model or --site (or soil.resistivity_ohm_m or soil.layers in the design)</source>
        <translation>braucht --rho, --soil-model oder --site (oder soil.resistivity_ohm_m oder soil.layers im Entwurf)</translation>
    </message>
    <message>
        <source>the solver gave up on this grid (too many segments, or conductors on top of each other): use --method formulas</source>
        <translation>der Löser hat bei diesem Erder aufgegeben (zu viele Segmente oder übereinanderliegende Leiter): --method formulas verwenden</translation>
    </message>
    <message>
        <source>the grid could not be computed</source>
        <translation>der Erder konnte nicht berechnet werden</translation>
    </message>
    <message>
        <source>--map names a .csv or .json file</source>
        <translation>--map nennt eine .csv- oder .json-Datei</translation>
    </message>
    <message>
        <source>--method is computed or formulas</source>
        <translation>--method ist computed oder formulas</translation>
    </message>
    <message>
        <source>--map needs the computed method</source>
        <translation>--map braucht die Methode computed</translation>
    </message>
    <message>
        <source>must be an array</source>
        <translation>muss eine Liste sein</translation>
    </message>
    <message>
        <source>must have 1 to %1 layers</source>
        <translation>muss 1 bis %1 Schichten haben</translation>
    </message>
    <message>
        <source>the last layer goes on downwards: no thickness</source>
        <translation>die letzte Schicht reicht nach unten weiter: keine Dicke</translation>
    </message>
    <message>
        <source>give either resistivity_ohm_m or layers</source>
        <translation>entweder resistivity_ohm_m oder layers angeben</translation>
    </message>
    <message>
        <source>the soil model has a layer without a resistivity or thickness</source>
        <translation>das Bodenmodell hat eine Schicht ohne spezifischen Widerstand oder Dicke</translation>
    </message>
    <message>
        <source>--point takes SITE/POINT</source>
        <translation>--point erwartet ANLAGE/MESSPUNKT</translation>
    </message>
    <message>
        <source>a typed result&apos;s id is a whole number as &quot;result show&quot; prints it, not &quot;%1&quot;</source>
        <translation>die Nummer eines eingetippten Ergebnisses ist eine ganze Zahl, wie „result show“ sie ausgibt, nicht „%1“</translation>
    </message>
    <message>
        <source>typed result %1 added</source>
        <translation>eingetipptes Ergebnis %1 hinzugefügt</translation>
    </message>
    <message>
        <source>typed result %1 corrected as %2</source>
        <translation>eingetipptes Ergebnis %1 korrigiert als %2</translation>
    </message>
    <message>
        <source>--format is table, csv, json or ics</source>
        <translation>--format ist table, csv, json oder ics</translation>
    </message>
    <message>
        <source>--within is a number of days from 0 to %1</source>
        <translation>--within ist eine Anzahl Tage von 0 bis %1</translation>
    </message>
    <message>
        <source>--format is table, csv, json, geojson or kml</source>
        <translation>--format ist table, csv, json, geojson oder kml</translation>
    </message>
    <message numerus="yes">
        <source>%n site(s) without a position left out</source>
        <translation>
            <numerusform>%n Anlage ohne Position ausgelassen</numerusform>
            <numerusform>%n Anlagen ohne Position ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>the mapping could not be remembered: %1</source>
        <translation>die Zuordnung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1 is too large for a mapping</source>
        <translation>%1 ist zu groß für eine Zuordnung</translation>
    </message>
    <message>
        <source>--sites needs --mapping</source>
        <translation>--sites braucht --mapping</translation>
    </message>
    <message>
        <source>site &quot;%1&quot; has no stored grid assessment</source>
        <translation>Standort „%1“ hat keine gespeicherte Erdungsanlagenbewertung</translation>
    </message>
    <message>
        <source>--profile-out names a .csv or .json file</source>
        <translation>--profile-out nennt eine .csv- oder .json-Datei</translation>
    </message>
    <message>
        <source>--profile needs the computed method</source>
        <translation>--profile braucht die berechnete Methode</translation>
    </message>
    <message>
        <source>--profile-out needs --profile</source>
        <translation>--profile-out braucht --profile</translation>
    </message>
    <message>
        <source>--profile is X1,Y1,X2,Y2: two different points in metres</source>
        <translation>--profile ist X1,Y1,X2,Y2: zwei verschiedene Punkte in Metern</translation>
    </message>
    <message>
        <source>an attachment&apos;s id is a whole number as &quot;attachments&quot; lists it, not &quot;%1&quot;</source>
        <translation>die Nummer eines Anhangs ist eine ganze Zahl, wie „attachments“ sie auflistet, nicht „%1“</translation>
    </message>
    <message>
        <source>attachment %1 added to %2</source>
        <translation>Anhang %1 zu %2 hinzugefügt</translation>
    </message>
    <message>
        <source>taken %1</source>
        <translation>aufgenommen %1</translation>
    </message>
    <message>
        <source>taken at %1,%2 (&quot;site set SITE --position LAT,LON&quot; makes it the site&apos;s)</source>
        <translation>aufgenommen bei %1,%2 („site set SITE --position LAT,LON“ macht dies zur Position der Anlage)</translation>
    </message>
    <message>
        <source>attachment %1 written to %2</source>
        <translation>Anhang %1 nach %2 geschrieben</translation>
    </message>
    <message>
        <source>caption of attachment %1 set</source>
        <translation>Bildunterschrift von Anhang %1 gesetzt</translation>
    </message>
    <message>
        <source>attachment %1 removed</source>
        <translation>Anhang %1 entfernt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>firm set needs at least one of its options</source>
        <translation>firm set braucht mindestens eine seiner Optionen</translation>
    </message>
    <message>
        <source>the firm&apos;s profile is kept; in a team it goes to the server with the next sync, where only an admin may change it</source>
        <translation>das Firmenprofil ist gespeichert; im Team geht es mit dem nächsten Abgleich an den Server, wo nur ein Administrator es ändern darf</translation>
    </message>
    <message>
        <source>--revision is a whole number from 1, not &quot;%1&quot;</source>
        <translation>--revision ist eine ganze Zahl ab 1, nicht „%1“</translation>
    </message>
    <message>
        <source>report %1, revision %2, written to %3</source>
        <translation>Bericht %1, Revision %2, nach %3 geschrieben</translation>
    </message>
    <message>
        <source>the team server issues report numbers to inspectors and admins only: %1</source>
        <translation>der Teamserver vergibt Berichtsnummern nur an Prüfer und Administratoren: %1</translation>
    </message>
    <message>
        <source>the team server gave no number (%1); this PC issues one of its own</source>
        <translation>der Teamserver gab keine Nummer (%1); dieser PC vergibt eine eigene</translation>
    </message>
    <message>
        <source>the report written to %1 cannot be read back to keep it</source>
        <translation>der nach %1 geschriebene Bericht kann zum Aufbewahren nicht zurückgelesen werden</translation>
    </message>
    <message>
        <source>report %1, revision %2, issued %3 and kept in the archive</source>
        <translation>Bericht %1, Revision %2, am %3 ausgegeben und im Archiv aufbewahrt</translation>
    </message>
    <message>
        <source>--revise NUMBER goes with --issue</source>
        <translation>--revise NUMMER gehört zu --issue</translation>
    </message>
    <message>
        <source>the team server refused the firm&apos;s profile as changed here: only an admin changes it; the team&apos;s profile is back in the archive</source>
        <translation>der Teamserver hat das hier geänderte Firmenprofil abgelehnt: nur ein Administrator ändert es; das Profil des Teams steht wieder im Archiv</translation>
    </message>
    <message>
        <source>attachment report takes yes or no, not &quot;%1&quot;</source>
        <translation>attachment report nimmt yes oder no, nicht „%1“</translation>
    </message>
    <message>
        <source>attachment %1 goes into the site report</source>
        <translation>Anhang %1 kommt in den Anlagenbericht</translation>
    </message>
    <message>
        <source>attachment %1 stays out of the site report</source>
        <translation>Anhang %1 bleibt aus dem Anlagenbericht heraus</translation>
    </message>
    <message>
        <source>%1 needs --pdf FILE</source>
        <translation>%1 braucht --pdf DATEI</translation>
    </message>
    <message>
        <source>certificates of %1 written to %2</source>
        <translation>Prüfzertifikate von %1 nach %2 geschrieben</translation>
    </message>
    <message>
        <source>a visit&apos;s id is a whole number as &quot;visits&quot; lists it, not &quot;%1&quot;</source>
        <translation>die ID eines Besuchs ist eine ganze Zahl, wie &quot;visits&quot; sie auflistet, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--instrument takes &quot;NAME;SERIAL;DUE&quot;, not &quot;%1&quot;</source>
        <translation>--instrument erwartet &quot;NAME;SERIAL;DUE&quot;, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--temperature takes degrees Celsius, as 12.5, not &quot;%1&quot;</source>
        <translation>--temperature erwartet Grad Celsius wie 12.5, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--soil is dry, moist, wet or frozen, not &quot;%1&quot;</source>
        <translation>--soil ist dry, moist, wet oder frozen, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>warning: the calibration of %1 (serial %2) was due on %3, before the visit</source>
        <translation>Warnung: die Kalibrierung von %1 (Seriennummer %2) war am %3 fällig, vor dem Besuch</translation>
    </message>
    <message>
        <source>visit %1 added</source>
        <translation>Besuch %1 hinzugefügt</translation>
    </message>
    <message>
        <source>visit %1 changed</source>
        <translation>Besuch %1 geändert</translation>
    </message>
    <message>
        <source>visit %1 deleted; its results stay with their points</source>
        <translation>Besuch %1 gelöscht; seine Ergebnisse bleiben bei ihren Prüfpunkten</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) assigned to visit %1</source>
        <translation>
            <numerusform>%n Ergebnis dem Besuch %1 zugeordnet</numerusform>
            <numerusform>%n Ergebnisse dem Besuch %1 zugeordnet</numerusform>
        </translation>
    </message>
    <message>
        <source>typed traverse %1 added</source>
        <translation>eingetippte Messreihe %1 hinzugefügt</translation>
    </message>
    <message>
        <source>give the readings with --wenner or with --schlumberger</source>
        <translation>geben Sie die Messwerte mit --wenner oder mit --schlumberger an</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a sounding&apos;s readings are all resistances or all resistivities</source>
        <translation>„%1“: die Messwerte einer Sondierung sind alle Widerstände oder alle spezifischen Widerstände</translation>
    </message>
    <message>
        <source>typed sounding %1 added</source>
        <translation>eingetippte Sondierung %1 hinzugefügt</translation>
    </message>
    <message>
        <source>a reading is DISTANCE=VALUE[UNIT] in metres and ohms or ohm-metres, as 10=4.2 or 2=85ohm.m, not &quot;%1&quot;</source>
        <translation>ein Messwert ist ABSTAND=WERT[EINHEIT] in Metern und Ohm oder Ohmmetern, etwa 10=4.2 oder 2=85ohm.m, nicht „%1“</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a value over range is no reading a curve can pass through</source>
        <translation>„%1“: ein Wert über dem Messbereich ist kein Messwert, durch den eine Kurve gehen kann</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: say the unit, ohm for a resistance or ohm.m for a resistivity</source>
        <translation>„%1“: geben Sie die Einheit an, ohm für einen Widerstand oder ohm.m für einen spezifischen Widerstand</translation>
    </message>
    <message>
        <source>an id is a whole number as the listing prints it, not &quot;%1&quot;</source>
        <translation>eine ID ist eine ganze Zahl, wie die Liste sie zeigt, nicht „%1“</translation>
    </message>
    <message>
        <source>nothing holds these words</source>
        <translation>nichts enthält diese Wörter</translation>
    </message>
    <message numerus="yes">
        <source>%n typed result(s) assigned to visit %1</source>
        <translation>
            <numerusform>%n eingegebenes Ergebnis dem Besuch %1 zugeordnet</numerusform>
            <numerusform>%n eingegebene Ergebnisse dem Besuch %1 zugeordnet</numerusform>
        </translation>
    </message>
    <message>
        <source>a Schlumberger reading is AB2/MN2=VALUE[UNIT], AB/2 and MN/2 in metres, as 10/1=80ohm.m, not &quot;%1&quot;</source>
        <translation>ein Schlumberger-Messwert ist AB2/MN2=WERT[EINHEIT], AB/2 und MN/2 in Metern, etwa 10/1=80ohm.m, nicht „%1“</translation>
    </message>
    <message>
        <source>this Schlumberger sounding was kept without MN/2, which the fit needs: add it again with AB2/MN2=VALUE readings</source>
        <translation>diese Schlumberger-Sondierung wurde ohne MN/2 gespeichert, das die Anpassung braucht: fügen Sie sie mit Messwerten AB2/MN2=WERT erneut hinzu</translation>
    </message>
</context>
<context>
    <name>Conflicts</name>
    <message>
        <source>Site</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Messpunkt</translation>
    </message>
    <message>
        <source>Result&apos;s test point</source>
        <translation>Messpunkt eines Ergebnisses</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>Limit source</source>
        <translation>Quelle des Grenzwerts</translation>
    </message>
    <message>
        <source>Test interval</source>
        <translation>Prüfintervall</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
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
        <source>this PC</source>
        <translation>dieser PC</translation>
    </message>
</context>
<context>
    <name>DisplayPanel</name>
    <message>
        <source>Instrument display</source>
        <translation>Geräteanzeige</translation>
    </message>
</context>
<context>
    <name>Doctor</name>
    <message>
        <source>%1 is loaded as a module</source>
        <translation>%1 ist als Modul geladen</translation>
    </message>
    <message>
        <source>%1 is built into the kernel</source>
        <translation>%1 ist fest in den Kernel eingebaut</translation>
    </message>
    <message>
        <source>%1 is installed; the kernel loads it when the bridge is plugged in</source>
        <translation>%1 ist installiert; der Kernel lädt ihn, sobald der USB-Wandler eingesteckt wird</translation>
    </message>
    <message>
        <source>%1 is installed but not loaded although the bridge is attached</source>
        <translation>%1 ist installiert, aber nicht geladen, obwohl der USB-Wandler angeschlossen ist</translation>
    </message>
    <message>
        <source>this kernel (%1) has no %2 driver</source>
        <translation>dieser Kernel (%1) hat keinen Treiber %2</translation>
    </message>
    <message>
        <source>install the kernel&apos;s extra modules (Ubuntu: %1), then plug the instrument in again</source>
        <translation>die zusätzlichen Kernelmodule installieren (Ubuntu: %1), dann das Messgerät erneut einstecken</translation>
    </message>
    <message>
        <source>%1, then plug the instrument in again</source>
        <translation>%1 ausführen, dann das Messgerät erneut einstecken</translation>
    </message>
    <message>
        <source>no USB device of the bridge&apos;s vendor (%1) is attached</source>
        <translation>kein USB-Gerät des Wandler-Herstellers (%1) angeschlossen</translation>
    </message>
    <message>
        <source>plug the instrument in with a data cable (not a charging-only one) and switch it on; %1 should then list %2</source>
        <translation>das Messgerät mit einem Datenkabel (keinem reinen Ladekabel) anschließen und einschalten; %1 sollte dann %2 auflisten</translation>
    </message>
    <message>
        <source>%1:%2 at USB %3</source>
        <extracomment>The USB device: %1 vendor id, %2 product id, %3 its place on the USB bus (&quot;1-1.4&quot;).</extracomment>
        <translation>%1:%2 an USB %3</translation>
    </message>
    <message>
        <source>%1:%2 at USB %3 (serial %4)</source>
        <extracomment>The USB device: %1 vendor id, %2 product id, %3 its place on the USB bus, %4 its serial number.</extracomment>
        <translation>%1:%2 an USB %3 (Seriennummer %4)</translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <extracomment>%1 a USB device (&quot;10c4:ea60 at USB 1-1&quot;), %2 the serial ports it got (&quot;ttyUSB0&quot;).</extracomment>
        <translation>%1 ist %2</translation>
    </message>
    <message>
        <source>%1; the instrument&apos;s bridge is %2</source>
        <extracomment>%1 the USB devices found with their ports, %2 the vendor:product id of the instrument&apos;s bridge.</extracomment>
        <translation>%1; der USB-Wandler des Messgeräts ist %2</translation>
    </message>
    <message>
        <source>check that this is the instrument and not another adapter</source>
        <translation>prüfen, ob dies das Messgerät ist und kein anderer Adapter</translation>
    </message>
    <message>
        <source>%1 has no serial port (tty): a program holds its interface through usbfs (brltty does this)</source>
        <translation>%1 hat keine serielle Schnittstelle (tty): ein Programm belegt sein USB-Interface über usbfs (das tut brltty)</translation>
    </message>
    <message>
        <source>see the brltty line below; then unplug and plug the instrument in again</source>
        <translation>siehe die brltty-Zeile unten; danach das Messgerät abziehen und wieder einstecken</translation>
    </message>
    <message>
        <source>%1 has no serial port (tty): no driver is bound to it</source>
        <translation>%1 hat keine serielle Schnittstelle (tty): kein Treiber ist an ihn gebunden</translation>
    </message>
    <message>
        <source>%1 has no serial port (tty): its interface is bound to %2</source>
        <translation>%1 hat keine serielle Schnittstelle (tty): sein USB-Interface ist an %2 gebunden</translation>
    </message>
    <message>
        <source>unplug and plug the instrument in again</source>
        <translation>das Messgerät abziehen und wieder einstecken</translation>
    </message>
    <message>
        <source>not installed</source>
        <translation>nicht installiert</translation>
    </message>
    <message>
        <source>installed, running</source>
        <translation>installiert, läuft</translation>
    </message>
    <message>
        <source>installed, not running</source>
        <translation>installiert, läuft nicht</translation>
    </message>
    <message>
        <source>%1; its rule %2 (line %3) claims %4 and takes the tty away a second after plug-in</source>
        <extracomment>%1 &quot;installed, running&quot; or &quot;installed, not running&quot;; %2 a rule file, %3 a line number, %4 vendor:product id.</extracomment>
        <translation>%1; seine Regel %2 (Zeile %3) beansprucht %4 und nimmt den tty eine Sekunde nach dem Einstecken weg</translation>
    </message>
    <message>
        <source>%1; its rule is switched off by %2</source>
        <extracomment>%1 &quot;installed, running&quot; or &quot;installed, not running&quot;; %2 the file that switches the rule off.</extracomment>
        <translation>%1; seine Regel ist durch %2 abgeschaltet</translation>
    </message>
    <message>
        <source>%1; none of its rules claims %2</source>
        <extracomment>%1 &quot;installed, running&quot; or &quot;installed, not running&quot;; %2 vendor:product id.</extracomment>
        <translation>%1; keine seiner Regeln beansprucht %2</translation>
    </message>
    <message>
        <source>%1 (unless you use a braille display), or delete line %2 of %3; then %4 and plug the instrument in again</source>
        <extracomment>%1 and %4 commands, %2 a line number, %3 a rule file.</extracomment>
        <translation>%1 ausführen (sofern Sie keine Braillezeile verwenden) oder Zeile %2 in %3 löschen; danach %4 ausführen und das Messgerät erneut einstecken</translation>
    </message>
    <message>
        <source>%1 (unless you use a braille display), or override its rule: %2 and delete line %3 in the copy; then %4 and plug the instrument in again</source>
        <extracomment>%1, %2 and %4 commands, %3 a line number.</extracomment>
        <translation>%1 ausführen (sofern Sie keine Braillezeile verwenden) oder seine Regel überschreiben: %2 ausführen und in der Kopie Zeile %3 löschen; danach %4 ausführen und das Messgerät erneut einstecken</translation>
    </message>
    <message>
        <source>%1 is not installed: only root and dialout may open the port, and it has no stable name</source>
        <translation>%1 ist nicht installiert: nur root und dialout dürfen die Schnittstelle öffnen, und sie hat keinen festen Namen</translation>
    </message>
    <message>
        <source>install the %1 package (or copy its %2 into %3), run %4 and plug the instrument in again</source>
        <extracomment>%1 the package, %2 the rule file, %3 a folder, %4 a command.</extracomment>
        <translation>das Paket %1 installieren (oder seine %2 nach %3 kopieren), %4 ausführen und das Messgerät erneut einstecken</translation>
    </message>
    <message>
        <source>%1 switches the rule off</source>
        <translation>%1 schaltet die Regel ab</translation>
    </message>
    <message>
        <source>remove %1</source>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>not running</source>
        <translation>läuft nicht</translation>
    </message>
    <message>
        <source>running; %1 keeps it off the bridge</source>
        <translation>läuft; %1 hält ihn vom USB-Wandler fern</translation>
    </message>
    <message>
        <source>running, and no rule keeps it off the bridge: it may send AT commands to the instrument for a few seconds after plug-in</source>
        <translation>läuft, und keine Regel hält ihn vom USB-Wandler fern: er kann nach dem Einstecken einige Sekunden lang AT-Befehle an das Messgerät senden</translation>
    </message>
    <message>
        <source>install the %1 package (its udev rule sets %2), or %3</source>
        <translation>das Paket %1 installieren (seine udev-Regel setzt %2) oder %3 ausführen</translation>
    </message>
    <message>
        <source> (not in the way: the port-map file names the port)</source>
        <translation> (kein Hindernis: die Zuordnungsdatei nennt die Schnittstelle)</translation>
    </message>
    <message>
        <source>live system</source>
        <translation>laufendes System</translation>
    </message>
    <message>
        <source>live system under %1</source>
        <translation>laufendes System unter %1</translation>
    </message>
    <message>
        <source>%1 file %2</source>
        <extracomment>%1 the environment variable&apos;s name, %2 the file it names.</extracomment>
        <translation>%1-Datei %2</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>keine angegeben</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <extracomment>%1 the port map in force (&quot;live system&quot; or a file), %2 why it cannot be read.</extracomment>
        <translation>%1: nicht lesbar: %2</translation>
    </message>
    <message>
        <source>point %1 at a port-map file, or unset it to use the live ports</source>
        <translation>%1 auf eine Zuordnungsdatei setzen oder entfernen, um die vorhandenen Schnittstellen zu verwenden</translation>
    </message>
    <message>
        <source>%1: no port of the bridge is published in it</source>
        <translation>%1: darin ist keine Schnittstelle des USB-Wandlers eingetragen</translation>
    </message>
    <message>
        <source>see the bridge line above</source>
        <translation>siehe die USB-Wandler-Zeile oben</translation>
    </message>
    <message>
        <source>%1: port name &quot;%2&quot;: %3</source>
        <translation>%1: Schnittstellenname „%2“: %3</translation>
    </message>
    <message>
        <source>correct the port-map file</source>
        <translation>die Zuordnungsdatei berichtigen</translation>
    </message>
    <message>
        <source>%1: %2 opens no device</source>
        <translation>%1: %2 öffnet kein Gerät</translation>
    </message>
    <message>
        <source>name the device of %1 in the map&apos;s %2 section</source>
        <translation>das Gerät für %1 im Abschnitt %2 der Zuordnungsdatei eintragen</translation>
    </message>
    <message>
        <source>%1: discovery chooses %2, which opens %3</source>
        <translation>%1: die Schnittstellensuche wählt %2, die %3 öffnet</translation>
    </message>
    <message>
        <source>no port to check</source>
        <translation>keine Schnittstelle zu prüfen</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>plug the instrument in and switch it on</source>
        <translation>das Messgerät einstecken und einschalten</translation>
    </message>
    <message>
        <source>%1 (owner %2, group %3, %4)</source>
        <extracomment>%1 the device, %2 its owner, %3 its group, %4 its permissions (&quot;crw-rw----&quot;).</extracomment>
        <translation>%1 (Eigentümer %2, Gruppe %3, %4)</translation>
    </message>
    <message>
        <source>%1: %2 may not open it: joined %3 after this login began</source>
        <translation>%1: %2 darf das Gerät nicht öffnen: ist %3 erst nach Beginn dieser Anmeldung beigetreten</translation>
    </message>
    <message>
        <source>log out and log in again (or reboot) so the session gets group %1</source>
        <translation>abmelden und wieder anmelden (oder neu starten), damit die Sitzung die Gruppe %1 erhält</translation>
    </message>
    <message>
        <source>%1: %2 may not open it: not a member of %3, and its access list (uaccess) has no entry for %2</source>
        <extracomment>%1 the device with its owner, group and permissions, %2 the user, %3 the group.</extracomment>
        <translation>%1: %2 darf das Gerät nicht öffnen: kein Mitglied von %3, und seine Zugriffsliste (uaccess) hat keinen Eintrag für %2</translation>
    </message>
    <message>
        <source>%1: %2 may not open it: its group may not open it either, and its access list (uaccess) has no entry for %2</source>
        <translation>%1: %2 darf das Gerät nicht öffnen: auch seine Gruppe darf es nicht öffnen, und seine Zugriffsliste (uaccess) hat keinen Eintrag für %2</translation>
    </message>
    <message>
        <source>the udev rule gives the port to the user at the computer&apos;s own screen (not over ssh): log in there and plug the instrument in again</source>
        <translation>die udev-Regel gibt die Schnittstelle dem Benutzer am Bildschirm des Rechners selbst (nicht über ssh): dort anmelden und das Messgerät erneut einstecken</translation>
    </message>
    <message>
        <source>install the %1 package: its udev rule lets the logged-in user open the port</source>
        <translation>das Paket %1 installieren: seine udev-Regel lässt den angemeldeten Benutzer die Schnittstelle öffnen</translation>
    </message>
    <message>
        <source>; or %1, then log in again</source>
        <translation>; oder %1 ausführen, dann neu anmelden</translation>
    </message>
    <message>
        <source>%1: %2 may open it as root</source>
        <translation>%1: %2 darf das Gerät als root öffnen</translation>
    </message>
    <message>
        <source>%1: %2 may open it as its owner</source>
        <translation>%1: %2 darf das Gerät als Eigentümer öffnen</translation>
    </message>
    <message>
        <source>%1: %2 may open it through its access list (uaccess)</source>
        <translation>%1: %2 darf das Gerät über seine Zugriffsliste (uaccess) öffnen</translation>
    </message>
    <message>
        <source>%1: %2 may open it through group %3</source>
        <translation>%1: %2 darf das Gerät über die Gruppe %3 öffnen</translation>
    </message>
    <message>
        <source>%1: %2 may open it as anyone may</source>
        <translation>%1: %2 darf das Gerät öffnen, wie jeder</translation>
    </message>
    <message>
        <source>no other program holds %1</source>
        <translation>kein anderes Programm belegt %1</translation>
    </message>
    <message>
        <source>%1 is held by %2</source>
        <extracomment>%1 the device, %2 the programs holding it (&quot;minicom (pid 9)&quot;).</extracomment>
        <translation>%1 ist belegt von %2</translation>
    </message>
    <message>
        <source>%1 (pid %2)</source>
        <translation>%1 (PID %2)</translation>
    </message>
    <message>
        <source>; served by the simulated instrument %1</source>
        <translation>; bedient vom simulierten Messgerät %1</translation>
    </message>
    <message numerus="yes">
        <source> (%n processes of other users not looked at; sudo shows them)</source>
        <translation>
            <numerusform> (%n Prozess anderer Benutzer nicht geprüft; sudo zeigt ihn)</numerusform>
            <numerusform> (%n Prozesse anderer Benutzer nicht geprüft; sudo zeigt sie)</numerusform>
        </translation>
    </message>
    <message>
        <source>close that program, or end it: %1</source>
        <translation>das Programm schließen oder beenden: %1</translation>
    </message>
    <message>
        <source>the instrument answered on %1</source>
        <translation>das Messgerät hat an %1 geantwortet</translation>
    </message>
    <message>
        <source>no answer: %1</source>
        <extracomment>%1 what the link said: the message a command would have shown.</extracomment>
        <translation>keine Antwort: %1</translation>
    </message>
    <message>
        <source>mend the first failing line above; if all pass, switch the instrument on and check the cable</source>
        <translation>zuerst die oberste fehlgeschlagene Zeile beheben; ist alles in Ordnung, das Messgerät einschalten und das Kabel prüfen</translation>
    </message>
    <message>
        <source>not tried: the link finds its port on the running system, not in this tree</source>
        <translation>nicht versucht: die Verbindung sucht ihre Schnittstelle im laufenden System, nicht in diesem Verzeichnisbaum</translation>
    </message>
    <message>
        <source>not tried (%1)</source>
        <translation>nicht versucht (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the items of a list: ttys, drivers, programs.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>driver</source>
        <translation>Treiber</translation>
    </message>
    <message>
        <source>bridge</source>
        <translation>USB-Wandler</translation>
    </message>
    <message>
        <source>udev rule</source>
        <translation>udev-Regel</translation>
    </message>
    <message>
        <source>port map</source>
        <translation>Schnittstellenzuordnung</translation>
    </message>
    <message>
        <source>access</source>
        <translation>Zugriff</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>Belegung</translation>
    </message>
    <message>
        <source>handshake</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>fix: </source>
        <extracomment>Before what to do about a finding; seven spaces come before it, under the finding&apos;s mark.</extracomment>
        <translation>Abhilfe: </translation>
    </message>
</context>
<context>
    <name>DueList</name>
    <message>
        <source>now (overdue)</source>
        <translation>jetzt (überfällig)</translation>
    </message>
    <message>
        <source>%1 (overdue)</source>
        <translation>%1 (überfällig)</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message numerus="yes">
        <source>%1, then %n failed reading(s)</source>
        <translation>
            <numerusform>%1, danach %n Fehlmessung</numerusform>
            <numerusform>%1, danach %n Fehlmessungen</numerusform>
        </translation>
    </message>
    <message>
        <source>Due list</source>
        <translation>Fälligkeitsliste</translation>
    </message>
    <message numerus="yes">
        <source>Overdue and due within %n day(s) of %1</source>
        <translation>
            <numerusform>Überfällig und fällig binnen %n Tag ab %1</numerusform>
            <numerusform>Überfällig und fällig binnen %n Tagen ab %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Prüfpunkt</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Letzte Prüfung</translation>
    </message>
    <message>
        <source>Last result</source>
        <translation>Letztes Ergebnis</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>No test point falls due.</source>
        <translation>Kein Prüfpunkt wird fällig.</translation>
    </message>
</context>
<context>
    <name>ExportPath</name>
    <message>
        <source>Excel workbook (*.xlsx);;excel file(*.xls);;CSV file(*.csv);;JSON file(*.json)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx);;Excel-Datei (*.xls);;CSV-Datei (*.csv);;JSON-Datei (*.json)</translation>
    </message>
</context>
<context>
    <name>FopSummary</name>
    <message>
        <source>Resistance at 61.8 % of D: %1</source>
        <translation>Widerstand bei 61,8 % von D: %1</translation>
    </message>
    <message>
        <source>Plateau: yes, spread %1 % (tolerance %2 %)</source>
        <translation>Plateau: ja, Streuung %1 % (Toleranz %2 %)</translation>
    </message>
    <message>
        <source>Plateau: no, spread %1 % (tolerance %2 %)</source>
        <translation>Plateau: nein, Streuung %1 % (Toleranz %2 %)</translation>
    </message>
    <message>
        <source>Slope method: mu %1, Pt/C %2, resistance %3</source>
        <translation>Steigungsverfahren: µ %1, Pt/C %2, Widerstand %3</translation>
    </message>
</context>
<context>
    <name>FopWindow</name>
    <message>
        <source>Fall of potential - %1</source>
        <translation>Spannungstrichter-Messung - %1</translation>
    </message>
    <message>
        <source>Fall of potential</source>
        <translation>Spannungstrichter-Messung</translation>
    </message>
    <message>
        <source>Current probe D (m):</source>
        <translation>Hilfserder-Abstand D (m):</translation>
    </message>
    <message>
        <source>Spread evenly</source>
        <translation>Gleichmäßig verteilen</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Re (ohm)</source>
        <translation>Re (Ω)</translation>
    </message>
    <message>
        <source>Potential probe x (m)</source>
        <translation>Sondenabstand x (m)</translation>
    </message>
    <message>
        <source>Store with %1</source>
        <translation>Bei %1 speichern</translation>
    </message>
    <message>
        <source>Store with test point</source>
        <translation>Beim Prüfpunkt speichern</translation>
    </message>
    <message>
        <source>The results belong to no one test point: assign them first</source>
        <translation>Die Ergebnisse gehören zu keinem einzelnen Prüfpunkt: zuerst zuordnen</translation>
    </message>
    <message>
        <source>Curve stored with %1</source>
        <translation>Kurve bei %1 gespeichert</translation>
    </message>
    <message>
        <source>Row %1: the potential-probe distance is a number of metres above 0.</source>
        <translation>Zeile %1: Der Sondenabstand ist eine Zahl in Metern über 0.</translation>
    </message>
    <message>
        <source>A fall-of-potential curve needs at least two 3-pole or 4-pole results with a measured value.</source>
        <translation>Eine Spannungstrichter-Kurve braucht mindestens zwei 3-Pol- oder 4-Pol-Ergebnisse mit Messwert.</translation>
    </message>
    <message>
        <source>; %1 left out (see below)</source>
        <translation>; %1 ausgelassen (siehe unten)</translation>
    </message>
    <message>
        <source>Save plot...</source>
        <translation>Diagramm speichern...</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) are no 3-pole or 4-pole earth resistance and left out</source>
        <translation>
            <numerusform>%n Ergebnis ist kein 3-Pol- oder 4-Pol-Erdungswiderstand und wird ausgelassen</numerusform>
            <numerusform>%n Ergebnisse sind kein 3-Pol- oder 4-Pol-Erdungswiderstand und werden ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>Rod length (m):</source>
        <translation>Staberderlänge (m):</translation>
    </message>
    <message>
        <source>The rod the predicted curve is worked out for</source>
        <translation>Der Staberder, für den die vorhergesagte Kurve berechnet wird</translation>
    </message>
    <message>
        <source>the site&apos;s grid of %1 m x %2 m</source>
        <translation>der Erder des Standorts, %1 m x %2 m</translation>
    </message>
    <message>
        <source>a rod of %1 m</source>
        <translation>ein Staberder von %1 m</translation>
    </message>
    <message>
        <source>Soil model, %1: %2 Ω; the predicted curve does not reach it before the current probe: a longer D is needed.</source>
        <translation>Bodenmodell, %1: %2 Ω; die vorhergesagte Kurve erreicht diesen Wert nicht vor der Stromsonde: ein größeres D ist nötig.</translation>
    </message>
    <message>
        <source>Soil model, %1: %2 Ω, read with the potential probe at %3 % of D rather than 61.8 %.</source>
        <translation>Bodenmodell, %1: %2 Ω, abgelesen mit der Spannungssonde bei %3 % von D statt bei 61,8 %.</translation>
    </message>
    <message>
        <source>The readings give %1 Ω there.</source>
        <translation>Die Messungen ergeben dort %1 Ω.</translation>
    </message>
    <message>
        <source>Readings typed in</source>
        <translation>Messwerte eingetippt</translation>
    </message>
    <message>
        <source>A traverse measured with another instrument, typed in distance by distance</source>
        <translation>Eine mit einem anderen Gerät gemessene Messreihe, Abstand für Abstand eingetippt</translation>
    </message>
    <message>
        <source>Row %1: a distance and a resistance are numbers above 0.</source>
        <translation>Zeile %1: Abstand und Widerstand sind Zahlen über 0.</translation>
    </message>
    <message>
        <source>Type at least two readings: the potential probe&apos;s distance and the resistance read there.</source>
        <translation>Tippen Sie mindestens zwei Messwerte ein: den Abstand der Sonde und den dort gemessenen Widerstand.</translation>
    </message>
    <message>
        <source>Typed traverse kept with %1</source>
        <translation>Eingetippte Messreihe bei %1 gespeichert</translation>
    </message>
</context>
<context>
    <name>GridSoil</name>
    <message>
        <source>Safe</source>
        <translation>Sicher</translation>
    </message>
    <message>
        <source>Not safe</source>
        <translation>Nicht sicher</translation>
    </message>
    <message>
        <source>Not shown safe</source>
        <translation>Nicht als sicher nachgewiesen</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the design is not safe across the soil model&apos;s one-sigma range.</source>
        <translation>Der Boden ist nicht genau genug bekannt: die Auslegung ist nicht über den ganzen Ein-Sigma-Bereich des Bodenmodells sicher.</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the fit cannot say how uncertain its values are (too few points, or a value the points do not determine).</source>
        <translation>Der Boden ist nicht genau genug bekannt: die Anpassung kann nicht sagen, wie unsicher ihre Werte sind (zu wenige Punkte oder ein Wert, den die Punkte nicht bestimmen).</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the sounding does not resolve layer %1 of the model.</source>
        <translation>Der Boden ist nicht genau genug bekannt: die Sondierung löst Schicht %1 des Modells nicht auf.</translation>
    </message>
    <message>
        <source>The soil is not known well enough: the model misses its points by %1 % RMS, more than the %2 % a sounding can have.</source>
        <translation>Der Boden ist nicht genau genug bekannt: das Modell verfehlt seine Punkte um %1 % RMS, mehr als die %2 %, die eine Sondierung haben kann.</translation>
    </message>
    <message>
        <source>At the high end of the soil&apos;s one-sigma range, %1 Ω·m: %2</source>
        <translation>Am oberen Ende des Ein-Sigma-Bereichs des Bodens, %1 Ω·m: %2</translation>
    </message>
    <message>
        <source>At the low end of the soil&apos;s one-sigma range, %1 Ω·m: %2</source>
        <translation>Am unteren Ende des Ein-Sigma-Bereichs des Bodens, %1 Ω·m: %2</translation>
    </message>
</context>
<context>
    <name>GridText</name>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>The ground potential rise %1 is below the tolerable touch voltage %2</source>
        <translation>Die Erdungsspannung %1 liegt unter der zulässigen Berührungsspannung %2</translation>
    </message>
    <message>
        <source>The mesh voltage %1 is below the tolerable touch voltage %2</source>
        <translation>Die Maschenspannung %1 liegt unter der zulässigen Berührungsspannung %2</translation>
    </message>
    <message>
        <source>The step voltage %1 is below the tolerable step voltage %2</source>
        <translation>Die Schrittspannung %1 liegt unter der zulässigen Schrittspannung %2</translation>
    </message>
    <message>
        <source>The mesh voltage %1 is %3 (%4 %) above the tolerable touch voltage %2</source>
        <translation>Die Maschenspannung %1 liegt %3 (%4 %) über der zulässigen Berührungsspannung %2</translation>
    </message>
    <message>
        <source>The step voltage %1 is %3 (%4 %) above the tolerable step voltage %2</source>
        <translation>Die Schrittspannung %1 liegt %3 (%4 %) über der zulässigen Schrittspannung %2</translation>
    </message>
    <message>
        <source>The earth potential rise %1 is at most twice the permissible touch voltage (%2)</source>
        <translation>Die Erdungsspannung %1 beträgt höchstens das Doppelte der zulässigen Berührungsspannung (%2)</translation>
    </message>
    <message>
        <source>The touch voltage (the mesh voltage) %1 is within the permissible touch voltage %2</source>
        <translation>Die Berührungsspannung (Maschenspannung) %1 liegt innerhalb der zulässigen Berührungsspannung %2</translation>
    </message>
    <message>
        <source>The touch voltage (the mesh voltage) %1 is %3 (%4 %) above the permissible touch voltage %2</source>
        <translation>Die Berührungsspannung (Maschenspannung) %1 liegt %3 (%4 %) über der zulässigen Berührungsspannung %2</translation>
    </message>
    <message>
        <source>The depth %1 m is outside the formulas&apos; range of 0.25 m to 2.5 m</source>
        <translation>Die Tiefe %1 m liegt außerhalb des Formelbereichs von 0,25 m bis 2,5 m</translation>
    </message>
    <message>
        <source>The spacing %1 m is not above the formulas&apos; 2.5 m</source>
        <translation>Der Abstand %1 m liegt nicht über den 2,5 m der Formeln</translation>
    </message>
    <message>
        <source>The conductor diameter %1 m is not below a quarter of the depth (%2 m)</source>
        <translation>Der Leiterdurchmesser %1 m liegt nicht unter einem Viertel der Tiefe (%2 m)</translation>
    </message>
    <message>
        <source>n = %1 is above the formulas&apos; 25</source>
        <translation>n = %1 liegt über den 25 der Formeln</translation>
    </message>
    <message>
        <source>The shock duration %1 s is outside the body current limit&apos;s 0.03 s to 3 s</source>
        <translation>Die Einwirkdauer %1 s liegt außerhalb der 0,03 s bis 3 s der Körperstromgrenze</translation>
    </message>
    <message>
        <source>The spacings differ (%1 m and %2 m): the formulas use the larger</source>
        <translation>Die Abstände unterscheiden sich (%1 m und %2 m): die Formeln nehmen den größeren</translation>
    </message>
    <message>
        <source>The depth %1 m is beyond Schwarz&apos;s deepest curve (%2 m)</source>
        <translation>Die Tiefe %1 m liegt jenseits der tiefsten Kurve nach Schwarz (%2 m)</translation>
    </message>
    <message>
        <source>The formulas assume uniform soil: the %1-layer model is reduced to one resistivity</source>
        <translation>Die Formeln setzen homogenen Boden voraus: das %1-Schichtmodell wird auf einen Erdwiderstand reduziert</translation>
    </message>
    <message>
        <source>The fault duration %1 s is outside EN 50522&apos;s table (0.05 s to 10 s): its nearest end is used</source>
        <translation>Die Fehlerdauer %1 s liegt außerhalb der Tabelle der EN 50522 (0,05 s bis 10 s): ihr nächstes Ende wird verwendet</translation>
    </message>
    <message>
        <source>The largest touch voltage %1 is within its limit %2</source>
        <translation>Die größte Berührungsspannung %1 liegt innerhalb ihrer Grenze %2</translation>
    </message>
    <message>
        <source>The largest touch voltage %1 is above its limit %2</source>
        <translation>Die größte Berührungsspannung %1 liegt über ihrer Grenze %2</translation>
    </message>
    <message>
        <source>The largest step voltage %1 is within its limit %2</source>
        <translation>Die größte Schrittspannung %1 liegt innerhalb ihrer Grenze %2</translation>
    </message>
    <message>
        <source>The largest step voltage %1 is above its limit %2</source>
        <translation>Die größte Schrittspannung %1 liegt über ihrer Grenze %2</translation>
    </message>
</context>
<context>
    <name>GridWindow</name>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Grid of %1 by %2 with %3 conductors and %4 rods</source>
        <translation>Netz %1 x %2 mit %3 Leitern und %4 Staberdern</translation>
    </message>
</context>
<context>
    <name>HistoryColumns</name>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Prüfpunkt</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Kennzeichnung</translation>
    </message>
    <message>
        <source>Read out</source>
        <translation>Ausgelesen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source> (doubtful)</source>
        <translation> (zweifelhaft)</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Limit %1 Ω (%2)</source>
        <translation>Grenzwert %1 Ω (%2)</translation>
    </message>
    <message>
        <source>No limit applies</source>
        <translation>Kein Grenzwert</translation>
    </message>
    <message>
        <source>
Doubtful: </source>
        <translation>
Zweifelhaft: </translation>
    </message>
</context>
<context>
    <name>ImportProblems</name>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>the file is larger than %1 MiB; split it</source>
        <translation>die Datei ist größer als %1 MiB; teilen Sie sie auf</translation>
    </message>
    <message>
        <source>the quote opened on line %1 is never closed</source>
        <translation>das in Zeile %1 geöffnete Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>the file is no .xlsx workbook: %1</source>
        <translation>die Datei ist keine .xlsx-Arbeitsmappe: %1</translation>
    </message>
    <message>
        <source>the workbook has no sheet &quot;%1&quot;; its sheets are %2</source>
        <translation>die Arbeitsmappe hat kein Blatt „%1“; ihre Blätter sind %2</translation>
    </message>
    <message>
        <source>the file holds no rows to import</source>
        <translation>die Datei enthält keine Zeilen zum Importieren</translation>
    </message>
    <message>
        <source>the mapping is no JSON object: %1</source>
        <translation>die Zuordnung ist kein JSON-Objekt: %1</translation>
    </message>
    <message>
        <source>the mapping&apos;s &quot;%1&quot; is not valid: it takes %2</source>
        <translation>„%1“ der Zuordnung ist ungültig: erlaubt ist %2</translation>
    </message>
    <message>
        <source>the mapping has no member &quot;%1&quot;; its members are %2</source>
        <translation>die Zuordnung kennt kein Element „%1“; ihre Elemente sind %2</translation>
    </message>
    <message>
        <source>the mapping needs a column for %1</source>
        <translation>die Zuordnung braucht eine Spalte für %1</translation>
    </message>
    <message>
        <source>the mapping names the column &quot;%1&quot;, which the header row does not have</source>
        <translation>die Zuordnung nennt die Spalte „%1“, die die Kopfzeile nicht hat</translation>
    </message>
    <message>
        <source>no mapping is remembered for a file with this header row; give one</source>
        <translation>für eine Datei mit dieser Kopfzeile ist keine Zuordnung gespeichert; geben Sie eine an</translation>
    </message>
    <message>
        <source>the row has no column %1</source>
        <translation>die Zeile hat keine Spalte %1</translation>
    </message>
    <message>
        <source>the column %1 is empty</source>
        <translation>die Spalte %1 ist leer</translation>
    </message>
    <message>
        <source>the date &quot;%1&quot; is not a date written %2</source>
        <translation>das Datum „%1“ ist kein Datum im Format %2</translation>
    </message>
    <message>
        <source>the point &quot;%1&quot; is not written SITE/POINT</source>
        <translation>der Messpunkt „%1“ ist nicht als ANLAGE/PUNKT geschrieben</translation>
    </message>
    <message>
        <source>the value of %1 is marked over range without its bound: &quot;%2&quot;</source>
        <translation>der Wert von %1 ist als Bereichsüberschreitung ohne Grenze markiert: „%2“</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>File (&amp;F)</source>
        <translation>Datei (&amp;D)</translation>
    </message>
    <message>
        <source>Read (&amp;R)</source>
        <translation>Lesen (&amp;L)</translation>
    </message>
    <message>
        <source>Save (&amp;S)</source>
        <translation>Speichern (&amp;S)</translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <translation>Drucken (&amp;D)</translation>
    </message>
    <message>
        <source>Show (&amp;F)</source>
        <translation>Anzeigen (&amp;A)</translation>
    </message>
    <message>
        <source>Exit (&amp;E)</source>
        <translation>Beenden (&amp;B)</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Ar&amp;chiv...</translation>
    </message>
    <message>
        <source>Mount(&amp;M)</source>
        <translation>Einstellen (&amp;E)</translation>
    </message>
    <message>
        <source>Date&amp;Time (&amp;T)</source>
        <translation>Datum &amp;&amp; Uhrzeit (&amp;U)</translation>
    </message>
    <message>
        <source>Erase    (&amp;D)</source>
        <translation>Löschen (&amp;L)</translation>
    </message>
    <message>
        <source>Current(&amp;C)</source>
        <translation>Aktuelles (&amp;A)</translation>
    </message>
    <message>
        <source>All    (&amp;A)</source>
        <translation>Alle (&amp;E)</translation>
    </message>
    <message>
        <source>Help (&amp;H)</source>
        <translation>Hilfe (&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Fast read-out</source>
        <translation>&amp;Schnelles Auslesen</translation>
    </message>
    <message>
        <source>&amp;Port...</source>
        <translation>&amp;Anschluss...</translation>
    </message>
    <message>
        <source>Language (&amp;L)</source>
        <translation>Sp&amp;rache</translation>
    </message>
    <message>
        <source>&amp;Team...</source>
        <translation>&amp;Team...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The archive was damaged. It was moved aside as &quot;%1&quot; and a new archive was started.</source>
        <translation>Das Archiv war beschädigt. Es wurde als „%1“ beiseitegelegt und ein neues Archiv angelegt.</translation>
    </message>
    <message>
        <source>The read-out could not be kept in the archive (%1). The results read are shown and can be saved and printed as usual.</source>
        <translation>Die Auslesung konnte nicht im Archiv abgelegt werden (%1). Die gelesenen Ergebnisse werden angezeigt und lassen sich wie gewohnt speichern und drucken.</translation>
    </message>
    <message>
        <source>Cannot write data.inf.</source>
        <translation>data.inf kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The read-out could not be opened: %1</source>
        <translation>Die Auslesung konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Cannot write data.inf, nothing was printed.</source>
        <translation>data.inf kann nicht geschrieben werden, es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The print service &quot;%1&quot; could not be started, so nothing was printed: %2.</source>
        <translation>Der Druckdienst „%1“ konnte nicht gestartet werden, es wurde nichts gedruckt: %2.</translation>
    </message>
    <message>
        <source>No data，please read firstly</source>
        <translation>Keine Daten, bitte zuerst lesen</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Keine Daten</translation>
    </message>
    <message>
        <source>cannot open serial port</source>
        <translation>Die serielle Schnittstelle kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>device driver error, please check USB driver installation or USB connection</source>
        <translation>Gerätetreiberfehler, bitte USB-Treiber und USB-Verbindung prüfen</translation>
    </message>
    <message>
        <source>No data received, please check instrument close or not</source>
        <translation>Keine Daten empfangen, bitte prüfen, ob das Messgerät eingeschaltet ist</translation>
    </message>
    <message>
        <source>Data have been read, do you read again?</source>
        <translation>Die Daten wurden bereits gelesen. Erneut lesen?</translation>
    </message>
    <message>
        <source>Read Data error, please retry</source>
        <translation>Fehler beim Lesen der Daten, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Read Data OK</source>
        <translation>Daten erfolgreich gelesen</translation>
    </message>
    <message>
        <source>Set date&amp;time OK</source>
        <translation>Datum und Uhrzeit eingestellt</translation>
    </message>
    <message>
        <source>Set date&amp;time error, please retry</source>
        <translation>Fehler beim Einstellen von Datum und Uhrzeit, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>The instrument keeps dates from 2000 to 2099 only</source>
        <translation>Das Messgerät speichert nur Daten von 2000 bis 2099</translation>
    </message>
    <message>
        <source>do you erase current data? this operation will not be recover!</source>
        <translation>Aktuelle Daten löschen? Dies kann nicht rückgängig gemacht werden!</translation>
    </message>
    <message>
        <source>Erase data OK, please retry</source>
        <translation>Daten gelöscht</translation>
    </message>
    <message>
        <source>Erase data error, please retry</source>
        <translation>Fehler beim Löschen der Daten, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>The instrument was disconnected during the read-out. The results read before are kept; connect it again and read once more.</source>
        <translation>Das Messgerät wurde während des Auslesens getrennt. Die zuvor gelesenen Ergebnisse bleiben erhalten; bitte erneut anschließen und noch einmal lesen.</translation>
    </message>
    <message>
        <source>The instrument was disconnected during the read-out, before any results were read. Connect it again and read once more.</source>
        <translation>Das Messgerät wurde während des Auslesens getrennt, bevor Ergebnisse gelesen wurden. Bitte erneut anschließen und noch einmal lesen.</translation>
    </message>
    <message>
        <source>The instrument was disconnected while its date and time were set. Connect it again and set them once more.</source>
        <translation>Das Messgerät wurde beim Einstellen von Datum und Uhrzeit getrennt. Bitte erneut anschließen und noch einmal einstellen.</translation>
    </message>
    <message>
        <source>The instrument was disconnected during the erase; it may not have erased. The results read before are kept; connect it again and read to see what it holds.</source>
        <translation>Das Messgerät wurde während des Löschens getrennt; möglicherweise wurde nichts gelöscht. Die zuvor gelesenen Ergebnisse bleiben erhalten; bitte erneut anschließen und lesen, um den Inhalt zu prüfen.</translation>
    </message>
    <message>
        <source>Port message unknown</source>
        <translation>Unbekannte Anschlussmeldung</translation>
    </message>
    <message>
        <source>port num at regedit error</source>
        <translation>Fehler bei der Anschlussnummer in der Registrierung</translation>
    </message>
    <message>
        <source>Choose resistivity results, or a site in the tree, first.</source>
        <translation>Zuerst Ergebnisse des spezifischen Erdwiderstands oder eine Anlage im Baum wählen.</translation>
    </message>
    <message>
        <source>Choose or make a site first.</source>
        <translation>Zuerst eine Anlage wählen oder anlegen.</translation>
    </message>
    <message>
        <source>Choose one or more results in the list first.</source>
        <translation>Zuerst ein oder mehrere Ergebnisse in der Liste wählen.</translation>
    </message>
    <message>
        <source>Choose a site or one of its test points in the tree first.</source>
        <translation>Zuerst eine Anlage oder einen ihrer Prüfpunkte im Baum wählen.</translation>
    </message>
    <message>
        <source>The language could not be remembered.</source>
        <translation>Die Sprache konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Terrovane speaks the chosen language from its next start.</source>
        <translation>Terrovane verwendet die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>The site could not be made: %1</source>
        <translation>Die Anlage konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>The test point could not be made: %1</source>
        <translation>Der Prüfpunkt konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>The label could not be stored: %1</source>
        <translation>Die Kennzeichnung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>The results could not be exported: %1</source>
        <translation>Die Ergebnisse konnten nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>The site report could not be written: %1</source>
        <translation>Der Anlagenbericht konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Choose a site in the tree first.</source>
        <translation>Zuerst eine Anlage im Baum wählen.</translation>
    </message>
    <message>
        <source>Another program is writing to the archive. Try again in a moment.</source>
        <translation>Ein anderes Programm schreibt gerade ins Archiv. Bitte gleich noch einmal versuchen.</translation>
    </message>
    <message>
        <source>The archive cannot be written. Check that you may write its file and its folder.</source>
        <translation>Das Archiv kann nicht geschrieben werden. Bitte prüfen, ob Datei und Ordner beschreibbar sind.</translation>
    </message>
    <message>
        <source>The archive is damaged. Start Terrovane again: it moves the damaged file aside and starts a new archive.</source>
        <translation>Das Archiv ist beschädigt. Terrovane neu starten: es legt die beschädigte Datei beiseite und beginnt ein neues Archiv.</translation>
    </message>
    <message>
        <source>Check that the archive&apos;s folder exists and belongs to you.</source>
        <translation>Bitte prüfen, ob der Ordner des Archivs existiert und Ihnen gehört.</translation>
    </message>
    <message>
        <source>Use the newer version of the program that wrote the archive.</source>
        <translation>Bitte die neuere Programmversion verwenden, die das Archiv geschrieben hat.</translation>
    </message>
    <message>
        <source>Another program may have changed it meanwhile; the window now shows the archive as it is.</source>
        <translation>Ein anderes Programm hat es möglicherweise inzwischen geändert; das Fenster zeigt jetzt das Archiv, wie es ist.</translation>
    </message>
    <message numerus="yes">
        <source>Test point &quot;%1&quot; has %n result(s). Delete the point? Its results stay in the archive, unassigned.</source>
        <translation>
            <numerusform>Der Prüfpunkt „%1“ hat %n Ergebnis. Den Prüfpunkt löschen? Seine Ergebnisse bleiben im Archiv, ohne Zuordnung.</numerusform>
            <numerusform>Der Prüfpunkt „%1“ hat %n Ergebnisse. Den Prüfpunkt löschen? Seine Ergebnisse bleiben im Archiv, ohne Zuordnung.</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no site to copy yet: make one first.</source>
        <translation>Es gibt noch keine Anlage zum Kopieren: Legen Sie zuerst eine an.</translation>
    </message>
    <message>
        <source>Choose the site of the new test point in the tree first.</source>
        <translation>Wählen Sie zuerst im Baum die Anlage des neuen Prüfpunkts.</translation>
    </message>
    <message>
        <source>The sites could not be exported: %1</source>
        <translation>Die Anlagen konnten nicht exportiert werden: %1</translation>
    </message>
    <message>
        <source>The due list could not be written: %1</source>
        <translation>Die Fälligkeitsliste konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The firm&apos;s profile cannot be read: %1</source>
        <translation>Das Firmenprofil kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The firm&apos;s profile was not kept: %1</source>
        <translation>Das Firmenprofil wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>The report was not issued: %1</source>
        <translation>Der Bericht wurde nicht ausgegeben: %1</translation>
    </message>
    <message>
        <source>The team server issues report numbers to inspectors and admins only.</source>
        <translation>Der Teamserver vergibt Berichtsnummern nur an Prüfer und Administratoren.</translation>
    </message>
    <message>
        <source>The issued report cannot be read: %1</source>
        <translation>Der ausgegebene Bericht kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The issued report cannot be written: %1</source>
        <translation>Der ausgegebene Bericht kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>No program opens the PDF file %1.</source>
        <translation>Kein Programm öffnet die PDF-Datei %1.</translation>
    </message>
    <message>
        <source>The certificates could not be written: %1</source>
        <translation>Die Prüfzertifikate konnten nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Delete this site with its test points and visits? Their results stay in the archive, unassigned.</source>
        <translation>Diese Anlage mit ihren Prüfpunkten und Besuchen löschen? Ihre Ergebnisse bleiben im Archiv, ohne Zuordnung.</translation>
    </message>
    <message>
        <source>Delete the visit of %1? Its results stay in the archive with their test points.</source>
        <translation>Den Besuch vom %1 löschen? Seine Ergebnisse bleiben mit ihren Prüfpunkten im Archiv.</translation>
    </message>
    <message>
        <source>Choose the 3-pole results of one fall-of-potential run, or a test point to type a traverse in, first.</source>
        <translation>Wählen Sie zuerst die 3-Pol-Ergebnisse einer Spannungstrichter-Messung oder einen Prüfpunkt, um eine Messreihe einzutippen.</translation>
    </message>
</context>
<context>
    <name>MethodTexts</name>
    <message>
        <source>probe distances not recorded</source>
        <translation>Sondenabstände nicht erfasst</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>nicht erfasst</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>probes: current %1, potential %2</source>
        <translation>Sonden: Strom %1, Spannung %2</translation>
    </message>
    <message>
        <source>test frequency not recorded</source>
        <translation>Prüffrequenz nicht erfasst</translation>
    </message>
    <message>
        <source>test frequency %1</source>
        <translation>Prüffrequenz %1</translation>
    </message>
    <message>
        <source>Rs and Rh not recorded</source>
        <translation>Rs und Rh nicht erfasst</translation>
    </message>
    <message>
        <source>Rs %1, Rh %2: doubtful, above %3</source>
        <translation>Rs %1, Rh %2: zweifelhaft, über %3</translation>
    </message>
    <message>
        <source>Rs %1, Rh %2: not judged, one is missing</source>
        <translation>Rs %1, Rh %2: nicht bewertet, ein Wert fehlt</translation>
    </message>
    <message>
        <source>Rs %1, Rh %2: valid, both at most %3</source>
        <translation>Rs %1, Rh %2: gültig, beide höchstens %3</translation>
    </message>
    <message>
        <source>method not recorded</source>
        <translation>Messverfahren nicht erfasst</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>Visit of %1: weather %2; air %3; soil %4</source>
        <translation>Begehung am %1: Wetter %2; Luft %3; Boden %4</translation>
    </message>
</context>
<context>
    <name>NumberBox</name>
    <message>
        <source>%1: type a number, such as %2.</source>
        <translation>%1: Geben Sie eine Zahl ein, etwa %2.</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4.</source>
        <translation>%1: %2 liegt außerhalb von %3 bis %4.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has a thousands separator; type the number without it, such as %3.</source>
        <translation>%1: „%2“ enthält ein Tausendertrennzeichen; geben Sie die Zahl ohne es ein, etwa %3.</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not a number; type one such as %3.</source>
        <translation>%1: „%2“ ist keine Zahl; geben Sie eine Zahl ein, etwa %3.</translation>
    </message>
    <message>
        <source>This field</source>
        <translation>Dieses Feld</translation>
    </message>
</context>
<context>
    <name>PlotSaving</name>
    <message>
        <source>PNG image (*.png);;SVG drawing (*.svg);;PDF (*.pdf)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg);;PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save plot</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>The plot could not be saved: %1</source>
        <translation>Das Diagramm konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Plot saved to %1</source>
        <translation>Diagramm gespeichert in %1</translation>
    </message>
</context>
<context>
    <name>Plots</name>
    <message>
        <source>Potential probe x / D</source>
        <translation>Sondenabstand x / D</translation>
    </message>
    <message>
        <source>Electrode spacing a (m)</source>
        <translation>Elektrodenabstand a (m)</translation>
    </message>
    <message>
        <source>Apparent resistivity (Ω·m)</source>
        <translation>Scheinbarer spezifischer Erdwiderstand (Ω·m)</translation>
    </message>
    <message>
        <source>Resistance (Ω)</source>
        <translation>Widerstand (Ω)</translation>
    </message>
    <message>
        <source>61.8 %: %1 Ω</source>
        <translation>61,8 %: %1 Ω</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Model ± one sigma</source>
        <translation>Modell ± eine Standardabweichung</translation>
    </message>
    <message>
        <source>model: %1 %</source>
        <translation>Modell: %1 %</translation>
    </message>
    <message>
        <source>Surface potential</source>
        <translation>Oberflächenpotential</translation>
    </message>
    <message>
        <source>Touch voltage</source>
        <translation>Berührungsspannung</translation>
    </message>
    <message>
        <source>Tolerable touch voltage</source>
        <translation>Zulässige Berührungsspannung</translation>
    </message>
    <message>
        <source>Distance along the line (m)</source>
        <translation>Abstand entlang der Linie (m)</translation>
    </message>
    <message>
        <source>Volts</source>
        <translation>Volt</translation>
    </message>
</context>
<context>
    <name>PortChooser</name>
    <message>
        <source>Instrument port</source>
        <translation>Anschluss des Messgeräts</translation>
    </message>
    <message>
        <source>Choose the instrument bridge that Read, Date&amp;Time and Erase use:</source>
        <translation>Den USB-Adapter des Messgeräts wählen, den Lesen, Datum/Uhrzeit und Löschen verwenden:</translation>
    </message>
    <message>
        <source>No instrument bridge is attached.</source>
        <translation>Kein USB-Adapter eines Messgeräts angeschlossen.</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Product id</source>
        <translation>Produkt-ID</translation>
    </message>
    <message>
        <source>USB serial</source>
        <translation>USB-Seriennummer</translation>
    </message>
    <message>
        <source>USB path</source>
        <translation>USB-Pfad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>
 Save data now，please wait for a minute...</source>
        <translation>
 Die Daten werden gespeichert, bitte einen Moment warten...</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>
 Read data now，please do NOT terminate...</source>
        <translation>
 Die Daten werden gelesen, bitte NICHT abbrechen...</translation>
    </message>
</context>
<context>
    <name>RapstelApp</name>
    <message>
        <source>打印任务已启动!</source>
        <translation>Ein Druckauftrag läuft bereits!</translation>
    </message>
</context>
<context>
    <name>RecordList</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>yy-mm-dd</source>
        <translation>jj-mm-tt</translation>
    </message>
    <message>
        <source>hh-mm-ss</source>
        <translation>hh-mm-ss</translation>
    </message>
</context>
<context>
    <name>Refusals</name>
    <message numerus="yes">
        <source>%n layer(s) need %1 points,</source>
        <translation>
            <numerusform>%n Schicht braucht %1 Punkte,</numerusform>
            <numerusform>%n Schichten brauchen %1 Punkte,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>but there are only %n.</source>
        <translation>
            <numerusform>es gibt aber nur %n.</numerusform>
            <numerusform>es gibt aber nur %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Point %1: not a number.</source>
        <translation>Punkt %1: keine Zahl.</translation>
    </message>
    <message>
        <source>Point %1: the spacing must be above 0 m.</source>
        <translation>Punkt %1: Der Abstand muss über 0 m liegen.</translation>
    </message>
    <message>
        <source>Point %1: the apparent resistivity must be above 0 Ω·m.</source>
        <translation>Punkt %1: Der scheinbare spezifische Erdwiderstand muss über 0 Ω·m liegen.</translation>
    </message>
    <message>
        <source>Point %1: a spacing outside 1 mm to 100 km is no Wenner sounding.</source>
        <translation>Punkt %1: Ein Abstand außerhalb von 1 mm bis 100 km ist keine Wenner-Sondierung.</translation>
    </message>
    <message>
        <source>Point %1: an apparent resistivity outside 1e-6 to 1e12 Ω·m is no soil.</source>
        <translation>Punkt %1: Ein scheinbarer spezifischer Erdwiderstand außerhalb von 1e-6 bis 1e12 Ω·m ist kein Boden.</translation>
    </message>
    <message>
        <source>Point %1: the spacing %2 m is already that of point %3.</source>
        <translation>Punkt %1: Der Abstand %2 m ist bereits der von Punkt %3.</translation>
    </message>
    <message>
        <source>The number of layers must be 1 to %1.</source>
        <translation>Die Zahl der Schichten muss 1 bis %1 sein.</translation>
    </message>
    <message>
        <source>The current-probe distance must be above 0 m and at most 100 km.</source>
        <translation>Der Hilfserder-Abstand muss über 0 m und höchstens 100 km betragen.</translation>
    </message>
    <message>
        <source>At least two readings are needed.</source>
        <translation>Es werden mindestens zwei Messwerte gebraucht.</translation>
    </message>
    <message>
        <source>Reading %1: not a number.</source>
        <translation>Messwert %1: keine Zahl.</translation>
    </message>
    <message>
        <source>Reading %1: the potential probe must be between the electrode and the current probe (0 to %2 m), not at %3 m.</source>
        <translation>Messwert %1: Die Sonde muss zwischen dem Erder und dem Hilfserder liegen (0 bis %2 m), nicht bei %3 m.</translation>
    </message>
    <message>
        <source>Reading %1: the resistance must be above 0 Ω and at most 1e12 Ω.</source>
        <translation>Messwert %1: Der Widerstand muss über 0 Ω und höchstens 1e12 Ω betragen.</translation>
    </message>
    <message>
        <source>Reading %1: the distance %2 m is already that of reading %3.</source>
        <translation>Messwert %1: Der Abstand %2 m ist bereits der von Messwert %3.</translation>
    </message>
    <message>
        <source>61.8 % of D (%1 m) lies outside the readings (%2 m to %3 m): add readings on both sides of it.</source>
        <translation>61,8 % von D (%1 m) liegt außerhalb der Messwerte (%2 m bis %3 m): auf beiden Seiten Messwerte ergänzen.</translation>
    </message>
    <message>
        <source>The readings do not reach from 52 % to 72 % of D: the plateau was not checked.</source>
        <translation>Die Messwerte reichen nicht von 52 % bis 72 % von D: das Plateau wurde nicht geprüft.</translation>
    </message>
    <message>
        <source>The curve from 52 % to 72 % of D spreads over %1 % (more than 5 %): the potential probe is not on a plateau; move the current probe further out and measure again.</source>
        <translation>Die Kurve streut von 52 % bis 72 % von D um %1 % (mehr als 5 %): Die Sonde liegt nicht im Plateau; den Hilfserder weiter entfernt setzen und neu messen.</translation>
    </message>
    <message>
        <source>No readings at 20 %, 40 % and 60 % of D: no slope method.</source>
        <translation>Keine Messwerte bei 20 %, 40 % und 60 % von D: kein Steigungsverfahren.</translation>
    </message>
    <message>
        <source>The slope coefficient mu = %1 lies outside the slope table (0.40 to 1.59): move the current probe further out.</source>
        <translation>Der Steigungskoeffizient µ = %1 liegt außerhalb der Tabelle (0,40 bis 1,59): den Hilfserder weiter entfernt setzen.</translation>
    </message>
    <message>
        <source>The slope method&apos;s Pt = %1 m lies outside the readings.</source>
        <translation>Pt = %1 m des Steigungsverfahrens liegt außerhalb der Messwerte.</translation>
    </message>
    <message>
        <source>Point %1: MN/2 must be above 0 m and below AB/2, %2 m.</source>
        <translation>Punkt %1: MN/2 muss über 0 m und unter AB/2 liegen, %2 m.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>第 %d 页</source>
        <translation>Seite %d</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>模式</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>日期
yy-mm-dd</source>
        <translation>Datum
jj-mm-tt</translation>
    </message>
    <message>
        <source>时间
hh-mm-ss</source>
        <translation>Zeit
hh-mm-ss</translation>
    </message>
    <message>
        <source>电压
(V)</source>
        <translation>Spg.
(V)</translation>
    </message>
    <message>
        <source>频率
(Hz)</source>
        <translation>Freq
(Hz)</translation>
    </message>
    <message>
        <source>Re
(Ω)</source>
        <translation>Re
(Ω)</translation>
    </message>
    <message>
        <source>Rs
(Ω)</source>
        <translation>Rs
(Ω)</translation>
    </message>
    <message>
        <source>Rh
(Ω)</source>
        <translation>Rh
(Ω)</translation>
    </message>
    <message>
        <source>Rac
(Ω)</source>
        <translation>Rac
(Ω)</translation>
    </message>
    <message>
        <source>R1
(Ω)</source>
        <translation>R1
(Ω)</translation>
    </message>
    <message>
        <source>R2
(Ω)</source>
        <translation>R2
(Ω)</translation>
    </message>
    <message>
        <source>电阻率
(Ω*m)</source>
        <translation>ρ
(Ω*m)</translation>
    </message>
    <message>
        <source>Rk
(Ω)</source>
        <translation>Rk
(Ω)</translation>
    </message>
    <message>
        <source>Fst
(Hz)</source>
        <translation>Fst
(Hz)</translation>
    </message>
    <message>
        <source>Ust
(V)</source>
        <translation>Ust
(V)</translation>
    </message>
    <message>
        <source>Iac
(A)</source>
        <translation>Iac
(A)</translation>
    </message>
    <message>
        <source>距离
(m)</source>
        <translation>d
(m)</translation>
    </message>
    <message>
        <source>
接地电阻测试仪    
Test Report of Earth/Ground Tester</source>
        <translation>
Prüfbericht
Erdungsmessgerät</translation>
    </message>
    <message>
        <source>
测试对象
Object</source>
        <translation>
Prüfobjekt</translation>
    </message>
    <message>
        <source>
仪表编号
Instrument S/N</source>
        <translation>
Geräte-Nr.</translation>
    </message>
    <message>
        <source>
测  试 人
Name</source>
        <translation>
Prüfer</translation>
    </message>
    <message>
        <source>
日    期
Date</source>
        <translation>
Datum</translation>
    </message>
</context>
<context>
    <name>ResultWords</name>
    <message>
        <source>pass</source>
        <translation>bestanden</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>nicht bestanden</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>rod</source>
        <translation>Staberder</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>Erdungsanlage</translation>
    </message>
    <message>
        <source>mesh</source>
        <translation>Maschenerder</translation>
    </message>
    <message>
        <source>tower leg</source>
        <translation>Mastfuß</translation>
    </message>
    <message>
        <source>down conductor</source>
        <translation>Ableitung</translation>
    </message>
    <message>
        <source>other</source>
        <translation>sonstige</translation>
    </message>
    <message numerus="yes">
        <source>%n passed</source>
        <translation>
            <numerusform>%n bestanden</numerusform>
            <numerusform>%n bestanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <translation>
            <numerusform>%n nicht bestanden</numerusform>
            <numerusform>%n nicht bestanden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without limit</source>
        <translation>
            <numerusform>%n ohne Grenzwert</numerusform>
            <numerusform>%n ohne Grenzwert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not tested</source>
        <translation>
            <numerusform>%n nicht geprüft</numerusform>
            <numerusform>%n nicht geprüft</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>SafetyMap</name>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
</context>
<context>
    <name>SiteReport</name>
    <message>
        <source>not estimated</source>
        <translation>nicht geschätzt</translation>
    </message>
    <message>
        <source>Soil model</source>
        <translation>Bodenmodell</translation>
    </message>
    <message>
        <source>Stored %1; layers: %2; RMS error %3 %</source>
        <translation>Gespeichert %1; Schichten: %2; RMS-Fehler %3 %</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Schicht</translation>
    </message>
    <message>
        <source>Resistivity (Ω·m)</source>
        <translation>Spez. Erdwiderstand (Ω·m)</translation>
    </message>
    <message>
        <source>Thickness (m)</source>
        <translation>Mächtigkeit (m)</translation>
    </message>
    <message>
        <source>Depth to base (m)</source>
        <translation>Tiefe der Unterkante (m)</translation>
    </message>
    <message>
        <source>Fall of potential: </source>
        <translation>Spannungstrichter-Messung: </translation>
    </message>
    <message>
        <source>Stored %1; current probe D = %2 m; %3 readings</source>
        <translation>Gespeichert %1; Hilfserder D = %2 m; %3 Messwerte</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Prüfpunkt</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Jamming</source>
        <translation>Störung</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Grenzwert</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>all results</source>
        <translation>alle Ergebnisse</translation>
    </message>
    <message>
        <source> to </source>
        <translation> bis </translation>
    </message>
    <message>
        <source>Earth resistance test report</source>
        <translation>Prüfbericht Erdungswiderstand</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Prüfer</translation>
    </message>
    <message>
        <source>Instrument serial</source>
        <translation>Geräte-Seriennummer</translation>
    </message>
    <message>
        <source>– (not recorded by the instrument&apos;s read-out)</source>
        <translation>– (nicht in der Auslesung des Messgeräts)</translation>
    </message>
    <message>
        <source>Date range</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>no result in the date range</source>
        <translation>kein Ergebnis im Zeitraum</translation>
    </message>
    <message>
        <source>and %1 earlier results</source>
        <translation>und %1 frühere Ergebnisse</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Site report: </source>
        <translation>Anlagenbericht: </translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>unbestimmt</translation>
    </message>
    <message>
        <source>below</source>
        <translation>darunter</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keiner</translation>
    </message>
    <message>
        <source>earlier</source>
        <translation>früher</translation>
    </message>
    <message>
        <source>Summary: %1</source>
        <translation>Zusammenfassung: %1</translation>
    </message>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>square</source>
        <translation>quadratisch</translation>
    </message>
    <message>
        <source>L-shaped (a corner of %1 m x %2 m cut out)</source>
        <translation>L-förmig (eine Ecke von %1 m x %2 m ausgespart)</translation>
    </message>
    <message>
        <source>rectangular</source>
        <translation>rechteckig</translation>
    </message>
    <message>
        <source>Rods: none</source>
        <translation>Staberder: keine</translation>
    </message>
    <message>
        <source>inside the grid</source>
        <translation>innerhalb des Netzes</translation>
    </message>
    <message>
        <source>at the corners</source>
        <translation>an den Ecken</translation>
    </message>
    <message>
        <source>on the perimeter</source>
        <translation>am Umfang</translation>
    </message>
    <message>
        <source>Rods: %1 of %2 m, %3 m in diameter, %4</source>
        <translation>Staberder: %1 zu %2 m, %3 m Durchmesser, %4</translation>
    </message>
    <message>
        <source>grid current %1 A</source>
        <translation>Erderstrom %1 A</translation>
    </message>
    <message>
        <source>fault current 3I0 %1 A, split factor %2, X/R %3 at %4 Hz</source>
        <translation>Fehlerstrom 3I0 %1 A, Reduktionsfaktor %2, X/R %3 bei %4 Hz</translation>
    </message>
    <message>
        <source>Fault: %1 for %2 s; body of %3 kg</source>
        <translation>Fehler: %1 für %2 s; Körper von %3 kg</translation>
    </message>
    <message>
        <source>Soil: %1 Ω·m, the stored one-layer model</source>
        <translation>Boden: %1 Ω·m, das gespeicherte Einschichtmodell</translation>
    </message>
    <message>
        <source>Soil: %1 Ω·m, the %2-layer model&apos;s Wenner apparent resistivity at the equivalent radius %3 m</source>
        <translation>Boden: %1 Ω·m, scheinbarer Wenner-Erdwiderstand des %2-Schichtmodells beim Ersatzradius %3 m</translation>
    </message>
    <message>
        <source>Soil: %1 Ω·m, as typed</source>
        <translation>Boden: %1 Ω·m, wie eingegeben</translation>
    </message>
    <message>
        <source>Touch voltage (mesh voltage Em)</source>
        <translation>Berührungsspannung (Maschenspannung Em)</translation>
    </message>
    <message>
        <source>Step voltage Es</source>
        <translation>Schrittspannung Es</translation>
    </message>
    <message>
        <source>Ground potential rise</source>
        <translation>Erdungsspannung</translation>
    </message>
    <message>
        <source>Permissible touch voltage (EN 50522)</source>
        <translation>Zulässige Berührungsspannung (EN 50522)</translation>
    </message>
    <message>
        <source>%1 Ω</source>
        <translation>%1 Ω</translation>
    </message>
    <message>
        <source>Grid resistance Rg (Sverak)</source>
        <translation>Ausbreitungswiderstand Rg (Sverak)</translation>
    </message>
    <message>
        <source>Grid resistance (Schwarz)</source>
        <translation>Ausbreitungswiderstand (Schwarz)</translation>
    </message>
    <message>
        <source>Grid current IG</source>
        <translation>Erderstrom IG</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>Surface layer factor Cs</source>
        <translation>Oberflächenschichtfaktor Cs</translation>
    </message>
    <message>
        <source>Earthing grid safety</source>
        <translation>Sicherheit der Erdungsanlage</translation>
    </message>
    <message>
        <source>EN 50522:2010</source>
        <translation>EN 50522:2010</translation>
    </message>
    <message>
        <source>IEEE Std 80-2013</source>
        <translation>IEEE Std 80-2013</translation>
    </message>
    <message>
        <source>Stored %1; judged after %2</source>
        <translation>Gespeichert %1; bewertet nach %2</translation>
    </message>
    <message>
        <source>Grid: %1, %2 m x %3 m, %4 x %5 conductors of %6 m, %7 m deep</source>
        <translation>Erdungsnetz: %1, %2 m x %3 m, %4 x %5 Leiter zu %6 m, %7 m tief</translation>
    </message>
    <message>
        <source>Surface layer: %1 Ω·m, %2 m thick</source>
        <translation>Oberflächenschicht: %1 Ω·m, %2 m dick</translation>
    </message>
    <message>
        <source>Surface layer: none</source>
        <translation>Oberflächenschicht: keine</translation>
    </message>
    <message>
        <source>Tolerable</source>
        <translation>Zulässig</translation>
    </message>
    <message>
        <source>Computed</source>
        <translation>Berechnet</translation>
    </message>
    <message>
        <source>Verdict: safe</source>
        <translation>Bewertung: sicher</translation>
    </message>
    <message>
        <source>Verdict: not safe</source>
        <translation>Bewertung: nicht sicher</translation>
    </message>
    <message>
        <source>Left out of the sounding, and why:</source>
        <translation>Aus der Sondierung ausgelassen, mit Grund:</translation>
    </message>
    <message>
        <source>Left off the curve, and why:</source>
        <translation>Nicht in der Kurve, mit Grund:</translation>
    </message>
    <message>
        <source>newer, failed</source>
        <translation>neuer, fehlgeschlagen</translation>
    </message>
    <message>
        <source>Verdict: not shown safe (the soil is not known well enough)</source>
        <translation>Bewertung: nicht als sicher nachgewiesen (der Boden ist nicht genau genug bekannt)</translation>
    </message>
    <message>
        <source>uniform, %1 Ω·m</source>
        <translation>homogen, %1 Ω·m</translation>
    </message>
    <message>
        <source>%1 Ω·m of %2 m</source>
        <translation>%1 Ω·m auf %2 m</translation>
    </message>
    <message>
        <source>%1 Ω·m below</source>
        <translation>%1 Ω·m darunter</translation>
    </message>
    <message>
        <source>(%1 m, %2 m)</source>
        <translation>(%1 m, %2 m)</translation>
    </message>
    <message>
        <source>Computed in the soil (%1): largest touch voltage %2 at %3, largest step voltage %4 at %5</source>
        <translation>Im Boden berechnet (%1): größte Berührungsspannung %2 bei %3, größte Schrittspannung %4 bei %5</translation>
    </message>
    <message>
        <source>Hatched and bordered: the ground at or above the limit. The grid&apos;s corner is at 0, 0; the maps reach 3 m beyond it.</source>
        <translation>Schraffiert und umrandet: der Boden am oder über dem Grenzwert. Die Ecke des Gitters liegt bei 0, 0; die Karten reichen 3 m darüber hinaus.</translation>
    </message>
    <message>
        <source>Touch voltage, limit %1</source>
        <translation>Berührungsspannung, Grenzwert %1</translation>
    </message>
    <message>
        <source>Step voltage, limit %1</source>
        <translation>Schrittspannung, Grenzwert %1</translation>
    </message>
    <message>
        <source>Accreditation / licence: %1</source>
        <translation>Akkreditierung / Zulassung: %1</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Auftraggeber</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>not tested in the date range</source>
        <translation>im Zeitraum nicht gemessen</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Messverfahren</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>nicht erfasst</translation>
    </message>
    <message>
        <source>Due again</source>
        <translation>Wieder fällig</translation>
    </message>
    <message>
        <source>no interval set</source>
        <translation>kein Prüfintervall</translation>
    </message>
    <message>
        <source>Earth resistance test certificate</source>
        <translation>Prüfzertifikat Erdungswiderstand</translation>
    </message>
    <message>
        <source>Certificate %1 of %2</source>
        <translation>Zertifikat %1 von %2</translation>
    </message>
    <message>
        <source>Test certificates: </source>
        <translation>Prüfzertifikate: </translation>
    </message>
    <message>
        <source>this photo cannot be shown: %1</source>
        <translation>dieses Foto kann nicht gezeigt werden: %1</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>Tested by</source>
        <translation>Geprüft von</translation>
    </message>
    <message>
        <source>Checked by</source>
        <translation>Kontrolliert von</translation>
    </message>
    <message>
        <source>Name: ____________</source>
        <translation>Name: ____________</translation>
    </message>
    <message>
        <source>Signature, date: %1</source>
        <translation>Unterschrift, Datum: %1</translation>
    </message>
    <message>
        <source>Result and signatures</source>
        <translation>Ergebnis und Unterschriften</translation>
    </message>
    <message>
        <source>Verdicts: %1</source>
        <translation>Bewertungen: %1</translation>
    </message>
    <message>
        <source>Each point was judged by its newest result that measured, against the limit shown with it.</source>
        <translation>Jeder Prüfpunkt wurde nach seinem neuesten gültigen Messergebnis gegen den dort genannten Grenzwert bewertet.</translation>
    </message>
    <message>
        <source>Newest result</source>
        <translation>Neuestes Ergebnis</translation>
    </message>
    <message>
        <source>not tested</source>
        <translation>nicht gemessen</translation>
    </message>
    <message>
        <source>Summary of the test points</source>
        <translation>Übersicht der Prüfpunkte</translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Messverfahren: %1</translation>
    </message>
    <message>
        <source>Conditions not recorded (no visit on %1)</source>
        <translation>Bedingungen nicht erfasst (keine Begehung am %1)</translation>
    </message>
    <message>
        <source>no visit recorded</source>
        <translation>keine Begehung erfasst</translation>
    </message>
    <message>
        <source>Phone: %1</source>
        <translation>Telefon: %1</translation>
    </message>
    <message>
        <source>E-mail: %1</source>
        <translation>E-Mail: %1</translation>
    </message>
    <message>
        <source>(no firm set)</source>
        <translation>(keine Firma eingetragen)</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>Report %1, revision %2</source>
        <translation>Bericht %1, Revision %2</translation>
    </message>
    <message>
        <source>not issued</source>
        <translation>nicht ausgegeben</translation>
    </message>
    <message>
        <source>Report number</source>
        <translation>Berichtsnummer</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Issue date</source>
        <translation>Ausgabedatum</translation>
    </message>
    <message>
        <source>Visits</source>
        <translation>Begehungen</translation>
    </message>
    <message>
        <source>Prepared by</source>
        <translation>Erstellt von</translation>
    </message>
    <message>
        <source>Measured by %1, typed in by %2, instrument %3</source>
        <translation>Gemessen von %1, eingegeben von %2, Messgerät %3</translation>
    </message>
</context>
<context>
    <name>SoilWindow</name>
    <message>
        <source>not estimated</source>
        <translation>nicht geschätzt</translation>
    </message>
    <message>
        <source>Soil model - %1</source>
        <translation>Bodenmodell - %1</translation>
    </message>
    <message>
        <source>Soil model</source>
        <translation>Bodenmodell</translation>
    </message>
    <message>
        <source>Layers:</source>
        <translation>Schichten:</translation>
    </message>
    <message>
        <source>Thickness (m)</source>
        <translation>Mächtigkeit (m)</translation>
    </message>
    <message>
        <source>Depth to base (m)</source>
        <translation>Tiefe Unterkante (m)</translation>
    </message>
    <message>
        <source>Save plot...</source>
        <translation>Diagramm speichern...</translation>
    </message>
    <message>
        <source>Save model...</source>
        <translation>Modell speichern...</translation>
    </message>
    <message>
        <source>Store with %1</source>
        <translation>Bei %1 speichern</translation>
    </message>
    <message>
        <source>Store with site</source>
        <translation>Bei der Anlage speichern</translation>
    </message>
    <message>
        <source>The results belong to no one site: choose a site in the archive window</source>
        <translation>Die Ergebnisse gehören zu keiner einzelnen Anlage: eine Anlage im Archivfenster wählen</translation>
    </message>
    <message>
        <source>; the best model found is shown</source>
        <translation>; das beste gefundene Modell wird gezeigt</translation>
    </message>
    <message>
        <source>There is no model to save</source>
        <translation>Es gibt kein Modell zum Speichern</translation>
    </message>
    <message>
        <source>Save model</source>
        <translation>Modell speichern</translation>
    </message>
    <message>
        <source>CSV (*.csv);;JSON (*.json)</source>
        <translation>CSV (*.csv);;JSON (*.json)</translation>
    </message>
    <message>
        <source>Model saved</source>
        <translation>Modell gespeichert</translation>
    </message>
    <message>
        <source>Model stored with %1</source>
        <translation>Modell bei %1 gespeichert</translation>
    </message>
    <message>
        <source>No resistivity results (mode 9) with a distance among the chosen results.</source>
        <translation>Unter den gewählten Ergebnissen ist kein spezifischer Erdwiderstand (Modus 9) mit Abstand.</translation>
    </message>
    <message numerus="yes">
        <source>%n layer(s), RMS error %1 %</source>
        <translation>
            <numerusform>%n Schicht, RMS-Fehler %1 %</numerusform>
            <numerusform>%n Schichten, RMS-Fehler %1 %</numerusform>
        </translation>
    </message>
    <message>
        <source>below</source>
        <translation>darunter</translation>
    </message>
    <message>
        <source>Resolved</source>
        <translation>Aufgelöst</translation>
    </message>
    <message>
        <source>Grid safety...</source>
        <translation>Sicherheit der Erdungsanlage...</translation>
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
        <source>Stored %1</source>
        <translation>Gespeichert %1</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) are no resistivity reading and left out</source>
        <translation>
            <numerusform>%n Ergebnis ist keine Messung des spezifischen Erdwiderstands und wird ausgelassen</numerusform>
            <numerusform>%n Ergebnisse sind keine Messung des spezifischen Erdwiderstands und werden ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>unbestimmt</translation>
    </message>
    <message>
        <source>Resistivity (Ω·m)</source>
        <translation>Spez. Widerstand (Ω·m)</translation>
    </message>
    <message>
        <source>Readings typed in</source>
        <translation>Messwerte eingetippt</translation>
    </message>
    <message>
        <source>A sounding measured with another instrument, typed in spacing by spacing</source>
        <translation>Eine mit einem anderen Gerät gemessene Sondierung, Abstand für Abstand eingetippt</translation>
    </message>
    <message>
        <source>Type at least two readings: the spacing and what was read there.</source>
        <translation>Tippen Sie mindestens zwei Messwerte ein: den Abstand und den dort gemessenen Wert.</translation>
    </message>
    <message>
        <source>Typed sounding kept with %1</source>
        <translation>Eingetippte Sondierung bei %1 gespeichert</translation>
    </message>
    <message>
        <source>A Schlumberger sounding&apos;s model is shown and saved, not stored with the site: a stored model keeps Wenner spacings only.</source>
        <translation>Das Modell einer Schlumberger-Sondierung wird angezeigt und gesichert, aber nicht mit dem Standort gespeichert: Ein gespeichertes Modell kennt nur Wenner-Abstände.</translation>
    </message>
    <message>
        <source>The fit models each Schlumberger reading where its electrodes stood: type the MN/2 of every reading.</source>
        <translation>Die Anpassung rechnet jeden Schlumberger-Messwert dort, wo seine Elektroden standen: Geben Sie zu jedem Messwert sein MN/2 ein.</translation>
    </message>
</context>
<context>
    <name>SyncErrors</name>
    <message>
        <source>The team server cannot be reached. Nothing is lost: the changes wait here until the next sync.</source>
        <translation>Der Teamserver ist nicht erreichbar. Nichts geht verloren: Die Änderungen warten hier bis zur nächsten Synchronisierung.</translation>
    </message>
    <message>
        <source>The team server refused the sign-in. Check the user name and password.</source>
        <translation>Der Teamserver hat die Anmeldung abgelehnt. Prüfen Sie Benutzername und Passwort.</translation>
    </message>
    <message>
        <source>You are not a member of the team (any more). Ask the office.</source>
        <translation>Sie sind (nicht mehr) Mitglied des Teams. Wenden Sie sich an das Büro.</translation>
    </message>
    <message>
        <source>The team server is newer than this program. Update this program; nothing was changed.</source>
        <translation>Der Teamserver ist neuer als dieses Programm. Aktualisieren Sie dieses Programm; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>This archive syncs with another team server; nothing was changed.</source>
        <translation>Dieses Archiv wird mit einem anderen Teamserver synchronisiert; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The archive could not be read or written.</source>
        <translation>Das Archiv konnte nicht gelesen oder geschrieben werden.</translation>
    </message>
    <message>
        <source>The team server reported an error.</source>
        <translation>Der Teamserver hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>The team server is still writing changes of others. Sync again in a moment.</source>
        <translation>Der Teamserver schreibt noch Änderungen anderer. Synchronisieren Sie gleich noch einmal.</translation>
    </message>
    <message>
        <source>The sync was cancelled. What was sent and received is kept; the next sync goes on from there.</source>
        <translation>Die Synchronisierung wurde abgebrochen. Was gesendet und empfangen wurde, bleibt erhalten; die nächste Synchronisierung macht dort weiter.</translation>
    </message>
    <message>
        <source>The team server is older than this program. Its owner runs &quot;terrovane-cli team upgrade&quot;; nothing was changed.</source>
        <translation>Der Teamserver ist älter als dieses Programm. Sein Eigentümer führt „terrovane-cli team upgrade“ aus; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>This archive belongs to another login of the team. Sign in as the login that synced it first, or start a new archive for this login; nothing was changed.</source>
        <translation>Dieses Archiv gehört einer anderen Anmeldung des Teams. Melden Sie sich mit der Anmeldung an, die es zuerst synchronisiert hat, oder legen Sie für diese Anmeldung ein neues Archiv an; nichts wurde geändert.</translation>
    </message>
    <message>
        <source>The database is not set up as a team archive yet (it has no team schema): the office sets it up with &quot;terrovane-cli team init&quot;.</source>
        <translation>Die Datenbank ist noch nicht als Teamarchiv eingerichtet (sie hat kein Teamschema): Das Büro richtet sie mit „terrovane-cli team init“ ein.</translation>
    </message>
</context>
<context>
    <name>SyncStatus</name>
    <message>
        <source>Sent: %1, received: %2, in conflict: %3, not yet sent: %4.</source>
        <translation>Gesendet: %1, empfangen: %2, im Konflikt: %3, noch nicht gesendet: %4.</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>The archive was damaged; it was moved aside as %1 and a new one started. </source>
        <translation>Das Archiv war beschädigt; es wurde als %1 beiseitegelegt und ein neues angelegt. </translation>
    </message>
</context>
<context>
    <name>TeamLink</name>
    <message>
        <source>Connection: not encrypted (a local socket; nothing crosses a network).</source>
        <translation>Verbindung: nicht verschlüsselt (lokaler Socket; nichts geht über ein Netzwerk).</translation>
    </message>
    <message>
        <source>Connection: NOT encrypted. The server&apos;s connection string asks for sslmode=%1.</source>
        <translation>Verbindung: NICHT verschlüsselt. Die Verbindungszeichenkette des Servers verlangt sslmode=%1.</translation>
    </message>
    <message>
        <source>Connection: encrypted (%1); the server&apos;s certificate is verified, its authority and its name.</source>
        <translation>Verbindung: verschlüsselt (%1); das Zertifikat des Servers ist geprüft, Aussteller und Name.</translation>
    </message>
    <message>
        <source>Connection: encrypted (%1); the server&apos;s certificate is verified against its authority, but not its name.</source>
        <translation>Verbindung: verschlüsselt (%1); das Zertifikat des Servers ist gegen den Aussteller geprüft, nicht aber der Name.</translation>
    </message>
    <message>
        <source>Connection: encrypted (%1); the server&apos;s certificate is not verified. Name its root certificate with sslrootcert to verify it.</source>
        <translation>Verbindung: verschlüsselt (%1); das Zertifikat des Servers ist nicht geprüft. Zum Prüfen das Stammzertifikat mit sslrootcert angeben.</translation>
    </message>
    <message>
        <source>The team server offers no encrypted connection (TLS), so nothing was sent, the password least of all. Ask the office to turn TLS on at the server; only on a network you trust, add sslmode=disable to the server&apos;s connection string.</source>
        <translation>Der Team-Server bietet keine verschlüsselte Verbindung (TLS) an, daher wurde nichts gesendet, erst recht nicht das Passwort. Bitten Sie das Büro, TLS am Server einzuschalten; nur in einem vertrauenswürdigen Netzwerk sslmode=disable zur Verbindungszeichenkette des Servers hinzufügen.</translation>
    </message>
</context>
<context>
    <name>Toolbar</name>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Mount</source>
        <translation>Einstellen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>TypedMethods</name>
    <message>
        <source>3-pole earth resistance</source>
        <translation>3-Pol-Erdungswiderstand</translation>
    </message>
    <message>
        <source>4-pole earth resistance</source>
        <translation>4-Pol-Erdungswiderstand</translation>
    </message>
    <message>
        <source>3-pole with clamp (selective)</source>
        <translation>3-Pol mit Zange (selektiv)</translation>
    </message>
    <message>
        <source>4-pole with clamp (selective)</source>
        <translation>4-Pol mit Zange (selektiv)</translation>
    </message>
    <message>
        <source>Two clamps (stakeless)</source>
        <translation>Zwei Zangen (ohne Erdspieße)</translation>
    </message>
    <message>
        <source>2-pole AC resistance</source>
        <translation>2-Pol-Wechselstromwiderstand</translation>
    </message>
    <message>
        <source>2-pole DC resistance</source>
        <translation>2-Pol-Gleichstromwiderstand</translation>
    </message>
    <message>
        <source>4-pole DC resistance</source>
        <translation>4-Pol-Gleichstromwiderstand</translation>
    </message>
    <message>
        <source>Soil resistivity</source>
        <translation>Spezifischer Erdwiderstand</translation>
    </message>
    <message>
        <source>AC current</source>
        <translation>Wechselstrom</translation>
    </message>
    <message>
        <source>Fall of potential</source>
        <translation>Potenzialabfall</translation>
    </message>
    <message>
        <source>Slope method</source>
        <translation>Steigungsverfahren</translation>
    </message>
    <message>
        <source>Clamp-on tester</source>
        <translation>Zangenmessgerät</translation>
    </message>
    <message>
        <source>Two-point method</source>
        <translation>Zweipunktverfahren</translation>
    </message>
    <message>
        <source>Star-delta method</source>
        <translation>Stern-Dreieck-Verfahren</translation>
    </message>
</context>
<context>
    <name>TypedReadings</name>
    <message numerus="yes">
        <source>%n reading(s)</source>
        <translation>
            <numerusform>%n Messwert</numerusform>
            <numerusform>%n Messwerte</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Kept:</source>
        <translation>&amp;Gespeichert:</translation>
    </message>
    <message>
        <source>Re (Ω)</source>
        <translation>Re (Ω)</translation>
    </message>
    <message>
        <source>Keep typed traverse</source>
        <translation>Eingetippte Messreihe speichern</translation>
    </message>
    <message>
        <source>Keeps the readings with the test point as they were measured, like a result</source>
        <translation>Speichert die Messwerte beim Prüfpunkt, wie sie gemessen wurden, wie ein Ergebnis</translation>
    </message>
    <message>
        <source>New traverse</source>
        <translation>Neue Messreihe</translation>
    </message>
    <message>
        <source>Spacing a (m)</source>
        <translation>Abstand a (m)</translation>
    </message>
    <message>
        <source>AB/2 (m)</source>
        <translation>AB/2 (m)</translation>
    </message>
    <message>
        <source>Wenner</source>
        <translation>Wenner</translation>
    </message>
    <message>
        <source>Schlumberger</source>
        <translation>Schlumberger</translation>
    </message>
    <message>
        <source>&amp;Array:</source>
        <translation>&amp;Anordnung:</translation>
    </message>
    <message>
        <source>Resistance R (Ω)</source>
        <translation>Widerstand R (Ω)</translation>
    </message>
    <message>
        <source>Apparent resistivity ρ (Ω·m)</source>
        <translation>Scheinbarer spez. Widerstand ρ (Ω·m)</translation>
    </message>
    <message>
        <source>&amp;Read:</source>
        <translation>Ge&amp;messen:</translation>
    </message>
    <message>
        <source>R (Ω)</source>
        <translation>R (Ω)</translation>
    </message>
    <message>
        <source>Keep typed sounding</source>
        <translation>Eingetippte Sondierung speichern</translation>
    </message>
    <message>
        <source>Keeps the readings with the site as they were measured, like a result</source>
        <translation>Speichert die Messwerte bei der Anlage, wie sie gemessen wurden, wie ein Ergebnis</translation>
    </message>
    <message>
        <source>ρ (Ω·m)</source>
        <translation>ρ (Ω·m)</translation>
    </message>
    <message>
        <source>Row %1: a spacing and a reading are numbers above 0.</source>
        <translation>Zeile %1: Abstand und Messwert sind Zahlen über 0.</translation>
    </message>
    <message>
        <source>New sounding</source>
        <translation>Neue Sondierung</translation>
    </message>
    <message>
        <source>Add row</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Remove row</source>
        <translation>Zeile entfernen</translation>
    </message>
    <message>
        <source>%1, row %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>Measured &amp;on:</source>
        <translation>Gemessen &amp;am:</translation>
    </message>
    <message>
        <source>make, model, serial</source>
        <translation>Hersteller, Modell, Seriennummer</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>Measured &amp;by:</source>
        <translation>Gemessen &amp;von:</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>No&amp;tiz:</translation>
    </message>
    <message>
        <source>MN/2 (m)</source>
        <translation>MN/2 (m)</translation>
    </message>
    <message>
        <source>Row %1: MN/2 must be below AB/2, %2 m.</source>
        <translation>Zeile %1: MN/2 muss unter AB/2 liegen, %2 m.</translation>
    </message>
</context>
<context>
    <name>ValidityNotes</name>
    <message>
        <source>the instrument stored a failed reading</source>
        <translation>das Messgerät hat eine Fehlmessung gespeichert</translation>
    </message>
    <message>
        <source>jamming voltage %1 V above %2 V</source>
        <translation>Störspannung %1 V über %2 V</translation>
    </message>
    <message>
        <source>Rs %1 above %2</source>
        <translation>Rs %1 über %2</translation>
    </message>
    <message>
        <source>Rh %1 above %2</source>
        <translation>Rh %1 über %2</translation>
    </message>
</context>
<context>
    <name>Visits</name>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>soil %1</source>
        <translation>Boden %1</translation>
    </message>
    <message>
        <source>dry</source>
        <translation>trocken</translation>
    </message>
    <message>
        <source>moist</source>
        <translation>feucht</translation>
    </message>
    <message>
        <source>wet</source>
        <translation>nass</translation>
    </message>
    <message>
        <source>frozen</source>
        <translation>gefroren</translation>
    </message>
    <message>
        <source>The calibration of %1 was due on %2, before the visit.</source>
        <translation>Die Kalibrierung von %1 war am %2 fällig, vor dem Besuch.</translation>
    </message>
    <message>
        <source>The calibration of %1 (serial %2) was due on %3, before the visit.</source>
        <translation>Die Kalibrierung von %1 (Seriennummer %2) war am %3 fällig, vor dem Besuch.</translation>
    </message>
</context>
<context>
    <name>WorkbookColumns</name>
    <message>
        <source>NO</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>日期(Date)</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>时间(Time)</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Voltage(V)</source>
        <translation>Spannung (V)</translation>
    </message>
    <message>
        <source>Frequency(Hz)</source>
        <translation>Frequenz (Hz)</translation>
    </message>
    <message>
        <source>Re(Ω)</source>
        <translation>Re (Ω)</translation>
    </message>
    <message>
        <source>Rs(Ω)</source>
        <translation>Rs (Ω)</translation>
    </message>
    <message>
        <source>Rh(Ω)</source>
        <translation>Rh (Ω)</translation>
    </message>
    <message>
        <source>Rac(Ω)</source>
        <translation>Rac (Ω)</translation>
    </message>
    <message>
        <source>R1(Ω)</source>
        <translation>R1 (Ω)</translation>
    </message>
    <message>
        <source>R2(Ω)</source>
        <translation>R2 (Ω)</translation>
    </message>
    <message>
        <source>Resistivity(Ω*m)</source>
        <translation>Spez. Erdwiderstand (Ω*m)</translation>
    </message>
    <message>
        <source>Rk(Ω)</source>
        <translation>Rk (Ω)</translation>
    </message>
    <message>
        <source>Jamming Frequency(HZ)</source>
        <translation>Störfrequenz (Hz)</translation>
    </message>
    <message>
        <source>Jamming Voltage(V)</source>
        <translation>Störspannung (V)</translation>
    </message>
    <message>
        <source>Jamming (A) Current</source>
        <translation>Strom (A)</translation>
    </message>
    <message>
        <source>Distance(m)</source>
        <translation>Abstand (m)</translation>
    </message>
</context>
<context>
    <name>terrovane::engineering::GridMapView</name>
    <message>
        <source>Touch voltage</source>
        <translation>Berührungsspannung</translation>
    </message>
    <message>
        <source>Step voltage</source>
        <translation>Schrittspannung</translation>
    </message>
    <message>
        <source>Save map...</source>
        <translation>Karte speichern...</translation>
    </message>
    <message>
        <source>There is no map yet: compute in the soil model first.</source>
        <translation>Es gibt noch keine Karte: zuerst im Bodenmodell berechnen.</translation>
    </message>
</context>
<context>
    <name>terrovane::engineering::GridProfileView</name>
    <message>
        <source>From x</source>
        <translation>Von x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>to x</source>
        <translation>bis x</translation>
    </message>
    <message>
        <source>In metres from the grid&apos;s corner; or drag a line across the map.</source>
        <translation>In Metern ab der Ecke des Gitters; oder eine Linie über die Karte ziehen.</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Save profile...</source>
        <translation>Profil speichern...</translation>
    </message>
    <message>
        <source>There is no profile yet: compute in the soil model and choose a line first.</source>
        <translation>Noch kein Profil: zuerst im Bodenmodell berechnen und eine Linie wählen.</translation>
    </message>
</context>
<context>
    <name>terrovane::engineering::GridWindow</name>
    <message>
        <source>%1 V</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>Grid safety - %1</source>
        <translation>Sicherheit der Erdungsanlage - %1</translation>
    </message>
    <message>
        <source>Grid safety</source>
        <translation>Sicherheit der Erdungsanlage</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Erdungsnetz</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rechteckig</translation>
    </message>
    <message>
        <source>L-shaped</source>
        <translation>L-förmig</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Conductors along the length</source>
        <translation>Leiter entlang der Länge</translation>
    </message>
    <message>
        <source>Conductors along the width</source>
        <translation>Leiter entlang der Breite</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>Conductor diameter</source>
        <translation>Leiterdurchmesser</translation>
    </message>
    <message>
        <source>Cut-out length (L)</source>
        <translation>Aussparung Länge (L)</translation>
    </message>
    <message>
        <source>Cut-out width (L)</source>
        <translation>Aussparung Breite (L)</translation>
    </message>
    <message>
        <source>Rods</source>
        <translation>Staberder</translation>
    </message>
    <message>
        <source>On the perimeter</source>
        <translation>Am Umfang</translation>
    </message>
    <message>
        <source>At the corners</source>
        <translation>An den Ecken</translation>
    </message>
    <message>
        <source>Inside the grid</source>
        <translation>Innerhalb des Netzes</translation>
    </message>
    <message>
        <source>Number of rods</source>
        <translation>Anzahl der Staberder</translation>
    </message>
    <message>
        <source>Rod length</source>
        <translation>Staberderlänge</translation>
    </message>
    <message>
        <source>Rod diameter</source>
        <translation>Staberderdurchmesser</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>Anordnung</translation>
    </message>
    <message>
        <source>Surface layer (crushed rock)</source>
        <translation>Oberflächenschicht (Schotter)</translation>
    </message>
    <message>
        <source>Resistivity</source>
        <translation>Spez. Widerstand</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Dicke</translation>
    </message>
    <message>
        <source>Surface resistivity</source>
        <translation>Spez. Widerstand der Oberfläche</translation>
    </message>
    <message>
        <source>Surface thickness</source>
        <translation>Dicke der Oberfläche</translation>
    </message>
    <message>
        <source>Fault and body</source>
        <translation>Fehler und Körper</translation>
    </message>
    <message>
        <source>Grid current IG</source>
        <translation>Erderstrom IG</translation>
    </message>
    <message>
        <source>Fault current 3I0</source>
        <translation>Fehlerstrom 3I0</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>70 kg</source>
        <translation>70 kg</translation>
    </message>
    <message>
        <source>50 kg</source>
        <translation>50 kg</translation>
    </message>
    <message>
        <source>IEEE Std 80-2013</source>
        <translation>IEEE Std 80-2013</translation>
    </message>
    <message>
        <source>EN 50522:2010</source>
        <translation>EN 50522:2010</translation>
    </message>
    <message>
        <source>Standing resistance of the feet</source>
        <translation>Standortwiderstand der Füße</translation>
    </message>
    <message>
        <source>Current given</source>
        <translation>Vorgegebener Strom</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Split factor Sf</source>
        <translation>Reduktionsfaktor Sf</translation>
    </message>
    <message>
        <source>X/R</source>
        <translation>X/R</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Fault duration</source>
        <translation>Fehlerdauer</translation>
    </message>
    <message>
        <source>Body</source>
        <translation>Körper</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Norm</translation>
    </message>
    <message>
        <source>Footwear (EN 50522)</source>
        <translation>Schuhwerk (EN 50522)</translation>
    </message>
    <message>
        <source>Soil</source>
        <translation>Boden</translation>
    </message>
    <message>
        <source>Typed resistivity</source>
        <translation>Eingegebener spezifischer Erdwiderstand</translation>
    </message>
    <message>
        <source>Soil from</source>
        <translation>Boden aus</translation>
    </message>
    <message>
        <source>Tolerable</source>
        <translation>Zulässig</translation>
    </message>
    <message>
        <source>Find the smallest grid that is safe</source>
        <translation>Kleinstes sicheres Netz suchen</translation>
    </message>
    <message>
        <source>Store with %1</source>
        <translation>Bei %1 speichern</translation>
    </message>
    <message>
        <source>Store with site</source>
        <translation>Bei der Anlage speichern</translation>
    </message>
    <message>
        <source>Open the window from a site to keep the assessment with it</source>
        <translation>Das Fenster von einer Anlage aus öffnen, um die Bewertung bei ihr zu speichern</translation>
    </message>
    <message>
        <source>%1 must be above zero.</source>
        <translation>%1 muss über null liegen.</translation>
    </message>
    <message>
        <source>%1 must not be negative.</source>
        <translation>%1 darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>%1: at least 2.</source>
        <translation>%1: mindestens 2.</translation>
    </message>
    <message>
        <source>%1 is 50 or 70 kg.</source>
        <translation>%1 ist 50 oder 70 kg.</translation>
    </message>
    <message>
        <source>%1 is at most 1.</source>
        <translation>%1 ist höchstens 1.</translation>
    </message>
    <message>
        <source>%1 must be smaller than the grid.</source>
        <translation>%1 muss kleiner als das Netz sein.</translation>
    </message>
    <message>
        <source>%1 does not fall on a conductor: the conductors&apos; spacing does not fit it.</source>
        <translation>%1 fällt nicht auf einen Leiter: der Leiterabstand passt nicht dazu.</translation>
    </message>
    <message>
        <source>A square grid has equal length and width and as many conductors each way.</source>
        <translation>Ein quadratisches Netz hat gleiche Länge und Breite und in beiden Richtungen gleich viele Leiter.</translation>
    </message>
    <message>
        <source>The soil&apos;s resistivity must be above zero.</source>
        <translation>Der spezifische Erdwiderstand muss über null liegen.</translation>
    </message>
    <message>
        <source>Touch voltage (mesh voltage Em)</source>
        <translation>Berührungsspannung (Maschenspannung Em)</translation>
    </message>
    <message>
        <source>Step voltage Es</source>
        <translation>Schrittspannung Es</translation>
    </message>
    <message>
        <source>Ground potential rise</source>
        <translation>Erdungsspannung</translation>
    </message>
    <message>
        <source>Permissible touch voltage U_Tp (EN 50522)</source>
        <translation>Zulässige Berührungsspannung U_Tp (EN 50522)</translation>
    </message>
    <message>
        <source>Earth potential rise against 2 U_Tp</source>
        <translation>Erdungsspannung gegen 2 U_Tp</translation>
    </message>
    <message>
        <source>Grid resistance Rg (Sverak)</source>
        <translation>Ausbreitungswiderstand Rg (Sverak)</translation>
    </message>
    <message>
        <source>Grid resistance (Schwarz)</source>
        <translation>Ausbreitungswiderstand (Schwarz)</translation>
    </message>
    <message>
        <source>%1 A</source>
        <translation>%1 A</translation>
    </message>
    <message>
        <source>Surface layer factor Cs</source>
        <translation>Oberflächenschichtfaktor Cs</translation>
    </message>
    <message>
        <source>n, Km, Ki, Ks</source>
        <translation>n, Km, Ki, Ks</translation>
    </message>
    <message>
        <source>Correct the fields first.</source>
        <translation>Zuerst die Felder berichtigen.</translation>
    </message>
    <message>
        <source>None of the %1 designs tried is safe: a larger area, a surface layer or a smaller grid current is needed.</source>
        <translation>Keiner der %1 versuchten Entwürfe ist sicher: eine größere Fläche, eine Oberflächenschicht oder ein kleinerer Erderstrom ist nötig.</translation>
    </message>
    <message>
        <source>%1 of the %2 designs tried are safe; the smallest, with %3 m of conductors and rods, is shown.</source>
        <translation>%1 der %2 versuchten Entwürfe sind sicher; der kleinste, mit %3 m Leitern und Staberdern, wird gezeigt.</translation>
    </message>
    <message>
        <source>Assessment stored with %1</source>
        <translation>Bewertung bei %1 gespeichert</translation>
    </message>
    <message>
        <source>Ω·m</source>
        <translation>Ω·m</translation>
    </message>
    <message numerus="yes">
        <source>Stored soil model (%n layer(s))</source>
        <translation>
            <numerusform>Gespeichertes Bodenmodell (%n Schicht)</numerusform>
            <numerusform>Gespeichertes Bodenmodell (%n Schichten)</numerusform>
        </translation>
    </message>
    <message>
        <source>Uniform soil of %1 Ω·m, as typed.</source>
        <translation>Homogener Boden mit %1 Ω·m, wie eingegeben.</translation>
    </message>
    <message>
        <source>Uniform soil of %1 Ω·m, the stored one-layer model.</source>
        <translation>Homogener Boden mit %1 Ω·m, das gespeicherte Einschichtmodell.</translation>
    </message>
    <message>
        <source>Uniform soil of %1 Ω·m: the Wenner apparent resistivity of the %2-layer model at the grid&apos;s equivalent radius of %3 m.</source>
        <translation>Homogener Boden mit %1 Ω·m: der scheinbare Wenner-Erdwiderstand des %2-Schichtmodells beim Ersatzradius des Netzes von %3 m.</translation>
    </message>
    <message>
        <source>Ω</source>
        <translation>Ω</translation>
    </message>
    <message>
        <source>%1 Ω</source>
        <translation>%1 Ω</translation>
    </message>
    <message>
        <source>Touch and step voltages</source>
        <translation>Berührungs- und Schrittspannungen</translation>
    </message>
    <message>
        <source>(%1 m, %2 m)</source>
        <translation>(%1 m, %2 m)</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Compute in the soil model</source>
        <translation>Im Bodenmodell berechnen</translation>
    </message>
    <message>
        <source>The grid&apos;s conductors and rods solved in the soil&apos;s layers, the surface potential mapped over the grid and 3 m around it</source>
        <translation>Die Leiter und Staberder des Erders in den Bodenschichten gelöst, das Oberflächenpotential über dem Erder und 3 m um ihn herum kartiert</translation>
    </message>
    <message>
        <source>In the soil model</source>
        <translation>Im Bodenmodell</translation>
    </message>
    <message>
        <source>Formulas</source>
        <translation>Formeln</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Abweichung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Computation cancelled.</source>
        <translation>Berechnung abgebrochen.</translation>
    </message>
    <message>
        <source>Computing in the soil model...</source>
        <translation>Berechnung im Bodenmodell...</translation>
    </message>
    <message>
        <source>The solver gave up on this grid (too many segments, or conductors on top of each other).</source>
        <translation>Der Löser hat bei diesem Erder aufgegeben (zu viele Segmente oder übereinanderliegende Leiter).</translation>
    </message>
    <message>
        <source>Touch voltage within 1 m</source>
        <translation>Berührungsspannung im Umkreis von 1 m</translation>
    </message>
    <message>
        <source>In the soil model: %1</source>
        <translation>Im Bodenmodell: %1</translation>
    </message>
    <message>
        <source>Largest touch voltage %1 at %2; largest step voltage %3 at %4.</source>
        <translation>Größte Berührungsspannung %1 bei %2; größte Schrittspannung %3 bei %4.</translation>
    </message>
    <message>
        <source>%1 segments, the surface on points %2 m apart; computed in %3 s.</source>
        <translation>%1 Segmente, die Oberfläche in Punkten mit %2 m Abstand; berechnet in %3 s.</translation>
    </message>
    <message>
        <source>The soil model has a layer without a resistivity or thickness.</source>
        <translation>Das Bodenmodell hat eine Schicht ohne spezifischen Widerstand oder Dicke.</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>With the top layer at %1 Ω·m: touch voltage %2 (limit %3), step voltage %4 (limit %5): %6</source>
        <translation>Mit der obersten Schicht bei %1 Ω·m: Berührungsspannung %2 (Grenzwert %3), Schrittspannung %4 (Grenzwert %5): %6</translation>
    </message>
</context>
<context>
    <name>terrovane::help::GuideWindow</name>
    <message>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>terrovane::history::AssignDialog</name>
    <message>
        <source>Assign 1 result</source>
        <translation>1 Ergebnis zuordnen</translation>
    </message>
    <message>
        <source>Assign %1 results</source>
        <translation>%1 Ergebnisse zuordnen</translation>
    </message>
    <message>
        <source>One result per test point, in slot order, from this point on</source>
        <translation>Ein Ergebnis je Prüfpunkt, in Speicherplatz-Reihenfolge, ab diesem Prüfpunkt</translation>
    </message>
    <message>
        <source>New site...</source>
        <translation>Neue Anlage...</translation>
    </message>
    <message>
        <source>New test point...</source>
        <translation>Neuer Prüfpunkt...</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>Zuordnen</translation>
    </message>
    <message>
        <source>Site:</source>
        <translation>Anlage:</translation>
    </message>
    <message>
        <source>Test point:</source>
        <translation>Prüfpunkt:</translation>
    </message>
    <message>
        <source>Choose an earlier test point, make more points, or clear &quot;%1&quot;.</source>
        <translation>Wählen Sie einen früheren Prüfpunkt, legen Sie weitere Prüfpunkte an oder heben Sie &quot;%1&quot; auf.</translation>
    </message>
    <message>
        <source>Choose another test point or site.</source>
        <translation>Wählen Sie einen anderen Prüfpunkt oder eine andere Anlage.</translation>
    </message>
    <message>
        <source>The results could not be assigned: %1. %2</source>
        <translation>Die Ergebnisse konnten nicht zugeordnet werden: %1. %2</translation>
    </message>
    <message>
        <source>The sites could not be read.</source>
        <translation>Die Anlagen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The site&apos;s test points could not be read.</source>
        <translation>Die Prüfpunkte der Anlage konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The test point could not be made.</source>
        <translation>Der Prüfpunkt konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Add those measured on %1 to that day&apos;s visit</source>
        <translation>Die am %1 gemessenen dem Besuch dieses Tages hinzufügen</translation>
    </message>
    <message>
        <source>Add those measured on %1 to that day&apos;s visit (%2)</source>
        <translation>Die am %1 gemessenen dem Besuch dieses Tages hinzufügen (%2)</translation>
    </message>
</context>
<context>
    <name>terrovane::history::AttachmentStrip</name>
    <message>
        <source>Attach...</source>
        <translation>Anhängen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Caption...</source>
        <translation>Bildunterschrift...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Use as position</source>
        <translation>Als Position verwenden</translation>
    </message>
    <message>
        <source>Photos and documents</source>
        <translation>Fotos und Dokumente</translation>
    </message>
    <message>
        <source>site %1</source>
        <translation>Anlage %1</translation>
    </message>
    <message>
        <source>test point %1</source>
        <translation>Prüfpunkt %1</translation>
    </message>
    <message>
        <source>result %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <source>typed result %1</source>
        <translation>eingetipptes Ergebnis %1</translation>
    </message>
    <message>
        <source>Photos and documents: choose a site, a test point or a result</source>
        <translation>Fotos und Dokumente: eine Anlage, einen Prüfpunkt oder ein Ergebnis wählen</translation>
    </message>
    <message>
        <source>Photos and documents of %1</source>
        <translation>Fotos und Dokumente von %1</translation>
    </message>
    <message>
        <source>Make %1 the position of the site</source>
        <translation>%1 zur Position der Anlage machen</translation>
    </message>
    <message>
        <source>Only a photo with a GPS position can give its site&apos;s position</source>
        <translation>Nur ein Foto mit GPS-Position kann die Position seiner Anlage geben</translation>
    </message>
    <message>
        <source>Attach photos or documents</source>
        <translation>Fotos oder Dokumente anhängen</translation>
    </message>
    <message>
        <source>Photos and documents (*.jpg *.jpeg *.png *.pdf)</source>
        <translation>Fotos und Dokumente (*.jpg *.jpeg *.png *.pdf)</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Bildunterschrift</translation>
    </message>
    <message>
        <source>Caption of %1:</source>
        <translation>Bildunterschrift von %1:</translation>
    </message>
    <message>
        <source>Remove %1 from %2?</source>
        <translation>%1 von %2 entfernen?</translation>
    </message>
    <message>
        <source>Remove attachment</source>
        <translation>Anhang entfernen</translation>
    </message>
    <message>
        <source>This result is assigned to no test point, so it has no site to place</source>
        <translation>Dieses Ergebnis ist keinem Prüfpunkt zugeordnet und hat daher keine Anlage, die platziert werden könnte</translation>
    </message>
    <message>
        <source>Move site %1 from %2, %3 to where the photo was taken, %4?</source>
        <translation>Anlage %1 von %2, %3 dorthin verlegen, wo das Foto aufgenommen wurde, %4?</translation>
    </message>
    <message>
        <source>Place site %1 where the photo was taken, %2?</source>
        <translation>Anlage %1 dorthin setzen, wo das Foto aufgenommen wurde, %2?</translation>
    </message>
</context>
<context>
    <name>terrovane::history::AttachmentView</name>
    <message>
        <source>taken %1</source>
        <translation>aufgenommen %1</translation>
    </message>
    <message>
        <source>at %1, %2</source>
        <translation>bei %1, %2</translation>
    </message>
    <message>
        <source>%1, %2 × %3 pixels</source>
        <translation>%1, %2 × %3 Pixel</translation>
    </message>
</context>
<context>
    <name>terrovane::history::CopySiteDialog</name>
    <message>
        <source>New site as a copy</source>
        <translation>Neue Anlage als Kopie</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n test point(s))</source>
        <translation>
            <numerusform>%1 (%n Prüfpunkt)</numerusform>
            <numerusform>%1 (%n Prüfpunkte)</numerusform>
        </translation>
    </message>
    <message>
        <source>The new site gets a test point for each of this site&apos;s, with its name, kind, limit and re-test interval. Results stay where they are.</source>
        <translation>Die neue Anlage erhält für jeden Prüfpunkt dieser Anlage einen eigenen, mit Name, Art, Grenzwert und Prüfintervall. Die Ergebnisse bleiben, wo sie sind.</translation>
    </message>
    <message>
        <source>Copy the test points of:</source>
        <translation>Prüfpunkte kopieren von:</translation>
    </message>
</context>
<context>
    <name>terrovane::history::DueWindow</name>
    <message>
        <source>Due list</source>
        <translation>Fälligkeitsliste</translation>
    </message>
    <message>
        <source>Overdue and due &amp;within:</source>
        <translation>Überfällig und fällig &amp;binnen:</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Prüfpunkt</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Letzte Prüfung</translation>
    </message>
    <message>
        <source>Last result</source>
        <translation>Letztes Ergebnis</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>The due list could not be read: %1</source>
        <translation>Die Fälligkeitsliste konnte nicht gelesen werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n test point(s) overdue</source>
        <translation>
            <numerusform>%n Prüfpunkt überfällig</numerusform>
            <numerusform>%n Prüfpunkte überfällig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n due within the days</source>
        <translation>
            <numerusform>%n binnen der Tage fällig</numerusform>
            <numerusform>%n binnen der Tage fällig</numerusform>
        </translation>
    </message>
    <message>
        <source>Save the due list as PDF</source>
        <translation>Fälligkeitsliste als PDF speichern</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Due list written to %1</source>
        <translation>Fälligkeitsliste nach %1 geschrieben</translation>
    </message>
    <message>
        <source>Export the due list</source>
        <translation>Fälligkeitsliste exportieren</translation>
    </message>
    <message>
        <source>Excel workbook (*.xlsx);;CSV file (*.csv);;iCalendar file (*.ics)</source>
        <translation>Excel-Arbeitsmappe (*.xlsx);;CSV-Datei (*.csv);;iCalendar-Datei (*.ics)</translation>
    </message>
    <message>
        <source>the file name should end in .xlsx, .csv or .ics</source>
        <translation>der Dateiname sollte auf .xlsx, .csv oder .ics enden</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
</context>
<context>
    <name>terrovane::history::FirmDialog</name>
    <message>
        <source>Firm</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>letters and digits, as ACME</source>
        <translation>Buchstaben und Ziffern, etwa ACME</translation>
    </message>
    <message>
        <source>Choose logo...</source>
        <translation>Logo wählen...</translation>
    </message>
    <message>
        <source>Remove logo</source>
        <translation>Logo entfernen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Anschrift:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Accreditation or licence:</source>
        <translation>Akkreditierung oder Zulassung:</translation>
    </message>
    <message>
        <source>Report number prefix:</source>
        <translation>Präfix der Berichtsnummern:</translation>
    </message>
    <message>
        <source>Logo (PNG or SVG):</source>
        <translation>Logo (PNG oder SVG):</translation>
    </message>
    <message>
        <source>The team shares one profile: a change here goes to the server with the next sync, which takes it from admins only.</source>
        <translation>Das Team teilt ein Profil: eine Änderung hier geht mit dem nächsten Abgleich an den Server, der sie nur von Administratoren annimmt.</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Logo (*.png *.svg)</source>
        <translation>Logo (*.png *.svg)</translation>
    </message>
    <message>
        <source>no logo</source>
        <translation>kein Logo</translation>
    </message>
    <message>
        <source>the logo cannot be shown here</source>
        <translation>das Logo kann hier nicht gezeigt werden</translation>
    </message>
</context>
<context>
    <name>terrovane::history::HistoryWindow</name>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle wählen</translation>
    </message>
    <message>
        <source>Measured from</source>
        <translation>Gemessen von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>All modes</source>
        <translation>Alle Modi</translation>
    </message>
    <message>
        <source>Label contains...</source>
        <translation>Kennzeichnung enthält...</translation>
    </message>
    <message>
        <source>Assign...</source>
        <translation>Zuordnen...</translation>
    </message>
    <message>
        <source>Label result...</source>
        <translation>Ergebnis kennzeichnen...</translation>
    </message>
    <message>
        <source>Label read-out...</source>
        <translation>Auslesung kennzeichnen...</translation>
    </message>
    <message>
        <source>Open read-out</source>
        <translation>Auslesung öffnen</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source>Site report...</source>
        <translation>Anlagenbericht...</translation>
    </message>
    <message>
        <source>Trend...</source>
        <translation>Verlauf...</translation>
    </message>
    <message>
        <source>Soil model...</source>
        <translation>Bodenmodell...</translation>
    </message>
    <message>
        <source>Fall of potential...</source>
        <translation>Spannungstrichter...</translation>
    </message>
    <message>
        <source>Keep new read-outs in the archive</source>
        <translation>Neue Auslesungen im Archiv ablegen</translation>
    </message>
    <message>
        <source>The archive cannot be opened: </source>
        <translation>Das Archiv kann nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>No results match</source>
        <translation>Keine passenden Ergebnisse</translation>
    </message>
    <message>
        <source>%1 results shown, more as you scroll</source>
        <translation>%1 Ergebnisse angezeigt, weitere beim Blättern</translation>
    </message>
    <message>
        <source>1 result</source>
        <translation>1 Ergebnis</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 Ergebnisse</translation>
    </message>
    <message>
        <source>Label of %1 results</source>
        <translation>Kennzeichnung von %1 Ergebnissen</translation>
    </message>
    <message>
        <source>Label of read-out %1 and its results</source>
        <translation>Kennzeichnung der Auslesung %1 und ihrer Ergebnisse</translation>
    </message>
    <message>
        <source>Export results</source>
        <translation>Ergebnisse exportieren</translation>
    </message>
    <message>
        <source>the file name should end in .xlsx, .xls, .csv or .json</source>
        <translation>der Dateiname sollte auf .xlsx, .xls, .csv oder .json enden</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) exported to %1</source>
        <translation>
            <numerusform>%n Ergebnis nach %1 exportiert</numerusform>
            <numerusform>%n Ergebnisse nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) assigned</source>
        <translation>
            <numerusform>%n Ergebnis zugeordnet</numerusform>
            <numerusform>%n Ergebnisse zugeordnet</numerusform>
        </translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Rename site</source>
        <translation>Anlage umbenennen</translation>
    </message>
    <message>
        <source>Rename test point</source>
        <translation>Prüfpunkt umbenennen</translation>
    </message>
    <message>
        <source>Site report</source>
        <translation>Anlagenbericht</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Site report of %1 written to %2 (%3)</source>
        <translation>Anlagenbericht von %1 nach %2 geschrieben (%3)</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>The site&apos;s resistivity results could not be read.</source>
        <translation>Die Ergebnisse des spezifischen Erdwiderstands der Anlage konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The results could not be assigned.</source>
        <translation>Die Ergebnisse konnten nicht zugeordnet werden.</translation>
    </message>
    <message>
        <source>The name could not be changed.</source>
        <translation>Der Name konnte nicht geändert werden.</translation>
    </message>
    <message>
        <source>It could not be deleted.</source>
        <translation>Es konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The site report could not be made.</source>
        <translation>Der Anlagenbericht konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Grid safety...</source>
        <translation>Sicherheit der Erdungsanlage...</translation>
    </message>
    <message>
        <source>Stored analyses...</source>
        <translation>Gespeicherte Auswertungen...</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>Eigenschaften...</translation>
    </message>
    <message>
        <source>Label of slot %1 of %2</source>
        <translation>Kennzeichnung von Speicherplatz %1 vom %2</translation>
    </message>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archiv</translation>
    </message>
    <message>
        <source>New &amp;site...</source>
        <translation>Neue &amp;Anlage...</translation>
    </message>
    <message>
        <source>New site as a &amp;copy of...</source>
        <translation>Neue Anlage als &amp;Kopie von...</translation>
    </message>
    <message>
        <source>New &amp;test point...</source>
        <translation>Neuer &amp;Prüfpunkt...</translation>
    </message>
    <message>
        <source>&amp;Due list...</source>
        <translation>&amp;Fälligkeitsliste...</translation>
    </message>
    <message>
        <source>&amp;Export sites...</source>
        <translation>Anlagen &amp;exportieren...</translation>
    </message>
    <message>
        <source>New site...</source>
        <translation>Neue Anlage...</translation>
    </message>
    <message>
        <source>New test point...</source>
        <translation>Neuer Prüfpunkt...</translation>
    </message>
    <message>
        <source>The site could not be made.</source>
        <translation>Die Anlage konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>New site as a copy of %1</source>
        <translation>Neue Anlage als Kopie von %1</translation>
    </message>
    <message>
        <source>The test point could not be made.</source>
        <translation>Der Prüfpunkt konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Export sites</source>
        <translation>Anlagen exportieren</translation>
    </message>
    <message>
        <source>GeoJSON file (*.geojson);;KML file (*.kml)</source>
        <translation>GeoJSON-Datei (*.geojson);;KML-Datei (*.kml)</translation>
    </message>
    <message>
        <source>the file name should end in .geojson or .kml</source>
        <translation>der Dateiname sollte auf .geojson oder .kml enden</translation>
    </message>
    <message>
        <source>The sites could not be exported.</source>
        <translation>Die Anlagen konnten nicht exportiert werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n site(s) exported to %1</source>
        <translation>
            <numerusform>%n Anlage nach %1 exportiert</numerusform>
            <numerusform>%n Anlagen nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n without a position left out</source>
        <translation>
            <numerusform>%n ohne Position ausgelassen</numerusform>
            <numerusform>%n ohne Position ausgelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>New site as a copy of...</source>
        <translation>Neue Anlage als Kopie von...</translation>
    </message>
    <message>
        <source>The soil model could not be opened.</source>
        <translation>Das Bodenmodell konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The fall-of-potential window could not be opened.</source>
        <translation>Das Fenster der Spannungstrichter-Messung konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The grid safety window could not be opened.</source>
        <translation>Das Fenster zur Sicherheit der Erdungsanlage konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The labels could not be read.</source>
        <translation>Die Kennzeichnungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The properties could not be read.</source>
        <translation>Die Eigenschaften konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Attach photos or documents...</source>
        <translation>Fotos oder Dokumente anhängen...</translation>
    </message>
    <message>
        <source>Issued &amp;reports...</source>
        <translation>Ausgegebene &amp;Berichte...</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Firm...</source>
        <translation>&amp;Firma...</translation>
    </message>
    <message>
        <source>The firm&apos;s profile is kept.</source>
        <translation>Das Firmenprofil ist gespeichert.</translation>
    </message>
    <message>
        <source>The issued reports cannot be listed.</source>
        <translation>Die ausgegebenen Berichte können nicht aufgelistet werden.</translation>
    </message>
    <message>
        <source>Issue the site report</source>
        <translation>Anlagenbericht ausgeben</translation>
    </message>
    <message>
        <source>Report %1, revision %2, issued and kept in the archive (%3)</source>
        <translation>Bericht %1, Revision %2, ausgegeben und im Archiv aufbewahrt (%3)</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Prüfzertifikate</translation>
    </message>
    <message>
        <source>Certificates of %1 written to %2</source>
        <translation>Prüfzertifikate von %1 nach %2 geschrieben</translation>
    </message>
    <message>
        <source>The results typed by hand could not be read.</source>
        <translation>Die von Hand eingetippten Ergebnisse konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Find sites, points, labels, notes, instruments...</source>
        <translation>Standorte, Messpunkte, Etiketten, Notizen, Messgeräte suchen...</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>The change could not be undone or redone.</source>
        <translation>Die Änderung konnte nicht rückgängig gemacht oder wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Correct typed result</source>
        <translation>Eingetipptes Ergebnis korrigieren</translation>
    </message>
    <message>
        <source>Put photo in site report</source>
        <translation>Foto in den Anlagenbericht aufnehmen</translation>
    </message>
    <message>
        <source>Take photo out of site report</source>
        <translation>Foto aus dem Anlagenbericht nehmen</translation>
    </message>
    <message>
        <source>Site properties</source>
        <translation>Eigenschaften der Anlage</translation>
    </message>
    <message>
        <source>Test point properties</source>
        <translation>Eigenschaften des Prüfpunkts</translation>
    </message>
    <message numerus="yes">
        <source>Assign %n result(s)</source>
        <translation>
            <numerusform>%n Ergebnis zuordnen</numerusform>
            <numerusform>%n Ergebnisse zuordnen</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete test point</source>
        <translation>Prüfpunkt löschen</translation>
    </message>
    <message>
        <source>Delete site</source>
        <translation>Anlage löschen</translation>
    </message>
</context>
<context>
    <name>terrovane::history::ImportDialog</name>
    <message>
        <source>(not imported)</source>
        <translation>(nicht importiert)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Messpunkt</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <source>Value %1</source>
        <translation>Wert %1</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Messgerät</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Gemessen von</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>as the cell says</source>
        <translation>wie in der Zelle</translation>
    </message>
    <message>
        <source>Import readings</source>
        <translation>Messwerte importieren</translation>
    </message>
    <message>
        <source>A CSV file or an .xlsx workbook of readings</source>
        <translation>Eine CSV-Datei oder .xlsx-Arbeitsmappe mit Messwerten</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Auswählen...</translation>
    </message>
    <message>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>&amp;Sheet:</source>
        <translation>&amp;Blatt:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>yyyy, yy, MM, M, dd, d, HH, H, mm, ss; any other character stands for itself</source>
        <translation>yyyy, yy, MM, M, dd, d, HH, H, mm, ss; jedes andere Zeichen steht für sich selbst</translation>
    </message>
    <message>
        <source>as the file writes it</source>
        <translation>wie in der Datei</translation>
    </message>
    <message>
        <source>point (4.2)</source>
        <translation>Punkt (4.2)</translation>
    </message>
    <message>
        <source>comma (4,2)</source>
        <translation>Komma (4,2)</translation>
    </message>
    <message>
        <source>&amp;Header row:</source>
        <translation>&amp;Kopfzeile:</translation>
    </message>
    <message>
        <source>&amp;Date format:</source>
        <translation>Datums&amp;format:</translation>
    </message>
    <message>
        <source>&amp;Time format:</source>
        <translation>&amp;Uhrzeitformat:</translation>
    </message>
    <message>
        <source>Decimal &amp;mark:</source>
        <translation>Dezimal&amp;zeichen:</translation>
    </message>
    <message>
        <source>&amp;Over range marked:</source>
        <translation>Ü&amp;berschreitung markiert mit:</translation>
    </message>
    <message>
        <source>Method &amp;without a column:</source>
        <translation>Verfahren &amp;ohne Spalte:</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Why it was not taken</source>
        <translation>Warum sie nicht übernommen wurde</translation>
    </message>
    <message>
        <source>Readings (*.csv *.txt *.xlsx);;CSV files (*.csv *.txt);;Workbooks (*.xlsx)</source>
        <translation>Messwerte (*.csv *.txt *.xlsx);;CSV-Dateien (*.csv *.txt);;Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>The mapping used last for files with this header row is chosen.</source>
        <translation>Die zuletzt für Dateien mit dieser Kopfzeile verwendete Zuordnung ist gewählt.</translation>
    </message>
    <message>
        <source>What column %1 holds</source>
        <translation>Was Spalte %1 enthält</translation>
    </message>
    <message>
        <source>The unit of column %1</source>
        <translation>Die Einheit von Spalte %1</translation>
    </message>
    <message>
        <source>Choose the column of the date.</source>
        <translation>Wählen Sie die Spalte des Datums.</translation>
    </message>
    <message>
        <source>Choose the column of the test point.</source>
        <translation>Wählen Sie die Spalte des Messpunkts.</translation>
    </message>
    <message>
        <source>Choose the column of at least one value.</source>
        <translation>Wählen Sie die Spalte mindestens eines Werts.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Nichts wurde importiert: %1</translation>
    </message>
    <message>
        <source>The mapping could not be remembered: %1</source>
        <translation>Die Zuordnung konnte nicht gespeichert werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) read: %1 taken, %2 already in the archive, %3 refused.</source>
        <translation>
            <numerusform>%n Zeile gelesen: %1 übernommen, %2 schon im Archiv, %3 abgelehnt.</numerusform>
            <numerusform>%n Zeilen gelesen: %1 übernommen, %2 schon im Archiv, %3 abgelehnt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>terrovane::history::IntervalEdit</name>
    <message>
        <source> months</source>
        <translation> Monate</translation>
    </message>
</context>
<context>
    <name>terrovane::history::IssuedReportsDialog</name>
    <message>
        <source>Issued reports</source>
        <translation>Ausgegebene Berichte</translation>
    </message>
    <message>
        <source>Reports issued for %1</source>
        <translation>Für %1 ausgegebene Berichte</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Issued</source>
        <translation>Ausgegeben</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>No report was issued for this site yet: Site report..., then Issue...</source>
        <translation>Für diese Anlage wurde noch kein Bericht ausgegeben: Anlagenbericht..., dann Ausgeben...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save a copy...</source>
        <translation>Kopie speichern...</translation>
    </message>
    <message>
        <source>Save a copy</source>
        <translation>Kopie speichern</translation>
    </message>
    <message>
        <source>PDF file (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
</context>
<context>
    <name>terrovane::history::LabelDialog</name>
    <message>
        <source>Label:</source>
        <translation>Kennzeichnung:</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
</context>
<context>
    <name>terrovane::history::LimitEdit</name>
    <message>
        <source>%1 ohm (%2)</source>
        <translation>%1 Ohm (%2)</translation>
    </message>
    <message>
        <source>Custom value</source>
        <translation>Eigener Wert</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>Ohm</translation>
    </message>
    <message>
        <source>where the value comes from</source>
        <translation>Herkunft des Werts</translation>
    </message>
    <message>
        <source>Custom limit: &quot;%1&quot; has a thousands separator; type the number of ohms without it, such as %2.</source>
        <translation>Eigener Grenzwert: „%1“ enthält ein Tausendertrennzeichen; geben Sie die Ohm ohne es ein, etwa %2.</translation>
    </message>
    <message>
        <source>Custom limit: enter a number of ohms above 0, such as %1.</source>
        <translation>Eigener Grenzwert: Geben Sie einen Widerstand in Ohm über 0 ein, etwa %1.</translation>
    </message>
</context>
<context>
    <name>terrovane::history::PointPropertiesDialog</name>
    <message>
        <source>Rod</source>
        <translation>Staberder</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Erdungsnetz</translation>
    </message>
    <message>
        <source>Mesh</source>
        <translation>Masche</translation>
    </message>
    <message>
        <source>Tower leg</source>
        <translation>Mastfuß</translation>
    </message>
    <message>
        <source>Down conductor</source>
        <translation>Ableitung</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>New test point of %1</source>
        <translation>Neuer Prüfpunkt von %1</translation>
    </message>
    <message>
        <source>Properties of %1 / %2</source>
        <translation>Eigenschaften von %1 / %2</translation>
    </message>
    <message>
        <source>The site&apos;s: %1</source>
        <translation>Wie die Anlage: %1</translation>
    </message>
    <message>
        <source>The site&apos;s: none</source>
        <translation>Wie die Anlage: keiner</translation>
    </message>
    <message>
        <source>The site&apos;s: %1 months</source>
        <translation>Wie die Anlage: %1 Monate</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Grenzwert:</translation>
    </message>
    <message>
        <source>Re-test every:</source>
        <translation>Wiederholungsprüfung alle:</translation>
    </message>
    <message>
        <source>The test point could not be saved: %1</source>
        <translation>Der Prüfpunkt konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::PropertiesDialog</name>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Enter a name.</source>
        <translation>Geben Sie einen Namen ein.</translation>
    </message>
</context>
<context>
    <name>terrovane::history::ReportPhotoChoice</name>
    <message>
        <source>In the site report</source>
        <translation>Im Anlagenbericht</translation>
    </message>
    <message>
        <source>Print the chosen photo with its caption in the site report</source>
        <translation>Das gewählte Foto mit seiner Bildunterschrift im Anlagenbericht drucken</translation>
    </message>
</context>
<context>
    <name>terrovane::history::SitePropertiesDialog</name>
    <message>
        <source>New site</source>
        <translation>Neue Anlage</translation>
    </message>
    <message>
        <source>Properties of %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>latitude,longitude in decimal degrees, such as 48.137,11.575</source>
        <translation>Breite,Länge in Dezimalgrad, zum Beispiel 48.137,11.575</translation>
    </message>
    <message>
        <source>No limit</source>
        <translation>Kein Grenzwert</translation>
    </message>
    <message>
        <source>No re-test interval</source>
        <translation>Keine Wiederholungsfrist</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>Limit:</source>
        <translation>Grenzwert:</translation>
    </message>
    <message>
        <source>Re-test every:</source>
        <translation>Wiederholungsprüfung alle:</translation>
    </message>
    <message>
        <source>Enter the position as latitude,longitude in decimal degrees (such as 48.137,11.575), or leave it empty.</source>
        <translation>Geben Sie die Position als Breite,Länge in Dezimalgrad ein (zum Beispiel 48.137,11.575) oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>The site could not be saved: %1</source>
        <translation>Die Anlage konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::SiteReportDialog</name>
    <message>
        <source>Site report</source>
        <translation>Anlagenbericht</translation>
    </message>
    <message>
        <source>as on the instrument&apos;s plate</source>
        <translation>wie auf dem Typenschild des Messgeräts</translation>
    </message>
    <message>
        <source>Print preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>PDF speichern...</translation>
    </message>
    <message>
        <source>The report of %1</source>
        <translation>Bericht über %1</translation>
    </message>
    <message>
        <source>Tester:</source>
        <translation>Prüfer:</translation>
    </message>
    <message>
        <source>Instrument serial:</source>
        <translation>Geräte-Seriennummer:</translation>
    </message>
    <message>
        <source>Issue...</source>
        <translation>Ausgeben...</translation>
    </message>
    <message>
        <source>Saves the report as a PDF with a report number and today&apos;s date, and keeps it in the archive as it was issued</source>
        <translation>Speichert den Bericht als PDF mit Berichtsnummer und heutigem Datum und bewahrt ihn so, wie er ausgegeben wurde, im Archiv auf</translation>
    </message>
    <message>
        <source>a new report number</source>
        <translation>eine neue Berichtsnummer</translation>
    </message>
    <message>
        <source>the next revision of %1</source>
        <translation>die nächste Revision von %1</translation>
    </message>
    <message>
        <source>Issue as:</source>
        <translation>Ausgeben als:</translation>
    </message>
    <message>
        <source>Certificates PDF...</source>
        <translation>Zertifikate als PDF...</translation>
    </message>
    <message>
        <source>One page per test point: its limit, newest result, method, verdict and signatures</source>
        <translation>Eine Seite je Prüfpunkt: Grenzwert, neuestes Ergebnis, Messverfahren, Bewertung und Unterschriften</translation>
    </message>
    <message>
        <source>Client:</source>
        <translation>Auftraggeber:</translation>
    </message>
    <message>
        <source>Prepared by:</source>
        <translation>Erstellt von:</translation>
    </message>
    <message>
        <source>Checked by:</source>
        <translation>Kontrolliert von:</translation>
    </message>
</context>
<context>
    <name>terrovane::history::SiteTree</name>
    <message>
        <source>Site / test point</source>
        <translation>Anlage / Prüfpunkt</translation>
    </message>
    <message>
        <source>Last test</source>
        <translation>Letzte Prüfung</translation>
    </message>
    <message>
        <source>Due</source>
        <translation>Fällig</translation>
    </message>
    <message>
        <source>Overdue for re-test (%1)</source>
        <translation>Wiederholungsprüfung überfällig (%1)</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>now (overdue)</source>
        <translation>jetzt (überfällig)</translation>
    </message>
    <message>
        <source> (overdue)</source>
        <translation> (überfällig)</translation>
    </message>
    <message>
        <source>All results</source>
        <translation>Alle Ergebnisse</translation>
    </message>
    <message>
        <source>Unassigned, newest read-out first</source>
        <translation>Ohne Zuordnung, neueste Auslesung zuerst</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>now</source>
        <translation>jetzt</translation>
    </message>
    <message>
        <source>Could not be read: %1</source>
        <translation>Konnte nicht gelesen werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, then %n failed reading(s)</source>
        <translation>
            <numerusform>%1, danach %n fehlgeschlagene Messung</numerusform>
            <numerusform>%1, danach %n fehlgeschlagene Messungen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>terrovane::history::StoredAnalysesDialog</name>
    <message>
        <source>Stored analyses</source>
        <translation>Gespeicherte Auswertungen</translation>
    </message>
    <message>
        <source>Analysis</source>
        <translation>Auswertung</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Anlage</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Prüfpunkt</translation>
    </message>
    <message>
        <source>Stored</source>
        <translation>Gespeichert</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Soil model</source>
        <translation>Bodenmodell</translation>
    </message>
    <message>
        <source>Fall of potential</source>
        <translation>Spannungstrichter</translation>
    </message>
    <message>
        <source>D %1 m, %2 readings</source>
        <translation>D %1 m, %2 Messwerte</translation>
    </message>
    <message>
        <source>the soil model of %1</source>
        <translation>das Bodenmodell von %1</translation>
    </message>
    <message>
        <source>the fall-of-potential curve of %1 / %2</source>
        <translation>die Spannungstrichterkurve von %1 / %2</translation>
    </message>
    <message>
        <source>Delete %1? The results stay in the archive.</source>
        <translation>%1 löschen? Die Ergebnisse bleiben im Archiv.</translation>
    </message>
    <message>
        <source>It could not be deleted: %1</source>
        <translation>Es konnte nicht gelöscht werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n layer(s) (asked: %1), RMS error %2 %, %3 points</source>
        <translation>
            <numerusform>%n Schicht (gewählt: %1), RMS-Fehler %2 %, %3 Punkte</numerusform>
            <numerusform>%n Schichten (gewählt: %1), RMS-Fehler %2 %, %3 Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>Grid assessment</source>
        <translation>Bewertung der Erdungsanlage</translation>
    </message>
    <message>
        <source>%1 m x %2 m, %3 Ω·m: %4</source>
        <translation>%1 m x %2 m, %3 Ω·m: %4</translation>
    </message>
    <message>
        <source>No analysis is stored yet: &quot;Store with&quot; in the soil model, fall-of-potential and grid safety windows keeps one.</source>
        <translation>Noch keine Auswertung gespeichert: „Bei … speichern“ in den Fenstern Bodenmodell, Spannungstrichter und Sicherheit der Erdungsanlage speichert eine.</translation>
    </message>
    <message>
        <source>the grid assessment of %1</source>
        <translation>die Bewertung der Erdungsanlage von %1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::TrendChart</name>
    <message>
        <source>No readings to show</source>
        <translation>Keine Messwerte anzuzeigen</translation>
    </message>
    <message>
        <source>limit %1 Ω (%2)</source>
        <translation>Grenzwert %1 Ω (%2)</translation>
    </message>
    <message>
        <source>typed by hand: %1</source>
        <translation>von Hand eingetippt: %1</translation>
    </message>
</context>
<context>
    <name>terrovane::history::TrendWindow</name>
    <message>
        <source>Trend</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>No result has a label yet.</source>
        <translation>Noch kein Ergebnis hat eine Kennzeichnung.</translation>
    </message>
    <message>
        <source>%1 of %2 results with this label have a valid reading of this quantity.</source>
        <translation>%1 von %2 Ergebnissen mit dieser Kennzeichnung haben einen gültigen Messwert dieser Größe.</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Test point</source>
        <translation>Prüfpunkt</translation>
    </message>
    <message>
        <source>Logarithmic axis</source>
        <translation>Logarithmische Achse</translation>
    </message>
    <message>
        <source>There is no test point yet.</source>
        <translation>Es gibt noch keinen Prüfpunkt.</translation>
    </message>
    <message>
        <source>%1 of %2 results of this test point have a valid reading of this quantity.</source>
        <translation>%1 von %2 Ergebnissen dieses Prüfpunkts haben einen gültigen Messwert dieser Größe.</translation>
    </message>
    <message numerus="yes">
        <source>%n over range, marked at the top with the instrument&apos;s bound.</source>
        <translation>
            <numerusform>%n über dem Messbereich, oben mit der Grenze des Geräts markiert.</numerusform>
            <numerusform>%n über dem Messbereich, oben mit der Grenze des Geräts markiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n left out: an invalid reading or no valid measuring date.</source>
        <translation>
            <numerusform>%n ausgelassen: ungültiger Messwert oder kein gültiges Messdatum.</numerusform>
            <numerusform>%n ausgelassen: ungültiger Messwert oder kein gültiges Messdatum.</numerusform>
        </translation>
    </message>
    <message>
        <source>The test points could not be read.</source>
        <translation>Die Prüfpunkte konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The labels could not be read.</source>
        <translation>Die Kennzeichnungen konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The results could not be read.</source>
        <translation>Die Ergebnisse konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The results typed by hand could not be read.</source>
        <translation>Die von Hand eingetippten Ergebnisse konnten nicht gelesen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n typed by hand, drawn as open squares.</source>
        <translation>
            <numerusform>%n von Hand eingetippt, als offenes Quadrat gezeichnet.</numerusform>
            <numerusform>%n von Hand eingetippt, als offene Quadrate gezeichnet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>terrovane::history::TypedResultDialog</name>
    <message>
        <source>Correct typed result</source>
        <translation>Eingetipptes Ergebnis korrigieren</translation>
    </message>
    <message>
        <source>New result</source>
        <translation>Neues Ergebnis</translation>
    </message>
    <message>
        <source>Test &amp;point:</source>
        <translation>&amp;Messpunkt:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Verfahren:</translation>
    </message>
    <message>
        <source>Values:</source>
        <translation>Werte:</translation>
    </message>
    <message>
        <source>Measured &amp;on:</source>
        <translation>Gemessen &amp;am:</translation>
    </message>
    <message>
        <source>make, model, serial</source>
        <translation>Hersteller, Modell, Seriennummer</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>&amp;Gerät:</translation>
    </message>
    <message>
        <source>Measured &amp;by:</source>
        <translation>Gemessen &amp;von:</translation>
    </message>
    <message>
        <source>No&amp;te:</source>
        <translation>No&amp;tiz:</translation>
    </message>
    <message>
        <source>Unit of %1</source>
        <translation>Einheit von %1</translation>
    </message>
    <message>
        <source>over range</source>
        <translation>über Messbereich</translation>
    </message>
    <message>
        <source>Above the instrument&apos;s range: the number is the bound it showed</source>
        <translation>Über dem Messbereich des Geräts: die Zahl ist die angezeigte Grenze</translation>
    </message>
    <message>
        <source>There is no test point yet: make one in the tree first.</source>
        <translation>Es gibt noch keinen Messpunkt: legen Sie zuerst einen im Baum an.</translation>
    </message>
    <message>
        <source>Choose the test point the result was measured at.</source>
        <translation>Wählen Sie den Messpunkt, an dem das Ergebnis gemessen wurde.</translation>
    </message>
</context>
<context>
    <name>terrovane::history::TypedResultsPane</name>
    <message>
        <source>Results typed by hand</source>
        <translation>Von Hand eingetippte Ergebnisse</translation>
    </message>
    <message>
        <source>New result...</source>
        <translation>Neues Ergebnis...</translation>
    </message>
    <message>
        <source>Correct...</source>
        <translation>Korrigieren...</translation>
    </message>
    <message>
        <source>Measured</source>
        <translation>Gemessen</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Messpunkt</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Bewertung</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Measured by</source>
        <translation>Gemessen von</translation>
    </message>
    <message>
        <source>Typed by</source>
        <translation>Eingetippt von</translation>
    </message>
    <message>
        <source>(corrected)</source>
        <translation>(korrigiert)</translation>
    </message>
    <message>
        <source>unassigned</source>
        <translation>nicht zugeordnet</translation>
    </message>
</context>
<context>
    <name>terrovane::history::VisitDialog</name>
    <message>
        <source>Edit visit of %1</source>
        <translation>Besuch von %1 bearbeiten</translation>
    </message>
    <message>
        <source>New visit of %1</source>
        <translation>Neuer Besuch von %1</translation>
    </message>
    <message>
        <source>&amp;Date:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>names, as on the report</source>
        <translation>Namen, wie im Bericht</translation>
    </message>
    <message>
        <source>Visited &amp;by:</source>
        <translation>&amp;Besucht von:</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Calibration due</source>
        <translation>Kalibrierung fällig</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Calibration due dates are written YYYY-MM-DD</source>
        <translation>Kalibrierdaten werden JJJJ-MM-TT geschrieben</translation>
    </message>
    <message>
        <source>Add &amp;instrument</source>
        <translation>Gerät &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove instrument</source>
        <translation>Gerät &amp;entfernen</translation>
    </message>
    <message>
        <source>Instruments:</source>
        <translation>Geräte:</translation>
    </message>
    <message>
        <source>e.g. overcast, rain overnight</source>
        <translation>z. B. bedeckt, Regen in der Nacht</translation>
    </message>
    <message>
        <source>&amp;Weather:</source>
        <translation>&amp;Wetter:</translation>
    </message>
    <message>
        <source>measured</source>
        <translation>gemessen</translation>
    </message>
    <message>
        <source>Air temperature</source>
        <translation>Lufttemperatur</translation>
    </message>
    <message>
        <source>Air &amp;temperature:</source>
        <translation>Luft&amp;temperatur:</translation>
    </message>
    <message>
        <source>not stated</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>&amp;Soil:</source>
        <translation>B&amp;oden:</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>&amp;Notizen:</translation>
    </message>
</context>
<context>
    <name>terrovane::history::VisitsPane</name>
    <message>
        <source>Visits</source>
        <translation>Besuche</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Instruments</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Bedingungen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>New visit...</source>
        <translation>Neuer Besuch...</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add results</source>
        <translation>Ergebnisse hinzufügen</translation>
    </message>
    <message>
        <source>Visits of %1</source>
        <translation>Besuche von %1</translation>
    </message>
    <message>
        <source>Visits (choose a site)</source>
        <translation>Besuche (Anlage wählen)</translation>
    </message>
    <message>
        <source>The visit could not be read.</source>
        <translation>Der Besuch konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The visit could not be deleted.</source>
        <translation>Der Besuch konnte nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The results could not be added to the visit.</source>
        <translation>Die Ergebnisse konnten dem Besuch nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Puts the results selected in the list, and the typed result chosen below it, into the chosen visit</source>
        <translation>Ordnet die in der Liste gewählten Ergebnisse und das darunter gewählte eingegebene Ergebnis dem gewählten Besuch zu</translation>
    </message>
</context>
<context>
    <name>terrovane::panel::DisplayPanel</name>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Widerstand</translation>
    </message>
    <message>
        <source>Voltage</source>
        <translation>Spannung</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Strom</translation>
    </message>
</context>
<context>
    <name>terrovane::printsvc::CInfoSetDlg</name>
    <message>
        <source>打印信息设置</source>
        <translation>Berichtskopf</translation>
    </message>
    <message>
        <source>测试对象</source>
        <translation>Prüfobjekt</translation>
    </message>
    <message>
        <source>仪表编号</source>
        <translation>Geräte-Nr.</translation>
    </message>
    <message>
        <source>测试人 </source>
        <translation>Prüfer</translation>
    </message>
    <message>
        <source>日期     </source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>terrovane::printsvc::CMainFrame</name>
    <message>
        <source>Untitled - Rapstel</source>
        <translation>Unbenannt - Rapstel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Seitenansicht</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Rapstel...</source>
        <translation>Inf&amp;o über Rapstel...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>About Print Service</source>
        <translation>Info über den Druckdienst</translation>
    </message>
    <message>
        <source>Print Service Version 1.0</source>
        <translation>Druckdienst Version 1.0</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
</context>
<context>
    <name>terrovane::printsvc::CMainView</name>
    <message>
        <source>打印服务程序</source>
        <translation>Druckdienst</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Rapstel - 打印预览</source>
        <translation>Rapstel - Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Print service</source>
        <translation>Druckdienst</translation>
    </message>
</context>
<context>
    <name>terrovane::teamui::ConflictsDialog</name>
    <message>
        <source>Conflicts</source>
        <translation>Konflikte</translation>
    </message>
    <message>
        <source>The same field was changed in two places. &quot;This&quot; value is the one in force everywhere, &quot;that&quot; one lost.</source>
        <translation>Dasselbe Feld wurde an zwei Stellen geändert. „Dieser“ Wert gilt überall, „jener“ hat verloren.</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>This value</source>
        <translation>Dieser Wert</translation>
    </message>
    <message>
        <source>By</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message>
        <source>That value</source>
        <translation>Jener Wert</translation>
    </message>
    <message>
        <source>Keep &amp;this</source>
        <translation>&amp;Diesen behalten</translation>
    </message>
    <message>
        <source>Keep t&amp;hat</source>
        <translation>&amp;Jenen behalten</translation>
    </message>
    <message>
        <source>The conflicts could not be read: %1</source>
        <translation>Die Konflikte konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>There are no conflicts.</source>
        <translation>Es gibt keine Konflikte.</translation>
    </message>
    <message>
        <source>The conflict could not be settled: %1</source>
        <translation>Der Konflikt konnte nicht beigelegt werden: %1</translation>
    </message>
</context>
<context>
    <name>terrovane::teamui::SyncStrip</name>
    <message>
        <source>Last sync: %1</source>
        <translation>Letzte Synchronisierung: %1</translation>
    </message>
    <message>
        <source>Not yet sent: %1</source>
        <translation>Noch nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Not yet sent: unknown</source>
        <translation>Noch nicht gesendet: unbekannt</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisiere...</translation>
    </message>
    <message>
        <source>Conflicts (%1)...</source>
        <translation>Konflikte (%1)...</translation>
    </message>
    <message>
        <source>Conflicts...</source>
        <translation>Konflikte...</translation>
    </message>
    <message>
        <source>Cancelling the sync...</source>
        <translation>Synchronisierung wird abgebrochen...</translation>
    </message>
    <message>
        <source>The last sync was cancelled</source>
        <translation>Die letzte Synchronisierung wurde abgebrochen</translation>
    </message>
</context>
<context>
    <name>terrovane::teamui::TeamDialog</name>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>host=server.example dbname=terrovane</source>
        <translation>host=server.example dbname=terrovane</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>&amp;User:</source>
        <translation>&amp;Benutzer:</translation>
    </message>
    <message>
        <source>&amp;Password:</source>
        <translation>&amp;Passwort:</translation>
    </message>
    <message>
        <source>Sign &amp;in</source>
        <translation>&amp;Anmelden</translation>
    </message>
    <message>
        <source>Sign &amp;out</source>
        <translation>Ab&amp;melden</translation>
    </message>
    <message>
        <source>S&amp;ync now</source>
        <translation>Jetzt s&amp;ynchronisieren</translation>
    </message>
    <message>
        <source>Sync &amp;automatically every</source>
        <translation>Au&amp;tomatisch synchronisieren alle</translation>
    </message>
    <message>
        <source> minutes</source>
        <translation> Minuten</translation>
    </message>
    <message>
        <source>(kept)</source>
        <translation>(gespeichert)</translation>
    </message>
    <message>
        <source>The password is kept in the desktop&apos;s secret store, never in a file.</source>
        <translation>Das Passwort liegt im Schlüsselbund des Desktops, nie in einer Datei.</translation>
    </message>
    <message>
        <source>No secret store is available: the password is kept until the program ends, and asked for again at the next start.</source>
        <translation>Kein Schlüsselbund verfügbar: Das Passwort gilt bis zum Programmende und wird beim nächsten Start erneut erfragt.</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisiere...</translation>
    </message>
    <message>
        <source>Last sync: %1.</source>
        <translation>Letzte Synchronisierung: %1.</translation>
    </message>
    <message>
        <source>Signed out. %1</source>
        <translation>Abgemeldet. %1</translation>
    </message>
    <message>
        <source>The server&apos;s message: %1</source>
        <translation>Meldung des Servers: %1</translation>
    </message>
    <message>
        <source>Cancel s&amp;ync</source>
        <translation>S&amp;ynchronisierung abbrechen</translation>
    </message>
    <message>
        <source>Cancelling the sync...</source>
        <translation>Synchronisierung wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>terrovane::ui::CDateTimeDlg</name>
    <message>
        <source>Date &amp; Time Setting</source>
        <translation>Datum und Uhrzeit einstellen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Uhrzeit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
