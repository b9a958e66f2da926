#include "gui/app/AboutBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include "app/FileMask.h"
#include "app/MakerLinks.h"
#include "gui/app/Fonts.h"
#include "gui/app/URLLabel.h"

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About"));
  setFont(ArialFont(8));
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout();
  auto* icon = new QLabel(this);
  QIcon program_icon = QApplication::windowIcon();
  if (program_icon.isNull()) program_icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
  icon->setPixmap(program_icon.pixmap(48, 48));
  icon->setAlignment(Qt::AlignTop);
  top->addWidget(icon);

  auto* texts = new QVBoxLayout();
  auto* product = new QLabel(QString::fromStdString(WMakerLinks::ProductName()), this);
  product->setFont(ArialFont(12, true));
  texts->addWidget(product);
  version_ = new QLabel(QString::fromStdString(WMakerLinks::VersionText()), this);
  texts->addWidget(version_);
  texts->addWidget(new QLabel(QString::fromStdString(WMakerLinks::BuildStamp()), this));
  texts->addSpacing(6);
  formats_ = new QLabel(QStringLiteral("Reads ") + QString::fromStdString(WFileMask::FormatsText()) +
                            QStringLiteral(" files, without changing them."),
                        this);
  formats_->setWordWrap(true);
  formats_->setMaximumWidth(320);
  texts->addWidget(formats_);
  texts->addSpacing(8);
  support_ = new TURLLabel(QStringLiteral("Questions/Support"), this);
  support_->SetURL(QString::fromStdString(WMakerLinks::ServiceMailLink()));
  texts->addWidget(support_);
  suggestions_ = new TURLLabel(QStringLiteral("Suggestions"), this);
  suggestions_->SetURL(QString::fromStdString(WMakerLinks::SuggestionMailLink()));
  texts->addWidget(suggestions_);
  web_site_ = new TURLLabel(QString::fromStdString(WMakerLinks::WebSite()), this);
  texts->addWidget(web_site_);
  top->addLayout(texts, 1);
  layout->addLayout(top);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

QString TAboutBox::VersionText() const { return version_->text(); }

QString TAboutBox::FormatsText() const { return formats_->text(); }
