// The water-quality diagrams of the headless command (hexa, stiff, tri): a workbook read by the
// programs' own application layer, the options of their menus, and the sheets, the window
// picture, the display list or the computed values written out. Only the program's variant, the
// size of its picture and its JSON differ between them.
#pragma once

#include <QJsonObject>
#include <optional>
#include <string>

#include "hydrochart/commands.h"
#include "waterquality/core/diagram_app.h"

namespace hcmd {

struct DiagramCommand {
    std::string name;     // the command
    std::string summary;  // its line in the list of commands
    const wq::DiagramVariant& variant;
    double screenWidth;  // the window's picture, pixels
    double screenHeight;
    // The --json document's values after "schema" and "file".
    void (*json)(const wq::DiagramApp& app, QJsonObject& document);
    // The print line width menus, in menu order, as the help names them.
    std::string widthNames;
    // wqplot: the diagram of the "図の種類" menu the command draws; the page setup's shifts
    // are offered where the program has a page setup.
    std::optional<wq::DiagramKind> kind = std::nullopt;
    bool printShifts = true;
    std::string input = "WORKBOOK";
    std::string notes = "WORKBOOK is an .xls, .xlsx or .ods workbook laid out as the program's "
                        "template (hinagata.xls).\n";
};

// The command's entry: its options (from the variant's menus) and its work per workbook.
Command MakeDiagramCommand(const DiagramCommand& command);

// The column programs (hexa, stiff): their canvas of a 720-pixel view and their JSON.
Command ColumnCommand(std::string name, std::string summary, const wq::DiagramVariant& variant);

// The samples in force, shared by every water-quality document: number, name, whether the
// diagrams draw it, and the eight ions in mg/L and meq/L.
QJsonArray SamplesJson(const wq::SampleModel& model);

}  // namespace hcmd
