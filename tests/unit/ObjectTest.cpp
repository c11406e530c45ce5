#include "framework/Exception.h"
#include "framework/Object.h"

#include <gtest/gtest.h>

namespace {

class CAnimal : public CObject {
    DECLARE_DYNCREATE(CAnimal)
};
class CDog : public CAnimal {
    DECLARE_DYNCREATE(CDog)
};
class CStone : public CObject {
    DECLARE_DYNAMIC(CStone)
};

IMPLEMENT_DYNCREATE(CAnimal, CObject)
IMPLEMENT_DYNCREATE(CDog, CAnimal)
IMPLEMENT_DYNAMIC(CStone, CObject)

}  // namespace

TEST(RuntimeClass, TestsKindsAlongTheBaseChain) {
    CDog dog;
    CStone stone;
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CDog)));
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_TRUE(dog.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(stone.IsKindOf(RUNTIME_CLASS(CAnimal)));
    EXPECT_STREQ("CDog", dog.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(&dog, DynamicDowncast<CAnimal>(&dog));
    EXPECT_EQ(nullptr, DynamicDowncast<CAnimal>(&stone));
}

TEST(RuntimeClass, CreatesByNameOnlyWhatDeclaresIt) {
    CObject* p = CRuntimeClass::CreateObject("CDog");
    ASSERT_NE(nullptr, p);
    EXPECT_TRUE(p->IsKindOf(RUNTIME_CLASS(CDog)));
    delete p;
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CStone"));
    EXPECT_EQ(nullptr, CRuntimeClass::CreateObject("CNothing"));
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CStone)->CreateObject());
}

TEST(Exceptions, CarryTheSystemTextAndAreCaughtByPointer) {
    try {
        AfxThrowFileException(CFileException::sharingViolation, ERROR_SHARING_VIOLATION, "C:\\x.tmp");
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        char text[256];
        EXPECT_TRUE(e->GetErrorMessage(text, sizeof(text)));
        EXPECT_STREQ(AfxFormatSystemMessage(ERROR_SHARING_VIOLATION), text);
        EXPECT_NE('\n', text[strlen(text) - 1]);  // no line break in a status text
        e->Delete();
    }
    // The text is cut to the caller's buffer and stays terminated.
    CFileException e(CFileException::accessDenied, ERROR_ACCESS_DENIED);
    char small[8];
    e.GetErrorMessage(small, sizeof(small));
    EXPECT_EQ(7u, strlen(small));
    // Without a system code there is still a text.
    CFileException eof(CFileException::endOfFile, 0, "a.tmp");
    EXPECT_FALSE(eof.GetErrorText().IsEmpty());
    CMemoryException mem;
    EXPECT_EQ(CString("Out of memory."), mem.GetErrorText());
}
