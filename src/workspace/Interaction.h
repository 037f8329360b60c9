#pragma once
// Every place that asks the user something goes through this one interface: the program uses
// the Qt implementation, tests a scripted one that answers without nested event loops.
#include <QColor>
#include <QString>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace quillora::workspace {

enum class MessageIcon { None, Information, Exclamation, Stop, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

struct Message {
    QWidget* owner = nullptr;
    QString text;
    QString caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultButton = Answer::Ok;
};

// A warning with only OK, captioned 警告.
Message Warning(QWidget* owner, const QString& text);

// What the font chooser edits; sizes are whole points as the records keep them.
struct FontChoice {
    QString face;
    int pointSizeTenths = 120;
    int weight = 0;  // 0 = the font's default weight, else 100..900
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

struct FileChoice {
    QWidget* owner = nullptr;
    QString title;
    QString filter;   // Qt filter string, e.g. "CDﾗﾍﾞﾙﾃﾞｰﾀ(*.qlr) (*.qlr *.QLR)"
    QString initialPath;
};

class Interaction {
public:
    virtual ~Interaction() = default;

    virtual Answer ShowMessage(const Message& message) = 0;
    virtual void Beep() = 0;
    virtual std::optional<QString> ChooseOpenFile(const FileChoice& choice) = 0;
    // Asks before replacing an existing file.
    virtual std::optional<QString> ChooseSaveFile(const FileChoice& choice) = 0;
    // An existing folder, starting in `initialFolder` (empty: the chooser's own choice).
    virtual std::optional<QString> ChooseFolder(QWidget* owner, const QString& title, const QString& initialFolder) = 0;
    virtual std::optional<QColor> ChooseColour(QWidget* owner, const QColor& initial, bool fullOpen) = 0;
    virtual std::optional<FontChoice> ChooseFont(QWidget* owner, const FontChoice& initial) = 0;
    // Runs one of the program's own dialogs modal to its parent window and returns its result
    // (QDialog::Accepted or Rejected).
    virtual int RunDialog(QDialog& dialog) = 0;
    // The print dialog on the given printer (the printer, copies, print to a PDF file); the
    // choice is kept in the printer. True when the user confirmed printing.
    virtual bool RunPrintDialog(QPrinter& printer, QWidget* owner) = 0;
    // Paper and orientation of the given printer, kept in it. True when confirmed.
    virtual bool RunPrinterSetup(QPrinter& printer, QWidget* owner) = 0;
};

}  // namespace quillora::workspace
