// SPDX-FileCopyrightText: 2026 Quorex-Entwicklung
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QString>
#include <memory>
#include <vector>

#include "FormText.h"
#include "PageTable.h"
#include "SettingCodec.h"

// What the page schemas (CircuitSchemas.cpp, AudioSchemas.cpp, KeySchemas.cpp, PageSchemas.cpp)
// build their settings from.
namespace SchemaParts {

using Spots = std::vector<RegisterSpot>;
using Codec = std::shared_ptr<const SettingCodec>;

// Ids are built from parts; the strings live as long as the schemas.
const char *Id(const QString &id);
const char *Id(const char *pattern, int number);

inline const FormText kNoGroup;
inline const FormText kKeiner = {"SettingsCatalog",
                                 QT_TRANSLATE_NOOP("SettingsCatalog", "keiner")};

Codec Choice(const ItemTable &table, int otherwise = -1);
Codec CheckBox();

}  // namespace SchemaParts
