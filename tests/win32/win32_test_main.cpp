// SPDX-License-Identifier: MIT

// The main of the Windows window tests: COM for the accessibility service,
// as the program starts it.
#include <gtest/gtest.h>

#include <objbase.h>

int main(int argc, char** argv)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    CoUninitialize();
    return status;
}
