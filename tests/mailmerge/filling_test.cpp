// What the preview puts into the editor: placeholders, values, the computed field and the
// separation of the copies.
#include "mail_merge_fixture.h"

namespace korvale {
namespace {

const Lines kPupils = {
    "Nr;Name;Ort;Betrag;Notiz;",
    "1;Albers;Bremen;250;kurz;",
    "2;Br\xFC"
    "ckner;Kassel;20;x<F1>{1+1}<N2>;",
};

const Lines kEleven = {"F1;F2;F3;F4;F5;F6;F7;F8;F9;F10;F11;", "a;b;c;d;e;f;g;h;i;j;k;"};

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
  EXPECT_TRUE(state.previewOn);
  EXPECT_EQ(state.savedTemplate, original);
  EXPECT_EQ(editor.caret(), (TextPos{0, 0}));
  EXPECT_EQ(cursor.shapes, (std::vector<CursorShape>{CursorShape::Busy, CursorShape::Normal}));
}

const Text kBrueckner =
    "Br\xFC"
    "ckner";

INSTANTIATE_TEST_SUITE_P(
    Cases, FillingTest,
    ::testing::Values(
        FillCase{"LowerCasePlaceholders",
                 kPupils,
                 "<f2> aus <F3>, <n3>: <f3>",
                 true,
                 true,
                 {"Albers aus Bremen, Ort   : Bremen", kBrueckner + " aus Kassel, Ort   : Kassel"}},
        FillCase{"NamesPaddedToTheLongestName",
                 kPupils,
                 "<N1>|<N4>|F",
                 true,
                 true,
                 {"Nr    |Betrag|F", "Nr    |Betrag|F"}},
        FillCase{"PaddedOrCutToTheDeclaredWidth",
                 kPupils,
                 "[<F2>][<F4>][<F5>]",
                 true,
                 false,
                 {"[Albers][250][kurz]",
                  "[Br\xFC"
                  "ckn][20 ][x<F1]"}},
        FillCase{"CompressedValuesKeepTheirLength",
                 kPupils,
                 "[<F2>][<F4>]",
                 true,
                 true,
                 {"[Albers][250]", "[" + kBrueckner + "][20]"}},
        FillCase{"F10IsNotTakenForF1",
                 kEleven,
                 "<F1>-<F10>-<F11>-<F12>-<f1>0",
                 true,
                 true,
                 {"a-j-k-<F12>-a0"}},
        FillCase{"WhatIsNoPlaceholderStays",
                 kPupils,
                 "<F0><F01><F6><X1><F1 <F1>><N>",
                 true,
                 true,
                 {"<F0><F01><F6><X1><F1 1><N>", "<F0><F01><F6><X1><F1 2><N>"}},
        FillCase{"NoteIsInsertedAsText",
                 kPupils,
                 "<F5>|{<F1>*2}|<F2>",
                 true,
                 true,
                 {"kurz|2.00|Albers", "x<F1>{1+1}<N2>|4.00|" + kBrueckner}},
        FillCase{"ComputedField",
                 kPupils,
                 "Anteil: {<F4>*<F1>/100} EUR",
                 true,
                 true,
                 {"Anteil: 2.50 EUR", "Anteil: 0.40 EUR"}},
        FillCase{"ComputedFieldOfTheBook",
                 {"Menge;Preis;", "20;250;"},
                 "{<F2>*<F1>/100}",
                 true,
                 true,
                 {"50.00"}},
        FillCase{"OnlyTheFirstComputedFieldIsEvaluated",
                 kPupils,
                 "{<F4>+1} und {<F4>+2}",
                 true,
                 true,
                 {"251.00 und {250+2}", "21.00 und {20+2}"}},
        FillCase{"MathErrorGivesError", kPupils, "A{<F4>/0}B", true, true, {"AErrorB", "AErrorB"}},
        FillCase{"SyntaxErrorGivesZero", kPupils, "A{<F4>+}B", true, true, {"A0.00B", "A0.00B"}},
        FillCase{"BracesNeedContent",
                 kPupils,
                 "{}|}{<F1>}|{ }",
                 true,
                 true,
                 {"{}|}{1}|{ }", "{}|}{2}|{ }"}},
        FillCase{"BlanksAloneAreNoFormula", kPupils, "<F1>:{ }", true, true, {"1:0.00", "2:0.00"}},
        FillCase{"PaddedValueInAFormula", kPupils, "{<F4>+<F1>}", true, false, {"251.00", "22.00"}},
        FillCase{"PageBreakAfterEachCopy",
                 kPupils,
                 "<F2>\n\nEnde\n",
                 false,
                 true,
                 {"Albers", "", "Ende", "", "\xB6", kBrueckner, "", "Ende", "", "\xB6"}},
        FillCase{"DoubleBreaksCollapseWithoutPageBreaks",
                 kPupils,
                 "<F2>\n\nEnde\n",
                 true,
                 true,
                 {"Albers", "Ende", kBrueckner, "Ende"}},
        // Every copy collapses once, so all copies look alike.
        FillCase{"EveryCopyCollapsesAlike",
                 kPupils,
                 "<F2>\n\n\nX",
                 true,
                 true,
                 {"Albers", "", "X", kBrueckner, "", "X"}},
        FillCase{"ListWithoutRecords", {"Nr;Name;"}, "<F2>", false, true, {}}),
    [](const ::testing::TestParamInfo<FillCase>& info) { return std::string(info.param.name); });

TEST_F(MailMergeTest, VariablesOfTheEvaluatorServeTheComputedField) {
  loadList(kPupils);
  variables.set('X', 2.5);
  setTemplate("{<F1>*x}");
  preview(true, true);
  EXPECT_EQ(editor.lines(), (Lines{"2.50", "5.00"}));
}

}  // namespace
}  // namespace korvale
