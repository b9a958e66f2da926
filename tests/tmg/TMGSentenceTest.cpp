// The template language alone, on a sentence whose variables come from a table: conditions,
// variants, the first-mention rule, role segments, and random templates that must never crash
// or recurse without bound.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "formats/tmg/TMGSentence.h"

namespace {

// Variables from a table; "D" gets "on " when alone, as a date does.  Records every call.
class TableSentence : public WTMGSentence {
 public:
  std::map<std::string, std::string> values;
  int principals = 1;
  char sex = 'M';
  bool living = false;
  struct Call {
    std::string name;
    bool in_condition;
    bool alone;
  };
  std::vector<Call> calls;

  std::string ExpandVariable(const std::string& name, bool in_condition, bool alone) override {
    calls.push_back({name, in_condition, alone});
    auto it = values.find(name);
    std::string value = it == values.end() ? std::string() : it->second;
    if (name == "D" && alone && !value.empty()) value = "on " + value;
    return value;
  }
  bool UseSecondVariant() override { return living; }
  char PrincipalSex() override { return sex; }
  int PrincipalCount() override { return principals; }
  std::string GetSentenceText() override { return std::string(); }
};

TableSentence JohnBorn() {
  TableSentence s;
  s.values = {{"P", "John Smith"}, {"D", "1 Jan 1900"}, {"PO", "Mary Jones"}};
  return s;
}

TEST(TMGSentenceLanguage, ConditionsShowWhenAVariableInsideGaveAValue) {
  TableSentence s = JohnBorn();
  // The date is alone in its condition and gets its preposition; the empty place takes its
  // condition with it, leaving the blanks around it.
  EXPECT_EQ(s.Render("[P] was born <[D]> <[L]>."), "John Smith was born on 1 Jan 1900 .");
  EXPECT_EQ(s.Render("born <on [D]>"), "born on 1 Jan 1900");
  EXPECT_EQ(s.Render("born <in [L] town>"), "born ");
  // A condition of literal text alone always shows.
  EXPECT_EQ(s.Render("a<b>c"), "abc");
  // One value in a condition is enough.
  EXPECT_EQ(s.Render("<[L][D]>"), "1 Jan 1900");
}

TEST(TMGSentenceLanguage, VariablesKnowWhetherTheyStandAloneOrInACondition) {
  TableSentence s = JohnBorn();
  s.Render("[D]");
  s.Render("x [D]");
  s.Render("<[D]>");
  ASSERT_EQ(s.calls.size(), 3u);
  EXPECT_TRUE(s.calls[0].alone);
  EXPECT_FALSE(s.calls[0].in_condition);
  EXPECT_FALSE(s.calls[1].alone);
  EXPECT_TRUE(s.calls[2].alone);
  EXPECT_TRUE(s.calls[2].in_condition);
  EXPECT_EQ(s.Render("born [D]"), "born 1 Jan 1900");
}

TEST(TMGSentenceLanguage, ThePrincipalIsNamedOnceThenHeOrShe) {
  TableSentence s = JohnBorn();
  EXPECT_EQ(s.Render("[P] married. [P] moved. [P] died."), "John Smith married. He moved. He died.");
  s.sex = 'F';
  EXPECT_EQ(s.Render("[P] married. [P] moved."), "John Smith married. She moved.");
  // Every rendering starts afresh.
  EXPECT_EQ(s.Render("[P]."), "John Smith.");
  // Only [P] itself follows the rule.
  s.values["P1"] = "John Smith";
  EXPECT_EQ(s.Render("[P] and [P1]"), "John Smith and John Smith");
  // A [P] in a condition is the first mention.
  EXPECT_EQ(s.Render("<[L][P]> [P]"), "John Smith She");
}

TEST(TMGSentenceLanguage, BarVariantsFollowThePrincipalCount) {
  TableSentence s = JohnBorn();
  s.principals = 1;
  EXPECT_EQ(s.Render("[P] married [PO]|[P] and [PO] married"), "John Smith married Mary Jones");
  s.principals = 2;
  EXPECT_EQ(s.Render("[P] married [PO]|[P] and [PO] married"), "John Smith and Mary Jones married");
  // A bar inside a condition splits only the condition.
  s.principals = 1;
  EXPECT_EQ(s.Render("x<a|b>y"), "xay");
  s.principals = 2;
  EXPECT_EQ(s.Render("x<a|b>y"), "xby");
  // Several bars: two principals take the last part.
  EXPECT_EQ(s.Render("a|b|c"), "c");
  s.principals = 0;
  EXPECT_EQ(s.Render("a|b|c"), "a");
}

TEST(TMGSentenceLanguage, DoubleBarVariantsFollowTheLivingTest) {
  TableSentence s = JohnBorn();
  EXPECT_EQ(s.Render("[P] was born||[P] is living"), "John Smith was born");
  s.living = true;
  EXPECT_EQ(s.Render("[P] was born||[P] is living"), "John Smith is living");
  EXPECT_EQ(s.Render("no variants"), "no variants");
}

TEST(TMGSentenceLanguage, OpenVariablesAndConditionsAtTheEndAreDropped) {
  TableSentence s = JohnBorn();
  EXPECT_EQ(s.Render("born [P"), "born ");
  EXPECT_EQ(s.Render("born <on [D]"), "born ");
  EXPECT_EQ(s.Render("born ] > text"), "born ] > text");
  EXPECT_EQ(s.Render(""), "");
  EXPECT_EQ(s.Render("[]"), "");
}

TEST(TMGSentenceLanguage, PiecesAreSplitAtDoubleBars) {
  EXPECT_EQ(WTMGSentence::Piece("a||b||c", 1), "a");
  EXPECT_EQ(WTMGSentence::Piece("a||b||c", 3), "c");
  EXPECT_EQ(WTMGSentence::Piece("a||b||c", 4), "");
  EXPECT_EQ(WTMGSentence::Piece("a||||c", 2), "");
  EXPECT_EQ(WTMGSentence::Piece("", 1), "");
  EXPECT_EQ(WTMGSentence::Piece("a", 0), "");
}

TEST(TMGSentenceLanguage, RoleMarkersSplitTheTemplateIntoSegments) {
  auto segments = WTMGSentence::SplitRoles("[R=Witness]saw [P] marry[r=Bride]married [PO][X=drop]");
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0].role, "Witness");
  EXPECT_EQ(segments[0].text, "saw [P] marry");
  EXPECT_EQ(segments[1].role, "Bride");
  EXPECT_EQ(segments[1].text, "married [PO]");

  segments = WTMGSentence::SplitRoles("[P] was born <[D]>");
  ASSERT_EQ(segments.size(), 1u);
  EXPECT_EQ(segments[0].role, "");
  EXPECT_EQ(segments[0].text, "[P] was born <[D]>");
  // Short names with "=" are kept; an unclosed name stays for the rendering to drop.
  segments = WTMGSentence::SplitRoles("[A=] [P");
  ASSERT_EQ(segments.size(), 1u);
  EXPECT_EQ(segments[0].text, "[A=] [P");
}

TEST(TMGSentenceLanguage, MoreThanTheMostSegmentsMergeIntoTheLast) {
  std::string text;
  for (int i = 1; i <= 300; ++i) text += "[R=r" + std::to_string(i) + "]t" + std::to_string(i) + " ";
  auto segments = WTMGSentence::SplitRoles(text);
  ASSERT_EQ(segments.size(), WTMGSentence::kMaxSegments);
  EXPECT_EQ(segments.back().role, "r256");
  EXPECT_EQ(segments.back().text.substr(0, 10), "t256 t257 ");
  EXPECT_NE(segments.back().text.find("t300"), std::string::npos);
}

TEST(TMGSentenceLanguage, ManyBarsAndBracketsNeitherCrashNorRecurse) {
  TableSentence s = JohnBorn();
  std::string single_bars;  // "|x|x...": 100,000 single bars, no double one
  for (int i = 0; i < 100000; ++i) single_bars += "|x";
  for (int principals : {0, 1, 2}) {
    s.principals = principals;
    s.living = principals == 1;
    EXPECT_EQ(s.Render(std::string(100000, '|')), "");
    EXPECT_EQ(s.Render("a" + single_bars + "|b"), principals < 2 ? "a" : "b");
    EXPECT_EQ(s.Render("<" + single_bars + ">y"), principals < 2 ? "y" : "xy");
    EXPECT_EQ(s.Render(std::string(100000, '<') + "[P]" + std::string(100000, '>')).size(), 100000u - 1);
  }
  EXPECT_EQ(s.Render(std::string(100000, '[')), "");
}

TEST(TMGSentenceLanguage, RandomTemplatesRenderWithoutFault) {
  std::mt19937 random(15);
  const std::string alphabet = "[]<>||PDLOA =R1x ";
  TableSentence s = JohnBorn();
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    const int length = static_cast<int>(random() % 60);
    for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    s.principals = static_cast<int>(random() % 3);
    s.living = random() % 2;
    s.calls.clear();
    const std::string out = s.Render(text);
    // Nothing but the template's own characters and the values can come out.
    EXPECT_LE(out.size(), text.size() * 11) << text;
    for (const auto& segment : WTMGSentence::SplitRoles(text)) s.Render(segment.text);
  }
}

}  // namespace
