#include "dictionary/TavView.h"

#include "res/resource.h"

IMPLEMENT_DYNCREATE(CTavView, CView)

namespace {
const UINT kFilePrintDirect = 0xE108;   // 57608
const UINT kFilePrintPreview = 0xE109;  // 57609
}  // namespace

BEGIN_MESSAGE_MAP(CTavView, CView)
ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
ON_COMMAND(kFilePrintDirect, OnFilePrint)
ON_COMMAND(kFilePrintPreview, OnFilePrintPreview)
END_MESSAGE_MAP()
