#include "gui/app/NetDirect.h"

#include "app/Options.h"
#include "gui/app/NetDialog.h"

TNetDirect::TNetDirect(QWidget* owner) : QObject(owner), dialog_(new TNetDialog(owner)) {
  dialog_->hide();
  connect(dialog_, &TNetDialog::urlSelected, this,
          [this](const QString& url) { emit URLSelected(this, url); });
}

TNetDirect::~TNetDirect() {
  if (!dialog_->parent()) delete dialog_;  // otherwise it belongs to the owner window
}

void TNetDirect::SetTitle(const QString& title) { dialog_->setWindowTitle(title); }
QString TNetDirect::GetTitle() const { return dialog_->windowTitle(); }
void TNetDirect::SetAddress(const QString& url) { dialog_->SetAddress(url); }
QString TNetDirect::Address() const { return dialog_->Address(); }

void TNetDirect::ShowUpdates(const QString& productCode, const QString& version, const QString& productName) {
  dialog_->SetProduct(productCode, version, productName);
  dialog_->exec();
}

QString TNetDirect::DefaultAddress() {
  return QString::fromStdString(Options().GetString(WOptions::UpdateURL));
}
