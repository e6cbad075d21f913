// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as the contents of a register file. Besides the sanitizers' own checks: a file
// is either taken whole (200 register texts) or refused with a reason and nothing taken, and
// what was taken reads back the same once saved.

#include "Register.h"
#include "RegisterFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
  const QStringList untouched{QStringLiteral("untouched")};
  QStringList texts = untouched;
  QString reason;
  if (!ParseRegisterFile(bytes, &texts, &reason)) {
    Check(texts == untouched);
    Check(!reason.isEmpty());
    return 0;
  }
  Check(texts.size() == Register::kRegisterCount);
  QByteArray saved;
  for (const QString &text : texts) {
    Check(Register::IsRegisterText(text));
    saved += text.toLatin1() + "\r\n";
  }
  QStringList again;
  Check(ParseRegisterFile(saved, &again, &reason));
  Check(again == texts);
  return 0;
}
