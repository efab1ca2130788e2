// SPDX-License-Identifier: MIT
#include "Token.h"

#include <QUuid>

namespace hueloupe {

QString makeToken() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

}  // namespace hueloupe
