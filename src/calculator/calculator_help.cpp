#include "calculator/calculator_help.h"

namespace korvale {

std::vector<std::vector<Text>> calculatorHelp(bool everOpened) {
  return {
      {
          U"Formel eingeben und <Enter> oder <F1> drücken",
          U"Formel/Daten speichern mit <F3>,  Einfügen mit <F4>",
          U"Dezimalstellen festlegen mit <F7>, (Punkt statt Komma)",
          U"Mit <F8> Zahlen summieren. Mit <F9>,<Shift F9> und",
          U"<Strg F9>  Anzahl,Summe,Quadratsumme anzeigen.",
          U"<F11> = Sqrt, <F12> = ^2  und  <F2> = <Schließen>",
      },
      {
          U"Operationen:  + , - , * ,  / , ^ , ( , ) ",
          U"Funktionen:  pi, abs, acos, asin, atan, cos, deg,",
          U"exp, fak, log, ln, rad, round, sin, sqr, sqrt, tan, trunc.",
          U"Befehle:  pfz (a),  Primfaktorenzerlegung der Zahl a",
          U"qua (a,b,c),  Quadratische Gleichung  ax²+bx+c = 0",
          U"dif (f(x),n,a),  n-te Ableitung von f(x) in a (n = 0,1,2)",
          U"int (f(x),a,b),  bestimtes Integral von f(x) auf [a,b]",
          U"kom (n,k),  Kombinationen von k aus n Elementen",
          U"gau (z),  Standardisierte Normalverteilung w(0,z)",
      },
      {
          everOpened ? U"Speicher mit 26 Variable: < a bis z >"
                     : U"Veränderbare Variablenspeicher: ",
          U"Speicherung mit <Variable=Wert> und <Enter>",
          U"Externen Taschenrechner aufrufen mit <F10>",
      },
  };
}

}  // namespace korvale
