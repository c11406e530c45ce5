// Growable arrays: CArray<T> and the two kinds the program uses,
// CStringArray and CUIntArray. Running out of memory throws CMemoryException*.
#pragma once

#include "framework/Exception.h"
#include "framework/String.h"

#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

template <class T>
class CArray : public CObject {
public:
    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_items.size()); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_items.empty(); }

    void RemoveAll() {
        m_items.clear();
        m_items.shrink_to_fit();
    }

    const T& GetAt(INT_PTR nIndex) const { return m_items.at(static_cast<size_t>(nIndex)); }
    const T& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    T& operator[](INT_PTR nIndex) { return m_items.at(static_cast<size_t>(nIndex)); }

    INT_PTR Add(const T& value) {
        Guard([&] { m_items.push_back(value); });
        return GetUpperBound();
    }
    INT_PTR Add(T&& value) {
        Guard([&] { m_items.push_back(std::move(value)); });
        return GetUpperBound();
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1) {
        m_items.erase(m_items.begin() + nIndex, m_items.begin() + nIndex + nCount);
    }

    // Range-for support.
    typename std::vector<T>::const_iterator begin() const { return m_items.begin(); }
    typename std::vector<T>::const_iterator end() const { return m_items.end(); }

private:
    template <class F>
    static void Guard(F&& f) {
        try {
            f();
        } catch (const std::bad_alloc&) {
            AfxThrowMemoryException();
        } catch (const std::length_error&) {
            AfxThrowMemoryException();
        }
    }

    std::vector<T> m_items;
};

class CStringArray : public CArray<CString> {};
class CUIntArray : public CArray<UINT> {};
