// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CQuorexDlg.h"
#include "PortAccess.h"
#include "PortChooser.h"
#include "PortNames.h"
#include "PortWatch.h"
#include "Preferences.h"
#include "SerialPort.h"
#include "TemporarySettings.h"
#include "TimedPortWatch.h"
#include "WidgetDriver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMutex>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#include <windows.h>

#include <dbt.h>
#endif

// The port field and the port names behind it, on ports a test makes up: what a technician
// sees of an adapter, which adapter is chosen at start, and how the list follows the system.

namespace {

// "ttyUSB0|FT232R USB UART|FTDI|A10K3XYZ|0403:6001", trailing parts optional; a leading "!"
// marks a port this user may not open.
PortEntry Port(QString line) {
  PortEntry port;
  if (line.startsWith(QLatin1Char('!'))) {
    port.canOpen = false;
    line.remove(0, 1);
  }
  const QStringList parts = line.split(QLatin1Char('|'));
  port.name = parts.value(0);
  port.description = parts.value(1);
  port.manufacturer = parts.value(2);
  port.serialNumber = parts.value(3);
  const QStringList ids = parts.value(4).split(QLatin1Char(':'), Qt::SkipEmptyParts);
  if (ids.size() == 2) {
    port.vendorId = ids.at(0).toInt(nullptr, 16);
    port.productId = ids.at(1).toInt(nullptr, 16);
  }
  return port;
}

QList<PortEntry> Ports(const QStringList &lines) {
  QList<PortEntry> ports;
  for (const QString &line : lines) ports.append(Port(line));
  return ports;
}

// The system as a test wants it; counts how often it was asked. The chooser asks from its
// listing thread.
struct FakeSystem {
  void Set(const QList<PortEntry> &ports, const QString &hint = QString()) {
    QMutexLocker lock(&mutex);
    listing = PortListing{ports, hint};
  }
  int Looks() const { return looks; }
  PortChooser::PortSource Source() {
    return [this] {
      QMutexLocker lock(&mutex);
      ++looks;
      return listing;
    };
  }

  QMutex mutex;
  PortListing listing;
  std::atomic<int> looks{0};
};

// Stands in for udev and WM_DEVICECHANGE: the test says when ports came or went.
class FakeWatch : public PortWatch {
 public:
  void Plug() { emit Changed(); }
  void SetActive(bool on) override { active = on; }
  bool active = false;
};

// The chooser following `system` through `watch`, its first listing taken.
void Follow(PortChooser &chooser, FakeSystem &system, FakeWatch **watch = nullptr) {
  auto fake = std::make_unique<FakeWatch>();
  if (watch) *watch = fake.get();
  chooser.SetPortSource(system.Source());
  chooser.SetPortWatch(std::move(fake));
  chooser.Start();
  QTRY_VERIFY(system.Looks() > 0 && !chooser.IsLooking());
}

QStringList Labels(QComboBox *combo) {
  QStringList labels;
  for (int i = 0; i < combo->count(); ++i)
    labels.append(combo->itemData(i, Qt::AccessibleTextRole).toString());
  return labels;
}

}  // namespace

class TestPorts : public QObject {
  Q_OBJECT

 private slots:
  void init() { settings_.Clear(); }

  void label_data();
  void label();
  void naturalOrder_data();
  void naturalOrder();
  void samePort_data();
  void samePort();
  void startPort_data();
  void startPort();

  void listShowsAdapters();
  void followsSystem();
  void restsDuringTransfer();
  void timedWatchOnlyWhileActive();
  void adapterFoundUnderNewName();
  void deniedHintShown();
  void windowFirst();
#ifdef Q_OS_WIN
  void deviceMessage();
#endif
#ifdef Q_OS_LINUX
  void deniedHintForDevices();
  void noSerialPortSaidInGerman();
#endif

 private:
  TemporarySettings settings_;
};

void TestPorts::label_data() {
  QTest::addColumn<QString>("port");
  QTest::addColumn<QString>("label");
  QTest::newRow("all known") << "ttyUSB0|FT232R USB UART|FTDI|A10K3XYZ"
                             << "ttyUSB0 – FT232R USB UART (FTDI, A10K3XYZ)";
  QTest::newRow("no serial number") << "ttyUSB1|USB-Serial Controller|Prolific"
                                    << "ttyUSB1 – USB-Serial Controller (Prolific)";
  QTest::newRow("description only") << "COM3|Kommunikationsanschluss"
                                    << "COM3 – Kommunikationsanschluss";
  QTest::newRow("no description: the name alone") << "ttyS0||ACME|123" << "ttyS0";
}

void TestPorts::label() {
  QFETCH(QString, port);
  QFETCH(QString, label);
  QCOMPARE(PortNames::Label(Port(port)), label);
}

void TestPorts::naturalOrder_data() {
  QTest::addColumn<QStringList>("reported");
  QTest::addColumn<QStringList>("shown");
  QTest::newRow("Windows, beyond COM9")
      << QStringList{"COM10", "COM2", "COM256", "COM1", "COM3", "COM100"}
      << QStringList{"COM1", "COM2", "COM3", "COM10", "COM100", "COM256"};
  QTest::newRow("Linux kinds and numbers")
      << QStringList{"ttyUSB10", "ttyS10", "ttyUSB1", "ttyS2", "ttyACM0"}
      << QStringList{"ttyACM0", "ttyS2", "ttyS10", "ttyUSB1", "ttyUSB10"};
}

void TestPorts::naturalOrder() {
  QFETCH(QStringList, reported);
  QFETCH(QStringList, shown);
  QList<PortEntry> ports = Ports(reported);
  PortNames::Sort(ports);
  QStringList names;
  for (const PortEntry &port : ports) names.append(port.name);
  QCOMPARE(names, shown);
}

void TestPorts::samePort_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("listed");
  QTest::addColumn<bool>("same");
  QTest::newRow("COM12 as typed") << "COM12" << "COM12" << true;
  QTest::newRow("COM12 as device path") << "\\\\.\\COM12" << "COM12" << true;
  QTest::newRow("COM12 in lower case") << " com12 " << "COM12" << true;
  QTest::newRow("COM1 is not COM12") << "COM1" << "COM12" << false;
  QTest::newRow("Linux path and name") << "/dev/ttyUSB0" << "ttyUSB0" << true;
  QTest::newRow("Linux names keep their case") << "ttyusb0" << "ttyUSB0" << false;
}

void TestPorts::samePort() {
  QFETCH(QString, typed);
  QFETCH(QString, listed);
  QFETCH(bool, same);
  QCOMPARE(PortNames::IsSamePort(typed, listed), same);
}

void TestPorts::startPort_data() {
  QTest::addColumn<QStringList>("listed");
  QTest::addColumn<QString>("remembered");
  QTest::addColumn<QString>("chosen");
  const QString a = QStringLiteral("|FT232R USB UART|FTDI|A10K3XYZ|0403:6001");
  const QString b = QStringLiteral("|FT232R USB UART|FTDI|B77Q1|0403:6001");
  QTest::newRow("same adapter, new name") << QStringList{"ttyUSB0" + b, "ttyUSB1" + a}
                                          << "ttyUSB0" + a << "ttyUSB1";
  QTest::newRow("same adapter, same name") << QStringList{"ttyUSB0" + a} << "ttyUSB0" + a
                                           << "ttyUSB0";
  QTest::newRow("adapter gone: the name") << QStringList{"ttyS0", "ttyUSB0" + b}
                                          << "ttyUSB0" + a << "ttyUSB0";
  QTest::newRow("serial number of another make") << QStringList{"ttyS0", "ttyUSB2|X|Y|A10K3XYZ|1a86:7523"}
                                                 << "ttyUSB0" + a << "ttyS0";
  QTest::newRow("ids alone, one such adapter")
      << QStringList{"ttyS0", "ttyUSB3|USB Serial|||1a86:7523"} << "ttyUSB0||||1a86:7523"
      << "ttyUSB3";
  QTest::newRow("ids alone, two such adapters")
      << QStringList{"ttyS0", "ttyUSB3||||1a86:7523", "ttyUSB4||||1a86:7523"}
      << "ttyUSB0||||1a86:7523" << "ttyS0";
  QTest::newRow("Windows, typed path remembered") << QStringList{"COM3", "COM12"} << "\\\\.\\COM12"
                                                  << "COM12";
}

void TestPorts::startPort() {
  QFETCH(QStringList, listed);
  QFETCH(QString, remembered);
  QFETCH(QString, chosen);
  QCOMPARE(PortNames::StartPort(Ports(listed), Port(remembered)), chosen);
}

// The list names the adapters, the field holds what is opened; ports the user may not open
// are not offered.
void TestPorts::listShowsAdapters() {
  FakeSystem system;
  system.Set(Ports({"ttyUSB0|FT232R USB UART|FTDI|A10K3XYZ", "ttyS0", "!ttyS1", "ttyACM0|USB Modem"}));
  PortChooser chooser;
  Follow(chooser, system);
  QCOMPARE(chooser.PortName(), QStringLiteral("ttyACM0"));
  QComboBox *combo = chooser.ComboBox();
  QCOMPARE(Items(combo), (QStringList{"ttyACM0", "ttyS0", "ttyUSB0"}));
  QCOMPARE(Labels(combo), (QStringList{"ttyACM0 – USB Modem", "ttyS0",
                                       "ttyUSB0 – FT232R USB UART (FTDI, A10K3XYZ)"}));
  combo->setCurrentIndex(2);
  QCOMPARE(chooser.PortName(), QStringLiteral("ttyUSB0"));
  // A name that is only the start of a listed one stays as it is: the adapter it stood for may
  // have gone, and another one must not take its place.
  chooser.SetPortName(QStringLiteral("ttyUSB"));
  QCOMPARE(chooser.PortName(), QStringLiteral("ttyUSB"));
  chooser.SetPortName(QStringLiteral("/dev/ttyS0"));
  QCOMPARE(chooser.PortName(), QStringLiteral("ttyS0"));
}

// An adapter plugged in or pulled shows as soon as the system says so, with one listing for
// the events of one plug; opening the list looks once more; what is typed in the field stays,
// cursor and all. Between events nothing is due.
void TestPorts::followsSystem() {
  FakeSystem system;
  system.Set(Ports({"ttyS0"}));
  PortChooser chooser;
  FakeWatch *watch = nullptr;
  ShowActive(&chooser);
  Follow(chooser, system, &watch);
  QLineEdit *edit = chooser.ComboBox()->lineEdit();
  Type(edit, QStringLiteral("/dev/ttyUSB"));
  edit->setCursorPosition(5);

  int looks = system.Looks();
  system.Set(Ports({"ttyS0", "ttyUSB0|FT232R USB UART|FTDI|A10K3XYZ"}));
  // An adapter comes as several events (its USB device, its interface, its tty).
  watch->Plug();
  watch->Plug();
  watch->Plug();
  QTRY_COMPARE(Items(chooser.ComboBox()), (QStringList{"ttyS0", "ttyUSB0"}));
  QTRY_VERIFY(!chooser.IsLooking());
  QCOMPARE(system.Looks(), looks + 1);
  QCOMPARE(edit->text(), QStringLiteral("/dev/ttyUSB"));
  QCOMPARE(edit->cursorPosition(), 5);

  system.Set(Ports({"ttyUSB0"}));
  watch->Plug();
  QTRY_COMPARE(Items(chooser.ComboBox()), QStringList{"ttyUSB0"});
  QCOMPARE(edit->text(), QStringLiteral("/dev/ttyUSB"));

  looks = system.Looks();
  system.Set(Ports({"ttyUSB0", "ttyUSB1"}));
  chooser.ComboBox()->showPopup();
  QTRY_COMPARE(Items(chooser.ComboBox()), (QStringList{"ttyUSB0", "ttyUSB1"}));
  chooser.ComboBox()->hidePopup();
  QTRY_VERIFY(!chooser.IsLooking());
  QCOMPARE(system.Looks(), looks + 1);
}

// While a transfer runs the system is not looked at, not even when the list is opened; a
// change noticed meanwhile is looked at once the transfer has ended.
void TestPorts::restsDuringTransfer() {
  FakeSystem system;
  system.Set(Ports({"ttyUSB0"}));
  std::atomic<bool> running = false;
  std::atomic<int> asked = 0;
  PortChooser chooser;
  chooser.SetTransferCheck([&] {
    ++asked;
    return running.load();
  });
  FakeWatch *watch = nullptr;
  ShowActive(&chooser);
  Follow(chooser, system, &watch);
  running = true;
  const int looks = system.Looks();
  system.Set(Ports({"ttyUSB0", "ttyUSB1"}));
  watch->Plug();
  chooser.ComboBox()->showPopup();
  chooser.ComboBox()->hidePopup();
  const int askedBefore = asked;
  QTRY_VERIFY(asked >= askedBefore + 2);
  QCOMPARE(system.Looks(), looks);
  QCOMPARE(Items(chooser.ComboBox()), QStringList{"ttyUSB0"});

  running = false;
  QTRY_COMPARE(Items(chooser.ComboBox()), (QStringList{"ttyUSB0", "ttyUSB1"}));
}

// Where the system tells nothing, the watch looks only while the window is active, and a look
// that finds the stamp as it was is no change.
void TestPorts::timedWatchOnlyWhileActive() {
  QByteArray stamp = "1";
  TimedPortWatch timed([&stamp] { return stamp; });
  QSignalSpy changed(&timed, &PortWatch::Changed);
  QVERIFY(!timed.IsLooking());
  timed.SetActive(true);
  QVERIFY(timed.IsLooking());
  stamp = "2";
  QVERIFY(changed.wait(3 * TimedPortWatch::kIntervalMs));
  QCOMPARE(changed.size(), 1);
  timed.SetActive(false);
  QVERIFY(!timed.IsLooking());

  // The chooser tells its watch whether its window has the user.
  FakeSystem system;
  PortChooser chooser;
  FakeWatch *watch = nullptr;
  Follow(chooser, system, &watch);
  QVERIFY(!watch->active);
  ShowActive(&chooser);
  QTRY_VERIFY(watch->active);
  QWidget other;
  ShowActive(&other);
  QTRY_VERIFY(!watch->active);
}

// The port of a good transfer is kept with its adapter; next time that adapter has another
// name and is chosen under it, and an empty field takes it as soon as it is plugged in.
void TestPorts::adapterFoundUnderNewName() {
  const QString adapter = QStringLiteral("|FT232R USB UART|FTDI|A10K3XYZ|0403:6001");
  {
    FakeSystem system;
    system.Set(Ports({"ttyUSB0" + adapter}));
    PortChooser chooser;
    Follow(chooser, system);
    chooser.RememberPort(QStringLiteral("/dev/ttyUSB0"));
  }
  const PortEntry remembered = Preferences().LastPortEntry();
  QCOMPARE(remembered.name, QStringLiteral("/dev/ttyUSB0"));
  QCOMPARE(remembered.serialNumber, QStringLiteral("A10K3XYZ"));
  QCOMPARE(remembered.vendorId, 0x0403);
  QCOMPARE(remembered.productId, 0x6001);

  FakeSystem system;
  system.Set(Ports({"ttyUSB0|CP2102 USB to UART|Silicon Labs|0001|10c4:ea60", "ttyUSB1" + adapter}));
  PortChooser chooser;
  Follow(chooser, system);
  QCOMPARE(chooser.PortName(), QStringLiteral("ttyUSB1"));

  FakeSystem later;
  PortChooser empty;
  FakeWatch *watch = nullptr;
  Follow(empty, later, &watch);
  QCOMPARE(empty.PortName(), QString());
  later.Set(Ports({"ttyUSB0", "ttyUSB2" + adapter}));
  watch->Plug();
  QTRY_COMPARE(empty.PortName(), QStringLiteral("ttyUSB2"));
}

// The reason is in plain sight under the field, and read out with the field.
void TestPorts::deniedHintShown() {
  const QString hint = PortAccess::PermissionHint(QStringLiteral("/dev/ttyUSB0"),
                                                  QStringLiteral("dialout"), false);
  FakeSystem system;
  system.Set(Ports({"!ttyUSB0"}), hint);
  PortChooser chooser;
  FakeWatch *watch = nullptr;
  ShowActive(&chooser);
  Follow(chooser, system, &watch);
  auto *line = Child<QLabel>(&chooser, QStringLiteral("portHintLabel"));
  QVERIFY(line->isVisible());
  QCOMPARE(line->text(), hint);
  QCOMPARE(line->textFormat(), Qt::PlainText);
  QCOMPARE(chooser.ComboBox()->accessibleDescription(), hint);
  QCOMPARE(chooser.ComboBox()->count(), 0);

  system.Set(Ports({"ttyUSB0"}));
  watch->Plug();
  QTRY_VERIFY(!line->isVisible());
  QCOMPARE(chooser.ComboBox()->accessibleDescription(), QString());
}

// The window is painted before any port is listed, and before the search field's clear button
// has its icon looked up; the list and the remembered adapter follow without a hand on the
// keyboard.
void TestPorts::windowFirst() {
  const QString adapter = QStringLiteral("|FT232R USB UART|FTDI|A10K3XYZ|0403:6001");
  PortEntry remembered;
  remembered.name = QStringLiteral("ttyUSB0");
  remembered.serialNumber = QStringLiteral("A10K3XYZ");
  Preferences().SetLastPortEntry(remembered);
  FakeSystem system;
  system.Set(Ports({"ttyS0", "ttyUSB3" + adapter}));

  CQuorexDlg window;
  auto *chooser = window.findChild<PortChooser *>();
  QVERIFY(chooser);
  std::atomic<bool> painted = false;
  std::atomic<bool> paintedFirst = false;
  const PortChooser::PortSource source = system.Source();
  chooser->SetPortSource([&] {
    paintedFirst = painted.load();
    return source();
  });
  auto watch = std::make_unique<FakeWatch>();
  FakeWatch *udev = watch.get();
  chooser->SetPortWatch(std::move(watch));
  struct PaintSeen : QObject {
    std::atomic<bool> *painted;
    QLineEdit *search;
    bool clearButtonAtPaint = true;
    bool eventFilter(QObject *, QEvent *event) override {
      if (event->type() == QEvent::Paint && !*painted)
        clearButtonAtPaint = search->isClearButtonEnabled();
      if (event->type() == QEvent::Paint) *painted = true;
      return false;
    }
  } paintSeen;
  paintSeen.painted = &painted;
  paintSeen.search = window.findChild<QLineEdit *>(QStringLiteral("suchenEdit"));
  QVERIFY(paintSeen.search);
  window.installEventFilter(&paintSeen);
  window.show();
  QCOMPARE(system.Looks(), 0);
  QTRY_COMPARE(Items(chooser->ComboBox()), (QStringList{"ttyS0", "ttyUSB3"}));
  QVERIFY(paintedFirst);
  QCOMPARE(chooser->PortName(), QStringLiteral("ttyUSB3"));
  QCOMPARE(system.Looks(), 1);
  QVERIFY(!paintSeen.clearButtonAtPaint);
  QTRY_VERIFY(paintSeen.search->isClearButtonEnabled());

  // An adapter pulled: one event, one listing.
  system.Set(Ports({"ttyS0"}));
  udev->Plug();
  QTRY_COMPARE(Items(chooser->ComboBox()), QStringList{"ttyS0"});
  QTRY_VERIFY(!chooser->IsLooking());
  QCOMPARE(system.Looks(), 2);
}

#ifdef Q_OS_WIN
// The system's own message reaches the watch through the application's native events. The
// tests have no real windows for the system to send it to; the thread's queue has the message
// go the same way.
void TestPorts::deviceMessage() {
  std::unique_ptr<PortWatch> watch = SerialPort::WatchPorts();
  QSignalSpy changed(watch.get(), &PortWatch::Changed);
  // A change of the docking state is none of the ports' business.
  QVERIFY(PostThreadMessageW(GetCurrentThreadId(), WM_DEVICECHANGE, DBT_CONFIGCHANGED, 0));
  QVERIFY(PostThreadMessageW(GetCurrentThreadId(), WM_DEVICECHANGE, DBT_DEVNODES_CHANGED, 0));
  QVERIFY(changed.wait());
  QCoreApplication::processEvents();
  QCOMPARE(changed.size(), 1);
}
#endif

#ifdef Q_OS_LINUX
// Devices this user may not read and write, of one group: one advice naming both. Root may
// open anything, so only an ordinary user can see this.
void TestPorts::deniedHintForDevices() {
  if (geteuid() == 0) QSKIP("Root may open every device; run as an ordinary user to check this.");
  QTemporaryDir dir;
  QStringList devices;
  for (const QString &name : {QStringLiteral("ttyUSB10"), QStringLiteral("ttyUSB2")}) {
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QFile::setPermissions(file.fileName(), QFileDevice::Permissions()));
    QVERIFY(PortAccess::IsDenied(file.fileName()));
    devices.append(file.fileName());
  }
  const QString hint = PortAccess::DeniedPortsHint(devices);
  // The files belong to this user's own group: the advice is to have the rights checked.
  QCOMPARE(hint, PortAccess::PermissionHint(QStringList{devices.at(1), devices.at(0)},
                                            QFileInfo(devices.at(0)).group(), true));
  QVERIFY2(hint.startsWith(QStringLiteral("Für die Ports ") + devices.at(1) +
                           QStringLiteral(", ") + devices.at(0)),
           qPrintable(hint));
}

// A device that is no serial port: the reason in German.
void TestPorts::noSerialPortSaidInGerman() {
  SerialPort port;
  QCOMPARE(port.OpenPort(QStringLiteral("/dev/null")), -1);
  QVERIFY2(port.ErrorString().contains(QStringLiteral(": Es ist keine serielle Schnittstelle")),
           qPrintable(port.ErrorString()));
}
#endif

QTEST_MAIN(TestPorts)
#include "tst_ports.moc"
