#include "grades/help_text.h"

namespace korvale {

const std::vector<Text>& gradesHelpText() {
  static const std::vector<Text> lines = [] {
    const char* const utf8[] = {
        "==========================================================================",
        " <TABULON> Spezialeditor zur Verwaltung und Auswertung von CSV-Listen",
        " (Ausdruck dieses Hilfstextes mit einem Doppelklick darauf)",
        "==========================================================================",
        "",
        "(1) Die Verwaltung von Tabellen",
        "--------------------------------------------------------------------------",
        " CSV-Listen sind Textdateien: Zeile 1 enthält die Feldnamen, jede weitere",
        " Zeile einen Datensatz. Die Felder trennt ein Separator: \";\", TAB oder \",\".",
        " Datei: <Öffnen (CSV)> lädt eine Liste als Datenbank, <Öffnen (Text)> ein",
        " Dokument (RTF oder Text). <Ordner wechseln> wählt den DEMO-Ordner mit den",
        " Beispieldateien oder den aktuellen Ordner.",
        " Datenbank: <Datenbank aktualisieren> lädt die Liste neu, <Datenbank",
        " anzeigen (E/A)> zeigt die Tabelle mit dem Endezeichen \"#\" oder blendet",
        " sie aus. Ausgewertet werden höchstens 2000 Datensätze mit 50 Feldern.",
        " Serienbriefe: <Fxx> setzt das Feld Nummer xx ein, <Nxx> seinen Namen;",
        " ein Rechenfeld steht in geschweiften Klammern { }.",
        " Speichern: als RTF, als Text oder als Liste (.csv, .dat) ohne \"#\".",
        " Seitenumbruch: Strg+Enter setzt das Zeichen \"¶\".",
        " Suchen: <Suchen>, weitersuchen mit F3. Sortieren: nach einer Spalte.",
        " Compress entfernt die Leerzeichen, Expand richtet die Spalten aus.",
        " Select wählt Datensätze aus: ! ungleich, = gleich, < kleiner, > größer,",
        " - beginnt mit (Zahlen: kleiner/gleich), + enthält (Zahlen: größer/gleich).",
        " Restore holt die Tabelle vor der letzten Auswahl zurück.",
        " Insert \" und Remove \" setzen oder entfernen Anführungszeichen,",
        " AddLastSep und DelLastSep den Separator am Zeilenende.",
        " Hinweise: Bei Schulnoten steht \"a\" für eine fehlende Note (in der Datei",
        " \"0\"). Eine geladene Tabelle ist gesperrt: <Sperren E/A> hebt die Sperre",
        " auf. Ein Klick mit der rechten Maustaste auf ein Feld mit einem",
        " Dateinamen öffnet Bild, Ton oder Film aus dem aktuellen Ordner.",
        ".",
        "(2) Die Auswertung von Tabellen",
        "--------------------------------------------------------------------------",
        " (2a) STATISTIK",
        " Statistik - 1 wertet die Spalte unter dem Cursor aus: Anzahl, Minimum,",
        " Maximum, Mittelwert, Standardabweichung und Häufigkeiten mit Grafik.",
        " Statistik - 2 vergleicht zwei Spalten: Korrelation und Regression.",
        " Statistik - N vergleicht alle Zahlenspalten miteinander.",
        " Die Ergebnisse stehen unter dem Endezeichen \"#\" der Tabelle.",
        ".",
        " (2b) MATHEMATIK",
        " Eine Formelzeile mit den Variablen A bis Z wird mit F1 berechnet.",
        " Funktion - Tabelle und Funktion - Grafik zeigen Werte und Verlauf einer",
        " Funktion; <Kommastellen> legt die Nachkommastellen fest.",
        "==========================================================================",
    };
    std::vector<Text> out;
    for (const char* line : utf8) out.push_back(utf8ToCp1252(line));
    return out;
  }();
  return lines;
}

}  // namespace korvale
