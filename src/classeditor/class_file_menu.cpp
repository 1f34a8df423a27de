// "Datei": lists and plans on disk, printing and the hand-over to a spreadsheet program.
#include "base/files.h"
#include "base/numbers.h"
#include "base/text_routines.h"
#include "classeditor/class_commands.h"
#include "rtf/document_file.h"

namespace korvale {

namespace {

const Text kListFilter =
    U"ANSI-Textdateien (*.txt)|*.txt|RTF-Textdateien (*.rtf)|*.rtf|CSV-Textdateien (*.csv)|*.csv";
const Text kSpreadsheetFilter =
    U"EXCEL-Dateien (*.xls)|*.xls|EXCEL-Dateien (*.xlsx)|*.xlsx|CSV-Textdateien (*.csv)|*.csv";

CharFormat listFormat(const ClassContext& cx) {
  return cx.list.typingFormat();
}

// The chosen file becomes the list file; its plan is looked for beside it from now on.
void takeListFile(ClassContext& cx, const Path& path) {
  cx.file.folder = path.folder();
  cx.file.name = path.fileName();
}

Path listPath(const ClassContext& cx) {
  return cx.file.folder.join(cx.file.name);
}

bool isSharedPlan(const Path& gridFile) {
  return gridFile.fileName() == ".tab";
}

// The list file's text: RTF when it is named and written so, else plain text in whatever
// encoding it came, which the next save writes again.
std::optional<RichText> readListFile(ClassContext& cx) {
  const Path path = listPath(cx);
  return loadDocument(path, path.extension() == ".rtf", listFormat(cx), &cx.file.encoding);
}

// The plan beside the list; a missing file leaves the cells as they are.
void reloadPlan(ClassContext& cx) {
  const Path path = gridFilePath(cx);
  const bool stored = isRegularFile(path);
  GridFile_u::Status status = GridFile_u::Status::Ok;
  int columns = cx.plan.columns();
  int rows = cx.plan.rows();
  if (stored) {
    GridFile_u::Dimensions size;
    status = GridFile_u::readGridDimensions(path, size);
    if (status == GridFile_u::Status::Ok) {
      columns = size.columns;
      rows = size.rows;
    }
  }
  cx.plan.resize(columns, rows);
  if (stored && status == GridFile_u::Status::Ok)
    status = GridFile_u::loadGridCells(path, cx.plan.allCells());
  if (stored && status == GridFile_u::Status::Ok && isSharedPlan(path))
    cx.sharedPlanOwner = listPath(cx);
  if (status != GridFile_u::Status::Ok)
    cx.dialogs.error(U"Problem", GridFile_u::describe(status), Icon::Error);
  cx.plan.setWordWrap(false);
}

// A list name without a point shares the plan file ".tab" with every other such list, so one
// that another list (or no list) stored there is replaced only when the user says so.
void storePlan(ClassContext& cx) {
  const Path path = gridFilePath(cx);
  const bool shared = isSharedPlan(path);
  const bool ours = !cx.file.name.empty() && cx.sharedPlanOwner == listPath(cx);
  if (shared && !ours && pathExists(path) &&
      !cx.dialogs.confirm(U"Die Datei \".tab\" im Listenordner enthält schon einen Sitzplan.\r"
                          U"Überschreiben ?"))
    return;
  if (GridFile_u::saveGrid(path, cx.plan.shownCells()) != GridFile_u::Status::Ok)
    showDataError(cx.dialogs);
  else if (shared)
    cx.sharedPlanOwner = listPath(cx);
}

}  // namespace

Path gridFilePath(const ClassContext& cx) {
  const std::string& name = cx.file.name.bytes();
  const std::size_t point = name.find('.');
  // A name without a point has an empty base name.
  return cx.file.folder.join(
      Path((point == std::string::npos ? "" : name.substr(0, point)) + ".tab"));
}

void focusList(ClassContext& cx) {
  cx.list.setCaret({0, 0});
  if (cx.listFocused) cx.listFocused();
}

bool printLines(ClassContext& cx, const Text& title, const std::vector<Text>& lines, int size) {
  // The list's rules are 82 characters wide; the narrow margin keeps them on one line.
  if (cx.printer.print(fixedPitchJob(title, lines, size))) return true;
  showDataError(cx.dialogs);
  return false;
}

void newList(ClassContext& cx) {
  cx.nameBox.clear();
  cx.list.clear();
  cx.plan.clearCells();
  // The names it was taken from are gone.
  cx.marked.clear();
  cx.plan.setWordWrap(false);
  cx.plan.resize(SeatingPlan::kMaxSize, SeatingPlan::kMaxSize);
  focusList(cx);
}

void loadSampleList(ClassContext& cx) {
  cx.list.setRichText(RichText::fromLines(sampleClassList(), listFormat(cx)));
  cx.nameBox = U"2A.txt";
  focusList(cx);
}

namespace {

void loadListFrom(ClassContext& cx, const std::optional<Path>& chosen) {
  if (chosen) {
    takeListFile(cx, *chosen);
    cx.list.clear();
    if (auto doc = readListFile(cx)) {
      cx.list.setRichText(*doc);
      cx.nameBox = cx.file.name.displayText();
    } else {
      showDataError(cx.dialogs);
    }
  }
  focusList(cx);
  reloadPlan(cx);
}

}  // namespace

void loadList(ClassContext& cx) {
  loadListFrom(cx, cx.dialogs.openFile(kListFilter, cx.file.folder));
}

void loadDroppedList(ClassContext& cx, const Path& path) {
  loadListFrom(cx, path);
}

void appendList(ClassContext& cx) {
  std::vector<Text> lines = cx.list.lines();
  if (const auto chosen = cx.dialogs.openFile(kListFilter, cx.file.folder)) {
    takeListFile(cx, *chosen);
    // An RTF file adds its words, not its codes.
    if (const auto doc = readListFile(cx)) {
      for (Text& line : doc->lines()) lines.push_back(std::move(line));
      cx.nameBox = cx.file.name.displayText();
    } else {
      showDataError(cx.dialogs);
    }
  }
  cx.list.setRichText(RichText::fromLines(lines, listFormat(cx)));
  focusList(cx);
}

void saveList(ClassContext& cx) {
  if (const auto chosen = cx.dialogs.saveFile(kListFilter, cx.file.folder, cx.file.name)) {
    takeListFile(cx, *chosen);
    const RichText plain = RichText::fromLines(cx.list.lines(), listFormat(cx));
    cx.list.setRichText(plain);
    if (saveUserDocument(listPath(cx), plain, false, cx.file.encoding, cx.dialogs))
      cx.nameBox = cx.file.name.displayText();
    else
      showDataError(cx.dialogs);
  }
  focusList(cx);
  storePlan(cx);
}

void printList(ClassContext& cx) {
  if (!cx.dialogs.print()) return;
  const Text doubleRule = U"  " + repeatChar(80, U'=');
  const Text rule = U"  " + repeatChar(80, U'-');
  std::vector<Text> lines{doubleRule, U"  " + cx.file.name.displayText(), doubleRule};
  int number = 0;
  for (const Text& line : cx.list.lines()) {
    lines.push_back(U"  " + intToText(++number) + U". " + line + U":  ");
    lines.push_back(rule);
  }
  printLines(cx, U"SITZO - Namensliste", lines, 10);
  focusList(cx);
}

void printPlan(ClassContext& cx, Canvas& picture) {
  cx.printPanelVisible = true;
  if (cx.notify) cx.notify();
  if (!cx.dialogs.print()) {
    cx.printPanelVisible = false;
    return;
  }
  const std::vector<Text> lines = cx.list.lines();
  cx.printLabel = joinLines(lines, U"\n");
  const PictureSize size = planPictureSize(cx.plan);
  picture.resize(size.width, size.height);
  drawPlanPicture(picture, cx.plan, cx.nameBox, lines, listFont(cx));
  PrintJob job{U"SITZO - Sitzplan", RichText(), Orientation::Landscape, &picture};
  if (!cx.printer.print(job)) showDataError(cx.dialogs);
  cx.printPanelVisible = false;
  focusList(cx);
}

void openSpreadsheet(ClassContext& cx) {
  if (const auto chosen = cx.dialogs.openFile(kSpreadsheetFilter, cx.file.folder)) {
    const Path path = chosen->trimmed();
    // Only a document goes to the desktop, never a program.
    if (!isRegularFile(path) || !cx.shell.openDocument(path))
      cx.dialogs.message(U"Externer File-Error !");
  }
  focusList(cx);
}

}  // namespace korvale
