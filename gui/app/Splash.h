#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QTimer;

// The start-up window "Taravell Lite V1.15": stays on top and closes itself once more
// than two seconds have passed since it was shown (checked once a second), or at once when
// a dialog or message box comes up (the welcome quick help, a question at start, the wait
// dialog of a large file), so that it never covers one.
class TSplash : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kShowMs = 2000;

  TSplash();
  static QString Title();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  // Watches the application for dialogs being shown.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QElapsedTimer shown_;
  QTimer* timer_;
};
