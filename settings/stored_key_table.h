// The key table in the Settings key: the values KeyCnt and KeyTable, read for start-up and the
// key recorder, and written when the recorder's table is kept.
#pragma once

#include "keys/key_table.h"
#include "keys/key_table_store.h"
#include "settings/settings_values.h"

namespace kestrel {

// KeyCnt (absent: 0) and, when it is nonzero, the records of KeyTable. KeyCnt 0 gives the
// defaults with `isDefault` set, whatever KeyTable holds; a count too large to be a real table
// gives the defaults too. Rows the value does not supply are zero and never fire.
LoadedKeyTable ReadKeyTable(const SettingsSource& source);

// After "Restore to default" (`restored`): KeyCnt 0 and KeyTable deleted. Otherwise KeyCnt is
// the row count and KeyTable its 40-byte records in table order.
void WriteKeyTable(SettingsSink& sink, const KeyTable& table, bool restored);

} // namespace kestrel
