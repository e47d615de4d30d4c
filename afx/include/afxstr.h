// CString: the framework's wide-character string.
//
// As in MFC, a CString is one pointer to its characters; a header in front of them holds the
// length, the capacity and a reference count, so copies share one buffer until one of them is
// written (copy on write). Every empty string shares one static header.
#pragma once

#include "afxver_.h"
#include <cstdarg>

struct CStringData
{
    int nDataLength;  // characters in use, without the terminator
    int nAllocLength; // characters that fit, without the terminator
    long nRefs;       // -1 for the shared empty string, which is never freed

    wchar_t* data() { return reinterpret_cast<wchar_t*>(this + 1); }
};

class AFX_CORE_API CString
{
public:
    typedef wchar_t XCHAR;
    typedef wchar_t* PXSTR;
    typedef const wchar_t* PCXSTR;

    CString();
    CString(const CString& other);
    CString(CString&& other) noexcept;
    CString(PCXSTR psz);
    CString(PCXSTR pch, int nLength);
    CString(wchar_t ch, int nRepeat = 1);
    // From 8-bit text in the thread's ANSI code page, as MFC's CStringW converts it.
    CString(const char* psz);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(PCXSTR psz);
    CString& operator=(wchar_t ch);
    CString& operator=(const char* psz);

    CString& operator+=(const CString& other);
    CString& operator+=(PCXSTR psz);
    CString& operator+=(wchar_t ch);

    friend AFX_CORE_API CString operator+(const CString& a, const CString& b);
    friend AFX_CORE_API CString operator+(const CString& a, PCXSTR b);
    friend AFX_CORE_API CString operator+(PCXSTR a, const CString& b);
    friend AFX_CORE_API CString operator+(const CString& a, wchar_t b);
    friend AFX_CORE_API CString operator+(wchar_t a, const CString& b);

    operator PCXSTR() const { return m_pszData; }
    PCXSTR GetString() const { return m_pszData; }

    int GetLength() const;
    int GetAllocLength() const;
    bool IsEmpty() const;
    void Empty();
    wchar_t GetAt(int iChar) const;
    void SetAt(int iChar, wchar_t ch);
    wchar_t operator[](int iChar) const { return GetAt(iChar); }

    int Compare(PCXSTR psz) const;
    int CompareNoCase(PCXSTR psz) const;

    int Find(wchar_t ch, int iStart = 0) const;
    int Find(PCXSTR pszSub, int iStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    int Replace(PCXSTR pszOld, PCXSTR pszNew);
    int Replace(wchar_t chOld, wchar_t chNew);
    int Insert(int iIndex, PCXSTR psz);
    int Delete(int iIndex, int nCount = 1);

    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();

    CString Left(int nCount) const;
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString Right(int nCount) const;

    void AFX_CDECL Format(PCXSTR pszFormat, ...);
    void AFX_CDECL AppendFormat(PCXSTR pszFormat, ...);
    void FormatV(PCXSTR pszFormat, va_list args);
    void AppendFormatV(PCXSTR pszFormat, va_list args);

    PXSTR GetBuffer();
    PXSTR GetBuffer(int nMinBufferLength);
    PXSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);

    friend bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
    friend bool operator==(const CString& a, PCXSTR b) { return a.Compare(b) == 0; }
    friend bool operator==(PCXSTR a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
    friend bool operator!=(const CString& a, PCXSTR b) { return a.Compare(b) != 0; }
    friend bool operator!=(PCXSTR a, const CString& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }

private:
    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pszData) - 1; }
    PXSTR PrepareWrite(int nMinCapacity);
    void SetLength(int nLength);
    void Assign(PCXSTR pch, int nLength);
    void Splice(int iStart, int nRemove, PCXSTR pch, int nInsert);
    bool PointsIntoBuffer(PCXSTR pch) const;
    static CString Concat(PCXSTR pchA, int nA, PCXSTR pchB, int nB);

    PXSTR m_pszData;
};
