#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "model/RecNo.h"

class WIndInfoBox;

// The person box: a painted box with a bold name line and up to two more lines (birth and
// death), and, with UseLDS, four LDS letter cells at the right end of the name line
// ("B" baptism, "E" endowment, "P" sealing to parents, "S" sealing to a spouse).
//
// The Family tab shows six of them; the find dialogs show one for the person found.  Fill a
// box either property by property or from the core's WIndInfoBox with ShowBox(), which also
// sets its colours, hint (tool tip) and individual.  A double-click emits doubleClicked()
// with the box's individual (0 = nobody).
//
// Geometry: a line is the font's point size plus 5 pixels high; the box is 1, 2 or 3 lines
// plus 2, 3 or 4 pixels high (BoxHeight()); text starts 4 pixels from the left; a black
// one-pixel frame surrounds it.
class TIndInfoPanel : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int LinesToShow READ LinesToShow WRITE SetLinesToShow)
  Q_PROPERTY(QString NameString READ NameString WRITE SetNameString)
  Q_PROPERTY(QString BirthString READ BirthString WRITE SetBirthString)
  Q_PROPERTY(QString DeathString READ DeathString WRITE SetDeathString)
  Q_PROPERTY(bool UseLDS READ UseLDS WRITE SetUseLDS)
  Q_PROPERTY(bool LDSBap READ LDSBap WRITE SetLDSBap)
  Q_PROPERTY(bool LDSEnd READ LDSEnd WRITE SetLDSEnd)
  Q_PROPERTY(bool LDSSP READ LDSSP WRITE SetLDSSP)
  Q_PROPERTY(bool LDSSS READ LDSSS WRITE SetLDSSS)

 public:
  explicit TIndInfoPanel(QWidget* parent = nullptr);

  // 1, 2 or 3; other values are ignored.  Default 3.
  int LinesToShow() const { return lines_; }
  void SetLinesToShow(int lines);

  const QString& NameString() const { return name_; }
  void SetNameString(const QString& text);
  const QString& BirthString() const { return birth_; }
  void SetBirthString(const QString& text);
  const QString& DeathString() const { return death_; }
  void SetDeathString(const QString& text);

  bool UseLDS() const { return use_lds_; }
  void SetUseLDS(bool on);
  bool LDSBap() const { return lds_[0]; }
  void SetLDSBap(bool on) { SetLetter(0, on); }
  bool LDSEnd() const { return lds_[1]; }
  void SetLDSEnd(bool on) { SetLetter(1, on); }
  bool LDSSP() const { return lds_[2]; }
  void SetLDSSP(bool on) { SetLetter(2, on); }
  bool LDSSS() const { return lds_[3]; }
  void SetLDSSS(bool on) { SetLetter(3, on); }

  // Box colour and text colour.
  void SetColors(const QColor& background, const QColor& text);
  QColor BackgroundColor() const { return background_; }
  QColor TextColor() const { return text_color_; }

  // The individual shown (0 = nobody); double-clicks report it.
  RecNo Individual() const { return individual_; }
  void SetIndividual(RecNo n) { individual_ = n; }

  // What the box stands for ("Father", "Spouse"...).  A box with a role tells it in its
  // tool tip, with the person and how to go there, also when it shows nobody; a box
  // without one shows only the hint ShowBox() gives.
  void SetRole(const QString& role);
  const QString& Role() const { return role_; }

  // Empties the three texts and the four letters and paints the box in the button-face
  // colour; the box then shows nobody.
  void Clear();
  // Shows what the core decided for this box: texts, letters, colours, hint, individual.
  void ShowBox(const WIndInfoBox& box);

  // Height of one line and of the whole box for the current font and LinesToShow.
  int LineHeight() const;
  int BoxHeight() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void doubleClicked(int individual);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  // With the focus (a box that accepts it), Enter, Return and Space act as a double-click.
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void SetLetter(int index, bool on);
  void UpdateToolTip();
  void RepaintLine(int line);
  int LetterCellWidth() const;

  int lines_ = 3;
  QString name_;
  QString birth_;
  QString death_;
  bool use_lds_ = false;
  bool lds_[4] = {false, false, false, false};
  QColor background_;
  QColor text_color_ = Qt::black;
  RecNo individual_ = 0;
  QString role_;
  QString hint_;
};
