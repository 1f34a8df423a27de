#include "ui/ports/dialogs.h"

namespace korvale {

void showDataError(Dialogs& dialogs) {
  dialogs.error(U"Problem", U"Daten-Fehler", Icon::Error);
}

}  // namespace korvale
