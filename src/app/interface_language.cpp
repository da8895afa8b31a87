// SPDX-License-Identifier: GPL-3.0-or-later
#include "interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace chromadeck::app {

InterfaceLanguage LanguageForLocale(const QLocale& locale) {
    // QLocale reads "C", "POSIX" and "C.UTF-8" all as the C locale.
    const QLocale::Language language = locale.language();
    return language == QLocale::Chinese || language == QLocale::C ? InterfaceLanguage::Chinese
                                                                  : InterfaceLanguage::English;
}

InterfaceTranslation::InterfaceTranslation(InterfaceLanguage language) {
    if (language == InterfaceLanguage::English) {
        // Built in as a resource, so a moved install and the build folder find it alike.
        install(QStringLiteral("chromadeck_en"), QStringLiteral(":/translations"));
        return;
    }
    // Qt's own texts (the buttons of message boxes, the file, colour and font dialogs)
    // are written in English; the system's catalogue gives them in Chinese. "qt_zh_CN"
    // names Qt's modules' catalogues; the widgets' own is enough where it stands alone.
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!install(QStringLiteral("qt_zh_CN"), qtFolder))
        install(QStringLiteral("qtbase_zh_CN"), qtFolder);
}

InterfaceTranslation::~InterfaceTranslation() {
    for (const auto& translator : installed_) QCoreApplication::removeTranslator(translator.get());
}

bool InterfaceTranslation::install(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    const bool loaded =
        translator->load(file, folder) && QCoreApplication::installTranslator(translator.get());
    complete_ = loaded;
    if (loaded) installed_.push_back(std::move(translator));
    return loaded;
}

}  // namespace chromadeck::app
