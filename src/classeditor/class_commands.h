// The Class editor's commands: each one asks what it needs through the dialogs of the context and
// leaves the list focused with the caret at its start, unless it says otherwise.
#pragma once

#include <string>
#include <vector>

#include "classeditor/class_context.h"

namespace korvale {

// --- "Datei" ---
void newList(ClassContext& cx);
// The 20 names of the sample class; list name, folder and plan stay.
void loadSampleList(ClassContext& cx);
// Loads a list and, chosen or not, the plan stored beside the current list.
void loadList(ClassContext& cx);
// "Laden" of a file dropped on the window, without the file dialog.
void loadDroppedList(ClassContext& cx, const Path& path);
// The chosen file's lines after the list's own.
void appendList(ClassContext& cx);
// Writes the list as plain text and, chosen or not, the plan beside the current list.
void saveList(ClassContext& cx);
void printList(ClassContext& cx);
// The plan with the list beside it, drawn on `picture` and printed in landscape.
void printPlan(ClassContext& cx, Canvas& picture);
// Hands a spreadsheet file to the desktop.
void openSpreadsheet(ClassContext& cx);

// --- "Bearbeiten" ---
void markWholeList(ClassContext& cx);
void copyList(ClassContext& cx);
void pasteIntoList(ClassContext& cx);
void sortList(ClassContext& cx);
void chooseListFont(ClassContext& cx);
void choosePlanFont(ClassContext& cx);
// Leaves the list's caret alone.
void toggleWordWrap(ClassContext& cx);
void clearPlan(ClassContext& cx);
void askColumns(ClassContext& cx);
void askRows(ClassContext& cx);
// Leaves the list's caret alone.
void swapNameOrder(ClassContext& cx);
void blanksToTabs(ClassContext& cx);
void tabsToBlanks(ClassContext& cx);
void searchAndReplace(ClassContext& cx);

// --- help and mouse ---
void toggleHelp(ClassContext& cx);
void printHelp(ClassContext& cx);
// The mouse was released over the list: its marking is what the next cell click puts in.
void listMarked(ClassContext& cx);
void cellPressed(ClassContext& cx, int column, int row);
void cellDoubleClicked(ClassContext& cx, int column, int row);

// The list gets the focus: caret at its very start, nothing marked.
void focusList(ClassContext& cx);
// Lines in bold Courier New of that size; a failed print says "Daten-Fehler". False then.
bool printLines(ClassContext& cx, const Text& title, const std::vector<Text>& lines, int size);
// Where the plan of the current list is stored: list folder + name up to its first "." + ".tab".
Path gridFilePath(const ClassContext& cx);
// The count an answer of "Spalten" or "Zeilen" gives: a whole number 1 ... 8, anything else 8.
int planCountFromAnswer(const std::optional<Text>& answer);

const std::vector<Text>& sampleClassList();
const std::vector<Text>& classHelpText();

// The picture "Drucken T" prints, at the plan's own pixel size.
struct PictureSize {
  int width = 0;
  int height = 0;
};
PictureSize planPictureSize(const SeatingPlan& plan);
void drawPlanPicture(Canvas& canvas, const SeatingPlan& plan, const Text& nameBox,
                     const std::vector<Text>& listLines, const FontChoice& listFont);

}  // namespace korvale
