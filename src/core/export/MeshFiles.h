// The hull's triangle mesh written as STL (binary or text) or Wavefront OBJ.
#pragma once

#include <optional>
#include <ostream>
#include <string_view>

#include "export/HullMesh.h"
#include "io/Files.h"
#include "model/Hull.h"

namespace merrowin {

// Binary STL: an 80-byte title, the triangle count and 50 bytes a triangle, little-endian
// single-precision numbers; the title names the units (STL itself has none).
void WriteBinaryStl(std::ostream& out, const HullMesh& mesh, MeshUnits units);

// Text STL, one solid "hull" of facets, with CR LF line ends.
void WriteAsciiStl(std::ostream& out, const HullMesh& mesh);

// Wavefront OBJ: a comment naming the units and axes, the vertices, then one named group of
// faces per part of the hull, with CR LF line ends.
void WriteObj(std::ostream& out, const HullMesh& mesh, MeshUnits units);

enum class MeshFormat { Stl, Obj };

// The format a file name asks for by its extension (".stl" or ".obj", any letter case).
std::optional<MeshFormat> MeshFormatOf(std::string_view fileName);

// "File, Export 3-D Mesh...": writes the hull's mesh (the last repaint's SplinePoints, as the
// VRML button does) to the file, in the format its extension names, replacing it atomically.
// Nothing on success; otherwise a write failure naming the file (also for an extension that
// is neither .stl nor .obj, so no file is ever written in a format it does not claim).
Outcome SaveHullMesh(const fs::path& folder, std::string_view fileName, const HullDocument& hull,
                     const MeshOptions& options);

} // namespace merrowin
