// The shape list and the shape library browser: two list boxes laid over the
// drawing area. The shape list (Draw > Shape) picks a symbol of the current
// prefix and arms the Shape command; the browser (Settings > Shape Library)
// surveys the folder by prefix and sets a new prefix. Also the question a
// missing shape file asks while the drawing is drawn. Called by the tables
// (menu, keys, answers, middle button), start-up and the Qt lists.
#pragma once
#include <string>
#include <vector>

#include "platform/platform.h"

struct App;
struct TypedAnswer;

// What the shared list box Help1 shows; the layout follows the drawing area.
enum class Help1Use { None, Library, Help };

struct Browser {
    ControlBox ShapeList;            // the shape list (rows with their leading blanks)
    ControlBox ShapeClose;           // the shape list's Cancel button
    ControlBox Help1;                // the library browser's rows; shared with the help viewer
    Help1Use help1Use = Help1Use::None;  // who placed Help1 last
    std::string SelectedShapeText;   // the shape-list entry clicked last, leading blanks removed
};

inline constexpr const char* kShapeListName = "ShapeList";
inline constexpr const char* kShapeCloseName = "ShapeClose";
inline constexpr const char* kHelp1Name = "Help1";

// Draw > Shape: opens the shape list of the current prefix (idle only).
void Shape_Click(App& app);
// A click on entry `row` of the shape list.
void ShapeList_Click(App& app, int row);
// The shape list's Cancel button.
void ShapeClose_Click(App& app);
// Hides the shape list and its button (the command reset of a Shape).
void HideShapeList(App& app);
// Arms the Shape command for the library name in slot ObjNext: the list
// closes, the factors are 1 and the prompt names the shape. Used by the
// shape list and by the middle button's repeat.
void ArmShape(App& app, const std::string& libraryName);

// Settings > Shape Library: opens the browser (idle only).
void ShapeLib_Click(App& app);
// The typed prefix, committed while "ShapeLib" runs.
void ShapeLib_Answer(App& app, const TypedAnswer& a);
// Hides the browser (the command reset of "ShapeLib").
void HideLibrary(App& app);
// A click on row `row` of Help1 while it shows the library.
void Help1_Click(App& app, int row);

// The shape list's heading of a schematic category code ("A-" gives
// "Active Devices"); "" for a code without one.
std::string CategoryHeading(const std::string& code);
// The browser's rows for a folder listing (file names in any order).
std::vector<std::string> LibraryRows(const std::vector<std::string>& fileNames);

// Places the shown lists again after the drawing area was measured anew.
void PlaceListBoxes(App& app);

// A placed shape whose file cannot be found: asks whether to rename this
// instance (the "ShapeName" answer follows), delete every instance, or do
// nothing. The renderer reaches it through the hook start-up installs.
void AskMissingShape(App& app, const std::string& name, int slot);
void InstallMissingShapeQuestion(App& app);
// Registers the shape list and the browser with the command reset (start-up).
void InstallBrowserOverlays(App& app);
// The new name of a missing shape, for this one instance.
void ShapeName_Answer(App& app, const TypedAnswer& a);
