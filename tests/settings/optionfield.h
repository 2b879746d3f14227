#pragma once

#include <QString>
#include <QtGlobal>

#include "settings/settings_store.h"

namespace marvane::test {

// The option stored under the value name `name`, as a number.
inline int fieldOf(const Options& o, const QString& name) {
    if (name == "Sound") return o.sound;
    if (name == "Menu") return o.menu;
    if (name == "Status") return o.status;
    if (name == "Response") return o.response;
    if (name == "C1") return o.c1;
    if (name == "C2") return o.c2;
    if (name == "LastMove") return o.lastMove;
    if (name == "LegalMoves") return o.legalMoves;
    if (name == "Coordinates") return o.coordinates;
    if (name == "Evaluations") return o.evaluations;
    if (name == "ExpertHard") return o.expertHard;
    qFatal("unknown option %s", qPrintable(name));
}

}  // namespace marvane::test
