// Reads VRML worlds back with Coin, a real VRML 1.0 reader, and checks the hull world's shape:
// one point list of 26 N points (N chines), nine face sets of triangles with the counts the
// skin, bulkheads, keel strip and deck give, and every face index inside the point list.
// Usage: merrowin_vrml_readback WORLD.wrl...   (exit 0 when every world passes)
#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// All nodes of a type under the root, in file order.
SoPathList FindAll(SoNode* root, SoType type) {
    SoSearchAction search;
    search.setType(type);
    search.setInterest(SoSearchAction::ALL);
    search.apply(root);
    return search.getPaths();
}

// Checks one world; prints what it found or what is wrong.
bool CheckWorld(const char* file) {
    SoInput in;
    if (!in.openFile(file)) {
        std::printf("%s: cannot open\n", file);
        return false;
    }
    if (!in.isValidFile() || !in.isFileVRML1()) {
        std::printf("%s: not a VRML 1.0 file\n", file);
        return false;
    }
    SoSeparator* root = SoDB::readAll(&in);
    if (root == nullptr) {
        std::printf("%s: the reader refused the world\n", file);
        return false;
    }
    root->ref();
    bool ok = true;
    const SoPathList coordinates = FindAll(root, SoCoordinate3::getClassTypeId());
    const SoPathList faceSets = FindAll(root, SoIndexedFaceSet::getClassTypeId());
    int points = 0;
    if (coordinates.getLength() != 1) {
        std::printf("%s: %d point lists, expected 1\n", file, coordinates.getLength());
        ok = false;
    } else {
        points = static_cast<SoCoordinate3*>(coordinates[0]->getTail())->point.getNum();
    }
    const int chines = points / 26;
    if (points < 52 || points % 26 != 0) {
        std::printf("%s: %d points is not 26 per chine for 2 chines or more\n", file, points);
        ok = false;
    }
    // Skins 1..4: 24 per band between two chines; bulkheads 5, 6: 10 per band; 7..9: 24.
    const int bands = chines - 1;
    const int expected[9] = {24 * bands, 24 * bands, 24 * bands, 24 * bands, 10 * bands,
                             10 * bands, 24,         24,         24};
    if (faceSets.getLength() != 9) {
        std::printf("%s: %d face sets, expected 9\n", file, faceSets.getLength());
        ok = false;
    }
    int triangles = 0;
    for (int f = 0; f < faceSets.getLength() && f < 9; ++f) {
        const auto* faces = static_cast<SoIndexedFaceSet*>(faceSets[f]->getTail());
        const int count = faces->coordIndex.getNum();
        int corners = 0;
        int shapeTriangles = 0;
        for (int i = 0; i < count; ++i) {
            const int index = faces->coordIndex[i];
            if (index == -1) {
                if (corners != 3) {
                    std::printf("%s: face set %d has a face of %d corners\n", file, f + 1, corners);
                    ok = false;
                }
                ++shapeTriangles;
                corners = 0;
            } else if (index < 0 || index >= points) {
                std::printf("%s: face set %d uses point %d of %d\n", file, f + 1, index, points);
                ok = false;
                ++corners;
            } else {
                ++corners;
            }
        }
        if (corners != 0 || shapeTriangles != expected[f]) {
            std::printf("%s: face set %d has %d triangles, expected %d\n", file, f + 1,
                        shapeTriangles, expected[f]);
            ok = false;
        }
        triangles += shapeTriangles;
    }
    std::printf("%s: %d points, %d face sets, %d triangles%s\n", file, points, faceSets.getLength(),
                triangles, ok ? "" : " - FAILED");
    root->unref();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: merrowin_vrml_readback WORLD.wrl...\n");
        return 2;
    }
    SoDB::init();
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        ok = CheckWorld(argv[i]) && ok;
    }
    return ok ? 0 : 1;
}
