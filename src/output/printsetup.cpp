// The Printer Setup panel: filled from the settings file (the defaults when
// it cannot be read), written back exactly as typed.
#include "output/printsetup.h"

#include "app.h"
#include "model/defaults.h"
#include "model/textfile.h"
#include "output/print.h"

const std::array<const char*, kPrintSetFields> kPrintSetLabels = {"Printer Scale", "X Offset", "Y Offset",
                                                                  "Draw Width"};
const char* const kPrintSetCaption = "Printer Setup";
const char* const kPrintSetLandscape = "Landscape Mode";
const char* const kPrintSetNoteScale =
    "Printer scale is a multiplyer so \r\nstart with numbers close to 1.  \r\nThe screen zoom setting will NOT "
    "\r\neffect the printer scaling.\r\n";
const char* const kPrintSetNoteOffset =
    "X and Y offsets are added to the coordinates and are restricted to integer values.  X and Y are defined "
    "with respect to the screen not the printer page.  They will change when you change the orientation.\r\n";

namespace {
const char kMsgSetNotSaved[] = "The printer settings could not be saved to\r\n";  // + path
}

void PrinterSetup_Click(App& app) {
    // The window shows one page at a time: Default Settings gives way.
    if (app.zarnic2.Visible) {
        app.zarnic2.Visible = false;
        app.ui.ShowDialog(DialogId::Zarnic2, false);
    }
    if (ReadPrinterSettings(app) != 0) {
        WriteDefaultPrinterSettings(app);
        if (ReadPrinterSettings(app) != 0) app.print.set = PrinterSettings{};
    }
    const PrinterSettings& s = app.print.set;
    PrinterPanel& p = app.printSetup;
    p.Fields = {DefaultsNumber(s.PrinterScale), std::to_string(s.PrintXOffset), std::to_string(s.PrintYOffset),
                std::to_string(s.PrintDrawWidth)};
    p.Landscape = s.PrintLandscape == 1;
    p.Visible = true;
    p.Focus = "Field:0";
    app.ui.ShowDialog(DialogId::PrintSet, true);
}

void PrintSetSave_Click(App& app) {
    PrinterPanel& p = app.printSetup;
    p.Visible = false;
    app.ui.ShowDialog(DialogId::PrintSet, false);
    const std::string path = PrinterSettingsPath(app);
    if (!WriteTextLines(path, {p.Fields[0], p.Fields[1], p.Fields[2], p.Fields[3], p.Landscape ? "1" : "0"}))
        app.ui.MsgBox(kMsgSetNotSaved + path, MsgButtons::OK, MsgIcon::Warning, kPrintSetCaption);
}

void PrintSetCancel_Click(App& app) {
    app.printSetup.Visible = false;
    app.ui.ShowDialog(DialogId::PrintSet, false);
}
