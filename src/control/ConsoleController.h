#pragma once

#include "ConsoleRead.h"
#include "ConsoleSession.h"
#include "Timing.h"
#include "TransferStates.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class Register;

// Runs the console jobs a technician starts: read, write (with the check after writing),
// factory reset with its read, comparison with the console. It owns the console session and
// the states of the console buttons and the configuration tree, which change only as the
// button table (TransferStates) says; whoever shows them follows StatesChanged.
//
// A finished read is offered in ReadCompleted; the caller takes it into its register image with
// TakeRead, in one step, or not at all. Results of a comparison or a check come once the
// session has wholly ended, from a queued call, so that no message box runs inside a session
// signal.
class ConsoleController : public QObject {
  Q_OBJECT

 public:
  explicit ConsoleController(QObject *parent = nullptr);

  const ConsoleSession &Session() const { return session_; }
  // The console's pacing for jobs started from now on (tests shorten it).
  void SetTiming(const Timing &timing) { session_.SetTiming(timing); }
  const Timing &GetTiming() const { return session_.GetTiming(); }

  ControlStates States() const { return shown_ ? shown_() : states_; }
  // Where the states stand as shown, if whoever shows them may also change them: each step
  // then starts from there.
  void ReadStatesFrom(std::function<ControlStates()> shown) { shown_ = std::move(shown); }
  // The job running, or the one that ran last, and its port.
  ConsoleJob Job() const { return job_; }
  QString Port() const { return port_; }

  // Each answers false when the port did not open (PortFailed has then been emitted).
  bool StartRead(const QString &port);
  // `check`: read the console back once the write has ended, and compare with `texts`.
  bool StartWrite(const QString &port, const QStringList &texts, bool check);
  bool StartCompare(const QString &port);
  // The factory reset is asked first: AskReset takes the buttons while the question is open,
  // CancelReset gives them back, StartReset resets and reads.
  void AskReset();
  void CancelReset();
  bool StartReset(const QString &port);
  void Note(WindowEvent event);
  // Ends whatever runs at once, without a signal (the program is closing).
  void Abort() { session_.Abort(); }

  bool IsBusy() const { return session_.IsBusy(); }
  // True from the start of a read (for a comparison or a check too) or a factory reset until
  // it has ended: the registers are about to be replaced or compared.
  bool IsReadPending() const;
  // A write needs the registers until its last command is out; a read is about to replace
  // them: no file command may change them meanwhile.
  bool IsFileCommandBlocked() const;
  // Bytes of a write or the reset command are on their way: cutting the line now would leave
  // the console half programmed.
  bool IsOnTheLine() const { return session_.IsOnTheLine(); }
  QString PortError() const { return session_.PortError(); }

  // Takes a finished read into `image` in one step: its registers, version text and version
  // flag, and marks the image modified. False (and nothing changed) when a text is no
  // register text.
  static bool TakeRead(const ConsoleRead &read, Register &image);

 signals:
  void StatesChanged(const ControlStates &states);
  // The progress bar starts over: `job` steps Progress from 1 to 200 from now on.
  void ProgressStarted(ConsoleJob job);
  void Progress(int done);
  // A whole read of a Read or Reset job.
  void ReadCompleted(const ConsoleRead &read);
  // A whole read, or a write the console took: this port works.
  void PortWorked(const QString &port);
  void PortFailed(ConsoleJob job, const QString &detail);
  // `message` is German and says what the console now holds; `detail` is the system's reason.
  void Failed(ConsoleJob job, const QString &message, const QString &detail);
  // The console confirmed all `count` registers of the write.
  void Written(int count);
  void Compared(const QStringList &console);
  void Checked(const QStringList &sent, const QStringList &console);

 private:
  void Begin(ConsoleJob job);
  void Step(JobStep step);
  bool Started(bool opened);
  void StartCheck();
  void OnFinished();

  ConsoleSession session_;
  ControlStates states_;
  std::function<ControlStates()> shown_;
  ControlStates before_;
  ConsoleJob job_ = ConsoleJob::Read;
  QString port_;
  QStringList sent_;
  QStringList console_;
};
