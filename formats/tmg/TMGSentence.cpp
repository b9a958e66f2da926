#include "formats/tmg/TMGSentence.h"

#include <cctype>

std::string WTMGSentence::Render(std::string_view sentence_template) {
  first_mention_ = true;
  std::string_view part = sentence_template;
  const size_t variants = part.find("||");
  if (variants != std::string_view::npos)
    part = UseSecondVariant() ? part.substr(variants + 2) : part.substr(0, variants);
  return Expand(part, false).text;
}

WTMGSentence::Expanded WTMGSentence::Expand(std::string_view text, bool in_condition) {
  Expanded out;
  // "a|b": a for fewer than two principals, b for two.  Taking b may leave further "|" to
  // decide, so this is a loop (templates are user text and may hold any number of them).
  for (;;) {
    if (text.empty()) return out;
    int depth = 0;
    size_t split = std::string_view::npos;
    for (size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (c == '<') {
        ++depth;
      } else if (c == '>') {
        --depth;
      } else if (c == '|' && depth == 0) {
        split = i;
        break;
      }
    }
    if (split == std::string_view::npos) break;
    in_condition = false;
    if (PrincipalCount() < 2) {
      text = text.substr(0, split);
    } else {
      text = text.substr(split + 1);
    }
  }

  const bool alone = text.front() == '[' && text.back() == ']' && text.size() >= 2 &&
                     text.substr(1, text.size() - 2).find_first_of("[]") == std::string_view::npos;

  enum class State { Plain, Condition, Variable } state = State::Plain;
  std::string buffer;
  bool variable_met = false;
  for (const char c : text) {
    switch (state) {
      case State::Plain:
        if (c == '<') {
          state = State::Condition;
          buffer.clear();
        } else if (c == '[') {
          state = State::Variable;
          buffer.clear();
        } else {
          out.text += c;
        }
        break;
      case State::Condition:
        if (c == '>') {
          Expanded inner = Expand(buffer, true);
          if (inner.produced) out.text += inner.text;
          out.produced = inner.produced;
          state = State::Plain;
        } else {
          buffer += c;
        }
        break;
      case State::Variable:
        if (c == ']') {
          variable_met = true;
          std::string value = ExpandVariableChecked(buffer, in_condition, alone);
          if (!value.empty()) {
            out.text += value;
            out.produced = true;
          }
          state = State::Plain;
        } else {
          buffer += c;
        }
        break;
    }
  }
  if (!variable_met) out.produced = true;
  return out;
}

std::string WTMGSentence::ExpandVariableChecked(const std::string& name, bool in_condition, bool alone) {
  if (name != "P") return ExpandVariable(name, in_condition, alone);
  std::string value;
  if (first_mention_)
    value = ExpandVariable(name, in_condition, alone);
  else
    value = PrincipalSex() == 'F' ? "She" : "He";
  first_mention_ = false;
  return value;
}

std::string WTMGSentence::Piece(std::string_view text, int k) {
  if (k < 1) return std::string();
  size_t start = 0;
  for (int i = 1; i < k; ++i) {
    const size_t bar = text.find("||", start);
    if (bar == std::string_view::npos) return std::string();
    start = bar + 2;
  }
  const size_t end = text.find("||", start);
  return std::string(
      text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::vector<WTMGSentence::Segment> WTMGSentence::SplitRoles(std::string_view sentence_template) {
  std::vector<Segment> segments(1);
  size_t i = 0;
  while (i < sentence_template.size()) {
    const char c = sentence_template[i];
    if (c != '[') {
      segments.back().text += c;
      ++i;
      continue;
    }
    const size_t close = sentence_template.find(']', i + 1);
    if (close == std::string_view::npos) {
      // An unclosed name stays as it is; rendering drops it.
      segments.back().text += sentence_template.substr(i);
      break;
    }
    const std::string_view name = sentence_template.substr(i + 1, close - i - 1);
    i = close + 1;
    const bool role =
        name.size() >= 2 && std::toupper(static_cast<unsigned char>(name[0])) == 'R' && name[1] == '=';
    if (role) {
      if (segments.back().text.empty()) {
        segments.back().role = std::string(name.substr(2));
      } else if (segments.size() < kMaxSegments) {
        segments.emplace_back();
        segments.back().role = std::string(name.substr(2));
      }
      // Beyond the last segment the text goes on in it, under its own role.
    }
    if (name.size() >= 3 && name[1] == '=') continue;
    segments.back().text += '[';
    segments.back().text += name;
    segments.back().text += ']';
  }
  return segments;
}
