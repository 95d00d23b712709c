// The logo picture: stroke letters "MW" over a plywood hull seen from the side.
#include "Logo.h"

namespace merrowin {

namespace {

using namespace Colour;

void Polyline(Canvas& canvas, const double (*points)[2], int count, int colour) {
    canvas.Dot(points[0][0], points[0][1], colour);
    for (int i = 1; i < count; ++i) {
        canvas.LineTo(points[i][0], points[i][1], colour);
    }
}

} // namespace

void DrawLogo(Canvas& canvas) {
    canvas.Clear();
    // 40 units across, 56 up, whatever the picture's size in pixels.
    canvas.Scale(0, 56, 40, 0);

    canvas.PenWidth(2);
    const double m[][2] = {{4, 36}, {4, 51}, {11, 42}, {18, 51}, {18, 36}};
    Polyline(canvas, m, 5, Blue);
    const double w[][2] = {{21, 51}, {25, 36}, {29, 46}, {33, 36}, {37, 51}};
    Polyline(canvas, w, 5, Blue);
    canvas.PenWidth(1);

    // Hull: sheer, two chines and the keel, stem at the left, transom at the right.
    const double sheer[][2] = {{3, 28}, {12, 25}, {24, 24.5}, {37, 26}};
    const double chine[][2] = {{5, 22}, {14, 19.5}, {26, 19}, {36, 21}};
    const double keel[][2] = {{8, 16}, {16, 13.5}, {27, 13.5}, {35, 16.5}};
    Polyline(canvas, sheer, 4, Black);
    Polyline(canvas, chine, 4, DarkGrey);
    Polyline(canvas, keel, 4, Black);
    const double stem[][2] = {{3, 28}, {5, 22}, {8, 16}};
    const double transom[][2] = {{37, 26}, {36, 21}, {35, 16.5}};
    Polyline(canvas, stem, 3, Black);
    Polyline(canvas, transom, 3, Black);
    for (double z : {14.0, 26.0}) {
        canvas.Line(z - 1, 25 - (z - 14) / 24, z, 13.5, Blue); // bulkheads
    }

    // Water.
    const double wave[][2] = {{0, 18},    {5, 19.5}, {10, 18},   {15, 19.5}, {20, 18},
                              {25, 19.5}, {30, 18},  {35, 19.5}, {40, 18}};
    Polyline(canvas, wave, 9, LightBlue);
    const double wave2[][2] = {{0, 9},     {5, 10.5}, {10, 9},    {15, 10.5}, {20, 9},
                               {25, 10.5}, {30, 9},   {35, 10.5}, {40, 9}};
    Polyline(canvas, wave2, 9, LightBlue);
}

} // namespace merrowin
