// SPDX-License-Identifier: MIT

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

namespace {

// A test program linked with this runs, when PALI_TEST_DECIMAL_COMMA_LOCALE
// names a locale, under that C locale, as the program runs once its toolkit
// has called setlocale(LC_ALL, ""): what reads or writes numbers through a
// library then meets the decimal comma of an Italian desktop. A locale that
// does not exist would leave the program silently in "C" and hide the very
// faults the run is for, so it ends the run as a failure.
class DecimalCommaLocale : public testing::Environment {
    void SetUp() override
    {
        const char* name = std::getenv("PALI_TEST_DECIMAL_COMMA_LOCALE");
        if (name == nullptr) {
            return;
        }
        if (std::setlocale(LC_ALL, name) == nullptr) {
            std::fprintf(stderr, "FAIL: the C library has no locale \"%s\"\n", name);
            std::exit(EXIT_FAILURE);
        }
        const char* point = std::localeconv()->decimal_point;
        if (std::strcmp(point, ",") != 0) {
            std::fprintf(stderr, "FAIL: the locale \"%s\" has the decimal point \"%s\"\n", name, point);
            std::exit(EXIT_FAILURE);
        }
        std::printf("Under the C locale %s, decimal point \"%s\"\n", name, point);
    }
};

const testing::Environment* const kRegistered = testing::AddGlobalTestEnvironment(new DecimalCommaLocale);

}  // namespace
