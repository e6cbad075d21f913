// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SettingsReport.h"

#include "Register.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kRegistersPerRow = 10;

QString Escaped(const QString &text) { return SettingsReport::Printable(text).toHtmlEscaped(); }

// The spots of a setting grouped by register, registers in the order they first appear.
std::vector<std::pair<int, std::vector<int>>> ByRegister(const std::vector<RegisterSpot> &spots) {
  std::vector<std::pair<int, std::vector<int>>> groups;
  for (RegisterSpot spot : spots) {
    auto group = std::find_if(groups.begin(), groups.end(),
                              [spot](const auto &entry) { return entry.first == spot.reg; });
    if (group == groups.end()) group = groups.insert(groups.end(), {spot.reg, {}});
    group->second.push_back(spot.pos);
  }
  return groups;
}

QJsonArray Positions(const std::vector<int> &positions) {
  QJsonArray array;
  for (int pos : positions) array.append(pos);
  return array;
}

}  // namespace

SettingsReport::Input SettingsReport::FromImage(const Register &image, const QDateTime &created) {
  return {image.AllTexts(), image.FilePath(), image.VersionText(), created};
}

SettingsReport::SettingsReport(Input input) : input_(std::move(input)) {}

QString SettingsReport::Title() { return tr("Einstellungsbericht"); }

QString SettingsReport::CreatedText() const {
  return tr("%1 um %2 Uhr")
      .arg(input_.created.toString(QStringLiteral("dd.MM.yyyy")),
           input_.created.toString(QStringLiteral("HH:mm")));
}

QString SettingsReport::Printable(const QString &text) {
  QString printable;
  printable.reserve(text.size());
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      printable += c;
      printable += text.at(++i);
      continue;
    }
    const ushort u = c.unicode();
    const bool control = u < 0x20 || (u >= 0x7F && u <= 0x9F);
    printable += control || c.isSurrogate() || c.isNonCharacter() ? QLatin1Char('?') : c;
  }
  return printable;
}

QString SettingsReport::Html() const {
  QString html;
  html += QStringLiteral(
      "<!DOCTYPE html>\n"
      "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"de\" xml:lang=\"de\">\n"
      "<head>\n"
      "<meta charset=\"utf-8\"/>\n");
  html += QStringLiteral("<title>%1</title>\n").arg(Escaped(Title()));
  html += QStringLiteral(
      "<style type=\"text/css\">\n"
      "body { font-family: sans-serif; font-size: 10pt; }\n"
      "h1 { font-size: 16pt; }\n"
      "h2 { font-size: 12pt; margin-top: 12pt; margin-bottom: 4pt; }\n"
      "table { border-collapse: collapse; }\n"
      "th { text-align: left; background-color: #e8e8e8; }\n"
      // Ten registers side by side fit an A4 page in 8 points.
      "td.hex { font-family: monospace; font-size: 8pt; }\n"
      "</style>\n"
      "</head>\n"
      "<body>\n");
  html += QStringLiteral("<h1>%1</h1>\n").arg(Escaped(Title()));

  html += QStringLiteral("<table class=\"info\" cellspacing=\"0\" cellpadding=\"2\">\n");
  const auto info = [&html](const QString &name, const QString &value) {
    html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(Escaped(name), Escaped(value));
  };
  info(tr("Erstellt:"), CreatedText());
  if (!input_.fileName.isEmpty()) info(tr("Registerdatei:"), input_.fileName);
  if (!input_.versionText.isEmpty()) info(tr("Version:"), input_.versionText);
  html += QStringLiteral("</table>\n");

  const QString tableStart = QStringLiteral(
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n");
  for (const SettingsCatalog::Page &page : catalog_.Pages()) {
    html += QStringLiteral("<h2>%1</h2>\n").arg(Escaped(page.title));
    html += tableStart;
    html += QStringLiteral("<thead><tr><th width=\"55%\">%1</th><th>%2</th></tr></thead>\n")
                .arg(Escaped(tr("Einstellung")), Escaped(tr("Wert")));
    html += QStringLiteral("<tbody>\n");
    for (const SettingsCatalog::Setting &setting : page.settings)
      html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                  .arg(Escaped(setting.label), Escaped(setting.Described(input_.registers)));
    html += QStringLiteral("</tbody>\n</table>\n");
  }

  html += QStringLiteral("<h2>%1</h2>\n").arg(Escaped(tr("Register")));
  html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n");
  html += QStringLiteral("<thead><tr><th></th>");
  for (int column = 0; column < kRegistersPerRow; ++column)
    html += QStringLiteral("<th>+%1</th>").arg(column);
  html += QStringLiteral("</tr></thead>\n<tbody>\n");
  for (int row = 0; row < Register::kRegisterCount; row += kRegistersPerRow) {
    html += QStringLiteral("<tr><th>%1</th>").arg(row);
    for (int reg = row; reg < row + kRegistersPerRow; ++reg)
      html +=
          QStringLiteral("<td class=\"hex\">%1</td>").arg(Escaped(input_.registers.value(reg)));
    html += QStringLiteral("</tr>\n");
  }
  html += QStringLiteral("</tbody>\n</table>\n</body>\n</html>\n");
  return html;
}

QString SettingsReport::Text() const {
  QString text;
  const auto heading = [&text](const QString &title, QChar underline) {
    text += Printable(title) + QLatin1Char('\n');
    text += QString(title.size(), underline) + QLatin1Char('\n');
  };
  heading(Title(), QLatin1Char('='));
  text += QLatin1Char('\n');

  std::vector<std::pair<QString, QString>> info = {{tr("Erstellt:"), CreatedText()}};
  if (!input_.fileName.isEmpty()) info.push_back({tr("Registerdatei:"), input_.fileName});
  if (!input_.versionText.isEmpty()) info.push_back({tr("Version:"), input_.versionText});
  int width = 0;
  for (const auto &entry : info) width = std::max(width, int(entry.first.size()));
  for (const auto &entry : info)
    text += entry.first.leftJustified(width + 2) + Printable(entry.second) + QLatin1Char('\n');

  for (const SettingsCatalog::Page &page : catalog_.Pages()) {
    text += QLatin1Char('\n');
    heading(page.title, QLatin1Char('-'));
    width = 0;
    for (const SettingsCatalog::Setting &setting : page.settings)
      width = std::max(width, int(setting.label.size()));
    for (const SettingsCatalog::Setting &setting : page.settings)
      text += setting.label.leftJustified(width + 2) + setting.Described(input_.registers) +
              QLatin1Char('\n');
  }

  text += QLatin1Char('\n');
  heading(tr("Register"), QLatin1Char('-'));
  // A row label of three digits, then the register texts one blank apart under "+0" to "+9";
  // no line ends in blanks.
  const auto line = [&text](QString content) {
    while (content.endsWith(QLatin1Char(' '))) content.chop(1);
    text += content + QLatin1Char('\n');
  };
  QString columns = QStringLiteral("   ");
  for (int column = 0; column < kRegistersPerRow; ++column)
    columns += QLatin1Char(' ') +
               QStringLiteral("+%1").arg(column).leftJustified(Register::kRegisterLength);
  line(columns);
  for (int row = 0; row < Register::kRegisterCount; row += kRegistersPerRow) {
    QString cells = QString::number(row).rightJustified(3);
    for (int reg = row; reg < row + kRegistersPerRow; ++reg)
      cells += QLatin1Char(' ') + Printable(input_.registers.value(reg));
    line(cells);
  }
  return text;
}

QByteArray SettingsReport::Json() const {
  QJsonObject root;
  root.insert(QStringLiteral("format"), QStringLiteral("quorex-report/1"));
  root.insert(QStringLiteral("title"), Title());
  root.insert(QStringLiteral("created"), input_.created.toString(Qt::ISODate));
  root.insert(QStringLiteral("file"), input_.fileName.isEmpty() ? QJsonValue(QJsonValue::Null)
                                                                : QJsonValue(input_.fileName));
  root.insert(QStringLiteral("version"), input_.versionText.isEmpty()
                                             ? QJsonValue(QJsonValue::Null)
                                             : QJsonValue(input_.versionText));

  QJsonArray pages;
  for (const SettingsCatalog::Page &page : catalog_.Pages()) {
    QJsonArray settings;
    for (const SettingsCatalog::Setting &setting : page.settings) {
      QJsonObject entry;
      entry.insert(QStringLiteral("id"), setting.id);
      entry.insert(QStringLiteral("setting"), setting.label);
      entry.insert(QStringLiteral("value"), setting.Value(input_.registers));
      const auto groups = ByRegister(setting.spots);
      entry.insert(QStringLiteral("register"), groups.front().first);
      entry.insert(QStringLiteral("positions"), Positions(groups.front().second));
      if (groups.size() > 1) {
        QJsonArray further;
        for (std::size_t i = 1; i < groups.size(); ++i)
          further.append(QJsonObject{{QStringLiteral("register"), groups[i].first},
                                     {QStringLiteral("positions"), Positions(groups[i].second)}});
        entry.insert(QStringLiteral("further"), further);
      }
      settings.append(entry);
    }
    pages.append(QJsonObject{{QStringLiteral("page"), page.title},
                             {QStringLiteral("settings"), settings}});
  }
  root.insert(QStringLiteral("pages"), pages);
  root.insert(QStringLiteral("registers"), QJsonArray::fromStringList(input_.registers));
  return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
