// The program's application object: shows the launcher (or starts at once) and ends with it.
#pragma once

#include <afxwin.h>

#include "LaunchOptions.h"

class CFarreachApp : public CWinApp {
public:
    CFarreachApp();

    BOOL InitInstance() override;
    // The command line's settings, given before the application starts.
    void SetOptions(const LaunchOptions& options);

private:
    LaunchOptions m_options;
};
