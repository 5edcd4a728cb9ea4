#pragma once
// The title window: shown at start-up for a few seconds (or until OK), and
// again, without a time limit, as the About box.

#include <QDialog>

class QPushButton;
class QTimer;
class QFrame;

namespace ventora {

inline constexpr int kTitleIntervalMs = 5000;

class CpTitle : public QDialog {
  Q_OBJECT

 public:
  explicit CpTitle(QWidget* parent = nullptr);

  // How long the next display lasts by itself; 0 with the timer off makes
  // the window stay until OK (the About box).
  void SetTitleInterval(int milliseconds) { titleInterval_ = milliseconds; }
  void SetTitleTimerOn(bool on) { titleTimerOn_ = on; }

  // Modal displays: start-up (closes by itself) and About (waits for OK).
  void ShowAtStartUp(int intervalMs = kTitleIntervalMs);
  void ShowAsAbout();

  QTimer* Timer1() const { return timer_; }
  QPushButton* OK() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Timer1_Timer();
  QFrame* BuildCredit();

  QTimer* timer_;
  QPushButton* ok_;
  int titleInterval_ = kTitleIntervalMs;
  bool titleTimerOn_ = true;
};

}  // namespace ventora
