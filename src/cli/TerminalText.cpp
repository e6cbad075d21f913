// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TerminalText.h"

#include <algorithm>

namespace {

// C0, DEL and C1: the C1 range holds a one-character form of ESC [ that some terminals obey.
bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

QString TerminalText::Escaped(const QString &text, bool keepLineBreaks) {
  if (std::none_of(text.begin(), text.end(),
                   [](QChar c) { return IsControl(c.unicode()); }))
    return text;
  QString escaped;
  escaped.reserve(text.size() + 8);
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (!IsControl(u) || (keepLineBreaks && u == '\n')) {
      escaped += c;
      continue;
    }
    switch (u) {
      case 0x1B: escaped += QStringLiteral("\\e"); break;
      case '\n': escaped += QStringLiteral("\\n"); break;
      case '\r': escaped += QStringLiteral("\\r"); break;
      case '\t': escaped += QStringLiteral("\\t"); break;
      default:
        escaped += QStringLiteral("\\x%1").arg(int(u), 2, 16, QLatin1Char('0'));
    }
  }
  return escaped;
}
