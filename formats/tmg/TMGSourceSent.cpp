#include "formats/tmg/TMGSourceSent.h"

#include "formats/tmg/TMGCollection.h"
#include "formats/tmg/TMGTabU.h"

WTMGSourceSent::WTMGSourceSent(WTMGCollection& collection, std::string footnote_template,
                               std::vector<std::string> elements)
    : collection_(collection), template_(std::move(footnote_template)), elements_(std::move(elements)) {}

std::string WTMGSourceSent::ExpandVariable(const std::string& name, bool, bool) {
  const int group = collection_.Elements().ElementGroup("[" + name + "]");
  if (group < 1 || static_cast<size_t>(group) > elements_.size()) return std::string();
  return elements_[static_cast<size_t>(group - 1)];
}

std::string WTMGSourceSent::GetSentenceText() {
  if (!built_) {
    built_ = true;
    text_ = Render(template_);
  }
  return text_;
}
