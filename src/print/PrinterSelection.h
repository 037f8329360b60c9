#pragma once
// The printer chosen for the program run. The default printer is looked up on first use, not
// when the selection is made: asking the print system can take long, and the start-up must not
// wait for it. The print dialog and printer setup change the printer in place, so the choice,
// its paper and orientation stay until exit.
#include <QString>
#include <memory>

class QPrinter;

namespace quillora::print {

class PrinterSelection {
public:
    // Starts with the system's default printer, looked up when first needed.
    PrinterSelection();
    // Starts with the given printer (scripts and tests).
    explicit PrinterSelection(std::unique_ptr<QPrinter> printer);
    ~PrinterSelection();
    PrinterSelection(const PrinterSelection&) = delete;
    PrinterSelection& operator=(const PrinterSelection&) = delete;

    // Looks up the default printer now unless already done; cheap afterwards.
    void ChooseDefault();
    // The selected printer; without any installed it prints to a PDF file once one is named.
    QPrinter& Printer();
    // True when a printer queue or an output file is selected: only then are there paper settings.
    bool HasPrinter();

private:
    std::unique_ptr<QPrinter> printer_;
};

// Resolution of every printer the selection makes: the printer's own for a queue, 1200 dpi for
// a PDF file.
std::unique_ptr<QPrinter> MakePrinter(const QString& queueName);

}  // namespace quillora::print
