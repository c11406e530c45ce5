#include "frame/TavView.h"

IMPLEMENT_DYNCREATE(CTavView, CView)
