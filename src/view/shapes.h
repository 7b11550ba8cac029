// Shape files and placed shapes: the shape and font folder, the shape list
// file rebuilt from the folder, reading shape files (kept parsed in a cache
// that follows every change on disk), drawing a placed shape with its
// nested shapes and texts through any device, and the box of a Shape. A
// missing shape file is reported through MissingShapeFn. Called by start-up,
// the file commands, the defaults, the redraw, the Shape command, the
// library browser, and later the printer and the plotter.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "view/device.h"

struct App;

constexpr int kMaxShapeDepth = 10;       // nesting levels drawn below a placed shape
constexpr int kMaxShapeLineVertices = 50;  // vertices of a Line inside a shape file that are used
constexpr int kMaxMissingShapes = 101;   // names remembered by one redraw

inline constexpr const char* kShapeListFileName = "Zarnic-ShapeList.DAT";

// One record of a shape file, with the fields drawing uses.
struct ShapeRecord {
    char kind = 0;              // 'A' arc, 'C' circle, 'L' line, 'S' nested shape, 'T' text
    double size = 0;            // radius (arc, circle), size (shape), height (text)
    double x = 0, y = 0;        // centre or insertion point (shape units)
    double angle = 0;           // arc start, shape or text angle (radians)
    double endAngle = 0;        // arc end (radians)
    double fx = 1, fy = 1;      // the record's own X and Y factors (arc, circle, line)
    int lineType = 0;           // 0 solid, 1 hidden (line)
    int first = 0, count = 0;   // the line's vertices in ShapeFile::vx, vy
    std::string text;           // nested shape name, or the text
    std::string just;           // text justification
};

// A shape file as read: its complete records in file order.
struct ShapeFile {
    std::vector<ShapeRecord> records;
    std::vector<double> vx, vy;  // line vertices, at most 50 per line
};

// Parses a shape file's text as far as it reads; a damaged record ends it.
ShapeFile ParseShapeFile(const std::string& text);

struct ShapeCacheEntry {
    long long size = -1;        // bytes when read
    long long mtimeNs = 0;      // modification time when read (ns)
    std::shared_ptr<const ShapeFile> file;
};

struct Shapes {
    int16_t ShapeDepth = 0;                     // nesting depth of the shape being drawn
    std::vector<std::string> MissingShapeNames; // missing shapes deleted during this redraw
    int16_t RenameShapeSlot = 0;                // slot whose shape name is being replaced
    std::vector<std::string> List1;             // the hidden sorted list of shape files
    std::map<std::string, ShapeCacheEntry> cache;  // parsed shape files by path
    bool Redrawing = false;                     // a redraw is under way (a question may show in it)
    // A placed shape's file is missing: the command layer asks the user
    // (installed at start-up); without it the shape is simply not drawn.
    void (*MissingShapeFn)(App&, const std::string& name, int slot) = nullptr;
};

// The shape and font folder: ShapeFontPath, or the data folder when it is
// empty or the bare separator.
std::string ShapeFolder(App& app);
// The parsed shape file of a name, or nullptr when the file does not exist
// or cannot be read. A file changed on disk is read again.
std::shared_ptr<const ShapeFile> FindShapeFile(App& app, const std::string& name);

// The ordinary files of a folder whose names end in ".dwg" (any case), in
// the order the file system gives them. 0, or the error number when the
// folder cannot be read.
int ListDrawingFiles(const std::string& folder, std::vector<std::string>& names);
// The order of the hidden sorted list List1: alphabetical without regard to
// case, ties broken by the exact text.
bool ListOrder(const std::string& a, const std::string& b);
// Rebuilds the hidden list and the shape list file from the folder.
void LoadNewShapes(App& app);

// Draws one shape instance through a device: colour rgb, size s, name,
// factors fx, fy (0 counts as 1), angle A (radians) at (X0, Y0); slot is the
// placed Shape object the shape's texts are positioned from.
void RenderShape(App& app, Device& dev, uint32_t rgb, double s, const std::string& name, double fx, double fy,
                 double A, double X0, double Y0, int slot);
// The same on the screen.
void DrawShapeObject(App& app, uint32_t rgb, double s, const std::string& name, double fx, double fy, double A,
                     double X0, double Y0, int slot);
// The box of a Shape object from its shape file; widens the drawing extents.
void UpdateShapeBox(App& app, int slot);
// Lets the table's extents computation reach UpdateShapeBox (start-up).
void InstallShapeBoxHook(App& app);
