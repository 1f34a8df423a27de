// A menu entry's caption as the user reads it: the access-key mark "&" left out.
#pragma once

#include <QAction>
#include <QString>

namespace korvale {

inline QString caption(const QAction* action) {
  const QString text = action->text();
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) {
      shown += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&')) {
      shown += text[++i];
    }
  }
  return shown;
}

}  // namespace korvale
