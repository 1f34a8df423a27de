#include "ui/ports/dialogs.h"

namespace korvale {

void showDataError(Dialogs& dialogs) {
  dialogs.error("Problem", "Daten-Fehler", Icon::Error);
}

}  // namespace korvale
