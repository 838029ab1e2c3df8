// SPDX-License-Identifier: MIT

// The panel VERIFICA after a change, as the window refreshes it: the check on
// copies of a 20-layer project, its texts and profile, and the panel painted
// again at the size it has on a maximised 1366 x 768 screen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "qt/check_panel.h"
#include "qt/form1.h"
#include "qt/main_window.h"
#include "twenty_layers.h"

namespace {

void BM_PanelRefreshTwentyLayers(benchmark::State& run)
{
    pali::FormContents form;
    pali::ProjectState state;
    pali::bench::EnterTwentyLayers(form, state);
    pali::MainWindow window;
    window.resize(1366, 740);
    window.show();
    window.form().logic().restore(form, state);
    window.session().verticalsTyped("3");
    auto* panel = window.findChild<pali::CheckPanel*>();
    QApplication::processEvents();
    for (auto _ : run) {
        window.session().refresh();
        panel->repaint();
    }
}
BENCHMARK(BM_PanelRefreshTwentyLayers)->Unit(benchmark::kMicrosecond);

}  // namespace
