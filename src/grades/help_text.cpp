#include "grades/help_text.h"

namespace korvale {

const std::vector<Text>& gradesHelpText() {
  static const std::vector<Text> lines = {
      U"==========================================================================",
      U" <TABULON> Spezialeditor zur Verwaltung und Auswertung von CSV-Listen",
      U" (Ausdruck dieses Hilfstextes mit einem Doppelklick darauf)",
      U"==========================================================================",
      U"",
      U"(1) Die Verwaltung von Tabellen",
      U"--------------------------------------------------------------------------",
      U" CSV-Listen sind Textdateien: Zeile 1 enthält die Feldnamen, jede weitere",
      U" Zeile einen Datensatz. Die Felder trennt ein Separator: \";\", TAB oder \",\".",
      U" Datei: <Öffnen (CSV)> lädt eine Liste als Datenbank, <Öffnen (Text)> ein",
      U" Dokument (RTF oder Text). <Ordner wechseln> wählt den DEMO-Ordner mit den",
      U" Beispieldateien oder den aktuellen Ordner.",
      U" Datenbank: <Datenbank aktualisieren> lädt die Liste neu, <Datenbank",
      U" anzeigen (E/A)> zeigt die Tabelle mit dem Endezeichen \"#\" oder blendet",
      U" sie aus. Ausgewertet werden höchstens 2000 Datensätze mit 50 Feldern.",
      U" Serienbriefe: <Fxx> setzt das Feld Nummer xx ein, <Nxx> seinen Namen;",
      U" ein Rechenfeld steht in geschweiften Klammern { }.",
      U" Speichern: als RTF, als Text oder als Liste (.csv, .dat) ohne \"#\".",
      U" Seitenumbruch: Strg+Enter setzt das Zeichen \"¶\".",
      U" Suchen: <Suchen>, weitersuchen mit F3. Sortieren: nach einer Spalte.",
      U" Compress entfernt die Leerzeichen, Expand richtet die Spalten aus.",
      U" Select wählt Datensätze aus: ! ungleich, = gleich, < kleiner, > größer,",
      U" - beginnt mit (Zahlen: kleiner/gleich), + enthält (Zahlen: größer/gleich).",
      U" Restore holt die Tabelle vor der letzten Auswahl zurück.",
      U" Insert \" und Remove \" setzen oder entfernen Anführungszeichen,",
      U" AddLastSep und DelLastSep den Separator am Zeilenende.",
      U" Hinweise: Bei Schulnoten steht \"a\" für eine fehlende Note (in der Datei",
      U" \"0\"). Eine geladene Tabelle ist gesperrt: <Sperren E/A> hebt die Sperre",
      U" auf. Ein Klick mit der rechten Maustaste auf ein Feld mit einem",
      U" Dateinamen öffnet Bild, Ton oder Film aus dem aktuellen Ordner.",
      U".",
      U"(2) Die Auswertung von Tabellen",
      U"--------------------------------------------------------------------------",
      U" (2a) STATISTIK",
      U" Statistik - 1 wertet die Spalte unter dem Cursor aus: Anzahl, Minimum,",
      U" Maximum, Mittelwert, Standardabweichung und Häufigkeiten mit Grafik.",
      U" Statistik - 2 vergleicht zwei Spalten: Korrelation und Regression.",
      U" Statistik - N vergleicht alle Zahlenspalten miteinander.",
      U" Die Ergebnisse stehen unter dem Endezeichen \"#\" der Tabelle.",
      U".",
      U" (2b) MATHEMATIK",
      U" Eine Formelzeile mit den Variablen A bis Z wird mit F1 berechnet.",
      U" Funktion - Tabelle und Funktion - Grafik zeigen Werte und Verlauf einer",
      U" Funktion; <Kommastellen> legt die Nachkommastellen fest.",
      U"==========================================================================",
  };
  return lines;
}

}  // namespace korvale
