#pragma once

#include <QElapsedTimer>
#include <QWidget>

class QTimer;

// The start-up window "Taravell Lite V1.15": stays on top and closes itself once more
// than two seconds have passed since it was shown (checked once a second).
class TSplash : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kShowMs = 2000;

  TSplash();
  static QString Title();

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QElapsedTimer shown_;
  QTimer* timer_;
};
