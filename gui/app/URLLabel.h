#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

// A link label: a caption with a hand cursor that changes colour while the mouse is over it
// and while it is pressed, and on a release inside its bounds opens its address (or, when
// it has none, its caption) with the desktop's default handler (through OpenExternalUrl,
// so tests can catch it).  Used by the small dialogs and the main window's tool bar
// ("Taravell Website").
//
//   auto* link = new TURLLabel(tr("Taravell Website"), this);
//   link->SetURL(QString::fromUtf8(WMakerLinks::WebSite()));
//   link->setToolTip("Click here to start your Internet browser");
class TURLLabel : public QLabel {
  Q_OBJECT
 public:
  explicit TURLLabel(const QString& caption = QString(), QWidget* parent = nullptr);

  // The address opened on a click; empty opens the caption itself.
  void SetURL(const QString& url) { url_ = url; }
  const QString& URL() const { return url_; }
  // What a click opens.
  QString Target() const { return url_.isEmpty() ? text() : url_; }

  static QColor NormalColor() { return QColor(0, 0, 255); }
  static QColor HoverColor() { return QColor(255, 0, 0); }
  static QColor PressedColor() { return QColor(128, 0, 128); }
  // The colour the caption is drawn in now.
  QColor CurrentColor() const;
  // Opens the target, as a click does.
  void Open();

 signals:
  // After the address was handed to the default handler.
  void opened(const QString& target);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  // Reached with Tab; Enter, Return or Space open the link.
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void UpdateColor();

  QString url_;
  bool hover_ = false;
  bool pressed_ = false;
};
