<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>ChartSeries</name>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Expense types</source>
        <translation>Ausgabenarten</translation>
    </message>
    <message>
        <source>Int. sources</source>
        <translation>Kostenträger</translation>
    </message>
    <message>
        <source>Paym. methods</source>
        <translation>Zahlungsarten</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Nothing
to show</source>
        <translation>Nichts
zu zeigen</translation>
    </message>
</context>
<context>
    <name>ColumnArrangement</name>
    <message>
        <source>What/name</source>
        <translation>Was/Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Paid with</source>
        <translation>Bezahlt mit</translation>
    </message>
    <message>
        <source>Intended source</source>
        <translation>Kostenträger</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Beleg</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Primary amount</source>
        <translation>Betrag in Hauptwährung</translation>
    </message>
</context>
<context>
    <name>DatabaseDialogs</name>
    <message>
        <source>Tallyfox files|*.tfx|Text files|*.txt</source>
        <translation>Tallyfox-Dateien|*.tfx|Textdateien|*.txt</translation>
    </message>
    <message>
        <source>Export file</source>
        <translation>Datei exportieren</translation>
    </message>
    <message>
        <source>Text files|*.txt|CSV files|*.csv|JSON files|*.json|Journal files|*.journal|All files|*.*</source>
        <translation>Textdateien|*.txt|CSV-Dateien|*.csv|JSON-Dateien|*.json|Journal-Dateien|*.journal|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>New database file</source>
        <translation>Neue Datenbankdatei</translation>
    </message>
    <message>
        <source>Open database file</source>
        <translation>Datenbankdatei öffnen</translation>
    </message>
    <message>
        <source>Save as database file</source>
        <translation>Als Datenbankdatei speichern</translation>
    </message>
    <message>
        <source>The file %1 already exists. Replace it with an empty database?</source>
        <translation>Die Datei %1 gibt es schon. Durch eine leere Datenbank ersetzen?</translation>
    </message>
</context>
<context>
    <name>EditedList</name>
    <message>
        <source>Rate must be a number</source>
        <translation>Der Kurs muss eine Zahl sein</translation>
    </message>
    <message>
        <source>Rate must be above 0</source>
        <translation>Der Kurs muss über 0 liegen</translation>
    </message>
</context>
<context>
    <name>EditorFields</name>
    <message>
        <source>From the entries</source>
        <translation>Aus den Einträgen</translation>
    </message>
</context>
<context>
    <name>EntryListModel</name>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Beleg</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Paid with</source>
        <translation>Bezahlt mit</translation>
    </message>
    <message>
        <source>Int. source</source>
        <translation>Kostentr.</translation>
    </message>
</context>
<context>
    <name>FileResult</name>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>It could not be read, so writing it would lose its content.</source>
        <translation>Sie war nicht lesbar; sie zu schreiben, würde ihren Inhalt verlieren.</translation>
    </message>
    <message>
        <source>It holds no key &quot;HKEY_LOCAL_MACHINE\%1&quot; for them.</source>
        <translation>Sie enthält keinen Schlüssel „HKEY_LOCAL_MACHINE\%1“ dafür.</translation>
    </message>
    <message>
        <source>It belongs to another user.</source>
        <translation>Sie gehört einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>It is read-only.</source>
        <translation>Sie ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>It has %1 names (hard links), and replacing it would part them.</source>
        <translation>Sie hat %1 Namen (harte Links); sie zu ersetzen, würde diese trennen.</translation>
    </message>
    <message>
        <source>The content was not complete.</source>
        <translation>Der Inhalt war nicht vollständig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written, but may not be on the disk yet: %2</source>
        <translation>„%1“ ist geschrieben, aber vielleicht noch nicht auf dem Datenträger: %2</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>System error %1</source>
        <translation>Systemfehler %1</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be written: %2</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Es ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is a FIFO, not a regular file.</source>
        <translation>Es ist ein FIFO, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>Es ist ein Gerät, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>Es ist ein Socket, keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The settings file is busy: another Tallyfox is saving it. Nothing was changed.</source>
        <translation>Die Einstellungsdatei ist belegt: Ein anderes Tallyfox speichert sie. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>It is not a registry file.</source>
        <translation>Es ist keine Registry-Datei.</translation>
    </message>
    <message>
        <source>It is no longer a registry file.</source>
        <translation>Es ist keine Registry-Datei mehr.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be created.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>It is a symbolic link; a copy is never written through one.</source>
        <translation>Es ist ein symbolischer Link; eine Kopie wird nie durch einen geschrieben.</translation>
    </message>
    <message>
        <source>Its lock file &quot;%1&quot; cannot be opened: %2</source>
        <translation>Ihre Sperrdatei „%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>It is larger than 1 GB; no Tallyfox file is.</source>
        <translation>Sie ist größer als 1 GB; keine Tallyfox-Datei ist so groß.</translation>
    </message>
</context>
<context>
    <name>FilterField</name>
    <message>
        <source>What</source>
        <translation>Was</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Int. source</source>
        <translation>Kostenträger</translation>
    </message>
    <message>
        <source>Paid with</source>
        <translation>Bezahlt mit</translation>
    </message>
</context>
<context>
    <name>ImportMapping</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Debit</source>
        <translation>Soll</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Haben</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Intended source</source>
        <translation>Kostenträger</translation>
    </message>
    <message>
        <source>Paid with</source>
        <translation>Bezahlt mit</translation>
    </message>
    <message>
        <source>Receipt</source>
        <translation>Beleg</translation>
    </message>
</context>
<context>
    <name>ImportRows</name>
    <message>
        <source>no amount</source>
        <translation>kein Betrag</translation>
    </message>
    <message>
        <source>amount &quot;%1&quot; is not a number</source>
        <translation>Betrag „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>amount &quot;%1&quot; does not read with the decimal mark &quot;%2&quot;</source>
        <translation>Betrag „%1“ passt nicht zum Dezimalzeichen „%2“</translation>
    </message>
    <message>
        <source>amount &quot;%1&quot; is larger than 999999999.99</source>
        <translation>Betrag „%1“ ist größer als 999999999.99</translation>
    </message>
    <message>
        <source>both a debit and a credit</source>
        <translation>sowohl Soll als auch Haben</translation>
    </message>
    <message>
        <source>no date</source>
        <translation>kein Datum</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is not %2</source>
        <translation>Datum „%1“ ist nicht %2</translation>
    </message>
    <message>
        <source>amount 0 and no type</source>
        <translation>Betrag 0 und keine Art</translation>
    </message>
    <message>
        <source>date &quot;%1&quot; is not yyyy-MM-dd</source>
        <translation>Datum „%1“ ist nicht yyyy-MM-dd</translation>
    </message>
    <message>
        <source>amount is not a number from 0 to 999999999.99</source>
        <translation>Betrag ist keine Zahl von 0 bis 999999999.99</translation>
    </message>
</context>
<context>
    <name>ItemForm</name>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Is income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>Expense type</source>
        <translation>Ausgabenart</translation>
    </message>
    <message>
        <source>Expense date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Intended source</source>
        <translation>Kostenträger</translation>
    </message>
    <message>
        <source>Paid with</source>
        <translation>Bezahlt mit</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Notiz:</translation>
    </message>
    <message>
        <source>Choose the currency from a finger-sized list</source>
        <translation>Die Währung aus einer fingergroßen Liste wählen</translation>
    </message>
    <message>
        <source>Choose the expense type from a finger-sized list</source>
        <translation>Die Ausgabenart aus einer fingergroßen Liste wählen</translation>
    </message>
    <message>
        <source>Choose the intended source from a finger-sized list</source>
        <translation>Den Kostenträger aus einer fingergroßen Liste wählen</translation>
    </message>
    <message>
        <source>Choose the payment method from a finger-sized list</source>
        <translation>Die Zahlungsart aus einer fingergroßen Liste wählen</translation>
    </message>
    <message>
        <source>Choose the date on a finger-sized panel</source>
        <translation>Das Datum auf einer fingergroßen Tafel wählen</translation>
    </message>
    <message>
        <source>Receipt nr:
01234</source>
        <translation>Beleg-Nr.:
01234</translation>
    </message>
    <message>
        <source>Choose an expense type</source>
        <translation>Ausgabenart wählen</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Currency list</source>
        <translation>Währungsliste</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Expense type list</source>
        <translation>Liste der Ausgabenarten</translation>
    </message>
    <message>
        <source>Pick the date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Intended source list</source>
        <translation>Liste der Kostenträger</translation>
    </message>
    <message>
        <source>Payment method list</source>
        <translation>Liste der Zahlungsarten</translation>
    </message>
</context>
<context>
    <name>MonthTable</name>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Int. Source</source>
        <translation>Kostentr.</translation>
    </message>
    <message>
        <source>Paym. method</source>
        <translation>Zahlungsart</translation>
    </message>
</context>
<context>
    <name>OverviewChoices</name>
    <message>
        <source>Converted to %1</source>
        <translation>Summe in %1</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Expense types / month</source>
        <translation>Ausgabenarten / Monat</translation>
    </message>
    <message>
        <source>Int. sources / month</source>
        <translation>Kostenträger / Monat</translation>
    </message>
    <message>
        <source>Paym. methods / month</source>
        <translation>Zahlungsarten / Monat</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Expenses - Income</source>
        <translation>Ausg. - Einnahmen</translation>
    </message>
    <message>
        <source>Expenses only</source>
        <translation>Nur Ausgaben</translation>
    </message>
    <message>
        <source>Income only</source>
        <translation>Nur Einnahmen</translation>
    </message>
</context>
<context>
    <name>OverviewReport</name>
    <message>
        <source>In %1</source>
        <translation>In %1</translation>
    </message>
    <message>
        <source>(Not all currencies found in list!)</source>
        <translation>(Nicht alle Währungen in der Liste gefunden!)</translation>
    </message>
    <message>
        <source>Filename:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Values are shown as:</source>
        <translation>Die Werte stehen so da:</translation>
    </message>
    <message>
        <source>Income - Expenses = Balance</source>
        <translation>Einnahmen - Ausgaben = Saldo</translation>
    </message>
    <message>
        <source>Grand totals</source>
        <translation>Gesamtsummen</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>Per type:</source>
        <translation>Je Art:</translation>
    </message>
    <message>
        <source>Per intended source:</source>
        <translation>Je Kostenträger:</translation>
    </message>
    <message>
        <source>Per payment method:</source>
        <translation>Je Zahlungsart:</translation>
    </message>
</context>
<context>
    <name>Problems</name>
    <message>
        <source>&quot;%1&quot; of %2 (%3 %4)</source>
        <translation>„%1“ vom %2 (%3 %4)</translation>
    </message>
    <message>
        <source>the database is busy: another program is writing it. Nothing was changed; try again.</source>
        <translation>Die Datenbank ist belegt: Ein anderes Programm schreibt sie. Nichts wurde geändert; bitte noch einmal versuchen.</translation>
    </message>
    <message>
        <source>%1 It was left as it is; use Save as to keep the changes in another file.</source>
        <translation>%1 Sie blieb, wie sie ist; mit „Speichern unter“ lassen sich die Änderungen in einer anderen Datei behalten.</translation>
    </message>
    <message>
        <source>It was read for its totals alone, without receipt numbers and notes, so writing it would lose them.</source>
        <translation>Sie wurde nur für ihre Summen gelesen, ohne Belegnummern und Notizen; sie zu schreiben, würde diese verlieren.</translation>
    </message>
    <message>
        <source>This is not a Tallyfox database, so it is left as it is.</source>
        <translation>Das ist keine Tallyfox-Datenbank; sie bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>The entry %1 was changed or deleted elsewhere; your change was not applied.</source>
        <translation>Der Eintrag %1 wurde anderswo geändert oder gelöscht; Ihre Änderung wurde nicht übernommen.</translation>
    </message>
    <message>
        <source>%1 more entries were changed or deleted elsewhere; your changes to them were not applied.</source>
        <translation>%1 weitere Einträge wurden anderswo geändert oder gelöscht; Ihre Änderungen daran wurden nicht übernommen.</translation>
    </message>
    <message>
        <source>Another program replaced it with something that is not a Tallyfox database; it is left as it is.</source>
        <translation>Ein anderes Programm hat sie durch etwas ersetzt, das keine Tallyfox-Datenbank ist; es bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>The previous version of &quot;%1&quot; was not kept: &quot;%2&quot; belongs to another user and is left as it is.</source>
        <translation>Die vorige Fassung von „%1“ wurde nicht behalten: „%2“ gehört einem anderen Benutzer und bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>its previous version could not be kept as &quot;%1&quot; (%2), so it was not changed.</source>
        <translation>Ihre vorige Fassung ließ sich nicht als „%1“ behalten (%2); darum wurde sie nicht geändert.</translation>
    </message>
    <message>
        <source>1 line of &quot;%1&quot; was not an entry; the file as it was is kept as &quot;%2&quot;.</source>
        <translation>1 Zeile von „%1“ war kein Eintrag; die Datei, wie sie war, ist als „%2“ behalten.</translation>
    </message>
    <message>
        <source>%1 lines of &quot;%2&quot; were not entries; the file as it was is kept as &quot;%3&quot;.</source>
        <translation>%1 Zeilen von „%2“ waren keine Einträge; die Datei, wie sie war, ist als „%3“ behalten.</translation>
    </message>
    <message>
        <source>It could not be read, so writing it would replace the entries it holds. Use Save as to keep the changes.</source>
        <translation>Sie war nicht lesbar; sie zu schreiben, würde ihre Einträge ersetzen. Mit „Speichern unter“ lassen sich die Änderungen behalten.</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>The folder cannot be created.</source>
        <translation>Der Ordner kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>It is not a Tallyfox database, so the entries are kept in memory only. Use Save as to keep them in a database.</source>
        <translation>Sie ist keine Tallyfox-Datenbank; die Einträge sind darum nur im Speicher. Mit „Speichern unter“ lassen sie sich in einer Datenbank behalten.</translation>
    </message>
    <message>
        <source>No such file, so there are no entries.</source>
        <translation>Diese Datei gibt es nicht; darum gibt es keine Einträge.</translation>
    </message>
    <message>
        <source>The entries were read again from the file since they were sorted, so their order before cannot be put back.</source>
        <translation>Die Einträge wurden seit dem Sortieren neu aus der Datei gelesen; ihre vorige Reihenfolge lässt sich darum nicht wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>ShownTotals</name>
    <message>
        <source>%1 of %2 entries · expenses %3%4 · income %5%6 · balance %7%8</source>
        <translation>%1 von %2 Einträgen · Ausgaben %3%4 · Einnahmen %5%6 · Saldo %7%8</translation>
    </message>
    <message>
        <source>(Not all currencies found in list!)</source>
        <translation>(Nicht alle Währungen in der Liste gefunden!)</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>This new version contains currency exchange rates. To edit them, please go to options.</source>
        <translation>Diese neue Version enthält Wechselkurse. Sie lassen sich unter Optionen bearbeiten.</translation>
    </message>
    <message>
        <source>Welcome to Tallyfox %1. Tallyfox is free software: you may use, copy and share it.</source>
        <translation>Willkommen bei Tallyfox %1. Tallyfox ist freie Software: Sie dürfen es benutzen, kopieren und weitergeben.</translation>
    </message>
    <message>
        <source>Database in old format found. It will be converted to the new format. Please give a filename for new DB.</source>
        <translation>Datenbank im alten Format gefunden. Sie wird ins neue Format umgewandelt. Bitte einen Dateinamen für die neue Datenbank angeben.</translation>
    </message>
    <message>
        <source>No database file found. Please give a filename for a new database.</source>
        <translation>Keine Datenbankdatei gefunden. Bitte einen Dateinamen für eine neue Datenbank angeben.</translation>
    </message>
</context>
<context>
    <name>ThisMonth</name>
    <message>
        <source>This month: expenses&#xa0;%1 · income&#xa0;%2</source>
        <translation>Dieser Monat: Ausgaben&#xa0;%1 · Einnahmen&#xa0;%2</translation>
    </message>
</context>
<context>
    <name>UndoHistory</name>
    <message>
        <source>import of 1 entry</source>
        <translation>Import von 1 Eintrag</translation>
    </message>
    <message>
        <source>import of %1 entries</source>
        <translation>Import von %1 Einträgen</translation>
    </message>
    <message>
        <source>column changes</source>
        <translation>Spaltenänderungen</translation>
    </message>
    <message>
        <source>purge of 1 entry</source>
        <translation>Bereinigen von 1 Eintrag</translation>
    </message>
    <message>
        <source>purge of %1 entries</source>
        <translation>Bereinigen von %1 Einträgen</translation>
    </message>
    <message>
        <source>delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>autosort</source>
        <translation>automatisch sortieren</translation>
    </message>
    <message>
        <source>reverse order</source>
        <translation>Reihenfolge umkehren</translation>
    </message>
    <message>
        <source>edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>new %1</source>
        <translation>%1 neu anlegen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>sort by name</source>
        <translation>nach Name sortieren</translation>
    </message>
    <message>
        <source>sort by date</source>
        <translation>nach Datum sortieren</translation>
    </message>
    <message>
        <source>sort by amount</source>
        <translation>nach Betrag sortieren</translation>
    </message>
    <message>
        <source>sort by receipt nr.</source>
        <translation>nach Beleg-Nr. sortieren</translation>
    </message>
    <message>
        <source>sort by paid with</source>
        <translation>nach Zahlungsart sortieren</translation>
    </message>
    <message>
        <source>sort by intended source</source>
        <translation>nach Kostenträger sortieren</translation>
    </message>
</context>
<context>
    <name>tallyfox::AboutForm</name>
    <message>
        <source>The Tallyfox developers</source>
        <translation>Die Tallyfox-Entwickler</translation>
    </message>
    <message>
        <source>If you like this program, want to know more or buy me a beer, visit:</source>
        <translation>Wenn Ihnen das Programm gefällt, Sie mehr wissen oder mir ein Bier ausgeben möchten, besuchen Sie:</translation>
    </message>
    <message>
        <source>January 3rd, 2010</source>
        <translation>3. Januar 2010</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tallyfox::AmountPanel</name>
    <message>
        <source>Receipt</source>
        <translation>Beleg</translation>
    </message>
    <message>
        <source>Receipt nr:</source>
        <translation>Beleg-Nr.:</translation>
    </message>
    <message>
        <source>Is income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Receipt number</source>
        <translation>Belegnummer</translation>
    </message>
</context>
<context>
    <name>tallyfox::ChartPanel</name>
    <message>
        <source>Last 12 months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>Last 24 months</source>
        <translation>Letzte 24 Monate</translation>
    </message>
    <message>
        <source>All months</source>
        <translation>Alle Monate</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
</context>
<context>
    <name>tallyfox::ColumnsPage</name>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Ausgeblendet</translation>
    </message>
</context>
<context>
    <name>tallyfox::DatePanel</name>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
</context>
<context>
    <name>tallyfox::DigitAmountWidget</name>
    <message>
        <source>Tap the upper half of a digit to add one to it, the lower half to take one away.
The strip at the left shows more or fewer digits, the one at the right the decimals.
Or type the amount: digits, &quot;.&quot; or &quot;,&quot;, Backspace, Up and Down.</source>
        <translation>Tippen Sie auf die obere Hälfte einer Ziffer, um eins dazuzuzählen, auf die untere, um eins abzuziehen.
Der Streifen links zeigt mehr oder weniger Stellen, der rechts die Nachkommastellen.
Oder tippen Sie den Betrag: Ziffern, &quot;.&quot; oder &quot;,&quot;, Rücktaste, Hoch und Runter.</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
</context>
<context>
    <name>tallyfox::EditedListView</name>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Kurs</translation>
    </message>
</context>
<context>
    <name>tallyfox::FilterBar</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Shows the entries that show every word typed in some column; Esc clears the filter</source>
        <translation>Zeigt die Einträge, die jedes getippte Wort in einer Spalte zeigen; Esc löscht den Filter</translation>
    </message>
    <message>
        <source>Show every entry</source>
        <translation>Alle Einträge zeigen</translation>
    </message>
    <message>
        <source>Dates, expenses or income</source>
        <translation>Zeitraum, Ausgaben oder Einnahmen</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>From a day to a day</source>
        <translation>Von einem Tag bis zu einem Tag</translation>
    </message>
    <message>
        <source>Expenses only</source>
        <translation>Nur Ausgaben</translation>
    </message>
    <message>
        <source>Income only</source>
        <translation>Nur Einnahmen</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Filter löschen</translation>
    </message>
    <message>
        <source>Filter (%1)</source>
        <translation>Filter (%1)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
</context>
<context>
    <name>tallyfox::FingerPage</name>
    <message>
        <source>Quick entry items</source>
        <translation>Schritte der Schnelleingabe</translation>
    </message>
    <message>
        <source>Finger friendly entry
(max amount=999999.99)</source>
        <translation>Eingabe mit dem Finger
(Höchstbetrag 999999.99)</translation>
    </message>
    <message>
        <source>Start new item with quick edit</source>
        <translation>Neuer Eintrag in Schnelleingabe</translation>
    </message>
    <message>
        <source>Increasing 9 gives 0, not 10</source>
        <translation>9 plus eins ergibt 0, nicht 10</translation>
    </message>
    <message>
        <source>Skip overview after quick entry</source>
        <translation>Schnelleingabe ohne Übersicht</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Paid with</source>
        <translation>Bezahlt mit</translation>
    </message>
    <message>
        <source>Int. source</source>
        <translation>Kostentr.</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>tallyfox::GeneralPage</name>
    <message>
        <source>Change location</source>
        <translation>Ort ändern</translation>
    </message>
    <message>
        <source>Enable logging</source>
        <translation>Protokoll führen</translation>
    </message>
    <message>
        <source>Show income as positive</source>
        <translation>Einnahmen positiv zeigen</translation>
    </message>
    <message>
        <source>Show this month&apos;s totals</source>
        <translation>Summen dieses Monats zeigen</translation>
    </message>
    <message>
        <source>Setting files location:</source>
        <translation>Einstellungsdateien in:</translation>
    </message>
    <message>
        <source>Next receipt nr:</source>
        <translation>Beleg-Nr. ab:</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>Währungen</translation>
    </message>
    <message>
        <source>Expense types</source>
        <translation>Ausgabenarten</translation>
    </message>
    <message>
        <source>Payment methods</source>
        <translation>Zahlungsarten</translation>
    </message>
    <message>
        <source>Intended sources</source>
        <translation>Kostenträger</translation>
    </message>
    <message>
        <source>Next receipt nr</source>
        <translation>Nächste Beleg-Nr.</translation>
    </message>
</context>
<context>
    <name>tallyfox::ImportForm</name>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>The first row names the columns</source>
        <translation>Die erste Zeile benennt die Spalten</translation>
    </message>
    <message>
        <source>Negative amounts are incomes</source>
        <translation>Negative Beträge sind Einnahmen</translation>
    </message>
    <message>
        <source>Keep duplicates</source>
        <translation>Doppelte behalten</translation>
    </message>
    <message>
        <source>Day and month read either way here: choose the order.</source>
        <translation>Tag und Monat passen hier in beiden Reihenfolgen: Wählen Sie die Reihenfolge.</translation>
    </message>
    <message>
        <source>Dates:</source>
        <translation>Datum:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Point: 1,234.50</source>
        <translation>Punkt: 1,234.50</translation>
    </message>
    <message>
        <source>Comma: 1.234,50</source>
        <translation>Komma: 1.234,50</translation>
    </message>
    <message>
        <source>Decimals:</source>
        <translation>Dezimalzeichen:</translation>
    </message>
    <message>
        <source>primary</source>
        <translation>Hauptwährung</translation>
    </message>
    <message>
        <source>The currency of rows without one</source>
        <translation>Die Währung der Zeilen ohne Währung</translation>
    </message>
    <message>
        <source>The type of rows without one</source>
        <translation>Die Art der Zeilen ohne Art</translation>
    </message>
    <message>
        <source>Currency:</source>
        <translation>Währung:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Import file</source>
        <translation>Datei importieren</translation>
    </message>
    <message>
        <source>Bank and spreadsheet files|*.csv *.tsv *.txt|Tallyfox files|*.tfx *.json *.journal|All files|*.*</source>
        <translation>Bank- und Tabellendateien|*.csv *.tsv *.txt|Tallyfox-Dateien|*.tfx *.json *.journal|Alle Dateien|*.*</translation>
    </message>
    <message>
        <source>No such file.</source>
        <translation>Die Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Line %1: left out, already stored</source>
        <translation>Zeile %1: ausgelassen, schon gespeichert</translation>
    </message>
    <message>
        <source>Line %1: left out, as line %2</source>
        <translation>Zeile %1: ausgelassen, wie Zeile %2</translation>
    </message>
    <message>
        <source>%1 to import, %2 duplicates left out, %3 rejected</source>
        <translation>%1 zu importieren, %2 doppelte ausgelassen, %3 abgewiesen</translation>
    </message>
    <message>
        <source>Choose the columns of the date and the amount.</source>
        <translation>Wählen Sie die Spalten für Datum und Betrag.</translation>
    </message>
    <message>
        <source>%1 imported, %2 duplicates left out, %3 rejected.</source>
        <translation>%1 importiert, %2 doppelte ausgelassen, %3 abgewiesen.</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
</context>
<context>
    <name>tallyfox::ItemForm</name>
    <message>
        <source>New item</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Quick entry</source>
        <translation>Schnelleingabe</translation>
    </message>
    <message>
        <source>Receipt nr:
%1</source>
        <translation>Beleg-Nr.:
%1</translation>
    </message>
    <message>
        <source>No receipt</source>
        <translation>Kein Beleg</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type an amount</source>
        <translation>Betrag eingeben</translation>
    </message>
    <message>
        <source>Amount must be a number</source>
        <translation>Der Betrag muss eine Zahl sein</translation>
    </message>
    <message>
        <source>Amount must not be negative</source>
        <translation>Der Betrag darf nicht negativ sein</translation>
    </message>
</context>
<context>
    <name>tallyfox::ListEditPanel</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>zurück</translation>
    </message>
    <message>
        <source>Type a name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Exchange rate</source>
        <translation>Wechselkurs</translation>
    </message>
</context>
<context>
    <name>tallyfox::ListEditorForm</name>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Make
primary</source>
        <translation>Zur Haupt-
währung</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Do you really want to delete this entry?</source>
        <translation>Wollen Sie diesen Eintrag wirklich löschen?</translation>
    </message>
</context>
<context>
    <name>tallyfox::ListPanel</name>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
</context>
<context>
    <name>tallyfox::MainForm</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>New item</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Show only entries without %1</source>
        <translation>Nur Einträge ohne %1 zeigen</translation>
    </message>
    <message>
        <source>Show only “%1”</source>
        <translation>Nur „%1“ zeigen</translation>
    </message>
    <message>
        <source>Do you really want to delete this entry?</source>
        <translation>Wollen Sie diesen Eintrag wirklich löschen?</translation>
    </message>
    <message>
        <source>The entries are kept in memory only, not in a database file. Do you want to keep them with Save as?</source>
        <translation>Die Einträge sind nur im Speicher, nicht in einer Datenbankdatei. Wollen Sie sie mit „Speichern unter“ behalten?</translation>
    </message>
</context>
<context>
    <name>tallyfox::MainMenu</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Optionen...</translation>
    </message>
    <message>
        <source>Purge entries...</source>
        <translation>Einträge bereinigen...</translation>
    </message>
    <message>
        <source>Show info and totals</source>
        <translation>Infos und Summen zeigen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New...</source>
        <translation>Neu...</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Export data...</source>
        <translation>Daten exportieren...</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Receipt nr.</source>
        <translation>Beleg-Nr.</translation>
    </message>
    <message>
        <source>Paid with</source>
        <translation>Bezahlt mit</translation>
    </message>
    <message>
        <source>Intended source</source>
        <translation>Kostenträger</translation>
    </message>
    <message>
        <source>Autosort</source>
        <translation>Automatisch sortieren</translation>
    </message>
    <message>
        <source>Reverse order</source>
        <translation>Umgekehrte Reihenfolge</translation>
    </message>
    <message>
        <source>Delete entry</source>
        <translation>Eintrag löschen</translation>
    </message>
    <message>
        <source>Edit entry</source>
        <translation>Eintrag ändern</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Show only</source>
        <translation>Nur diese zeigen</translation>
    </message>
</context>
<context>
    <name>tallyfox::MessageForm</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tallyfox::MonthLine</name>
    <message>
        <source>Open the overview</source>
        <translation>Übersicht öffnen</translation>
    </message>
    <message>
        <source>(Not all currencies found in list!)</source>
        <translation>(Nicht alle Währungen in der Liste!)</translation>
    </message>
</context>
<context>
    <name>tallyfox::NotePanel</name>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
</context>
<context>
    <name>tallyfox::OptionsForm</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>FingerFriendly</source>
        <translation>Fingereingabe</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Setting files location</source>
        <translation>Ort der Einstellungsdateien</translation>
    </message>
    <message>
        <source>Setting files already exist on new location. Do you want to overwrite with files from old location?</source>
        <translation>Am neuen Ort gibt es schon Einstellungsdateien. Wollen Sie sie mit den Dateien vom alten Ort überschreiben?</translation>
    </message>
</context>
<context>
    <name>tallyfox::OverviewForm</name>
    <message>
        <source>Copy to clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save chart as</source>
        <translation>Diagramm speichern unter</translation>
    </message>
    <message>
        <source>PNG images|*.png|SVG images|*.svg</source>
        <translation>PNG-Bilder|*.png|SVG-Bilder|*.svg</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Summen</translation>
    </message>
</context>
<context>
    <name>tallyfox::PurgeForm</name>
    <message>
        <source>Delete all entries</source>
        <translation>Alle Einträge löschen</translation>
    </message>
    <message>
        <source>Delete entries before:</source>
        <translation>Einträge löschen vor dem:</translation>
    </message>
    <message>
        <source>Pick</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Choose the date on a finger-sized panel</source>
        <translation>Das Datum auf einer fingergroßen Tafel wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Purge</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Do you really want to delete all entries?</source>
        <translation>Wollen Sie wirklich alle Einträge löschen?</translation>
    </message>
    <message>
        <source>%1 entries will be deleted. Do you want to continue?</source>
        <translation>%1 Einträge werden gelöscht. Wollen Sie fortfahren?</translation>
    </message>
    <message>
        <source>Delete entries before</source>
        <translation>Einträge löschen vor dem</translation>
    </message>
    <message>
        <source>Pick the date</source>
        <translation>Datum wählen</translation>
    </message>
</context>
<context>
    <name>tallyfox::QuickEntryForm</name>
    <message>
        <source>New item</source>
        <translation>Neuer Eintrag</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tallyfox::SoftKeyBar</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Left soft key</source>
        <translation>Linke Softtaste</translation>
    </message>
    <message>
        <source>Right soft key</source>
        <translation>Rechte Softtaste</translation>
    </message>
</context>
</TS>
