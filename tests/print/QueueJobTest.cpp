#include <QPrinter>
#include <gtest/gtest.h>

#include "EnsureApplication.h"
#include "print/QueueJob.h"

using namespace quillora::print;

// The options the print system gets for a job are the ones Qt's own engine gave it: paper,
// copies (collated only when asked), one side, landscape.
TEST(QueueJob, TheJobOptionsFollowThePrintersSettings) {
    EnsureApplication();
    const struct {
        QPageSize::PageSizeId paper;
        QPageLayout::Orientation orientation;
        int copies;
        bool collate;
        JobOptions expected;
    } cases[] = {
        {QPageSize::A4, QPageLayout::Portrait, 1, true, {{"media", "A4"}, {"sides", "one-sided"}}},
        {QPageSize::Letter, QPageLayout::Portrait, 3, true,
         {{"media", "Letter"}, {"copies", "3"}, {"Collate", "True"}, {"sides", "one-sided"}}},
        {QPageSize::A5, QPageLayout::Landscape, 2, false,
         {{"media", "A5"}, {"copies", "2"}, {"sides", "one-sided"}, {"landscape", ""}}},
    };
    for (const auto& c : cases) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);  // a file printer keeps no duplex
        printer.setPageSize(QPageSize(c.paper));
        printer.setPageOrientation(c.orientation);
        printer.setCopyCount(c.copies);
        printer.setCollateCopies(c.collate);
        EXPECT_EQ(PrinterJobOptions(printer), c.expected) << QPageSize(c.paper).key().toStdString();
    }
}
