#pragma once
// The interface is Japanese whatever the system's locale: Qt's own dialogs speak it and show
// sizes, kinds and dates the Japanese way. Stored files and numbers do not use the locale.
class QTranslator;

namespace quillora::app {

// Makes Japanese the default locale and installs Qt's own Japanese strings into `translator`
// when they are installed.
void UseJapaneseInterface(QTranslator& translator);

}  // namespace quillora::app
