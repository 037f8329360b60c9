#pragma once
// The interface is Japanese whatever the system's locale: Qt's own dialogs speak it and show
// sizes, kinds and dates the Japanese way. Stored files and numbers do not use the locale.
#include <QTranslator>
#include <array>
#include <string>

namespace quillora::app {

// Qt's file chooser writes dates in the system's time locale, which Qt reads from the environment
// while the QApplication is made. For that moment only the time category is Japanese (an LC_ALL
// that would hide it stands aside); Restore() gives the environment and the C library's locale
// back to the user's, so numbers and everything else keep them.
class JapaneseDatesAtStart {
public:
    JapaneseDatesAtStart();  // before the QApplication
    void Restore();          // after it

private:
    struct Saved {
        const char* name;
        bool set = false;
        std::string value{};
    };
    std::array<Saved, 2> saved_{{{"LC_ALL", false, {}}, {"LC_TIME", false, {}}}};
};

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
