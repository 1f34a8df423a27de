#include "ui/qt/qt_text_editor.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "ui/qt/qt_text.h"

namespace korvale {

namespace {

QTextCharFormat toQtFormat(const CharFormat& f, double zoom) {
  QTextCharFormat q;
  q.setFontFamilies({toQt(f.font)});
  q.setFontPointSize(f.size * zoom);
  q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  q.setFontItalic(f.italic);
  q.setFontUnderline(f.underline);
  q.setForeground(QColor(static_cast<int>((f.color >> 16) & 0xFF),
                         static_cast<int>((f.color >> 8) & 0xFF),
                         static_cast<int>(f.color & 0xFF)));
  return q;
}

CharFormat fromQtFormat(const QTextCharFormat& q, const QFont& fallback, double zoom) {
  CharFormat f;
  const QStringList families = q.fontFamilies().toStringList();
  f.font = fromQt(families.isEmpty() ? fallback.family() : families.first());
  const double size = q.fontPointSize();
  f.size = size > 0                    ? static_cast<int>(size / zoom + 0.5)
           : fallback.pointSizeF() > 0 ? static_cast<int>(fallback.pointSizeF() / zoom + 0.5)
                                       : fallback.pointSize();
  f.bold = q.fontWeight() >= QFont::Bold;
  f.italic = q.fontItalic();
  f.underline = q.fontUnderline();
  if (q.hasProperty(QTextFormat::ForegroundBrush)) {
    const QColor c = q.foreground().color();
    f.color = (static_cast<std::uint32_t>(c.red()) << 16) |
              (static_cast<std::uint32_t>(c.green()) << 8) | static_cast<std::uint32_t>(c.blue());
  }
  return f;
}

Qt::Alignment toQtAlignment(Alignment a) {
  switch (a) {
    case Alignment::Center:
      return Qt::AlignHCenter;
    case Alignment::Right:
      return Qt::AlignRight;
    case Alignment::Justify:
      return Qt::AlignJustify;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft;
}

Alignment fromQtAlignment(Qt::Alignment a) {
  if (a & Qt::AlignHCenter) return Alignment::Center;
  if (a & Qt::AlignRight) return Alignment::Right;
  if (a & Qt::AlignJustify) return Alignment::Justify;
  return Alignment::Left;
}

// Columns count characters; Qt counts UTF-16 units, two for a character beyond U+FFFF.
bool pairAt(const QString& line, qsizetype unit) {
  return unit + 1 < line.size() && line[unit].isHighSurrogate() && line[unit + 1].isLowSurrogate();
}

int unitsBefore(const QString& line, int column) {
  qsizetype unit = 0;
  for (int c = 0; c < column && unit < line.size(); ++c) unit += pairAt(line, unit) ? 2 : 1;
  return static_cast<int>(unit);
}

int charactersBefore(const QString& line, int units) {
  int characters = 0;
  for (qsizetype unit = 0; unit < units && unit < line.size(); ++characters)
    unit += pairAt(line, unit) ? 2 : 1;
  return characters;
}

// Inserts text that may hold '\n'; Qt turns each line feed into a new paragraph.
void insertText(QTextCursor& cursor, const Text& text, const QTextCharFormat& format) {
  if (!text.empty()) cursor.insertText(toQt(text), format);
}

// A text shown larger than its sizes hands other programs the sizes themselves when it is
// copied or dragged out.
class ZoomedTextEdit : public QTextEdit {
 public:
  double zoom = 1.0;

 protected:
  QMimeData* createMimeDataFromSelection() const override {
    if (zoom == 1.0) return QTextEdit::createMimeDataFromSelection();
    const QTextDocumentFragment selection = textCursor().selection();
    QTextDocument copy;
    QTextCursor(&copy).insertFragment(selection);
    // The runs are gathered first: setting a format may merge the fragments being walked.
    std::vector<std::pair<QTextFragment, QTextCharFormat>> runs;
    for (QTextBlock block = copy.begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        QTextCharFormat format = it.fragment().charFormat();
        if (format.fontPointSize() <= 0) continue;
        format.setFontPointSize(std::round(format.fontPointSize() / zoom));
        runs.emplace_back(it.fragment(), format);
      }
    }
    for (const auto& [fragment, format] : runs) {
      QTextCursor run(&copy);
      run.setPosition(fragment.position());
      run.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
      run.setCharFormat(format);
    }
    // Qt's own mime data would write its HTML from the shown sizes when it is asked for it.
    auto* data = new QMimeData;
    data->setText(selection.toPlainText());
    data->setHtml(copy.toHtml());
    return data;
  }
};

// Tab stops keep their place among the characters at any zoom.
constexpr double kTabStopPixels = 80.0;

}  // namespace

QtTextEditor::QtTextEditor() : edit_(new ZoomedTextEdit) {
  edit_->setAcceptRichText(false);
  edit_->setLineWrapMode(QTextEdit::NoWrap);
  watch_ = QObject::connect(edit_, &QObject::destroyed, [this] { edit_ = nullptr; });
}

QtTextEditor::~QtTextEditor() {
  QObject::disconnect(watch_);
  if (edit_ != nullptr && edit_->parent() == nullptr) delete edit_;
}

RichText QtTextEditor::richText() const {
  RichText rt;
  const QTextDocument* doc = edit_->document();
  const QFont fallback = doc->defaultFont();
  bool first = true;
  for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
    if (!first) {
      rt.text += '\n';
      rt.runs.push_back({1, fromQtFormat(block.charFormat(), fallback, zoom_)});
    }
    first = false;
    rt.alignments.push_back(fromQtAlignment(block.blockFormat().alignment()));
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      const Text piece = fromQt(fragment.text());
      rt.text += piece;
      rt.runs.push_back({piece.size(), fromQtFormat(fragment.charFormat(), fallback, zoom_)});
    }
  }
  if (rt.text.empty()) return RichText();
  if (std::all_of(rt.alignments.begin(), rt.alignments.end(),
                  [](Alignment a) { return a == Alignment::Left; }))
    rt.alignments.clear();
  // A line break takes the format of the text before it, as the editors keep it.
  std::size_t offset = 0;
  for (std::size_t i = 0; i < rt.runs.size(); ++i) {
    if (rt.runs[i].length == 1 && rt.text[offset] == '\n' && i > 0)
      rt.runs[i].format = rt.runs[i - 1].format;
    offset += rt.runs[i].length;
  }
  rt.normalize(typing_);
  return rt;
}

void QtTextEditor::setRichText(const RichText& content) {
  // Filled apart from the widget and then handed over: laying out each insertion on screen
  // would cost far more than the text itself.
  auto* doc = new QTextDocument(edit_);
  const QTextDocument* previous = edit_->document();
  doc->setDefaultFont(previous->defaultFont());
  doc->setDocumentMargin(previous->documentMargin());
  doc->setDefaultTextOption(previous->defaultTextOption());
  doc->setUndoRedoEnabled(false);
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  std::size_t offset = 0;
  for (const FormatRun& run : content.runs) {
    if (offset >= content.text.size()) break;
    const std::size_t len = std::min(run.length, content.text.size() - offset);
    insertText(cursor, content.text.substr(offset, len), toQtFormat(run.format, zoom_));
    offset += len;
  }
  if (offset < content.text.size())
    insertText(cursor, content.text.substr(offset), toQtFormat(typing_, zoom_));
  if (!content.alignments.empty()) {
    int line = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next(), ++line) {
      QTextCursor c(block);
      QTextBlockFormat bf = block.blockFormat();
      bf.setAlignment(toQtAlignment(content.alignmentOf(line)));
      c.setBlockFormat(bf);
    }
  }
  cursor.endEditBlock();
  doc->setUndoRedoEnabled(true);
  // The widget deletes a document it made itself; one of ours goes here.
  QTextDocument* old = edit_->document();
  const bool ours = old->parent() == edit_;
  edit_->setDocument(doc);
  if (ours) delete old;
  QTextCursor start(doc);
  edit_->setTextCursor(start);
  edit_->setCurrentCharFormat(toQtFormat(typing_, zoom_));
}

int QtTextEditor::lineCount() const {
  const QTextDocument* doc = edit_->document();
  if (doc->characterCount() <= 1) return 0;
  return doc->blockCount();
}

Text QtTextEditor::line(int index) const {
  if (index < 0 || index >= lineCount()) return Text();
  return fromQt(edit_->document()->findBlockByNumber(index).text());
}

int QtTextEditor::position(TextPos pos) const {
  const QTextDocument* doc = edit_->document();
  const int lines = std::max(doc->blockCount(), 1);
  const int l = std::clamp(pos.line, 0, lines - 1);
  const QTextBlock block = doc->findBlockByNumber(l);
  const int units = unitsBefore(block.text(), std::max(pos.column, 0));
  return block.position() + std::clamp(units, 0, block.length() - 1);
}

TextPos QtTextEditor::posOf(int position) const {
  const QTextBlock block = edit_->document()->findBlock(position);
  return {block.blockNumber(), charactersBefore(block.text(), position - block.position())};
}

void QtTextEditor::replaceRange(TextPos from, TextPos to, const Text& text) {
  if (to < from) std::swap(from, to);
  QTextCursor cursor(edit_->document());
  cursor.setPosition(position(from));
  cursor.setPosition(position(to), QTextCursor::KeepAnchor);
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  insertText(cursor, text, toQtFormat(typing_, zoom_));
  cursor.endEditBlock();
  edit_->setTextCursor(cursor);
}

void QtTextEditor::applyFormat(TextPos from, TextPos to, const CharFormat& format) {
  QTextCursor cursor(edit_->document());
  cursor.setPosition(position(from));
  cursor.setPosition(position(to), QTextCursor::KeepAnchor);
  cursor.setCharFormat(toQtFormat(format, zoom_));
}

CharFormat QtTextEditor::formatAt(TextPos pos) const {
  if (lineCount() == 0) return typing_;
  QTextCursor cursor(edit_->document());
  const int p = position(pos);
  // A cursor reports the format of the character before it.
  const QTextBlock block = edit_->document()->findBlock(p);
  cursor.setPosition(p < block.position() + block.length() - 1 ? p + 1 : p);
  return fromQtFormat(cursor.charFormat(), edit_->document()->defaultFont(), zoom_);
}

void QtTextEditor::setTypingFormat(const CharFormat& format) {
  typing_ = format;
  edit_->setCurrentCharFormat(toQtFormat(format, zoom_));
}

TextPos QtTextEditor::caret() const {
  return posOf(edit_->textCursor().position());
}

TextPos QtTextEditor::anchor() const {
  return posOf(edit_->textCursor().anchor());
}

void QtTextEditor::setSelection(TextPos anchor, TextPos caret) {
  QTextCursor cursor(edit_->document());
  cursor.setPosition(position(anchor));
  cursor.setPosition(position(caret), QTextCursor::KeepAnchor);
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
}

bool QtTextEditor::readOnly() const {
  return edit_->isReadOnly();
}

void QtTextEditor::setReadOnly(bool readOnly) {
  edit_->setReadOnly(readOnly);
  // A locked editor still shows the caret and lets the user mark text.
  if (readOnly)
    edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void QtTextEditor::setZoom(double zoom) {
  if (zoom <= 0 || zoom == zoom_) return;
  const bool filled = lineCount() > 0;
  const RichText content = filled ? richText() : RichText();
  const TextPos from = anchor();
  const TextPos to = caret();
  zoom_ = zoom;
  static_cast<ZoomedTextEdit*>(edit_)->zoom = zoom;
  edit_->setTabStopDistance(kTabStopPixels * zoom);
  if (filled) {
    setRichText(content);
    setSelection(from, to);
  } else {
    edit_->setCurrentCharFormat(toQtFormat(typing_, zoom_));
  }
}

bool QtTextEditor::canUndo() const {
  return edit_->document()->isUndoAvailable();
}

void QtTextEditor::undo() {
  edit_->document()->undo();
}

}  // namespace korvale
