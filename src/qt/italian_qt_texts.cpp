// SPDX-License-Identifier: MIT

#include "qt/italian_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace pali {

ItalianQtTexts::ItalianQtTexts() : ItalianQtTexts(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
{}

ItalianQtTexts::ItalianQtTexts(const QString& translationsFolder)
{
    installed_ = translator_.load(QStringLiteral("qtbase_it"), translationsFolder) &&
                 QCoreApplication::installTranslator(&translator_);
}

ItalianQtTexts::~ItalianQtTexts()
{
    if (installed_) {
        QCoreApplication::removeTranslator(&translator_);
    }
}

}  // namespace pali
