// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "FormText.h"
#include "PageTable.h"
#include "SettingCodec.h"

// What one configuration page holds, as data: its settings, each with a stable ASCII id, the
// group and label the page shows it under, its register spots and the codec of its kind. The
// page binds its controls through these codecs; the catalog, the report, the comparison and
// quorex-cli read and change settings through the same ones.
struct SettingSchema {
  // Lower-case ASCII, dot-separated, page first ("squelch.kreis1.sql"); never changes with a
  // label, so scripts and text files keep working.
  const char *id;
  // The group the control sits in (empty for none) and its label, as the page's form has them.
  FormText group;
  FormText name;
  // Every register character the setting covers, in the order its codec reads them.
  std::vector<RegisterSpot> spots;
  std::shared_ptr<const SettingCodec> codec;
  // A second view of characters another setting already covers (the FMS editor's fields of a
  // telegram): named and readable like any setting, but left out of a full export.
  bool view = false;
};

struct PageSchema {
  // Translation context of the page's form; also the context of its labels.
  const char *form;
  FormText title;
  std::vector<SettingSchema> settings;

  // The first setting over `spot` whose codec is a C: what a page binder binds a control to.
  // A page asking for a spot its schema lacks is a programming error: the process stops.
  template <class C>
  const C &CodecAt(RegisterSpot spot) const {
    for (const SettingSchema &setting : settings)
      for (RegisterSpot covered : setting.spots)
        if (covered == spot)
          if (auto *codec = dynamic_cast<const C *>(setting.codec.get())) return *codec;
    qFatal("%s: no setting of that kind at register %d position %d", form, spot.reg, spot.pos);
  }
};

// Every page's schema, in the order of the settings report: the configuration pages in
// register order of their first settings, the FMS editor after the key functions page.
const std::vector<const PageSchema *> &AllPageSchemas();
