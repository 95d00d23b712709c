// The hull as a triangle mesh for other programs and 3-D printers: the VRML world's faces with
// their corners welded, no zero-area triangle, every triangle wound to face out of the hull.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/Hull.h"

namespace merrowin {

enum class MeshUnits { Inches, Millimetres, Metres };

// How long one inch is in the units.
double UnitsPerInch(MeshUnits units);
// "inches", "millimetres" or "metres".
const char* UnitsName(MeshUnits units);

struct MeshOptions {
    // Only the faces that bound the hull's volume (skins, keel strip, deck, stem and transom),
    // joined into a watertight solid; otherwise every face of the VRML world, inner bulkheads too.
    bool Closed = false;
    MeshUnits Units = MeshUnits::Inches;
    bool AsciiStl = false; // an STL file as text rather than binary
};

// x along the length from the bow, y the half-breadth (+ to starboard), z the height: a
// right-handed frame with z up, as 3-D printers and most CAD programs expect.
using MeshVertex = std::array<double, 3>;

// Vertex indices, counter-clockwise seen from outside (inner bulkheads: seen from aft).
using MeshTriangle = std::array<int, 3>;

// One part of the hull: "starboard_skin", "port_skin", "stem", "bulkhead_1" .. "bulkhead_3",
// "transom", "keel_strip" or "deck".
struct MeshGroup {
    std::string Name;
    std::vector<MeshTriangle> Triangles;
};

struct HullMesh {
    std::vector<MeshVertex> Vertices; // every one used by a triangle
    std::vector<MeshGroup> Groups;    // in that order, parts left without a triangle omitted
};

// The mesh of the hull's 13 derived points per chine (the last repaint's SplinePoints), in the
// units asked for. Corners that coincide are one vertex and triangles without area are left
// out; in a closed mesh the faces around them are split where needed, so that every edge is
// shared by exactly two triangles running along it in opposite directions.
HullMesh BuildHullMesh(const HullDocument& hull, const MeshOptions& options);

} // namespace merrowin
