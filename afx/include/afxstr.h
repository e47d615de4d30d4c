// CString: the framework's strings, of wide characters (CStringW, which CString is) and of ANSI
// characters (CStringA).
//
// As in MFC, a string is one pointer to its characters; a header in front of them holds the
// length, the capacity and a reference count, so copies share one buffer until one of them is
// written (copy on write). Every empty string shares one static header. Text of the other
// character type is converted with the thread's ANSI code page.
#pragma once

#include "afxver_.h"

#include <cstdarg>
#include <type_traits>

struct CStringData
{
    int nDataLength;  // characters in use, without the terminator
    int nAllocLength; // characters that fit, without the terminator
    long nRefs;       // -1 for the shared empty string, which is never freed

    void* data() { return this + 1; }
};

template <typename BaseType> class CStringT;
typedef CStringT<wchar_t> CStringW;
typedef CStringT<char> CStringA;
typedef CStringW CString;

// One string class for both character types; the framework DLL holds the code of both.
template <typename BaseType> class AFX_CORE_API CStringT
{
public:
    typedef BaseType XCHAR;
    typedef BaseType* PXSTR;
    typedef const BaseType* PCXSTR;
    typedef std::conditional_t<std::is_same_v<BaseType, char>, wchar_t, char> YCHAR;
    typedef YCHAR* PYSTR;
    typedef const YCHAR* PCYSTR;

    // Construction. A pointer made with MAKEINTRESOURCE loads that string resource through the
    // resource chain.
    CStringT();
    CStringT(const CStringT& strSrc);
    CStringT(CStringT&& strSrc) noexcept;
    CStringT(PCXSTR pszSrc);
    CStringT(PCYSTR pszSrc);
    CStringT(PCXSTR pch, int nLength);
    CStringT(PCYSTR pch, int nLength);
    CStringT(XCHAR ch, int nRepeat = 1);
    CStringT(YCHAR ch, int nRepeat = 1);
    ~CStringT();

    CStringT& operator=(const CStringT& strSrc);
    CStringT& operator=(CStringT&& strSrc) noexcept;
    CStringT& operator=(PCXSTR pszSrc);
    CStringT& operator=(PCYSTR pszSrc);
    CStringT& operator=(XCHAR ch);
    CStringT& operator=(YCHAR ch);

    CStringT& operator+=(const CStringT& str);
    CStringT& operator+=(PCXSTR psz);
    CStringT& operator+=(PCYSTR psz);
    CStringT& operator+=(XCHAR ch);
    CStringT& operator+=(YCHAR ch);

    friend CStringT operator+(const CStringT& str1, const CStringT& str2)
    {
        return Concat(str1, str1.GetLength(), str2, str2.GetLength());
    }
    friend CStringT operator+(const CStringT& str1, PCXSTR psz2)
    {
        return Concat(str1, str1.GetLength(), psz2, StringLength(psz2));
    }
    friend CStringT operator+(PCXSTR psz1, const CStringT& str2)
    {
        return Concat(psz1, StringLength(psz1), str2, str2.GetLength());
    }
    friend CStringT operator+(const CStringT& str1, XCHAR ch2)
    {
        return Concat(str1, str1.GetLength(), &ch2, 1);
    }
    friend CStringT operator+(XCHAR ch1, const CStringT& str2)
    {
        return Concat(&ch1, 1, str2, str2.GetLength());
    }

    // Attributes
    operator PCXSTR() const { return m_pszData; }
    PCXSTR GetString() const { return m_pszData; }
    int GetLength() const;
    int GetAllocLength() const;
    bool IsEmpty() const;
    void Empty();
    XCHAR GetAt(int iChar) const;
    void SetAt(int iChar, XCHAR ch);
    XCHAR operator[](int iChar) const { return GetAt(iChar); }

    // Comparison: character codes, as wcscmp and strcmp compare them.
    int Compare(PCXSTR psz) const;
    int CompareNoCase(PCXSTR psz) const;

    // Search
    int Find(XCHAR ch, int iStart = 0) const;
    int Find(PCXSTR pszSub, int iStart = 0) const;
    int FindOneOf(PCXSTR pszCharSet) const;
    int ReverseFind(XCHAR ch) const;
    CStringT SpanIncluding(PCXSTR pszCharSet) const;
    CStringT SpanExcluding(PCXSTR pszCharSet) const;
    // The next token after iStart, skipping leading delimiters; iStart then points past the
    // token's delimiter, or is -1 with an empty result when no token is left.
    CStringT Tokenize(PCXSTR pszTokens, int& iStart) const;

    // Modification
    void Append(PCXSTR pszSrc);
    void Append(PCXSTR pszSrc, int nLength);
    void Append(const CStringT& strSrc);
    void AppendChar(XCHAR ch);
    int Replace(PCXSTR pszOld, PCXSTR pszNew);
    int Replace(XCHAR chOld, XCHAR chNew);
    int Remove(XCHAR chRemove);
    int Insert(int iIndex, PCXSTR psz);
    int Insert(int iIndex, XCHAR ch);
    int Delete(int iIndex, int nCount = 1);
    // Only a-z and A-Z change, as in the C runtime's "C" locale.
    CStringT& MakeUpper();
    CStringT& MakeLower();
    CStringT& MakeReverse();
    CStringT& Trim();
    CStringT& Trim(XCHAR chTarget);
    CStringT& Trim(PCXSTR pszTargets);
    CStringT& TrimLeft();
    CStringT& TrimLeft(XCHAR chTarget);
    CStringT& TrimLeft(PCXSTR pszTargets);
    CStringT& TrimRight();
    CStringT& TrimRight(XCHAR chTarget);
    CStringT& TrimRight(PCXSTR pszTargets);

    // Extraction
    CStringT Left(int nCount) const;
    CStringT Mid(int iFirst) const;
    CStringT Mid(int iFirst, int nCount) const;
    CStringT Right(int nCount) const;

    // String resources: the instance that holds the string, or the first module of the
    // resource chain that does. FALSE when there is no such string.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

    // Formatting with the Microsoft C runtime's printf rules. A framework string given as an
    // argument is passed as its character pointer, as MSVC passes a CString through "...";
    // every other argument reaches the runtime exactly as in a direct printf call.
    template <typename... Args> void Format(PCXSTR pszFormat, const Args&... args)
    {
        FormatArgs(pszFormat, FormatArg(args)...);
    }
    template <typename... Args> void Format(UINT nFormatID, const Args&... args)
    {
        FormatArgs(LoadedFormat(nFormatID), FormatArg(args)...);
    }
    template <typename... Args> void AppendFormat(PCXSTR pszFormat, const Args&... args)
    {
        AppendFormatArgs(pszFormat, FormatArg(args)...);
    }
    template <typename... Args> void AppendFormat(UINT nFormatID, const Args&... args)
    {
        AppendFormatArgs(LoadedFormat(nFormatID), FormatArg(args)...);
    }
    void FormatV(PCXSTR pszFormat, va_list args);
    void AppendFormatV(PCXSTR pszFormat, va_list args);

    // Formatting with the system's message inserts (%1, %2!d!, ...). A format the system
    // rejects leaves the string empty.
    template <typename... Args> void FormatMessage(PCXSTR pszFormat, const Args&... args)
    {
        FormatMessageArgs(pszFormat, FormatArg(args)...);
    }
    template <typename... Args> void FormatMessage(UINT nFormatID, const Args&... args)
    {
        FormatMessageArgs(LoadedFormat(nFormatID), FormatArg(args)...);
    }
    void FormatMessageV(PCXSTR pszFormat, va_list* pArgList);

    // Direct buffer access
    PXSTR GetBuffer();
    PXSTR GetBuffer(int nMinBufferLength);
    PXSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);

    friend bool operator==(const CStringT& str1, const CStringT& str2)
    {
        return str1.Compare(str2) == 0;
    }
    friend bool operator==(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) == 0; }
    friend bool operator==(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) == 0; }
    friend bool operator==(const CStringT& str1, PCYSTR psz2) { return str1 == CStringT(psz2); }
    friend bool operator==(PCYSTR psz1, const CStringT& str2) { return CStringT(psz1) == str2; }
    friend bool operator==(const CStringT& str1, XCHAR ch2)
    {
        return str1.GetLength() == 1 && str1.GetAt(0) == ch2;
    }
    friend bool operator==(XCHAR ch1, const CStringT& str2) { return str2 == ch1; }
    friend bool operator!=(const CStringT& str1, const CStringT& str2) { return !(str1 == str2); }
    friend bool operator!=(const CStringT& str1, PCXSTR psz2) { return !(str1 == psz2); }
    friend bool operator!=(PCXSTR psz1, const CStringT& str2) { return !(psz1 == str2); }
    friend bool operator!=(const CStringT& str1, PCYSTR psz2) { return !(str1 == psz2); }
    friend bool operator!=(PCYSTR psz1, const CStringT& str2) { return !(psz1 == str2); }
    friend bool operator!=(const CStringT& str1, XCHAR ch2) { return !(str1 == ch2); }
    friend bool operator!=(XCHAR ch1, const CStringT& str2) { return !(ch1 == str2); }
    friend bool operator<(const CStringT& str1, const CStringT& str2)
    {
        return str1.Compare(str2) < 0;
    }
    friend bool operator<(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) < 0; }
    friend bool operator<(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) > 0; }
    friend bool operator>(const CStringT& str1, const CStringT& str2)
    {
        return str1.Compare(str2) > 0;
    }
    friend bool operator>(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) > 0; }
    friend bool operator>(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) < 0; }
    friend bool operator<=(const CStringT& str1, const CStringT& str2)
    {
        return str1.Compare(str2) <= 0;
    }
    friend bool operator<=(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) <= 0; }
    friend bool operator<=(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) >= 0; }
    friend bool operator>=(const CStringT& str1, const CStringT& str2)
    {
        return str1.Compare(str2) >= 0;
    }
    friend bool operator>=(const CStringT& str1, PCXSTR psz2) { return str1.Compare(psz2) >= 0; }
    friend bool operator>=(PCXSTR psz1, const CStringT& str2) { return str2.Compare(psz1) <= 0; }

private:
    // A string of the framework passes its characters; any other class object would reach the
    // runtime as something it cannot format, so it does not compile.
    template <typename T> static decltype(auto) FormatArg(const T& arg)
    {
        if constexpr (std::is_base_of_v<CStringW, T> || std::is_base_of_v<CStringA, T>) {
            return arg.GetString();
        } else {
            static_assert(!std::is_class_v<T> || std::is_trivially_copyable_v<T>,
                          "only framework strings and trivially copyable values can be formatted");
            return arg;
        }
    }
    static CStringT LoadedFormat(UINT nFormatID);
    void AFX_CDECL FormatArgs(PCXSTR pszFormat, ...);
    void AFX_CDECL AppendFormatArgs(PCXSTR pszFormat, ...);
    void AFX_CDECL FormatMessageArgs(PCXSTR pszFormat, ...);

    CStringData* GetData() const
    {
        return static_cast<CStringData*>(static_cast<void*>(m_pszData)) - 1;
    }
    PXSTR PrepareWrite(int nMinCapacity);
    void SetLength(int nLength);
    void Assign(PCXSTR pch, int nLength);
    void AssignConverted(PCYSTR pch, int nLength);
    void Splice(int iStart, int nRemove, PCXSTR pch, int nInsert);
    bool PointsIntoBuffer(PCXSTR pch) const;
    bool LoadIfResourceId(const void* pv);
    static int StringLength(PCXSTR psz);
    static CStringT Concat(PCXSTR pchA, int nA, PCXSTR pchB, int nB);

    PXSTR m_pszData;
};
