#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

// Every message box of the program goes through here, so that tests can answer them
// instead of a user: with an interceptor installed nothing is shown, the interceptor is
// told the caption and text and returns the button pressed.  A "\r" in a text is a line
// break.
class TMessages {
 public:
  using Interceptor = std::function<QMessageBox::StandardButton(const QString& caption, const QString& text,
                                                                QMessageBox::StandardButtons buttons)>;

  // The caption every message box of the main window carries.
  static QString DefaultCaption() { return QStringLiteral("Brambleford Taravell Lite"); }

  // A plain message with an OK button.
  static void Show(QWidget* parent, const QString& text, const QString& caption = DefaultCaption());
  // A question; returns the button pressed.
  static QMessageBox::StandardButton Ask(QWidget* parent, const QString& text, const QString& caption,
                                         QMessageBox::StandardButtons buttons);

  static void SetInterceptor(Interceptor interceptor);
  static bool Intercepted();

 private:
  static Interceptor& Current();
};
