// Reads VRML worlds back with Coin, a real VRML 1.0 reader, and checks the hull world's shape:
// one point list of 26 N points (N chines), nine face sets of triangles in the counts the skin,
// bulkheads, keel strip and deck give, and every face index inside the point list.
// Usage: merrowin_vrml_readback WORLD.wrl...   (exit 0 when every world passes)
#include <Inventor/SoDB.h>
#include <Inventor/SoInput.h>
#include <Inventor/actions/SoSearchAction.h>
#include <Inventor/nodes/SoCoordinate3.h>
#include <Inventor/nodes/SoIndexedFaceSet.h>
#include <Inventor/nodes/SoSeparator.h>

#include <cstdio>

namespace {

// The nodes of a type under the root, in file order.
SoPathList FindAll(SoNode* root, SoType type) {
    SoSearchAction search;
    search.setType(type);
    search.setInterest(SoSearchAction::ALL);
    search.apply(root);
    return search.getPaths();
}

bool CheckWorld(const char* file) {
    SoInput in;
    SoSeparator* root = nullptr;
    if (!in.openFile(file) || !in.isFileVRML1() || (root = SoDB::readAll(&in)) == nullptr) {
        std::printf("%s: not read as a VRML 1.0 world\n", file);
        return false;
    }
    root->ref();
    const SoPathList coordinates = FindAll(root, SoCoordinate3::getClassTypeId());
    const SoPathList faceSets = FindAll(root, SoIndexedFaceSet::getClassTypeId());
    const int points = coordinates.getLength() == 1
                           ? static_cast<SoCoordinate3*>(coordinates[0]->getTail())->point.getNum()
                           : 0;
    const int bands = points / 26 - 1; // bands between neighbouring chines
    bool ok = points >= 52 && points % 26 == 0 && faceSets.getLength() == 9;
    const int expected[9] = {24 * bands, 24 * bands, 24 * bands, 24 * bands, 10 * bands,
                             10 * bands, 24,         24,         24};
    int triangles = 0;
    for (int f = 0; f < faceSets.getLength() && f < 9; ++f) {
        const auto* faces = static_cast<SoIndexedFaceSet*>(faceSets[f]->getTail());
        int corners = 0, shapeTriangles = 0;
        for (int i = 0; i < faces->coordIndex.getNum(); ++i) {
            const int index = faces->coordIndex[i];
            if (index == -1) {
                ok = ok && corners == 3;
                ++shapeTriangles;
                corners = 0;
            } else {
                ok = ok && index >= 0 && index < points;
                ++corners;
            }
        }
        ok = ok && corners == 0 && shapeTriangles == expected[f];
        triangles += shapeTriangles;
    }
    std::printf("%s: %d points, %d face sets, %d triangles%s\n", file, points, faceSets.getLength(),
                triangles, ok ? "" : " - FAILED");
    root->unref();
    return ok;
}

} // namespace

// Coin keeps its type system and field instances until the process ends; under AddressSanitizer
// (the sanitized test build) those are no leaks of ours to report.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}

int main(int argc, char** argv) {
    SoDB::init();
    bool ok = argc >= 2;
    for (int i = 1; i < argc; ++i) {
        ok = CheckWorld(argv[i]) && ok;
    }
    return ok ? 0 : 1;
}
