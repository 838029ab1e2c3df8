// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QTranslator>

namespace pali {

// Qt's own texts (the context menu of a text box, the file dialog, the
// standard buttons) in Italian like the rest of the window, whatever the
// user's language: installed for as long as this object lives. Numbers keep
// following the user's locale. Where Qt's Italian translation is not
// installed, the toolkit's English texts stay and nothing fails.
class ItalianQtTexts {
public:
    ItalianQtTexts();
    explicit ItalianQtTexts(const QString& translationsFolder);
    ~ItalianQtTexts();

    ItalianQtTexts(const ItalianQtTexts&) = delete;
    ItalianQtTexts& operator=(const ItalianQtTexts&) = delete;

    bool installed() const { return installed_; }

private:
    QTranslator translator_;
    bool installed_ = false;
};

}  // namespace pali
