// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Register.h"
#include "RegisterFile.h"
#include "SmallDisk.h"
#include "TestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace {

QByteArray Lines(int count, const QByteArray &lineEnd, bool lastLineEnd = true) {
  QByteArray data;
  for (int i = 0; i < count; ++i) {
    data += QByteArray::number(0x10000000 + i, 16).toUpper();
    if (i < count - 1 || lastLineEnd) data += lineEnd;
  }
  return data;
}

QStringList Texts(const QString &text) {
  return QStringList(Register::kRegisterCount, text);
}

#ifdef Q_OS_UNIX
// A socket file as a local server leaves it behind.
bool MakeSocket(const QString &path) {
  const QByteArray name = QFile::encodeName(path);
  sockaddr_un address{};
  if (name.size() >= int(sizeof(address.sun_path))) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, name.constData(), name.size());
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)) == 0;
  ::close(fd);
  return bound;
}
#endif

}  // namespace

class TestRegisterFile : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(dir_.isValid()); }
  void savesExactBytes();
  void loadsWellFormedVariants_data();
  void loadsWellFormedVariants();
  void refusesMalformedFiles_data();
  void refusesMalformedFiles();
  void failedSaveIsReportedAndKeepsOldFile();
#ifdef Q_OS_LINUX
  void saveOnFullDiskKeepsOldFile();
#endif
  void refusesWhatIsNoRegularFile_data();
  void refusesWhatIsNoRegularFile();

 private:
  QTemporaryDir dir_;
};

void TestRegisterFile::savesExactBytes() {
  Register image;
  QVERIFY(image.SetText(0, QStringLiteral("0A1B2C3D")));
  QVERIFY(image.SetText(199, QStringLiteral("FFFFFFFF")));
  image.SetFilePath(dir_.filePath(QStringLiteral("saved.rquorex")));
  QString error;
  QVERIFY2(image.SaveToFile(&error), qPrintable(error));
  const QByteArray data = Contents(image.FilePath());
  QCOMPARE(data.size(), 2000);
  QVERIFY(data.startsWith("0A1B2C3D\r\n00000000\r\n"));
  QVERIFY(data.endsWith("00000000\r\nFFFFFFFF\r\n"));
  QCOMPARE(data.count("\r\n"), 200);
}

void TestRegisterFile::loadsWellFormedVariants_data() {
  QTest::addColumn<QByteArray>("data");
  QTest::newRow("CR LF") << Lines(200, "\r\n");
  QTest::newRow("LF only") << Lines(200, "\n");
  QTest::newRow("no final line end") << Lines(200, "\r\n", false);
  QTest::newRow("more than 200 lines") << Lines(200, "\r\n") + "garbage\r\nmore\r\n";
  QTest::newRow("lower case") << Lines(200, "\r\n").toLower();
}

void TestRegisterFile::loadsWellFormedVariants() {
  QFETCH(QByteArray, data);
  const QString path = dir_.filePath(QStringLiteral("in.rquorex"));
  WriteFile(path, data);
  Register image;
  QString error;
  QVERIFY2(image.LoadFromFile(path, &error), qPrintable(error));
  QCOMPARE(image.FilePath(), path);
  QCOMPARE(image.Text(0), QStringLiteral("10000000"));
  QCOMPARE(image.Text(10), QStringLiteral("1000000A"));
  QCOMPARE(image.Text(199), QStringLiteral("100000C7"));
}

void TestRegisterFile::refusesMalformedFiles_data() {
  QTest::addColumn<QByteArray>("data");
  QTest::addColumn<bool>("exists");
  QTest::addColumn<QString>("reason");
  QByteArray shortLine = Lines(200, "\r\n");
  shortLine.replace(10 * 10, 10, "1234567\r\n");
  QByteArray nine = Lines(200, "\r\n");
  nine.replace(0, 10, "123456789\r\n");
  QByteArray nonHex = Lines(200, "\r\n");
  nonHex[50 * 10 + 3] = 'G';
  QByteArray longLine = Lines(200, "\r\n");
  longLine.insert(4 * 10, QByteArray(1000, 'A'));
  QByteArray nul = Lines(200, "\r\n");
  nul[7 * 10 + 8] = '\0';
  QTest::newRow("short line") << shortLine << true << QStringLiteral("Zeile 11 ");
  QTest::newRow("long line of hex digits") << longLine << true << QStringLiteral("Zeile 5 ");
  QTest::newRow("NUL before the line end") << nul << true << QStringLiteral("Zeile 8 ");
  QTest::newRow("CR only line ends") << Lines(200, "\r") << true << QStringLiteral("Zeile 1 ");
  QTest::newRow("nine characters") << nine << true << QStringLiteral("Zeile 1 ");
  QTest::newRow("non-hex") << nonHex << true << QStringLiteral("Zeile 51");
  QTest::newRow("199 lines") << Lines(199, "\r\n") << true << QStringLiteral("Zeile 200");
  QTest::newRow("empty file") << QByteArray() << true << QStringLiteral("Zeile 1,");
  QTest::newRow("missing file") << QByteArray() << false << QStringLiteral("nicht geöffnet");
}

void TestRegisterFile::refusesMalformedFiles() {
  QFETCH(QByteArray, data);
  QFETCH(bool, exists);
  QFETCH(QString, reason);
  const QString path = dir_.filePath(QStringLiteral("bad.rquorex"));
  QFile::remove(path);
  if (exists) WriteFile(path, data);
  Register image;
  QVERIFY(image.SetText(3, QStringLiteral("CAFEBABE")));
  image.SetFilePath(QStringLiteral("/old/path.rquorex"));
  QString error;
  QVERIFY(!image.LoadFromFile(path, &error));
  QVERIFY2(error.contains(reason), qPrintable(error));
  QVERIFY(error.contains(QDir::toNativeSeparators(path)));
  QCOMPARE(image.Text(3), QStringLiteral("CAFEBABE"));
  QCOMPARE(image.Text(0), QStringLiteral("00000000"));
  QCOMPARE(image.FilePath(), QStringLiteral("/old/path.rquorex"));
}

void TestRegisterFile::failedSaveIsReportedAndKeepsOldFile() {
  Register image;
  QVERIFY(image.SetText(0, QStringLiteral("11111111")));
  QString error;
  image.SetFilePath(dir_.filePath(QStringLiteral("no/such/folder/x.rquorex")));
  QVERIFY(!image.SaveToFile(&error));
  QVERIFY2(error.contains(QStringLiteral("konnte nicht gespeichert werden")), qPrintable(error));

#ifdef Q_OS_UNIX
  // A folder without write permission; Windows has no such thing for a folder.
  if (geteuid() == 0) QSKIP("a read-only folder does not stop root from writing");
  const QString folder = dir_.filePath(QStringLiteral("readonly"));
  QVERIFY(QDir().mkpath(folder));
  const QString path = folder + QStringLiteral("/old.rquorex");
  WriteFile(path, QByteArray("old contents\r\n"));
  QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  image.SetFilePath(path);
  QVERIFY(!image.SaveToFile(&error));
  QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner);
  QCOMPARE(Contents(path), QByteArray("old contents\r\n"));
#endif
}

#ifdef Q_OS_LINUX
// write() only fills a buffer; the disk fills up when that buffer is flushed. The old file must
// come through byte for byte and no temporary file may be left behind.
void TestRegisterFile::saveOnFullDiskKeepsOldFile() {
  SmallDisk disk;
  if (!disk.IsMounted()) QSKIP(qPrintable(disk.Why()));
  const QString path = disk.FilePath(QStringLiteral("old.rquorex"));
  QString error;
  QVERIFY2(WriteRegisterFile(path, Texts(QStringLiteral("0123ABCD")), &error), qPrintable(error));
  const QByteArray old = Contents(path);
  QCOMPARE(old.size(), 2000);
  QVERIFY(disk.Fill());

  QVERIFY(!WriteRegisterFile(path, Texts(QStringLiteral("FFFFFFFF")), &error));
  const QString head = QStringLiteral("Die Datei\n%1\nkonnte nicht gespeichert werden:\n")
                           .arg(QDir::toNativeSeparators(path));
  QVERIFY2(error.startsWith(head), qPrintable(error));
  QVERIFY2(error.size() > head.size(), "no reason given");
  QCOMPARE(Contents(path), old);
  QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
           QStringList({QStringLiteral("filler"), QStringLiteral("old.rquorex")}));
}
#endif

void TestRegisterFile::refusesWhatIsNoRegularFile_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QString>("reason");
#ifdef Q_OS_UNIX
  QTest::newRow("pipe") << "fifo" << "keine gewöhnliche Datei";
  QTest::newRow("device") << "/dev/zero" << "keine gewöhnliche Datei";
  QTest::newRow("socket") << "socket" << "keine gewöhnliche Datei";
#endif
  QTest::newRow("folder") << "folder" << "Ordner";
  QTest::newRow("2 MB, 200 good lines first") << "large" << "größer als 1 MB";
}

// Refused before anything is opened: a pipe without a writer would block the window for
// good, a device would be read forever. Run on a thread of its own, so that a regression
// fails the test instead of hanging it.
void TestRegisterFile::refusesWhatIsNoRegularFile() {
  QFETCH(QString, kind);
  QFETCH(QString, reason);
  const QString path = kind.startsWith(QLatin1Char('/')) ? kind : dir_.filePath(kind);
#ifdef Q_OS_UNIX
  if (kind == QLatin1String("fifo")) {
    QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
  } else if (kind == QLatin1String("socket")) {
    QVERIFY(MakeSocket(path));
  }
#endif
  if (kind == QLatin1String("folder")) {
    QVERIFY(QDir().mkpath(path));
  } else if (kind == QLatin1String("large")) {
    WriteFile(path, Lines(200, "\r\n") + QByteArray(2 * 1024 * 1024, '0'));
  }

  // Shared with the thread, which may outlive the test when the read never ends.
  struct Attempt {
    QStringList texts = Texts(QStringLiteral("CAFEBABE"));
    QString error;
    std::promise<bool> done;
  };
  const auto read = std::make_shared<Attempt>();
  std::future<bool> result = read->done.get_future();
  std::thread reader([read, path] {
    read->done.set_value(ReadRegisterFile(path, &read->texts, &read->error));
  });
  if (result.wait_for(std::chrono::seconds(1)) != std::future_status::ready) {
#ifdef Q_OS_UNIX
    if (kind == QLatin1String("fifo")) {
      // A writer lets the blocked open() return.
      const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) ::close(fd);
      reader.join();
      QFAIL("not refused within a second");
    }
#endif
    reader.detach();
    QFAIL("not refused within a second");
  }
  reader.join();
  QVERIFY(!result.get());
  QVERIFY2(read->error.contains(reason), qPrintable(read->error));
  QVERIFY2(read->error.contains(QDir::toNativeSeparators(path)), qPrintable(read->error));
  QCOMPARE(read->texts, Texts(QStringLiteral("CAFEBABE")));

  // Saving over it would put a file in its place. Never tried on a real device: a regression
  // would replace it.
  if (kind.startsWith(QLatin1Char('/')) || kind == QLatin1String("large")) return;
  QString error;
  QVERIFY(!WriteRegisterFile(path, Texts(QStringLiteral("FFFFFFFF")), &error));
  QVERIFY2(error.contains(reason), qPrintable(error));
  QVERIFY(!QFileInfo(path).isFile());
}

QTEST_GUILESS_MAIN(TestRegisterFile)
#include "tst_registerfile.moc"
