// What the preview puts into the editor: placeholders, values, the computed field and the
// separation of the copies.
#include "grades_mail_merge_fixture.h"

namespace korvale {
namespace {

const Lines kPupils = {
    U"Nr;Name;Ort;Betrag;Notiz;",
    U"1;Albers;Bremen;250;kurz;",
    U"2;Br\xFC"
    U"ckner;Kassel;20;x<F1>{1+1}<N2>;",
};

const Lines kEleven = {U"F1;F2;F3;F4;F5;F6;F7;F8;F9;F10;F11;", U"a;b;c;d;e;f;g;h;i;j;k;"};

struct FillCase {
  const char* name;
  Lines list;
  Text letterTemplate;
  bool withoutPageBreaks;
  bool compressed;
  Lines expected;
};

class FillingTest : public MailMergeTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FillingTest, EditorShowsTheFilledCopies) {
  const FillCase& c = GetParam();
  loadList(c.list);
  setTemplate(c.letterTemplate);
  const RichText original = editor.richText();
  preview(c.withoutPageBreaks, c.compressed);
  EXPECT_EQ(dialogs.shown, previewQuestions(c.withoutPageBreaks, c.compressed));
  EXPECT_EQ(editor.lines(), c.expected);
  EXPECT_TRUE(previewOn());
  EXPECT_EQ(state.savedTemplate, original);
  EXPECT_EQ(editor.caret(), (TextPos{0, 0}));
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
}

const Text kBrueckner =
    U"Br\xFC"
    U"ckner";

INSTANTIATE_TEST_SUITE_P(
    Cases, FillingTest,
    ::testing::Values(
        FillCase{
            "LowerCasePlaceholders",
            kPupils,
            U"<f2> aus <F3>, <n3>: <f3>",
            true,
            true,
            {U"Albers aus Bremen, Ort   : Bremen", kBrueckner + U" aus Kassel, Ort   : Kassel"}},
        FillCase{"NamesPaddedToTheLongestName",
                 kPupils,
                 U"<N1>|<N4>|F",
                 true,
                 true,
                 {U"Nr    |Betrag|F", U"Nr    |Betrag|F"}},
        FillCase{"PaddedOrCutToTheDeclaredWidth",
                 kPupils,
                 U"[<F2>][<F4>][<F5>]",
                 true,
                 false,
                 {U"[Albers][250][kurz]",
                  U"[Br\xFC"
                  U"ckn][20 ][x<F1]"}},
        FillCase{"CompressedValuesKeepTheirLength",
                 kPupils,
                 U"[<F2>][<F4>]",
                 true,
                 true,
                 {U"[Albers][250]", U"[" + kBrueckner + U"][20]"}},
        FillCase{"F10IsNotTakenForF1",
                 kEleven,
                 U"<F1>-<F10>-<F11>-<F12>-<f1>0",
                 true,
                 true,
                 {U"a-j-k-<F12>-a0"}},
        FillCase{"WhatIsNoPlaceholderStays",
                 kPupils,
                 U"<F0><F01><F6><X1><F1 <F1>><N>",
                 true,
                 true,
                 {U"<F0><F01><F6><X1><F1 1><N>", U"<F0><F01><F6><X1><F1 2><N>"}},
        FillCase{"NoteIsInsertedAsText",
                 kPupils,
                 U"<F5>|{<F1>*2}|<F2>",
                 true,
                 true,
                 {U"kurz|2.00|Albers", U"x<F1>{1+1}<N2>|4.00|" + kBrueckner}},
        FillCase{"ComputedField",
                 kPupils,
                 U"Anteil: {<F4>*<F1>/100} EUR",
                 true,
                 true,
                 {U"Anteil: 2.50 EUR", U"Anteil: 0.40 EUR"}},
        FillCase{"ComputedFieldOfTheBook",
                 {U"Menge;Preis;", U"20;250;"},
                 U"{<F2>*<F1>/100}",
                 true,
                 true,
                 {U"50.00"}},
        FillCase{"OnlyTheFirstComputedFieldIsEvaluated",
                 kPupils,
                 U"{<F4>+1} und {<F4>+2}",
                 true,
                 true,
                 {U"251.00 und {250+2}", U"21.00 und {20+2}"}},
        FillCase{
            "MathErrorGivesError", kPupils, U"A{<F4>/0}B", true, true, {U"AErrorB", U"AErrorB"}},
        FillCase{"SyntaxErrorGivesZero", kPupils, U"A{<F4>+}B", true, true, {U"A0.00B", U"A0.00B"}},
        FillCase{"BracesNeedContent",
                 kPupils,
                 U"{}|}{<F1>}|{ }",
                 true,
                 true,
                 {U"{}|}{1}|{ }", U"{}|}{2}|{ }"}},
        FillCase{
            "BlanksAloneAreNoFormula", kPupils, U"<F1>:{ }", true, true, {U"1:0.00", U"2:0.00"}},
        FillCase{
            "PaddedValueInAFormula", kPupils, U"{<F4>+<F1>}", true, false, {U"251.00", U"22.00"}},
        FillCase{"PageBreakAfterEachCopy",
                 kPupils,
                 U"<F2>\n\nEnde\n",
                 false,
                 true,
                 {U"Albers", U"", U"Ende", U"", U"\xB6", kBrueckner, U"", U"Ende", U"", U"\xB6"}},
        FillCase{"DoubleBreaksCollapseWithoutPageBreaks",
                 kPupils,
                 U"<F2>\n\nEnde\n",
                 true,
                 true,
                 {U"Albers", U"Ende", kBrueckner, U"Ende"}},
        // Every copy collapses once, so all copies look alike.
        FillCase{"EveryCopyCollapsesAlike",
                 kPupils,
                 U"<F2>\n\n\nX",
                 true,
                 true,
                 {U"Albers", U"", U"X", kBrueckner, U"", U"X"}},
        FillCase{"ListWithoutRecords", {U"Nr;Name;"}, U"<F2>", false, true, {}}),
    [](const ::testing::TestParamInfo<FillCase>& info) { return std::string(info.param.name); });

TEST_F(MailMergeTest, VariablesOfTheEvaluatorServeTheComputedField) {
  loadList(kPupils);
  variables.set('X', 2.5);
  setTemplate(U"{<F1>*x}");
  preview(true, true);
  EXPECT_EQ(editor.lines(), (Lines{U"2.50", U"5.00"}));
}

}  // namespace
}  // namespace korvale
