// The pictures the demo takes of itself when it runs headless with --screenshots: each scene
// puts the demo into a state (the plain form, a list dropped down, a dialog open), is captured
// with every window of the thread that it shows, and is undone before the next one.
#pragma once

#include <afxwin.h>

#include <functional>
#include <vector>

struct CDemoScene
{
    CString strName;             // the picture's file name, without ".png"
    std::function<void()> open;  // shows the state; a modal dialog runs its loop in here
    std::function<void()> close; // undoes it; called from inside open's loop when it has one
};

// Takes scenes one after the other. Each scene's picture is taken from a timer that fires once
// the state is shown and painted, whether open has returned or is still running a modal loop.
class CDemoSceneRunner
{
public:
    explicit CDemoSceneRunner(const CString& strFolder);

    // Writes <folder>\<name>.png for every scene, in order; false when any picture failed.
    bool Run(const std::vector<CDemoScene>& scenes);

private:
    bool TakeScene(const CDemoScene& scene);
    static void CALLBACK OnCaptureTimer(HWND hWnd, UINT nMsg, UINT_PTR nIDEvent, DWORD dwTime);
    void CaptureAndClose();

    CString m_strFolder;              // where the pictures go
    const CDemoScene* m_pScene;       // the scene being taken
    bool m_bCaptured;                 // its picture was taken (written or not)
    bool m_bWritten;                  // and written
    static CDemoSceneRunner* s_pThis; // the runner whose timer is armed
};
