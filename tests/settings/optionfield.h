// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include "settings/settings_store.h"

namespace marvane::test {

// The option stored under the value name `name`, as a number.
inline int fieldOf(const Options& o, const QString& name) {
    for (const OptionRow& option : kOptionTable)
        if (name == QLatin1String(option.key.data(), option.key.size())) return option.get(o);
    qFatal("unknown option %s", qPrintable(name));
}

}  // namespace marvane::test
