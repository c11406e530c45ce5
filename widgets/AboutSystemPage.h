// CAboutSystemPage: the About sheet's "System" page: the processor's name,
// identifier and speed, the physical memory and the user's name, read when
// the page is first shown, and "&Advanced", which starts the system
// information tool and closes the sheet.
#pragma once

#include "framework/PropertySheet.h"
#include "widgets/LinkStatic.h"

class CAboutSystemPage : public CPropertyPage {
    DECLARE_DYNCREATE(CAboutSystemPage)
public:
    CAboutSystemPage();

    BOOL OnInitDialog() override;

    // The system information tool's path as the registry gives it; TRUE
    // when a file is there.
    static BOOL LocateMsInfo(CString& out);
    // Total physical memory in whole megabytes; 0 where the system cannot say.
    static UINT GetPhysicalMemoryMB();

    // Where the machine's registry values are looked up (the processor and
    // the tool): HKEY_LOCAL_MACHINE, or a key of the tests' own.
    static HKEY s_hMachineKey;
    // How the tool is started; tests record the call instead.
    static PFN_SHELLEXECUTE s_pfnShellExecute;

    DECLARE_MESSAGE_MAP()

protected:
    void OnAdvanced();
};
