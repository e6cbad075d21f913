#pragma once

#include "BulkTransfer.h"

// Sends all 200 register texts to the console: once the greeting names a Quorex, the 200
// write commands and "$PROGENDE\r" go out back to back. The buttons may come back 1000 ms
// after the last byte has left the port (Released), while the port stays open until the
// console's end mark arrives (Finished). The register image is only read.
class BulkWrite : public BulkTransfer {
  Q_OBJECT

 public:
  BulkWrite(Register &image, const Timing &timing, QObject *parent = nullptr);

 signals:
  void Released();

 protected:
  void OnGreeting() override;
  void OnEndMark() override;
  void StopTimers() override;

 private:
  void CheckAllOut();
  void OnAllOut();
  void StepProgressWithWire();
  void CloseSession();
  void Release();

  QTimer wireTimer_;
  QTimer progressTimer_;
  QTimer releaseTimer_;
  double sendStartMs_ = 0;
  double allOutDueMs_ = 0;
  int stepped_ = 0;
  bool allOut_ = false;
  bool endMarkSeen_ = false;
  bool sessionClosed_ = false;
  bool released_ = false;
};
