#pragma once
// The interface is Japanese whatever the system's locale: Qt's own dialogs speak it and show
// sizes, kinds and dates the Japanese way. Stored files and numbers do not use the locale.
#include <QTranslator>

namespace quillora::app {

// The few strings of Qt's dialogs that Qt's Japanese translation leaves in English.
class MissingQtStrings : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};

// While it lives: Japanese is the default locale, with Qt's own Japanese strings (when they are
// installed) and the ones they lack.
class JapaneseInterface {
public:
    JapaneseInterface();
    ~JapaneseInterface();
    JapaneseInterface(const JapaneseInterface&) = delete;
    JapaneseInterface& operator=(const JapaneseInterface&) = delete;

private:
    QTranslator qtStrings_;
    MissingQtStrings missing_;
};

}  // namespace quillora::app
