#include "SettingsCatalog.h"

#include "BusyTable.h"
#include "DetailFmsTable.h"
#include "DuplexTable.h"
#include "FunkkreisTable.h"
#include "HeadsetTable.h"
#include "HoererLsTable.h"
#include "NfTable.h"
#include "Register.h"
#include "SenderTable.h"
#include "SquelchTable.h"
#include "TastenfunktionenTable.h"
#include "TonbandrelaisTable.h"
#include "TonrufTable.h"
#include "TxTable.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace {

using Describe = std::function<QString(const QStringList &)>;
using Spots = std::vector<RegisterSpot>;

QChar CharAt(const QStringList &texts, RegisterSpot spot) {
  if (spot.reg < 0 || spot.reg >= texts.size()) return QChar();
  const QString &text = texts.at(spot.reg);
  return spot.pos >= 0 && spot.pos < text.size() ? text.at(spot.pos) : QChar();
}

// The stored characters as they stand; a character the image lacks shows as "-".
QString CharsAt(const QStringList &texts, const Spots &spots) {
  QString chars;
  for (RegisterSpot spot : spots) {
    const QChar c = CharAt(texts, spot);
    chars += c.isNull() ? QLatin1Char('-') : c;
  }
  return chars;
}

bool IsDecimal(const QString &chars) {
  return !chars.isEmpty() && std::all_of(chars.begin(), chars.end(), [](QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
  });
}

bool IsHex(const QString &chars) { return !chars.isEmpty() && Register::IsHexText(chars); }

QString Unknown(const QString &chars) {
  return SettingsCatalog::tr("unbekannter Wert %1").arg(chars);
}

QString WithoutColon(QString text) {
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

Describe Choice(RegisterSpot spot, const ItemTable &table) {
  return [spot, &table](const QStringList &texts) {
    const QChar c = CharAt(texts, spot);
    const QString text = TextFor(table, c);
    return text.isNull() ? Unknown(CharsAt(texts, {spot})) : text;
  };
}

Describe CheckBox(RegisterSpot spot) {
  return [spot](const QStringList &texts) {
    const QChar c = CharAt(texts, spot);
    if (c == QLatin1Char('1')) return SettingsCatalog::tr("ein");
    if (c == QLatin1Char('0')) return SettingsCatalog::tr("aus");
    return Unknown(CharsAt(texts, {spot}));
  };
}

// A hex digit whose bits 0 to 3 are four boxes: the names of the ticked ones, or `none`.
Describe Mask(RegisterSpot spot, const QStringList &names, const QString &none) {
  return [spot, names, none](const QStringList &texts) {
    const QString chars = CharsAt(texts, {spot});
    if (!IsHex(chars)) return Unknown(chars);
    const int value = Register::HexDigitToValue(chars.at(0));
    QStringList ticked;
    for (int bit = 0; bit < 4; ++bit)
      if (value & (1 << bit)) ticked << names.at(bit);
    return ticked.isEmpty() ? none : ticked.join(QStringLiteral(", "));
  };
}

// Hex characters shown as they stand: telegrams and their fields.
Describe HexText(const Spots &spots) {
  return [spots](const QStringList &texts) {
    const QString chars = CharsAt(texts, spots);
    return IsHex(chars) ? chars : Unknown(chars);
  };
}

// One page under construction. Labels are the texts of the page's form, so they are looked
// up in the form's translation context (the page's class name).
class PageBuilder {
 public:
  PageBuilder(const char *formContext, const char *title) : formContext_(formContext) {
    page_.title = Form(title);
  }

  QString Form(const char *text) const { return QCoreApplication::translate(formContext_, text); }

  void Add(const QString &context, const char *name, Spots spots, Describe describe) {
    SettingsCatalog::Setting setting;
    setting.page = page_.title;
    setting.context = context;
    setting.name = WithoutColon(Form(name));
    setting.spots = std::move(spots);
    setting.describe = std::move(describe);
    page_.settings.push_back(std::move(setting));
  }
  void Add(const char *name, Spots spots, Describe describe) {
    Add(QString(), name, std::move(spots), std::move(describe));
  }

  // A bare name that repeats on the page is told apart by its group.
  SettingsCatalog::Page Finish() {
    std::map<QString, int> count;
    for (const auto &setting : page_.settings) ++count[setting.name];
    for (auto &setting : page_.settings)
      setting.label = count[setting.name] > 1 && !setting.context.isEmpty()
                          ? setting.context + QStringLiteral(" / ") + setting.name
                          : setting.name;
    return std::move(page_);
  }

 private:
  const char *formContext_;
  SettingsCatalog::Page page_;
};

SettingsCatalog::Page FunkkreisPage() {
  using namespace FunkkreisTable;
  PageBuilder page("Funkkreiskonfiguration",
                   QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreiskonfiguration"));
  const char *const erlaubt[4] = {
      QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 1 erlaubt"),
      QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 2 erlaubt"),
      QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 3 erlaubt"),
      QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 4 erlaubt"),
  };
  const char *const beimEinschaltenAn[4] = {
      QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 1 beim Einschalten an"),
      QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 2 beim Einschalten an"),
      QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 3 beim Einschalten an"),
      QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Funkkreis 4 beim Einschalten an"),
  };
  for (int i = 0; i < 4; ++i) page.Add(erlaubt[i], {kErlaubt[i]}, CheckBox(kErlaubt[i]));
  page.Add(QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Mehrere aktive Kreise möglich"),
           {kMehrereAktiveKreise}, CheckBox(kMehrereAktiveKreise));
  for (int i = 0; i < 4; ++i)
    page.Add(beimEinschaltenAn[i], {kBeimEinschaltenAn[i]}, CheckBox(kBeimEinschaltenAn[i]));
  page.Add(QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Beim Einschalten aktive Kreise"),
           {kEinschaltKreise}, Choice(kEinschaltKreise, kEinschaltItems));
  page.Add(QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Automatische Kreisaktivierung:"),
           {kAutomatischeKreisaktivierung},
           Choice(kAutomatischeKreisaktivierung, kAutomatikItems));
  // The last-circuit boxes carry the same texts as the "erlaubt" boxes on the form.
  QStringList names;
  for (const char *name : erlaubt) names << page.Form(name);
  page.Add(QT_TRANSLATE_NOOP("Funkkreiskonfiguration", "Letzter Kreis nach Einschalten:"),
           {kLetzterKreisMaske},
           Mask(kLetzterKreisMaske, names, SettingsCatalog::tr("keiner")));
  return page.Finish();
}

SettingsCatalog::Page SquelchPage() {
  using namespace SquelchTable;
  PageBuilder page("Squelchkonfiguration",
                   QT_TRANSLATE_NOOP("Squelchkonfiguration", "Squelchkonfiguration"));
  const char *const kreis[4] = {
      QT_TRANSLATE_NOOP("Squelchkonfiguration", "Funkkreis 1"),
      QT_TRANSLATE_NOOP("Squelchkonfiguration", "Funkkreis 2"),
      QT_TRANSLATE_NOOP("Squelchkonfiguration", "Funkkreis 3"),
      QT_TRANSLATE_NOOP("Squelchkonfiguration", "Funkkreis 4"),
  };
  for (int i = 0; i < 4; ++i) {
    page.Add(page.Form(kreis[i]), QT_TRANSLATE_NOOP("Squelchkonfiguration", "SQL"), {kSql[i]},
             Choice(kSql[i], kSqlItems));
    page.Add(page.Form(kreis[i]), QT_TRANSLATE_NOOP("Squelchkonfiguration", "NF"), {kNf[i]},
             Choice(kNf[i], kNfItems));
  }
  return page.Finish();
}

SettingsCatalog::Page BusyAusgangPage() {
  using namespace BusyTable;
  PageBuilder page("BUSYOutKonfig",
                   QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Konfiguration"));
  const char *const ausgang[4] = {
      QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Funkkreis 1:"),
      QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Funkkreis 2:"),
      QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Funkkreis 3:"),
      QT_TRANSLATE_NOOP("BUSYOutKonfig", "BUSY Ausgang Funkkreis 4:"),
  };
  for (int i = 0; i < 4; ++i)
    page.Add(ausgang[i], {kAusgang[i]}, Choice(kAusgang[i], kAusgangItems));
  return page.Finish();
}

SettingsCatalog::Page BusyEingangPage() {
  using namespace BusyTable;
  PageBuilder page("BUSYInKonfig",
                   QT_TRANSLATE_NOOP("BUSYInKonfig", "BUSY Eingang Konfiguration"));
  const char *const kreis[4] = {
      QT_TRANSLATE_NOOP("BUSYInKonfig", "Funkkreis 1:"),
      QT_TRANSLATE_NOOP("BUSYInKonfig", "Funkkreis 2:"),
      QT_TRANSLATE_NOOP("BUSYInKonfig", "Funkkreis 3:"),
      QT_TRANSLATE_NOOP("BUSYInKonfig", "Funkkreis 4:"),
  };
  const QString led = page.Form(QT_TRANSLATE_NOOP("BUSYInKonfig", "LED wenn BUSY Eingang aktiv"));
  const QString funktion =
      page.Form(QT_TRANSLATE_NOOP("BUSYInKonfig", "Funktion wenn BUSY Eingang aktiv"));
  // Both items that only consoles from version 1.07 on know are named whatever the console:
  // a stored "6" or "7" means the same to every reader of a register file.
  for (int i = 0; i < 4; ++i)
    page.Add(led, kreis[i], {kEingangLed[i]}, Choice(kEingangLed[i], kLedItems));
  for (int i = 0; i < 4; ++i)
    page.Add(funktion, kreis[i], {kEingangFunktion[i]},
             Choice(kEingangFunktion[i], kFunktionItems));
  return page.Finish();
}

SettingsCatalog::Page TxPage() {
  using namespace TxTable;
  PageBuilder page("TXKonfig", QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Konfiguration"));
  const char *const kreis[4] = {
      QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Funkkreis 1:"),
      QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Funkkreis 2:"),
      QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Funkkreis 3:"),
      QT_TRANSLATE_NOOP("TXKonfig", "TX Eingang Funkkreis 4:"),
  };
  const QString led = page.Form(QT_TRANSLATE_NOOP("TXKonfig", "LED wenn TX Eingang aktiv"));
  const QString funktion =
      page.Form(QT_TRANSLATE_NOOP("TXKonfig", "Funktion wenn TX Eingang aktiv"));
  for (int i = 0; i < 4; ++i) page.Add(led, kreis[i], {kLed[i]}, Choice(kLed[i], kLedItems));
  for (int i = 0; i < 4; ++i)
    page.Add(funktion, kreis[i], {kFunktion[i]}, Choice(kFunktion[i], kFunktionItems));
  return page.Finish();
}

SettingsCatalog::Page DuplexPage() {
  using namespace DuplexTable;
  PageBuilder page("DuplexKonfig", QT_TRANSLATE_NOOP("DuplexKonfig", "Duplex-Konfiguration"));
  const char *const kreis[4] = {
      QT_TRANSLATE_NOOP("DuplexKonfig", "Funkkreis 1"),
      QT_TRANSLATE_NOOP("DuplexKonfig", "Funkkreis 2"),
      QT_TRANSLATE_NOOP("DuplexKonfig", "Funkkreis 3"),
      QT_TRANSLATE_NOOP("DuplexKonfig", "Funkkreis 4"),
  };
  for (int i = 0; i < 4; ++i) page.Add(kreis[i], {kModus[i]}, Choice(kModus[i], kModusItems));
  // The page reads every digit as some choice (modulo 4) and rewrites it at OK; only "0" to
  // "7" are what the page itself stores.
  const auto packed = [](const QStringList &texts) {
    const QChar c = CharAt(texts, kMuting);
    return c >= QLatin1Char('0') && c <= QLatin1Char('7') ? c.unicode() - '0' : -1;
  };
  page.Add(QT_TRANSLATE_NOOP("DuplexKonfig",
                             "Verhalten auf Kreisen ohne PTT (während PTT mit offenem "
                             "Lautsprecher)"),
           {kMuting}, [packed](const QStringList &texts) {
             const int value = packed(texts);
             if (value < 0) return Unknown(CharsAt(texts, {kMuting}));
             return QCoreApplication::translate("Items",
                                                kMutingItems[MutingIndex(CharAt(texts, kMuting))]);
           });
  page.Add(QT_TRANSLATE_NOOP("DuplexKonfig",
                             "Verhalten auch auf angewählte analoge Kreise anwenden"),
           {kMuting}, [packed](const QStringList &texts) {
             const int value = packed(texts);
             if (value < 0) return Unknown(CharsAt(texts, {kMuting}));
             return MutingAnalog(CharAt(texts, kMuting)) ? SettingsCatalog::tr("ein")
                                                           : SettingsCatalog::tr("aus");
           });
  return page.Finish();
}

SettingsCatalog::Page NfPage() {
  using namespace NfTable;
  PageBuilder page("NFKonfig", QT_TRANSLATE_NOOP("NFKonfig", "NF-Eingangskonfiguration"));
  const char *const kreis[4] = {
      QT_TRANSLATE_NOOP("NFKonfig", "Funkkreis 1:"),
      QT_TRANSLATE_NOOP("NFKonfig", "Funkkreis 2:"),
      QT_TRANSLATE_NOOP("NFKonfig", "Funkkreis 3:"),
      QT_TRANSLATE_NOOP("NFKonfig", "Funkkreis 4:"),
  };
  const QString deaktiviert = page.Form(QT_TRANSLATE_NOOP("NFKonfig", "Deaktivierter Kreis"));
  const QString aktiviert = page.Form(QT_TRANSLATE_NOOP("NFKonfig", "Aktivierter Kreis"));
  for (int i = 0; i < 4; ++i)
    page.Add(deaktiviert, kreis[i], {kDeaktiviert[i]}, Choice(kDeaktiviert[i], kItems));
  for (int i = 0; i < 4; ++i)
    page.Add(aktiviert, kreis[i], {kAktiviert[i]}, Choice(kAktiviert[i], kItems));
  return page.Finish();
}

SettingsCatalog::Page TonbandrelaisPage() {
  using namespace TonbandrelaisTable;
  PageBuilder page("TonbandrelaisKonfig",
                   QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "Tonbandrelais Konfiguration"));
  page.Add(QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "REL mit TX an"), {kRelMitTX},
           CheckBox(kRelMitTX));
  page.Add(QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "REL mit jedem SQL an"), {kRelMitJedemSQL},
           CheckBox(kRelMitJedemSQL));
  page.Add(QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "REL mit SQL auf aktiviertem Kreis an"),
           {kRelMitSQLAufAktiviertemKreis}, CheckBox(kRelMitSQLAufAktiviertemKreis));
  // The field shows the number without leading zeros. The page would read "1A5" as 1; here
  // any character that is no digit shows the stored text, so a damaged register stands out.
  page.Add(QT_TRANSLATE_NOOP("TonbandrelaisKonfig", "Nachlaufzeit in s:"), kNachlaufzeit,
           [](const QStringList &texts) {
             const QString chars = CharsAt(texts, kNachlaufzeit);
             if (!IsDecimal(chars)) return Unknown(chars);
             return SettingsCatalog::tr("%1 s").arg(chars.toInt());
           });
  return page.Finish();
}

SettingsCatalog::Page HeadsetPage() {
  using namespace HeadsetTable;
  PageBuilder page("HeadsetKonfig", QT_TRANSLATE_NOOP("HeadsetKonfig", "Headset Konfiguration"));
  page.Add(QT_TRANSLATE_NOOP("HeadsetKonfig", "Mikro für SH-Taste (PTT):"), {kMikroSHTaste},
           Choice(kMikroSHTaste, kMikroItems));
  page.Add(QT_TRANSLATE_NOOP("HeadsetKonfig", "Mikro für HS-Taste (Fußtaster):"),
           {kMikroHSTaste}, Choice(kMikroHSTaste, kMikroItems));
  // The field shows the three digits as they stand, followed by the unit label "* 5 mV".
  page.Add(QT_TRANSLATE_NOOP("HeadsetKonfig",
                             "Schwellwertspannung für AD-Wandler für Headseterkennung:"),
           kSchwellwert, [](const QStringList &texts) {
             const QString chars = CharsAt(texts, kSchwellwert);
             if (!IsDecimal(chars)) return Unknown(chars);
             return SettingsCatalog::tr("%1 × %2 mV (%3 mV)")
                 .arg(chars)
                 .arg(kSchwellwertStepMillivolts)
                 .arg(chars.toInt() * kSchwellwertStepMillivolts);
           });
  return page.Finish();
}

SettingsCatalog::Page HoererLsPage() {
  using namespace HoererLsTable;
  PageBuilder page("HoererLSKonfig",
                   QT_TRANSLATE_NOOP("HoererLSKonfig", "Hörer- und Lautsprecherkonfiguration"));
  page.Add(QT_TRANSLATE_NOOP("HoererLSKonfig", "Hörer"), {kHoerer},
           Choice(kHoerer, kHoererItems));
  page.Add(QT_TRANSLATE_NOOP("HoererLSKonfig", "Lautsprecher"), {kLautsprecher},
           Choice(kLautsprecher, kLautsprecherItems));
  return page.Finish();
}

// The group titles of the key functions page, one per telegram: PTT, RUF 1, RUF 2.
const char *const kTelegramGroups[3] = {
    QT_TRANSLATE_NOOP("Tastenfunktionen", "PTT"),
    QT_TRANSLATE_NOOP("Tastenfunktionen", "RUF 1 Taste"),
    QT_TRANSLATE_NOOP("Tastenfunktionen", "RUF 2 Taste"),
};

std::array<Spots, 3> TelegramSpotsOfKeys() {
  using namespace TastenfunktionenTable;
  return {TelegramSpots(kPttTelegramRegister, kPttTelegramRest),
          TelegramSpots(kRufKeys[0].telegramRegister, kRufKeys[0].telegramRest),
          TelegramSpots(kRufKeys[1].telegramRegister, kRufKeys[1].telegramRest)};
}

SettingsCatalog::Page TastenfunktionenPage() {
  using namespace TastenfunktionenTable;
  PageBuilder page("Tastenfunktionen",
                   QT_TRANSLATE_NOOP("Tastenfunktionen", "Tastenfunktionen"));
  const std::array<Spots, 3> telegrams = TelegramSpotsOfKeys();
  const char *const kreisLabel = QT_TRANSLATE_NOOP("Tastenfunktionen", "auf Kreis:");
  const QStringList kreise = {page.Form(QT_TRANSLATE_NOOP("Tastenfunktionen", "1")),
                              page.Form(QT_TRANSLATE_NOOP("Tastenfunktionen", "2")),
                              page.Form(QT_TRANSLATE_NOOP("Tastenfunktionen", "3")),
                              page.Form(QT_TRANSLATE_NOOP("Tastenfunktionen", "4"))};

  const QString ptt = page.Form(kTelegramGroups[0]);
  page.Add(ptt, QT_TRANSLATE_NOOP("Tastenfunktionen", "FMS Kennung bei PTT"),
           {kFmsKennungBeiPtt}, CheckBox(kFmsKennungBeiPtt));
  page.Add(ptt, kreisLabel, {kPttKreise},
           Mask(kPttKreise, kreise, SettingsCatalog::tr("keiner")));
  page.Add(ptt, QT_TRANSLATE_NOOP("Tastenfunktionen", "FMS Kennung:"), telegrams[0],
           HexText(telegrams[0]));

  const char *const funktion[2] = {
      QT_TRANSLATE_NOOP("Tastenfunktionen", "Funktion RUF1-Taste:"),
      QT_TRANSLATE_NOOP("Tastenfunktionen", "Funktion RUF2-Taste:"),
  };
  const ItemTable *const funktionItems[2] = {&kRuf1FunktionItems, &kRuf2FunktionItems};
  // No circuit ticked is what "auf aktuellen Kreis" means for a call key.
  const QString aktuellerKreis =
      page.Form(QT_TRANSLATE_NOOP("Tastenfunktionen", "auf aktuellen Kreis"));
  for (int key = 0; key < 2; ++key) {
    const RufKey &spots = kRufKeys[key];
    const QString group = page.Form(kTelegramGroups[key + 1]);
    page.Add(group, funktion[key], {spots.funktion}, Choice(spots.funktion, *funktionItems[key]));
    page.Add(group, kreisLabel, {spots.kreise}, Mask(spots.kreise, kreise, aktuellerKreis));
    // Both stored texts are listed whatever the function: the page keeps both registers.
    page.Add(group, kTelegrammLabel, telegrams[key + 1], HexText(telegrams[key + 1]));
    const Spots tonfolge = WholeRegister(spots.tonfolgeRegister);
    page.Add(group, kTonfolgeLabel, tonfolge, [tonfolge](const QStringList &texts) {
      const QString chars = CharsAt(texts, tonfolge);
      const QString digits = chars.left(kTonfolgeDigits);
      const QString rest = chars.mid(kTonfolgeDigits);
      if (!IsHex(digits)) return Unknown(chars);
      // The page always writes "000" after the digits and never shows them.
      if (rest != QString(rest.size(), QLatin1Char('0')))
        return SettingsCatalog::tr("%1 (dahinter unbekannter Wert %2)").arg(digits, rest);
      return digits;
    });
  }
  return page.Finish();
}

SettingsCatalog::Page DetailFmsPage() {
  using namespace DetailFmsTable;
  PageBuilder page("DetailFMS", QT_TRANSLATE_NOOP("DetailFMS", "Detail FMS"));
  const std::array<Spots, 3> telegrams = TelegramSpotsOfKeys();
  for (int t = 0; t < 3; ++t) {
    const Spots &spots = telegrams[t];
    const QString group = QCoreApplication::translate("Tastenfunktionen", kTelegramGroups[t]);
    const auto part = [&spots](int index, int length) {
      return Spots(spots.begin() + index, spots.begin() + index + length);
    };
    page.Add(group, QT_TRANSLATE_NOOP("DetailFMS", "BOS-Kennung:"), {spots[kBosIndex]},
             Choice(spots[kBosIndex], kBosItems));
    page.Add(group, QT_TRANSLATE_NOOP("DetailFMS", "Landeskennung:"), {spots[kLandIndex]},
             Choice(spots[kLandIndex], kLandItems));
    page.Add(group, QT_TRANSLATE_NOOP("DetailFMS", "Ortskennung:"), part(kOrtIndex, kOrtLength),
             HexText(part(kOrtIndex, kOrtLength)));
    page.Add(group, QT_TRANSLATE_NOOP("DetailFMS", "Fahrzeugkennung:"),
             part(kFahrzeugIndex, kFahrzeugLength), HexText(part(kFahrzeugIndex, kFahrzeugLength)));
    // The status list and the direction share the group "Status oder Anweisung"; the TKI and
    // build stage groups beside it have no title of their own, so their choice is named here.
    const Spots last = {spots[kStatusIndex], spots[kFlagsIndex]};
    page.Add(group, QT_TRANSLATE_NOOP("DetailFMS", "Status oder Anweisung"), last,
             [last](const QStringList &texts) {
               const QString chars = CharsAt(texts, last);
               const QString status = TextFor(kStatusItems, chars.at(0));
               if (status.isNull() || !IsHex(chars.mid(1))) return Unknown(chars);
               const Flags flags = SplitFlags(Register::HexDigitToValue(chars.at(1)));
               const auto form = [](const char *text) {
                 return QCoreApplication::translate("DetailFMS", text);
               };
               return SettingsCatalog::tr("%1 %2, %3, %4")
                   .arg(form(flags.anweisung ? kAnweisungText : kStatusText), status,
                        form(kTkiTexts[flags.tki]), form(kBaustufeTexts[flags.baustufe2]));
             });
  }
  return page.Finish();
}

SettingsCatalog::Page TonrufPage() {
  using namespace TonrufTable;
  PageBuilder page("Tonrufauswertung",
                   QT_TRANSLATE_NOOP("Tonrufauswertung", "Tonrufauswertung"));
  const char *const kreis[4] = {
      QT_TRANSLATE_NOOP("Tonrufauswertung", "Kreis 1"),
      QT_TRANSLATE_NOOP("Tonrufauswertung", "Kreis 2"),
      QT_TRANSLATE_NOOP("Tonrufauswertung", "Kreis 3"),
      QT_TRANSLATE_NOOP("Tonrufauswertung", "Kreis 4"),
  };
  const QString nurNeuer = page.Form(QT_TRANSLATE_NOOP("Tonrufauswertung", "Nur neuen Kreis an"));
  const QString zusaetzlich =
      page.Form(QT_TRANSLATE_NOOP("Tonrufauswertung", "Neuen Kreis zusätzlich an"));
  for (int i = 0; i < 4; ++i) {
    const RegisterSpot spot = kAktivierung[i];
    // The condition and the mode share one digit: "0" to "7" are what the page stores.
    const auto packed = [spot](const QStringList &texts) {
      const QChar c = CharAt(texts, spot);
      return c >= QLatin1Char('0') && c < QLatin1Char(char('0' + 2 * kZusaetzlich))
                 ? c.unicode() - '0'
                 : -1;
    };
    const QString group = page.Form(kreis[i]);
    page.Add(group, QT_TRANSLATE_NOOP("Tonrufauswertung", "Auszuwertender Tonruf:"),
             {kTonruf[i]}, Choice(kTonruf[i], kTonrufItems));
    page.Add(group, QT_TRANSLATE_NOOP("Tonrufauswertung", "Funkkreisaktivierung:"), {spot},
             [spot, packed](const QStringList &texts) {
               const int value = packed(texts);
               if (value < 0) return Unknown(CharsAt(texts, {spot}));
               const int condition = value % kZusaetzlich;
               return TextFor(kAktivierungItems, QChar::fromLatin1(char('0' + condition)));
             });
    // The mode's radio pair has no label but its circuit's group.
    page.Add(kreis[i], {spot}, [spot, packed, nurNeuer, zusaetzlich](const QStringList &texts) {
      const int value = packed(texts);
      if (value < 0) return Unknown(CharsAt(texts, {spot}));
      return value >= kZusaetzlich ? zusaetzlich : nurNeuer;
    });
  }
  return page.Finish();
}

SettingsCatalog::Page SenderPage() {
  using namespace SenderTable;
  PageBuilder page("Sendezeitbegrenzung",
                   QT_TRANSLATE_NOOP("Sendezeitbegrenzung", "Sendereinstellungen"));
  // Both fields show their stored digits as they stand.
  page.Add(QT_TRANSLATE_NOOP("Sendezeitbegrenzung", "Sendezeitbegrenzung in s:"), kSendezeit,
           [](const QStringList &texts) {
             const QString chars = CharsAt(texts, kSendezeit);
             if (!IsDecimal(chars)) return Unknown(chars);
             if (chars == kKeineBegrenzung)
               return SettingsCatalog::tr("%1 s (keine Begrenzung)").arg(chars);
             return SettingsCatalog::tr("%1 s").arg(chars);
           });
  page.Add(QT_TRANSLATE_NOOP("Sendezeitbegrenzung", "Sendervorlaufzeit in ms:"), kVorlaufzeit,
           [](const QStringList &texts) {
             const QString chars = CharsAt(texts, kVorlaufzeit);
             if (!IsDecimal(chars)) return Unknown(chars);
             return SettingsCatalog::tr("%1 ms").arg(VorlaufzeitText(chars.at(0), chars.at(1)));
           });
  return page.Finish();
}

}  // namespace

QString SettingsCatalog::Setting::Value(const Register &image) const {
  return describe(image.AllTexts());
}

std::vector<RegisterSpot> SettingsCatalog::Page::Spots() const {
  std::set<RegisterSpot> spots;
  for (const Setting &setting : settings) spots.insert(setting.spots.begin(), setting.spots.end());
  return {spots.begin(), spots.end()};
}

const SettingsCatalog::Setting *SettingsCatalog::Page::Find(const QString &label) const {
  for (const Setting &setting : settings)
    if (setting.label == label) return &setting;
  return nullptr;
}

SettingsCatalog::SettingsCatalog() {
  pages_.push_back(FunkkreisPage());
  pages_.push_back(SquelchPage());
  pages_.push_back(BusyAusgangPage());
  pages_.push_back(BusyEingangPage());
  pages_.push_back(TxPage());
  pages_.push_back(DuplexPage());
  pages_.push_back(NfPage());
  pages_.push_back(TonbandrelaisPage());
  pages_.push_back(HeadsetPage());
  pages_.push_back(HoererLsPage());
  pages_.push_back(TastenfunktionenPage());
  pages_.push_back(DetailFmsPage());
  pages_.push_back(TonrufPage());
  pages_.push_back(SenderPage());
}

const SettingsCatalog::Page *SettingsCatalog::FindPage(const QString &title) const {
  for (const Page &page : pages_)
    if (page.title == title) return &page;
  return nullptr;
}

std::vector<RegisterSpot> SettingsCatalog::CoveredSpots() const {
  std::set<RegisterSpot> spots;
  for (const Page &page : pages_)
    for (const Setting &setting : page.settings)
      spots.insert(setting.spots.begin(), setting.spots.end());
  return {spots.begin(), spots.end()};
}

std::vector<SettingsCatalog::UncoveredRegister> SettingsCatalog::Uncovered() const {
  const std::vector<RegisterSpot> covered = CoveredSpots();
  const std::set<RegisterSpot> used(covered.begin(), covered.end());
  std::vector<UncoveredRegister> uncovered;
  for (int reg = 0; reg < Register::kRegisterCount; ++reg) {
    UncoveredRegister entry;
    entry.reg = reg;
    for (int pos = 0; pos < Register::kRegisterLength; ++pos)
      if (!used.count({reg, pos})) entry.positions.push_back(pos);
    if (!entry.positions.empty()) uncovered.push_back(std::move(entry));
  }
  return uncovered;
}

std::vector<SettingsCatalog::Difference> SettingsCatalog::Compare(const QStringList &a,
                                                                  const QStringList &b) const {
  std::vector<Difference> differences;
  for (const Page &page : pages_) {
    for (const Setting &setting : page.settings) {
      const QString valueA = setting.Value(a);
      const QString valueB = setting.Value(b);
      if (valueA != valueB)
        differences.push_back({page.title, setting.label, valueA, valueB, setting.spots});
    }
  }
  for (const UncoveredRegister &entry : Uncovered()) {
    std::vector<RegisterSpot> spots;
    bool differs = false;
    for (int pos : entry.positions) {
      spots.push_back({entry.reg, pos});
      differs = differs || CharAt(a, spots.back()) != CharAt(b, spots.back());
    }
    if (differs)
      differences.push_back({UncoveredTitle(), entry.Label(), a.value(entry.reg),
                             b.value(entry.reg), std::move(spots)});
  }
  return differences;
}

QString SettingsCatalog::RegisterLabel(int reg) { return tr("Register %1").arg(reg); }

QString SettingsCatalog::UncoveredTitle() { return tr("Übrige Register"); }
