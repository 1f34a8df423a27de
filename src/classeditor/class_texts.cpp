// The sample class and the help text the window shows over the plan.
#include "base/text_routines.h"
#include "classeditor/class_commands.h"

namespace korvale {

const std::vector<Text>& sampleClassList() {
  static const std::vector<Text> names = {
      U"Aigner Lea",   U"Bauer Jonas",  U"Berger Marie", U"Brunner Lukas", U"Eder Sophie",
      U"Fischer Paul", U"Gruber Anna",  U"Hofer Felix",  U"Huber Laura",   U"Köhler Tim",
      U"Lang Emma",    U"Maier David",  U"Müller Jana",  U"Öztürk Emre",   U"Pichler Nina",
      U"Reiter Simon", U"Schütz Clara", U"Steiner Max",  U"Wagner Julia",  U"Weiß Noah",
  };
  return names;
}

namespace {

// A command in angle brackets, padded so that the explanations form a column.
Text commandLine(const Text& command, const Text& text) {
  return padRight(U"<" + command + U">", 19) + text;
}

Text continued(const Text& text) {
  return Text(19, U' ') + text;
}

}  // namespace

const std::vector<Text>& classHelpText() {
  static const std::vector<Text> lines = [] {
    const Text rule = repeatChar(70, U'=');
    return std::vector<Text>{
        U"KORVALE, Verwaltung von Klassen und Noten.",
        U"(Diesen Hilfetext ausdrucken mit Doppelklick darauf).",
        U"",
        rule,
        U"KLASSEN-EDITOR",
        rule,
        U"Rechts steht die Namensliste, links die Tabelle (der Sitzplan).",
        U"Jede Zeile der Liste enthält einen Zunamen und einen Vornamen,",
        U"getrennt durch einen Separator.",
        U"Übliche Separatoren (Trennzeichen) sind BLANKS (Leerzeichen),",
        U"TABS (Tabulatoren), KOMMAS (Beistriche) oder Strichpunkte.",
        U"",
        U"Namen in die Tabelle übertragen:",
        U"1. Eine Zeile der Liste mit der Maus markieren.",
        U"2. Ein linker Mausklick in das gewünschte Tabellenfeld",
        U"   überträgt die markierte Listenzeile.",
        U"3. Ein Doppelklick löscht das Tabellenfeld wieder.",
        U"",
        U"Namen in ein EXCEL-Arbeitsblatt übernehmen:",
        U"1. <Blank2Tab> ersetzt die Leerzeichen durch TABs.",
        U"2. <Kopieren> kopiert die Liste in die Zwischenablage.",
        U"3. <Excel> öffnet das Arbeitsblatt.",
        U"4. Dort die Namen aus der Zwischenablage einfügen.",
        U"",
        commandLine(U"NEU", U"löscht Liste und Tabelle."),
        commandLine(U"BEISPIEL", U"lädt eine Klassenliste zur Demonstration."),
        commandLine(U"LADEN", U"lädt eine Textdatei im TXT- oder RTF-Format"),
        continued(U"(und automatisch die Tabelle im TAB-Format)."),
        commandLine(U"ANFÜGEN", U"fügt eine neue Textdatei an die Liste."),
        commandLine(U"SPEICHERN", U"speichert die Liste auf eine Textdatei"),
        continued(U"(und automatisch die Tabelle im TAB-Format)."),
        commandLine(U"DRUCKEN L", U"druckt die Namensliste."),
        commandLine(U"DRUCKEN T", U"druckt die Tabelle (Sitzplan)."),
        commandLine(U"EXCEL", U"öffnet ein EXCEL-Arbeitsblatt."),
        commandLine(U"BEENDEN", U"beendet das Programm."),
        commandLine(U"ALLES MARKIEREN", U"markiert die ganze Liste."),
        commandLine(U"KOPIEREN", U"kopiert die Liste in die Zwischenablage."),
        commandLine(U"EINFÜGEN", U"fügt die Zwischenablage in eine Liste ein."),
        commandLine(U"SORTIEREN", U"sortiert die Liste alphabetisch."),
        commandLine(U"SCHRIFT L", U"setzt in der Liste die gewünschte Schrift."),
        commandLine(U"SCHRIFT T", U"setzt in der Tabelle die gewünschte Schrift."),
        commandLine(U"WORDWRAP", U"schaltet Zeilenumbruch in der Tabelle ein/aus."),
        commandLine(U"LÖSCHEN T", U"löscht nur die Tabelle."),
        commandLine(U"SPALTEN", U"setzt in der Tabelle die Anzahl der Spalten."),
        commandLine(U"ZEILEN", U"setzt in der Tabelle die Anzahl der Zeilen."),
        commandLine(U"NAMENSTAUSCH", U"Ändert die Reihenfolge von Zunamen und Vornamen"),
        continued(U"bei der Übertragung von Liste in Tabelle."),
        commandLine(U"Blank2Tab", U"Ersetzt die Leerzeichen durch TABs oder \";\""),
        continued(U"zwischen Zunamen und Vornamen."),
        commandLine(U"Tab2Blank", U"Ersetzt die TABs oder \";\" durch Leerzeichen"),
        continued(U"zwischen Zunamen und Vornamen."),
        commandLine(U"Suchen/Ersetzen", U"sucht und ersetzt beliebige Zeichen in der Liste."),
        commandLine(U"HILFE", U"blendet diesen Hilfetext ein/aus."),
        U"",
        rule,
        U"NOTEN-EDITOR",
        rule,
        U"Der Noten-Editor dient zum Editieren, Verwalten und Auswerten von",
        U"Schulnoten in einer Klasse.",
    };
  }();
  return lines;
}

}  // namespace korvale
