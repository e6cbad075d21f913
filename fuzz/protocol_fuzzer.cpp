// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as what a console sent: greeting, end mark and the answer to a bulk read. Besides
// the sanitizers' own checks, the rules the transfers rely on must hold for every input.

#include "Protocol.h"
#include "Register.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const QByteArray received =
      QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

  const bool greeting = Protocol::IsQuorexGreeting(received);
  Check(!greeting || Protocol::IsGreetingComplete(received));
  // Nothing after the first 31 characters decides the greeting.
  if (Protocol::IsGreetingComplete(received))
    Check(greeting ==
          Protocol::IsQuorexGreeting(received.left(Protocol::kGreetingLength + 1) + "Quorex"));

  // More bytes never take an end mark away.
  if (Protocol::HasEndMark(received)) Check(Protocol::HasEndMark(received + "ENDE\r\n"));

  const Protocol::Answer answer = Protocol::ParseAnswer(received);
  if (answer.ok) {
    Check(answer.error.isEmpty());
    Check(received.size() <= Protocol::kMaxAnswerLength);
    Check(answer.texts.size() == Register::kRegisterCount);
    for (const QString &text : answer.texts) Check(Register::IsRegisterText(text));
    static_cast<void>(Protocol::IsVersion107(answer.versionText));  // for the sanitizers
  } else {
    Check(!answer.error.isEmpty());
    Check(answer.texts.isEmpty() && answer.versionText.isEmpty());
  }
  return 0;
}
