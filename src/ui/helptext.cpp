#include "ui/helptext.h"

namespace quirnel::ui {

QString helpPageHtml(const QString &dataFolder)
{
    return QStringLiteral(R"(
<p style="font-family:'Liberation Serif'; font-size:14pt; font-weight:bold; color:#c00000">QUIRNEL &ndash; Termin- und Geburtstagskalender &nbsp;&nbsp;Version&nbsp;&nbsp;4.5</p>
<p style="font-family:'Liberation Serif'; font-size:11pt">QUIRNEL verwaltet Geburtstage und Termine. Am besten legt man das Programm in den Autostart, dann zeigt es nach der Anmeldung sofort, was ansteht: zuerst die heutigen Termine &ndash; mit &bdquo;OK&ldquo; geht es weiter zum Geburtstagskalender. Geburtstage, die höchstens 5 Tage zurück- oder vorausliegen, stehen in der unteren Leiste. Hält die Leiste viele Einträge, zeigen Zähler mit Pfeilen an, wie viele es vorher und nachher sind.</p>
<p style="font-family:'Liberation Sans'; font-size:10pt; font-weight:bold; color:#c00000">Beschreibung der Bedienelemente:</p>
<p style="font-family:'Liberation Sans'; font-size:9pt">
<b>Termine</b> &ndash; zeigt die Gesamt-Termin-Liste mit dem Kalender.<br>
<b>Geburtstage</b> &ndash; zurück zum Geburtstagskalender.<br>
<b>T-Daten</b> &ndash; Termine eingeben und bearbeiten.<br>
<b>G-Daten</b> &ndash; Geburtstage eingeben und bearbeiten.<br>
<b>Monat</b> &ndash; links: die Termine eines Monats (Monatsauswahl); rechts: die Geburtstage dieses Monats.<br>
<b>Woche</b> &ndash; links: die Termine dieser Woche; rechts: die Geburtstage dieser Woche.<br>
<b>Heute</b> &ndash; die heutigen Termine.<br>
<b>Jubiläen</b> &ndash; alle runden Geburtstage dieses Jahres.</p>
<p style="font-family:'Liberation Sans'; font-size:10pt; font-weight:bold; color:#c00000">Datenbearbeitung Geburtstage:</p>
<p style="font-family:'Liberation Sans'; font-size:9pt">
Vorname und Name sowie das Geburtsdatum (tt.mm.jjjj) eintragen und mit &bdquo;Einfügen&ldquo; in die Liste übernehmen; erst &bdquo;Speichern&ldquo; schreibt die Daten in die Datei.<br>
Editieren: einen Eintrag anklicken, &bdquo;Editieren&ldquo; drücken, die Felder ändern und wieder &bdquo;Einfügen&ldquo;.<br>
Löschen geht auf drei Arten: Eintrag anklicken und &bdquo;Löschen&ldquo;, Doppelklick auf den Eintrag, oder Shift+L in der Liste &ndash; das löscht nach einer Rückfrage die ganze Liste.<br>
&bdquo;Abbrechen&ldquo; holt zurück, was noch nicht gespeichert ist.<br>
Ein Klick mit der rechten Maustaste auf die Liste öffnet ein Menü: Neuer Eintrag, Eintrag editieren, Eintrag löschen, Eintrag suchen.<br>
Suchen: im Suchfeld tippen &ndash; der passende Eintrag wird markiert.</p>
<p style="font-family:'Liberation Sans'; font-size:10pt; font-weight:bold; color:#c00000">Datenbearbeitung Termine:</p>
<p style="font-family:'Liberation Sans'; font-size:9pt">
Ein Klick auf einen Tag im Kalender trägt das Datum ein, ein Doppelklick auf einen Tag von 1 bis 24 die volle Stunde (der 9. ergibt 09:00). Die Viertelstunden wählt man danach mit &bdquo;15&ldquo;, &bdquo;30&ldquo; oder &bdquo;45&ldquo;. Ohne Uhrzeit wird der Termin mit Sternchen eingetragen.</p>
<p style="font-family:'Liberation Sans'; font-size:10pt; font-weight:bold; color:#c00000">Menüzeile</p>
<p style="font-family:'Liberation Sans'; font-size:9pt">
Datei &ndash; Termin-Datei speichern unter: die Termine als Kopie im eigenen Format oder als iCalendar-Datei (.ics) für andere Kalender.<br>
Datei &ndash; Geburtstage-Datei speichern unter: die Geburtstage als Kopie, als iCalendar-Datei (.ics, jährliche Termine) oder als vCard-Datei (.vcf) für Adressbücher.<br>
Datei &ndash; Daten-Import (Strg+M): Geburtstage aus einem Adressbuch (.vcf) und Termine aus einem Kalender (.ics) übernehmen; vorher zeigt eine Übersicht, was übernommen wird. Geburtstage ohne Jahr und schon vorhandene Einträge werden übersprungen. Übernommenes steht in der Liste wie von Hand eingefügt und wird erst mit &bdquo;Speichern&ldquo; gesichert.<br>
Datei &ndash; Beenden (Strg+B): Programm nach Rückfrage beenden.<br>
Optionen &ndash; Eintrag suchen: das Suchfeld öffnen.<br>
Optionen &ndash; Quick-Info aus: die Hinweistexte abschalten.<br>
Optionen &ndash; Erinnerungen: Meldungen des Desktops zu den heutigen Geburtstagen und Terminen sowie 5, 15, 30 oder 60 Minuten vor jedem Termin mit Uhrzeit (Vorgabe 15); &bdquo;aus&ldquo; schaltet sie ab.<br>
Hilfe &ndash; Info (Strg+I): Programminformation.<br>
Hilfe &ndash; Programmbeschreibung: diese Seite.</p>
<p style="font-family:'Liberation Sans'; font-size:10pt; font-weight:bold; color:#c00000">Daten</p>
<p style="font-family:'Liberation Sans'; font-size:9pt">
Die Dateien geburt.dat und termin.dat liegen im Ordner <b>%1</b>. Einen anderen Ordner wählt man beim Start mit <code>quirnel --data ORDNER</code>. Hat ein anderes Programm eine Datei inzwischen geändert, führt &bdquo;Speichern&ldquo; beide Stände zusammen und meldet, was dort dazukam oder wegfiel. Pro Ordner läuft nur ein QUIRNEL; ein zweiter Start holt das laufende Fenster nach vorn.</p>
)")
        .arg(dataFolder.toHtmlEscaped());
}

} // namespace quirnel::ui
