// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "PortEntry.h"
#include "PortWatch.h"

#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QComboBox;
class QLabel;

// The "Port:" field: its label, the editable combo box and, under it, a line that says which
// ports this user may not open and how to get the right. The list shows each port with its
// adapter ("ttyUSB0 – FT232R USB UART (FTDI, A10K3XYZ)"); the field holds the name that is
// opened, and any typed name or path is taken as it is.
//
// The list follows the system without costing anything while nothing happens: it is looked at
// once the window has been painted, then whenever the port watch says that ports came or went,
// and when the list is opened; never while a transfer runs (listing ports touches the devices),
// and it never changes what the user has typed. A listing may take a while (each device's
// rights are looked at), so it runs on a thread of its own and the window stays responsive.
// The ports and the watch come from the window, so that this widget needs no device code and
// tests can hand it ports and events of their own.
class PortChooser : public QWidget {
  Q_OBJECT

 public:
  // Called on the listing thread, one call at a time.
  using PortSource = std::function<PortListing()>;
  // Events of one plug come together; so do those of a hub with several adapters.
  static constexpr int kSettleMs = 100;
  // A change noticed during a transfer is looked at this often until the transfer has ended.
  static constexpr int kBusyRetryMs = 500;

  explicit PortChooser(QWidget *parent = nullptr);
  ~PortChooser() override;

  void SetPortSource(PortSource source) { source_ = std::move(source); }
  // What tells that ports may have changed; the chooser keeps it.
  void SetPortWatch(std::unique_ptr<PortWatch> watch);
  // Asked before every look at the system: while it answers true the list stays as it is.
  void SetTransferCheck(std::function<bool()> running) { transferRunning_ = std::move(running); }

  // Starts following the system: the first listing comes once this field has been painted (at
  // once when it is not shown), and with it the port to start with: the remembered adapter
  // under whatever name it has now, else the remembered name, else the first port listed.
  void Start();
  // What the field holds, trimmed: the port a transfer opens.
  QString PortName() const;
  // Shows `name`: the listed port of that name, else the name as it is.
  void SetPortName(const QString &name);
  // `name` worked: remembered for the next start, with the adapter listed under it.
  void RememberPort(const QString &name);
  // Looks at the system soon, unless a transfer runs; then once it has ended.
  void Refresh();
  // True while a look is due or under way.
  bool IsLooking() const { return listing_ || lookTimer_.isActive(); }

  QComboBox *ComboBox() const { return combo_; }
  // The ports offered, in the order shown: those this user may open.
  const QList<PortEntry> &Listed() const { return listed_; }

 signals:
  // A listing has been taken into the field.
  void PortsListed();

 protected:
  void paintEvent(QPaintEvent *event) override;
  void changeEvent(QEvent *event) override;

 private:
  void Look();
  void OnListed(const PortListing &listing);
  void Apply(const PortListing &listing);
  void Fill(const QList<PortEntry> &ports);

  PortSource source_;
  std::unique_ptr<PortWatch> watch_;
  std::function<bool()> transferRunning_;
  QLabel *label_ = nullptr;
  QComboBox *combo_ = nullptr;
  QLabel *hint_ = nullptr;
  QTimer lookTimer_;
  QList<PortEntry> listed_;
  bool painted_ = false;
  bool waitingForPaint_ = false;
  // A listing runs; `again_`: the system changed since it began.
  bool listing_ = false;
  bool again_ = false;
  // Declared last, so it is the first to go: it waits for a listing still under way.
  QThreadPool pool_;
};
