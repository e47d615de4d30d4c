// The fixture of tests that open modal windows: a visible top-level window is the application's
// main window, the owner of what opens without a parent.
#pragma once

#include <afxwin.h>
#include <gtest/gtest.h>

#include "Input.h"
#include "ModalTestSupport.h"

#include <memory>

namespace pgtest {

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(main.CreateEx(0, nullptr, L"main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50,
                                  500, 400, nullptr, nullptr));
        mainWindow = std::make_unique<MainWindowScope>(&main);
        main.SetForegroundWindow();
        PumpMessages();
    }

    CWnd main;
    std::unique_ptr<MainWindowScope> mainWindow; // ends before the window does
};

} // namespace pgtest
