#include "dictionary/TavView.h"

IMPLEMENT_DYNCREATE(CTavView, CView)
