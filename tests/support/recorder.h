// A device that records what a renderer hands it: pen moves and whole
// curves (dots are dropped). Tests compare it with what the screen draws.
#pragma once
#include <cstdint>
#include <vector>

#include "view/device.h"

struct Recorder : Device {
    struct Move {
        bool down;
        double x, y;
    };
    std::vector<Move> moves;
    std::vector<Curve> curves;
    void Dot(double, double, uint32_t) override {}
    void MoveTo(double x, double y) override { moves.push_back({false, x, y}); }
    void LineTo(double x, double y, uint32_t) override { moves.push_back({true, x, y}); }
    void DrawCurve(const Curve& c, uint32_t) override { curves.push_back(c); }
};
