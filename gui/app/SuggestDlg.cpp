#include "gui/app/SuggestDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/MakerLinks.h"
#include "gui/app/Fonts.h"
#include "gui/app/URLLabel.h"

TSuggestDlg::TSuggestDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Have a Suggestion?"));
  setFont(ArialFont(8));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(QStringLiteral("Have a Suggestion?"), this);
  heading->setFont(ArialFont(12, true));
  layout->addWidget(heading);
  auto* text = new QLabel(
      QStringLiteral("Please let us know of any suggestions/problems/questions that you have."), this);
  text->setWordWrap(true);
  layout->addWidget(text);

  auto* links = new QGridLayout();
  links->setHorizontalSpacing(12);
  auto add_link = [&](int row, const char* label, const std::string& caption, const std::string& url) {
    auto* name = new QLabel(QString::fromLatin1(label), this);
    name->setFont(ArialFont(8, true));
    links->addWidget(name, row, 0);
    auto* link = new TURLLabel(QString::fromStdString(caption), this);
    link->SetURL(QString::fromStdString(url));
    links->addWidget(link, row, 1);
    return link;
  };
  suggestion_ =
      add_link(0, "Suggestions:", WMakerLinks::SuggestionAddress(), WMakerLinks::SuggestionMailLink());
  service_ =
      add_link(1, "Questions/Problems:", WMakerLinks::ServiceAddress(), WMakerLinks::ServiceMailLink());
  manual_ = add_link(2, "User Manual:", WMakerLinks::UserManual(), WMakerLinks::UserManual());
  layout->addLayout(links);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}
