// merrowin_mesh_check FILE [--closed]: reads a mesh file (STL or OBJ) as a slicer would and says
// "N triangles, F flat, E open edges"; exits 1 when a triangle is flat or, for a solid, an edge
// is open, 2 when the file cannot be read.
#include <iostream>
#include <string_view>

#include "../core/MeshReadBack.h"

int main(int argc, char** argv) {
    using namespace merrowin::test;
    const bool closed = argc == 3 && std::string_view(argv[2]) == "--closed";
    if (argc != 2 && !closed) {
        std::cerr << "usage: merrowin_mesh_check FILE [--closed]\n";
        return 2;
    }
    const std::vector<Facet> facets = ReadMeshFile(argv[1]);
    if (facets.empty()) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    const int flat = FlatFacets(facets);
    const int open = OpenEdges(facets);
    std::cout << facets.size() << " triangles, " << flat << " flat, " << open << " open edges\n";
    return flat > 0 || (closed && open > 0) ? 1 : 0;
}
