// The two hulls that the crash-safety test and its save loop write in turn: the default hull and
// one raised to 30 chines with other information lines. Their files differ in length and in
// their first line, so a file cut short or mixed from both matches neither.
#pragma once

#include <array>

#include "app/AppState.h"
#include "model/ChineCount.h"
#include "text/NumberText.h"

namespace merrowin::test {

inline std::array<HullDocument, 2> CrashHulls() {
    AppState small;
    ResetToStartup(small);
    small.Hull.InfoLines = {"Small", "four chines", "", ""};
    UpdateHullGeometry(small.Hull, small.Work);

    AppState large;
    ResetToStartup(large);
    for (int n = large.Hull.ChineCount + 1; n <= MaxChines; ++n) {
        ApplyChineCountText(large.Hull, large.Work, IntText(n));
    }
    large.Hull.InfoLines = {"Large", "thirty chines", "", ""};
    UpdateHullGeometry(large.Hull, large.Work);
    return {small.Hull, large.Hull};
}

} // namespace merrowin::test
