// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CliApp.h"

#include "QuorexVersion.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cstdio>
#include <utility>
#include <vector>

namespace {

using Command = Invocation::Command;
using Format = Invocation::Format;

// What each command takes. The options not listed for a command are refused with it, so a
// mistyped line never does something other than what was meant.
enum Takes : unsigned {
  kNothing = 0,
  kPort = 1,                    // talks to a console: --port required, --quiet allowed
  kOutput = 2,                  // -o
  kVerify = 4,                  // --verify
  kYes = 8,                     // --yes
  kWords = 16,                  // further words after its files
  kBackup = 32,                 // --backup
  kSince = 64,                  // --since
  kFormat = 128,                // --format: given by the command's formats
  kFormatOnlyWithVerify = 256,  // --format only beside --verify
  kBase = 512,                  // --base
};

// What a command insists on beyond the options it takes, each with the message that refuses a
// line without it (translation context CliApp; %1 is the command's name).
struct Needs {
  const char *output = nullptr;           // -o, and a file rather than stdout
  const char *outputNotStdout = nullptr;  // "-o -" refused: the command writes a register file
  const char *words = nullptr;            // at least one word after its files
  bool text = false;                      // its file is a settings text, not a register file
};

}  // namespace

// A command's row: its word, synopsis and description, its files, the options it takes and
// what it insists on.
struct CommandEntry {
  const char *name;
  Invocation::Command command;
  const char *synopsis;
  const char *description;
  int files;
  unsigned takes;
  std::vector<Invocation::Format> formats;  // --format values allowed, the first the default
  Needs needs = {};

  bool Takes(unsigned option) const {
    return ((takes | (formats.empty() ? 0u : unsigned(kFormat))) & option) != 0;
  }
};

namespace {

const char kReadNeedsOutput[] =
    QT_TRANSLATE_NOOP("CliApp", "Der Befehl %1 braucht -o mit dem Namen der Registerdatei.");
const char kWritesRegisterFile[] =
    QT_TRANSLATE_NOOP("CliApp", "Der Befehl %1 schreibt eine Registerdatei; bitte geben Sie mit "
                                "-o ihren Namen an.");

const std::vector<CommandEntry> &CommandTable() {
  const std::vector<Format> noFormat;
  const std::vector<Format> textJson = {Format::Text, Format::Json};
  const std::vector<Format> anyFormat = {Format::Text, Format::Json, Format::Html, Format::Pdf};
  static const std::vector<CommandEntry> table = {
      {"read", Command::Read, QT_TRANSLATE_NOOP("CliApp", "read --port PORT -o DATEI"),
       QT_TRANSLATE_NOOP("CliApp", "Liest alle 200 Register in eine Registerdatei."), 0,
       kPort | kOutput, noFormat, {kReadNeedsOutput, kReadNeedsOutput}},
      {"write", Command::Write,
       QT_TRANSLATE_NOOP("CliApp",
                         "write --port PORT DATEI [--backup] [--verify] [--format text|json]"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Schreibt die Datei in den Quorex; --backup sichert ihn vorher, --verify "
                         "liest ihn danach zurück."),
       1, kPort | kVerify | kBackup | kFormatOnlyWithVerify, textJson},
      {"apply", Command::Apply,
       QT_TRANSLATE_NOOP("CliApp", "apply --port PORT TEXT [--verify] [--format text|json]"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Liest und sichert den Quorex, legt die Einstellungen des Textes darüber "
                         "und sendet das Ergebnis; --verify liest ihn danach zurück."),
       1, kPort | kVerify | kFormatOnlyWithVerify, textJson, {nullptr, nullptr, nullptr, true}},
      {"verify", Command::Verify,
       QT_TRANSLATE_NOOP("CliApp", "verify --port PORT DATEI [--format text|json]"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Liest den Quorex und vergleicht ihn mit der Datei; schreibt nichts."),
       1, kPort, textJson},
      {"version", Command::Version, QT_TRANSLATE_NOOP("CliApp", "version --port PORT"),
       QT_TRANSLATE_NOOP("CliApp", "Liest den Quorex und zeigt seine Version."), 0, kPort,
       noFormat},
      {"reset", Command::Reset, QT_TRANSLATE_NOOP("CliApp", "reset --port PORT --yes"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Setzt den Quorex auf Werkeinstellungen zurück und liest ihn danach."),
       0, kPort | kYes, noFormat},
      {"report", Command::Report,
       QT_TRANSLATE_NOOP("CliApp", "report DATEI [--format text|json|html|pdf] [-o AUSGABE]"),
       QT_TRANSLATE_NOOP("CliApp", "Zeigt die Einstellungen der Datei in Worten (pdf nur mit -o)."),
       1, kOutput, anyFormat},
      {"diff", Command::Diff,
       QT_TRANSLATE_NOOP("CliApp", "diff DATEI_A DATEI_B [--format text|json]"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Zeigt die Einstellungen, in denen sich zwei Dateien unterscheiden."),
       2, kNothing, textJson},
      {"ports", Command::Ports, QT_TRANSLATE_NOOP("CliApp", "ports [--format text|json]"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Listet die seriellen Ports mit Adapter und ob sie sich öffnen lassen."),
       0, kNothing, textJson},
      {"get", Command::Get,
       QT_TRANSLATE_NOOP("CliApp", "get DATEI [ID|MUSTER ...] [--format text|json]"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Zeigt Einstellungen der Datei nach ID in Worten (Muster: *, ?)."),
       1, kWords, textJson},
      {"set", Command::Set, QT_TRANSLATE_NOOP("CliApp", "set DATEI ID=WERT ... [-o NEU]"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Ändert Einstellungen nach ID; ohne -o wird die Datei ersetzt."),
       1, kWords | kOutput, noFormat,
       {nullptr, kWritesRegisterFile,
        QT_TRANSLATE_NOOP("CliApp", "Dem Befehl %1 fehlt eine Einstellung wie "
                                    "squelch.kreis1.sql=\"SQL aktiv high\".")}},
      {"export", Command::Export, QT_TRANSLATE_NOOP("CliApp", "export DATEI [-o TEXT]"),
       QT_TRANSLATE_NOOP("CliApp", "Schreibt alle Einstellungen als bearbeitbaren Text."), 1,
       kOutput, noFormat},
      {"import", Command::Import,
       QT_TRANSLATE_NOOP("CliApp", "import TEXT [--base DATEI] -o NEU"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Macht aus einem solchen Text wieder eine Registerdatei; mit --base "
                         "legt er seine Einstellungen über DATEI, der Rest bleibt."),
       1, kOutput | kBase, noFormat,
       {QT_TRANSLATE_NOOP("CliApp",
                          "Der Befehl %1 braucht -o mit dem Namen der neuen Registerdatei."),
        kWritesRegisterFile, nullptr, true}},
      {"log", Command::Log,
       QT_TRANSLATE_NOOP("CliApp", "log [--format text|json|csv] [--since JJJJ-MM-TT]"),
       QT_TRANSLATE_NOOP("CliApp",
                         "Zeigt das Programmierprotokoll: was mit welchem Quorex geschah."),
       0, kSince, {Format::Text, Format::Json, Format::Csv}},
  };
  return table;
}

const CommandEntry *FindCommand(const QString &name) {
  for (const CommandEntry &entry : CommandTable())
    if (name == QLatin1String(entry.name)) return &entry;
  return nullptr;
}

QString FormatName(Format format) {
  switch (format) {
    case Format::Text:
      return QStringLiteral("text");
    case Format::Json:
      return QStringLiteral("json");
    case Format::Html:
      return QStringLiteral("html");
    case Format::Pdf:
      return QStringLiteral("pdf");
    case Format::Csv:
      return QStringLiteral("csv");
  }
  return QString();
}

QString Translated(const char *text) { return QCoreApplication::translate("CliApp", text); }

QString Description() {
  QString text = CliApp::tr(
      "Liest, schreibt und prüft eine Quorex-Funkbedienkonsole ohne Fenster und zeigt\n"
      "Registerdateien in Worten, mit denselben Bezeichnungen wie die Konfigurationsseiten.\n"
      "\nBefehle:\n");
  for (const CommandEntry &entry : CommandTable())
    text += QStringLiteral("  %1\n      %2\n")
                .arg(Translated(entry.synopsis), Translated(entry.description));
  text += CliApp::tr("  help [befehl]\n      Zeigt diese Hilfe oder die eines Befehls.\n");
  text += CliApp::tr(
      "\nExit-Status: 0 gelungen (keine Unterschiede), 1 Unterschiede gefunden,\n"
      "2 falscher Aufruf, 3 Port oder Quorex gescheitert, 4 Datei nicht lesbar oder nicht\n"
      "schreibbar, 128 + Signalnummer abgebrochen (130 mit Strg+C, 143 SIGTERM, 129 SIGHUP).");
  return text;
}

}  // namespace

CliApp::CliApp()
    : helpOption_(parser_.addHelpOption()),
      // Not Qt's version option: that one takes -v as well, which a shell user reads as
      // "verbose".
      versionOption_(QStringLiteral("version"), tr("Zeigt die Version von quorex-cli.")),
      portOption_(QStringList{QStringLiteral("p"), QStringLiteral("port")},
                  tr("Serieller Port des Quorex, z. B. /dev/ttyUSB0 oder COM1."), tr("port")),
      outputOption_(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                    tr("Datei, in die das Ergebnis geschrieben wird."), tr("datei")),
      formatOption_(QStringLiteral("format"),
                    tr("Ausgabeformat: text (Standard) oder json; bei report auch html und "
                       "pdf, bei log auch csv."),
                    tr("format")),
      verifyOption_(QStringLiteral("verify"),
                    tr("write, apply: liest die Register danach zurück und vergleicht.")),
      backupOption_(QStringLiteral("backup"),
                    tr("write: liest und sichert den Quorex, bevor gesendet wird.")),
      baseOption_(QStringLiteral("base"),
                  tr("import: legt die Einstellungen des Textes über diese Registerdatei."),
                  tr("datei")),
      sinceOption_(QStringLiteral("since"), tr("log: nur Einträge ab diesem Tag."),
                   tr("JJJJ-MM-TT")),
      yesOption_(QStringLiteral("yes"), tr("reset: bestätigt das Zurücksetzen.")),
      quietOption_(QStringList{QStringLiteral("q"), QStringLiteral("quiet")},
                   tr("Keine Fortschrittsanzeige und keine Erfolgsmeldung.")),
      verboseOption_(QStringList{QStringLiteral("v"), QStringLiteral("verbose")},
                     tr("Sagt mehr: die gelesene Version, jede geänderte Einstellung.")) {
  parser_.setApplicationDescription(Description());
  parser_.addOptions({versionOption_, portOption_, outputOption_, formatOption_, verifyOption_,
                      backupOption_, baseOption_, sinceOption_, yesOption_, quietOption_,
                      verboseOption_});
  parser_.addPositionalArgument(tr("befehl"),
                                tr("read, write, apply, verify, version, reset, report, diff, "
                                   "ports, get, set, export, import oder log, siehe oben."),
                                tr("befehl [dateien]"));
}

QString CliApp::UsageText() {
  QString text;
  for (const CommandEntry &entry : CommandTable()) {
    text += text.isEmpty() ? tr("Aufruf: ") : QString(tr("Aufruf: ").size(), QLatin1Char(' '));
    text += QStringLiteral("quorex-cli %1\n").arg(Translated(entry.synopsis));
  }
  return text + tr("Mehr dazu: quorex-cli --help") + QLatin1Char('\n');
}

QString CliApp::HelpText() const {
  QString text = parser_.helpText();
  const QString path = QCoreApplication::arguments().value(0);
  const int at = path.isEmpty() ? -1 : text.indexOf(path);
  if (at >= 0 && at < text.indexOf(QLatin1Char('\n')))
    text.replace(at, path.size(), QStringLiteral("quorex-cli"));
  return text;
}

QString CliApp::CommandHelpText(const QString &name) const {
  const CommandEntry *entry = FindCommand(name);
  if (!entry) return QString();
  QString text = tr("Aufruf: quorex-cli %1\n\n%2\n")
                     .arg(Translated(entry->synopsis), Translated(entry->description));
  const std::pair<const QCommandLineOption *, bool> options[] = {
      {&portOption_, entry->Takes(kPort)},     {&outputOption_, entry->Takes(kOutput)},
      {&formatOption_, entry->Takes(kFormat)}, {&verifyOption_, entry->Takes(kVerify)},
      {&backupOption_, entry->Takes(kBackup)}, {&yesOption_, entry->Takes(kYes)},
      {&quietOption_, entry->Takes(kPort)},    {&baseOption_, entry->Takes(kBase)},
      {&sinceOption_, entry->Takes(kSince)},   {&verboseOption_, true}};
  text += tr("\nOptionen:\n");
  for (const auto &[option, takes] : options) {
    if (!takes) continue;
    QStringList names;
    for (const QString &optionName : option->names())
      names << (optionName.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + optionName;
    // The formats of this command only, the first its default.
    QStringList formats;
    for (Format format : entry->formats) formats << FormatName(format);
    if (!formats.isEmpty()) formats.first() += tr(" (Standard)");
    const QString last = formats.isEmpty() ? QString() : formats.takeLast();
    const QString description =
        option != &formatOption_ ? option->description()
        : formats.isEmpty()      ? tr("Ausgabeformat: %1.").arg(last)
                                 : tr("Ausgabeformat: %1 oder %2.")
                                  .arg(formats.join(QStringLiteral(", ")), last);
    text += QStringLiteral("  %1\n      %2\n").arg(names.join(QStringLiteral(", ")), description);
  }
  return text;
}

std::optional<int> CliApp::Parse(const QStringList &arguments, Invocation *invocation) {
  errorText_.clear();
  const bool parsed = parser_.parse(arguments);
  // Asked for help or the version, the answer is that, whatever else is on the line; with a
  // command named ("help set", "set --help") the help of that command.
  const QStringList words = parser_.positionalArguments();
  const bool helpWord = !words.isEmpty() && words.first() == QLatin1String("help");
  if (helpWord || parser_.isSet(helpOption_) || parser_.isSet(QStringLiteral("help-all"))) {
    const QString name = words.value(helpWord ? 1 : 0);
    const QString commandHelp = CommandHelpText(name);
    if (helpWord && words.size() > 1 && commandHelp.isEmpty()) {
      std::fprintf(stderr, "quorex-cli: %s\n%s",
                   qUtf8Printable(tr("Unbekannter Befehl \"%1\".").arg(name)),
                   qUtf8Printable(UsageText()));
      return 2;
    }
    std::fputs((commandHelp.isEmpty() ? HelpText() : commandHelp).toUtf8().constData(), stdout);
    return Answered();
  }
  if (parser_.isSet(versionOption_)) {
    std::printf("%s %s\n", qUtf8Printable(QCoreApplication::applicationName()),
                qUtf8Printable(QCoreApplication::applicationVersion()));
    std::fputs(kQuorexLicenceNotice, stdout);
    return Answered();
  }
  if (!parsed) errorText_ = parser_.errorText();
  if (!parsed || !Check(invocation)) {
    std::fprintf(stderr, "quorex-cli: %s\n%s", qUtf8Printable(errorText_),
                 qUtf8Printable(UsageText()));
    // A script that asked for JSON gets the failure as JSON as well.
    if (parser_.value(formatOption_) == QLatin1String("json")) {
      const QJsonObject error{{QStringLiteral("error"), errorText_}, {QStringLiteral("exit"), 2}};
      std::printf("%s\n", QJsonDocument(error).toJson(QJsonDocument::Compact).constData());
    }
    return 2;
  }
  return std::nullopt;
}

int CliApp::Answered() {
  // Help that never reached a full disk or a closed pipe must not pass for shown.
  if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return ExitStatus::kOk;
  std::fprintf(stderr, "quorex-cli: %s\n",
               qUtf8Printable(tr("Die Ausgabe konnte nicht geschrieben werden.")));
  return ExitStatus::kFile;
}

bool CliApp::Fail(const QString &text) {
  errorText_ = text;
  return false;
}

bool CliApp::Check(Invocation *invocation) {
  QStringList words = parser_.positionalArguments();
  if (words.isEmpty()) return Fail(tr("Bitte geben Sie einen Befehl an."));
  const QString name = words.takeFirst();
  const CommandEntry *entry = FindCommand(name);
  if (!entry) return Fail(tr("Unbekannter Befehl \"%1\".").arg(name));
  Invocation checked;
  checked.command = entry->command;
  if (!CheckOptions(*entry, name, &checked) || !CheckOutput(*entry, name, checked) ||
      !CheckWords(*entry, name, words, &checked) || !CheckFormat(*entry, name, &checked))
    return false;
  // "-o -" is standard output, as with most shell tools.
  if (checked.output == QLatin1String("-")) checked.output.clear();
  *invocation = checked;
  return true;
}

// The options the command takes, each given once, with values that make sense; into *checked.
bool CliApp::CheckOptions(const CommandEntry &entry, const QString &name, Invocation *checked) {
  const std::pair<const QCommandLineOption &, unsigned> rules[] = {
      {portOption_, kPort},     {quietOption_, kPort},   {outputOption_, kOutput},
      {verifyOption_, kVerify}, {yesOption_, kYes},      {backupOption_, kBackup},
      {sinceOption_, kSince},   {baseOption_, kBase},   {formatOption_, kFormat}};
  for (const auto &[option, takes] : rules)
    if (!entry.Takes(takes) && parser_.isSet(option))
      return Fail(tr("Die Option --%1 gilt nicht für den Befehl %2.")
                      .arg(option.names().constLast(), name));

  // Last-one-wins would quietly talk to another port or write another file than the one
  // the technician sees first on the line.
  for (const QCommandLineOption *option : {&portOption_, &outputOption_, &baseOption_})
    if (parser_.values(*option).size() > 1)
      return Fail(tr("Die Option --%1 ist mehrfach angegeben.").arg(option->names().constLast()));

  checked->port = parser_.value(portOption_);
  checked->output = parser_.value(outputOption_);
  checked->verify = parser_.isSet(verifyOption_);
  checked->yes = parser_.isSet(yesOption_);
  checked->backup = parser_.isSet(backupOption_);
  checked->base = parser_.value(baseOption_);
  if (parser_.isSet(baseOption_) && checked->base.isEmpty())
    return Fail(tr("Der Name der Grundlage (--base) ist leer."));
  if (parser_.isSet(sinceOption_)) {
    const QString since = parser_.value(sinceOption_);
    // QDate takes a sign and fewer digits too ("-2026-01-01" is a year before Christ).
    static const QRegularExpression digits(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    checked->since = digits.match(since).hasMatch()
                         ? QDate::fromString(since, QStringLiteral("yyyy-MM-dd"))
                         : QDate();
    if (!checked->since.isValid())
      return Fail(tr("\"%1\" ist kein Datum; bitte JJJJ-MM-TT angeben, z. B. 2026-12-01.")
                      .arg(since));
  }
  checked->quiet = parser_.isSet(quietOption_);
  checked->verbose = parser_.isSet(verboseOption_);
  if (entry.Takes(kPort) && checked->port.trimmed().isEmpty())
    return Fail(parser_.isSet(portOption_) ? tr("Der Name des Ports ist leer.")
                                           : tr("Der Befehl %1 braucht --port.").arg(name));
  return true;
}

bool CliApp::CheckOutput(const CommandEntry &entry, const QString &name,
                         const Invocation &checked) {
  if (parser_.isSet(outputOption_) && checked.output.isEmpty())
    return Fail(tr("Der Name der Ausgabedatei ist leer."));
  if (entry.needs.output && checked.output.isEmpty())
    return Fail(Translated(entry.needs.output).arg(name));
  // Without -o, set replaces its file: "-o -" must not quietly come to mean that.
  if (entry.needs.outputNotStdout && checked.output == QLatin1String("-"))
    return Fail(Translated(entry.needs.outputNotStdout).arg(name));
  return true;
}

// The command's files, then its further words where it takes them.
bool CliApp::CheckWords(const CommandEntry &entry, const QString &name, QStringList words,
                        Invocation *checked) {
  if (words.size() < entry.files && entry.needs.text)
    return Fail(tr("Dem Befehl %1 fehlt der Name des Einstellungstextes.").arg(name));
  if (words.size() < entry.files)
    return Fail(entry.files == 1
                    ? tr("Dem Befehl %1 fehlt der Name der Registerdatei.").arg(name)
                    : tr("Dem Befehl %1 fehlen die Namen zweier Registerdateien.").arg(name));
  if (entry.Takes(kWords)) {
    checked->words = words.mid(entry.files);
    words = words.mid(0, entry.files);
  }
  if (entry.needs.words && checked->words.isEmpty())
    return Fail(Translated(entry.needs.words).arg(name));
  if (words.size() > entry.files)
    return Fail(tr("Zu viele Argumente für den Befehl %1: %2")
                    .arg(name, words.mid(entry.files).join(QLatin1Char(' '))));
  for (const QString &file : words)
    if (file.isEmpty())
      return Fail(entry.needs.text ? tr("Der Name des Einstellungstextes ist leer.")
                                   : tr("Der Name der Registerdatei ist leer."));
  checked->files = words;
  return true;
}

bool CliApp::CheckFormat(const CommandEntry &entry, const QString &name, Invocation *checked) {
  if (!entry.formats.empty()) {
    checked->format = entry.formats.front();
    // Without --format the output file's ending chooses ("bericht.pdf").
    const QString ending = QFileInfo(checked->output).suffix().toLower();
    for (Format format : entry.formats)
      if (!checked->output.isEmpty() && ending == FormatName(format)) checked->format = format;
    if (parser_.isSet(formatOption_)) {
      const QString value = parser_.value(formatOption_);
      QStringList names;
      bool known = false;
      for (Format format : entry.formats) {
        names << FormatName(format);
        if (value == FormatName(format)) {
          checked->format = format;
          known = true;
        }
      }
      if (!known)
        return Fail(tr("Das Format \"%1\" gibt es für den Befehl %2 nicht; möglich: %3.")
                        .arg(value, name, names.join(QStringLiteral(", "))));
    }
  }
  if (entry.Takes(kFormatOnlyWithVerify) && parser_.isSet(formatOption_) && !checked->verify)
    return Fail(tr("Die Option --format gilt für %1 nur zusammen mit --verify.").arg(name));
  if (checked->format == Format::Pdf &&
      (checked->output.isEmpty() || checked->output == QLatin1String("-")))
    return Fail(tr("Für --format pdf geben Sie bitte mit -o die Ausgabedatei an."));
  return true;
}
