// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QTranslator>

namespace hueloupe {

// The application's own messages and Qt's (its dialogs and standard buttons) in the user's
// language. QLocale::system() follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG, whether or not
// that locale is installed. Loading works before any QCoreApplication exists; install() needs
// one, and the translators must outlive it.
struct Translations {
    QTranslator application;
    QTranslator qt;

    explicit Translations(const QLocale& locale = QLocale::system());
    void install();
};

}  // namespace hueloupe
