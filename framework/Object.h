// CObject and run-time class information: dynamic type tests (IsKindOf) and
// creation by class name for the classes that declare it.
#pragma once

#include <windows.h>

class CObject;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    CObject* (*m_pfnCreateObject)();  // null when the class cannot be created by name
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Finds a class that can be created by name; null if none is registered.
    static const CRuntimeClass* FromName(LPCSTR lpszClassName);
    static CObject* CreateObject(LPCSTR lpszClassName);
};

// Registers a creatable class so that FromName finds it.
struct CRuntimeClassRegistration {
    explicit CRuntimeClassRegistration(const CRuntimeClass* pClass);
};

class CObject {
public:
    virtual ~CObject() = default;
    static const CRuntimeClass* GetThisClass();
    virtual const CRuntimeClass* GetRuntimeClass() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)             \
public:                                         \
    static const CRuntimeClass* GetThisClass(); \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS_(class_name, base_name, pfnCreate)                           \
    const CRuntimeClass* class_name::GetThisClass() {                                       \
        static const CRuntimeClass rc = {#class_name, pfnCreate, RUNTIME_CLASS(base_name)}; \
        return &rc;                                                                         \
    }                                                                                       \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                              \
        return class_name::GetThisClass();                                                  \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_name) IMPLEMENT_RUNTIMECLASS_(class_name, base_name, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_name)                            \
    CObject* class_name::CreateObject() {                                     \
        return new class_name;                                                \
    }                                                                         \
    IMPLEMENT_RUNTIMECLASS_(class_name, base_name, &class_name::CreateObject) \
    static const CRuntimeClassRegistration s_registration_##class_name(RUNTIME_CLASS(class_name));

// Downcast that tests the run-time class; null when the object is of another kind.
template <class T>
T* DynamicDowncast(CObject* pObject) {
    return pObject && pObject->IsKindOf(RUNTIME_CLASS(T)) ? static_cast<T*>(pObject) : nullptr;
}
