// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace chromadeck::app {

// The languages the program's windows speak. Chinese is the one they are written in.
enum class InterfaceLanguage { Chinese, English };

// Chinese for a Chinese locale and for the plain C/POSIX one, where the user chose no
// language at all; English for every other, since that is the one translation there is.
InterfaceLanguage LanguageForLocale(const QLocale& locale);

// Puts the program's captions, and Qt's own dialogs with them, in one language for as
// long as it lives: the English translation built into the program, or for Chinese Qt's
// own Chinese catalogue from the system, so that no dialog answers in English. Made once
// the application exists and before the first window; a missing catalogue leaves those
// texts as they are written.
class InterfaceTranslation {
  public:
    explicit InterfaceTranslation(InterfaceLanguage language);
    ~InterfaceTranslation();
    InterfaceTranslation(const InterfaceTranslation&) = delete;
    InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;

    // Whether the catalogue the language needs was found and is in force.
    bool complete() const { return complete_; }

  private:
    // True when the catalogue `file` was found in `folder` and is in force.
    bool install(const QString& file, const QString& folder);

    std::vector<std::unique_ptr<QTranslator>> installed_;
    bool complete_ = true;
};

}  // namespace chromadeck::app
