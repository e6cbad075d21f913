// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SerialPort.h"

#include "FileReason.h"
#include "PortAccess.h"
#include "PortNames.h"
#include "Protocol.h"
#include "TimedPortWatch.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

#if defined(Q_OS_LINUX)
#include "UdevPortWatch.h"
#elif defined(Q_OS_WIN)
#include "DeviceChangeWatch.h"
#endif

namespace {

// `name` as the technician typed it: QSerialPort shortens "/dev/ttyUSB0" to "ttyUSB0".
QString DescribeOpenError(const QSerialPort &port, const QString &name) {
  const auto tr = [](const char *text) {
    return QCoreApplication::translate("SerialPort", text);
  };
  switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
      return tr("Der Port %1 existiert nicht.").arg(name);
    case QSerialPort::PermissionError: {
#ifdef Q_OS_LINUX
      // A device this user may not read and write: name its group, so the cure is one command.
      const QString device = PortAccess::DevicePath(name);
      if (PortAccess::IsDenied(device)) return PortAccess::HintFor(device);
      return tr("Der Port %1 ist bereits von einem anderen Programm belegt, oder es fehlt die "
                "Berechtigung. Unter Linux muss der Benutzer Mitglied der Gruppe sein, der das "
                "Gerät gehört (meist \"dialout\"): sudo usermod -aG dialout $USER, danach neu "
                "anmelden.")
          .arg(name);
#else
      return tr("Der Port %1 ist bereits von einem anderen Programm belegt, oder es fehlt die "
                "Berechtigung.")
          .arg(name);
#endif
    }
    default:
      return tr("Der Port %1 konnte nicht geöffnet werden: %2")
          .arg(name, FileReason::FromText(port.errorString()));
  }
}

#ifdef Q_OS_LINUX
// A device node made or removed changes its folder; a look at the folder costs next to nothing,
// a listing of the ports does not.
QByteArray DeviceFolderStamp() {
  const QFileInfo folder(QStringLiteral("/dev"));
  return QByteArray::number(folder.lastModified().toMSecsSinceEpoch()) + ' ' +
         QByteArray::number(folder.metadataChangeTime().toMSecsSinceEpoch());
}
#endif

bool ApplyLineSettings(QSerialPort &port) {
  return port.setBaudRate(SerialPort::kBaudRate) && port.setDataBits(QSerialPort::Data8) &&
         port.setParity(QSerialPort::NoParity);
}

}  // namespace

SerialPort::SerialPort() = default;

SerialPort::~SerialPort() {
  if (port_) port_->close();
  if (line_) line_->close();
}

int SerialPort::OpenPort(const QString &name, QIODevice *line) {
  if (port_) {
    ApplyLineSettings(*port_);
    return 1;
  }
  if (line_) return 1;
  errorString_.clear();
  if (name.trimmed().isEmpty()) {
    errorString_ = QCoreApplication::translate("SerialPort", "Es ist kein Port gewählt.");
    return -1;
  }
  if (line) {
    // Opened once at a time, like a serial port opened exclusively.
    if (line->isOpen() || !line->open(QIODevice::ReadWrite)) {
      errorString_ = QCoreApplication::translate("SerialPort",
                                                 "Der Port %1 ist bereits von einem anderen "
                                                 "Programm belegt, oder es fehlt die Berechtigung.")
                         .arg(name.trimmed());
      return -1;
    }
    line_ = line;
    connect(line, &QIODevice::readChannelFinished, this, &SerialPort::LineBroken);
    return 1;
  }
  auto port = std::make_unique<QSerialPort>();
  port->setPortName(name.trimmed());
  ApplyLineSettings(*port);
  if (!port->open(QIODevice::ReadWrite)) {
    errorString_ = DescribeOpenError(*port, name.trimmed());
    return -1;
  }
  ApplyLineSettings(*port);
  connect(port.get(), &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
    if (error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
        error == QSerialPort::WriteError)
      emit LineBroken();
  });
  port_ = std::move(port);
  return 1;
}

void SerialPort::WriteText(const QByteArray &text) {
  QIODevice *device = Device();
  if (!device || text.size() > kMaxCommandLength) return;
  device->write(text);
}

void SerialPort::ClosePort() {
  if (line_) {
    line_->disconnect(this);
    line_->close();
  }
  line_ = nullptr;
  if (!port_) return;
  port_->disconnect(this);
  port_->close();
  // A transfer closes the port from inside the port's own readyRead; the object goes once
  // that signal has returned.
  port_.release()->deleteLater();
}

bool SerialPort::IsOpen() const { return Device() != nullptr; }

QIODevice *SerialPort::Device() const {
  if (port_) return port_.get();
  return line_.data();
}

void SerialPort::ClearInput() {
  if (port_) port_->clear(QSerialPort::Input);
  if (QIODevice *device = Device()) device->readAll();
}

PortListing SerialPort::ListPorts(bool tryOpen) {
  PortListing listing;
  QStringList denied;
  for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
    PortEntry port;
    port.name = info.portName();
    port.description = info.description();
    port.manufacturer = info.manufacturer();
    port.serialNumber = info.serialNumber();
    if (info.hasVendorIdentifier()) port.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier()) port.productId = info.productIdentifier();
    if (PortAccess::IsDenied(info.systemLocation())) {
      port.canOpen = false;
      if (PortAccess::IsSerialDevice(info.systemLocation())) denied.append(info.systemLocation());
    } else if (tryOpen) {
      QSerialPort probe(info);
      port.canOpen = probe.open(QIODevice::ReadWrite);
      if (port.canOpen) probe.close();
    }
    listing.ports.append(port);
  }
  PortNames::Sort(listing.ports);
  listing.deniedHint = PortAccess::DeniedPortsHint(denied);
  return listing;
}

std::unique_ptr<PortWatch> SerialPort::WatchPorts() {
#if defined(Q_OS_LINUX)
  if (std::unique_ptr<UdevPortWatch> watch = UdevPortWatch::Create()) return watch;
  return std::make_unique<TimedPortWatch>(DeviceFolderStamp);
#elif defined(Q_OS_WIN)
  return std::make_unique<DeviceChangeWatch>();
#else
  return std::make_unique<TimedPortWatch>();
#endif
}
