// The symbol library as code: each symbol is a small function that draws
// with the program's own objects (lines, arcs, circles, texts, nested
// shapes) through Sym, and declares its lead ends with Pin. The build saves
// every symbol as a shape file with the program's own writer (tools/
// make_library), so a user can open and edit any of them in Zarnic.
//
// Units are inches. Schematic symbols sit on the 0.1 grid with pin 1 (or
// the left or top lead) at (0, 0); layout symbols are true size.
#pragma once
#include <string>
#include <vector>

#include "model/dial.h"

struct Drawing;

struct Pt {
    double x = 0, y = 0;
};

class Sym {
public:
    explicit Sym(Drawing& d) : d_(d) {}

    // A solid polyline through the points; Hidden draws it dashed.
    void Line(const std::vector<Pt>& pts);
    void Hidden(const std::vector<Pt>& pts);
    // A closed outline (the first point repeated at the end).
    void Loop(std::vector<Pt> pts);
    void Rect(double x0, double y0, double x1, double y1);
    // An arc about (cx, cy) from startDeg counter-clockwise to endDeg
    // (endDeg < startDeg runs clockwise); stored in pieces of at most 90
    // degrees, as arcs always take the short way between their angles.
    void Arc(double cx, double cy, double r, double startDeg, double endDeg);
    void Circle(double cx, double cy, double r);
    // A filled dot: concentric circles down to the centre.
    void Dot(double cx, double cy, double r);
    // A text of height h; just is "S" start, "C" centre, "M" middle, "E" end.
    void Text(double x, double y, double h, const std::string& text, const std::string& just = "M",
              double angleDeg = 0);
    // Another symbol of the library placed inside this one.
    void Shape(const std::string& name, double x, double y, double size = 1, double angleDeg = 0, double fx = 1,
               double fy = 1);
    // A meter scale (a Dial object) about (cx, cy): radius r, the scale's
    // total angle and the direction of its middle in degrees (90 = up),
    // majors numbered evenly from ccw to cw, intermediates and minors
    // between them; side +1 puts marks and numbers outside the arc, -1
    // inside.
    struct DialSpec {
        double r = 1.5, totalDeg = 90, middleDeg = 90;
        int majors = 6, intermediates = 1, minors = 4;
        double majorLen = 0.2, intermediateLen = 0.13, minorLen = 0.08;
        double ccw = 0, cw = 10;
        int decimals = 0;
        double textHeight = 0.1;
        int side = 1;
        DialLaw law;  // how the values spread over the arc (linear unless set)
    };
    void Dial(double cx, double cy, const DialSpec& d);
    // A lead end of the symbol (draws nothing): pin 1 first.
    void Pin(double x, double y) { pins.push_back({x, y}); }

    std::vector<Pt> pins;  // the declared lead ends, pin 1 first

private:
    int Next();            // the slot of the next object
    Drawing& d_;
};

// ---- repeated forms ------------------------------------------------------------

// A zigzag of `peaks` half-waves of height amp between a and b.
void Zigzag(Sym& s, Pt a, Pt b, int peaks, double amp);
// `loops` half-circle bumps of a winding from a to b, bulging to the left of
// the direction a->b (side +1) or to the right (side -1).
void Coil(Sym& s, Pt a, Pt b, int loops, int side = 1);
// An arrowhead at `tip` pointing from `from`, length len, half-width w.
void ArrowHead(Sym& s, Pt from, Pt tip, double len = 0.08, double w = 0.03);
// A line from a to b with an arrowhead at b.
void Arrow(Sym& s, Pt a, Pt b, double len = 0.08, double w = 0.03);
// n pads in a row from (x, y) stepping (dx, dy): round pads of outer
// diameter od with a hole of diameter hd.
void PadRow(Sym& s, double x, double y, double dx, double dy, int n, double od, double hd);
// n points evenly on a circle of radius r about (cx, cy), the first at startDeg.
std::vector<Pt> CirclePoints(double cx, double cy, double r, int n, double startDeg);
