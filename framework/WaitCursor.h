#pragma once
// Shows the hourglass for the lifetime of the object (nestable); the frame
// keeps it while the mouse moves.
#include <windows.h>

class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the hourglass again after a message box or dialog changed it.
    void Restore();

private:
    HCURSOR previous_;
};
