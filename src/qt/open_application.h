// SPDX-License-Identifier: MIT

#pragma once

#include <memory>

class QApplication;

namespace pali {

// The application object, or, when no display can be opened, one line on
// standard error saying so and how to start under xvfb-run, and a non-zero
// exit instead of the toolkit's abort.
std::unique_ptr<QApplication> OpenApplication(int& argc, char** argv);

}  // namespace pali
