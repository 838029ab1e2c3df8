// SPDX-License-Identifier: MIT

// The panel VERIFICA after a change, as the window refreshes it: the check on
// copies of a 20-layer project, its texts and profile, and the panel painted
// again at the size it has on a maximised 1366 x 768 screen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/check_panel.h"
#include "qt/check_panel.h"
#include "twenty_layers.h"

namespace {

void BM_PanelRefreshTwentyLayers(benchmark::State& run)
{
    pali::FormContents form;
    pali::ProjectState state;
    pali::bench::EnterTwentyLayers(form, state);
    const pali::NumberFormat format = pali::NumberFormat::Comma();
    pali::CheckPanel panel;
    panel.resize(620, 680);
    panel.QWidget::show();
    QApplication::processEvents();
    for (auto _ : run) {
        const pali::DesignCheck check = pali::CheckDesign(form, state, "3", format);
        panel.show(pali::PanelTexts(check, format), pali::ProfileOf(form, state, format));
        panel.repaint();
    }
}
BENCHMARK(BM_PanelRefreshTwentyLayers)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
