#pragma once

#include <string>
#include <string_view>
#include <vector>

// The template language of TMG sentences.  A template is plain text with
//   [NAME]        variables, whose values the derived class gives (ExpandVariable);
//   <...>         conditions: shown only when a variable inside gave a value (or when the
//                 condition holds no variable at all);
//   a|b           variants by the number of principals: a with fewer than two, b with two;
//   a||b          variants by whether the principal counts as living: b when living.
// The first [P] of a rendering names the principal; later ones say "He" or "She".
class WTMGSentence {
 public:
  virtual ~WTMGSentence() = default;

  // The template with its variables expanded.
  std::string Render(std::string_view sentence_template);

  // The value of one variable.  `in_condition`: the variable stands inside a condition, so an
  // unknown value should stay empty; `alone`: the variable is all the text of its level.
  virtual std::string ExpandVariable(const std::string& name, bool in_condition, bool alone) = 0;
  virtual bool UseSecondVariant() { return false; }
  virtual char PrincipalSex() { return 'M'; }
  virtual int PrincipalCount() { return 0; }
  // The finished output of the sentence object.
  virtual std::string GetSentenceText() = 0;

  // The k-th part (from 1) of a text split at "||"; empty when there is no such part.
  static std::string Piece(std::string_view text, int k);

  // A template split at its role markers ([R=role], "R" in either case): each segment with its
  // role text (empty for a segment without one).  A marker starts a new segment, or names the
  // current one while it holds no text yet.  Bracketed names of three or more characters whose
  // second character is "=" are dropped; other names are kept with their brackets.  At most
  // kMaxSegments segments: text after that stays in the last one, under its role.
  struct Segment {
    std::string role;
    std::string text;
  };
  static constexpr size_t kMaxSegments = 256;
  static std::vector<Segment> SplitRoles(std::string_view sentence_template);

 protected:
  struct Expanded {
    std::string text;
    bool produced = false;
  };
  Expanded Expand(std::string_view text, bool in_condition);
  // "P" names the principal on its first mention and says "He" or "She" after it.
  std::string ExpandVariableChecked(const std::string& name, bool in_condition, bool alone);

  bool first_mention_ = true;
};
