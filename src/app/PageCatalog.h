#pragma once

#include <QString>

#include <memory>

class QDialog;
class QWidget;
class Register;

// The dialog that a configuration tree entry opens, made fresh on the register image as it is
// now, or nullptr for an entry that opens nothing ("BUSY-Konfiguration").
std::unique_ptr<QDialog> CreatePage(const QString &entry, Register &image, QWidget *parent);
