#pragma once

#include <QObject>
#include <QString>

class QWidget;
class TNetDialog;

// The update-check component the main window owns: it keeps the dialog (hidden until asked) and
// tells its listeners when the user picks a link.
class TNetDirect : public QObject {
  Q_OBJECT
 public:
  explicit TNetDirect(QWidget* owner);
  ~TNetDirect() override;

  void SetTitle(const QString& title);
  QString GetTitle() const;
  void SetAddress(const QString& url);
  QString Address() const;

  // Shows the dialog modally; showing starts a check.
  void ShowUpdates(const QString& productCode, const QString& version, const QString& productName);

  // The address of the update information file: the settings' "UpdateURL".
  static QString DefaultAddress();

  TNetDialog* Dialog() const { return dialog_; }

 signals:
  void URLSelected(QObject* sender, const QString& url);

 private:
  TNetDialog* dialog_ = nullptr;
};
