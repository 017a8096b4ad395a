<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
</context>
</TS>
