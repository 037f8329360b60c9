#include "app/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <clocale>
#include <cstdlib>
#include <cstring>

namespace quillora::app {
namespace {

struct Missing {
    const char* context;
    const char* source;
    const char* japanese;
};

// Seen in the print dialog, its properties and the file chooser.
constexpr Missing kMissing[] = {
    {"QAbstractFileIconProvider", "Drive", "ドライブ"},
    {"QAbstractFileIconProvider", "Folder", "フォルダー"},
    {"QPrintSettingsOutput", "Pages", "ページ指定"},
    {"QPrintSettingsOutput", "Double Sided Printing", "両面印刷"},
    {"QPrintSettingsOutput", "Off", "オフ"},
    {"QPrintSettingsOutput", "Long side binding", "長辺綴じ"},
    {"QPrintSettingsOutput", "Short side binding", "短辺綴じ"},
    {"QPrintPropertiesWidget", "Advanced", "詳細"},
    {"QPrintPropertiesWidget", "There are conflicts in some options. Please fix them.",
     "一部のオプションが競合しています。修正してください。"},
};

}  // namespace

JapaneseDatesAtStart::JapaneseDatesAtStart() {
    for (Saved& s : saved_) {
        const char* value = std::getenv(s.name);
        s.set = value != nullptr;
        if (value) s.value = value;
    }
    // Under LC_ALL the other categories follow it: LANG does that for them meanwhile.
    if (saved_[0].set && !saved_[0].value.empty()) ::setenv("LANG", saved_[0].value.c_str(), 1);
    ::unsetenv("LC_ALL");
    ::setenv("LC_TIME", "ja_JP.UTF-8", 1);
}

void JapaneseDatesAtStart::Restore() {
    for (const Saved& s : saved_) s.set ? ::setenv(s.name, s.value.c_str(), 1) : ::unsetenv(s.name);
    std::setlocale(LC_ALL, "");
}

QString MissingQtStrings::translate(const char* context, const char* sourceText, const char*, int) const {
    for (const Missing& m : kMissing)
        if (std::strcmp(m.context, context) == 0 && std::strcmp(m.source, sourceText) == 0)
            return QString::fromUtf8(m.japanese);
    return {};
}

JapaneseInterface::JapaneseInterface() {
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    QLocale::setDefault(japanese);
    if (qtStrings_.load(japanese, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtStrings_);
    // Installed last, asked first; it answers only for what it holds.
    QCoreApplication::installTranslator(&missing_);
}

JapaneseInterface::~JapaneseInterface() {
    QCoreApplication::removeTranslator(&missing_);
    QCoreApplication::removeTranslator(&qtStrings_);
}

}  // namespace quillora::app
