#pragma once

class QPrinter;
struct ReportInput;

// The report onto a printer the user has set up: the chosen page range,
// or every page.
class ReportPrint
{
public:
    // Pages painted; 0 when nothing could be painted.
    static int printPages(const ReportInput &input, QPrinter &printer);
};
