// CTavView: the view class the document template names. The main window
// builds its own panes, so the running program never creates one.
#pragma once

#include "framework/View.h"

class CTavView : public CView {
    DECLARE_DYNCREATE(CTavView)
public:
    CTavView() = default;
    void OnDraw(CDC*) override {}
};
