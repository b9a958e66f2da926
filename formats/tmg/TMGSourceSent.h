#pragma once

#include <string>
#include <vector>

#include "formats/tmg/TMGSentence.h"

class WTMGCollection;

// A source's summary: its footnote template told with its elements.  A variable [NAME] is the
// element whose group the element table gives for "[NAME]".
class WTMGSourceSent : public WTMGSentence {
 public:
  WTMGSourceSent(WTMGCollection& collection, std::string footnote_template,
                 std::vector<std::string> elements);

  std::string ExpandVariable(const std::string& name, bool in_condition, bool alone) override;
  // The rendered template, built once.
  std::string GetSentenceText() override;

 private:
  WTMGCollection& collection_;
  std::string template_;
  std::vector<std::string> elements_;
  std::string text_;
  bool built_ = false;
};
