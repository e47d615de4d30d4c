// CStringT: reference-counted strings with copy on write, for wide and ANSI characters.
#include <afxwin.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <string_view>
#include <utility>

namespace {

// The characters of every empty string: a header that is never counted nor freed, followed by
// a terminator that reads as '\0' for either character type.
struct NilString
{
    CStringData header;
    wchar_t terminator;
};
NilString g_nil = {{0, 0, -1}, L'\0'};
static_assert(offsetof(NilString, terminator) == sizeof(CStringData),
              "the terminator must sit where CStringData::data() looks");

// One less than INT_MAX so that the terminator still has a place.
constexpr long long kMaxLength = INT_MAX - 1;

// The C runtime's and the system's functions for each character type. The runtime's own printf
// family is called on purpose: with MinGW, the C++ headers may route the standard names to a
// C99 implementation where %s in a wide format is a narrow string, while every caller of Format
// expects the Microsoft runtime's rules.
template <typename T> struct Chars;

template <> struct Chars<wchar_t>
{
    static size_t Length(const wchar_t* psz) { return std::wcslen(psz); }
    static int Compare(const wchar_t* a, const wchar_t* b) { return std::wcscmp(a, b); }
    static int CompareNoCase(const wchar_t* a, const wchar_t* b) { return _wcsicmp(a, b); }
    static size_t Span(const wchar_t* psz, const wchar_t* set) { return std::wcsspn(psz, set); }
    static size_t SpanNot(const wchar_t* psz, const wchar_t* set) { return std::wcscspn(psz, set); }
    static bool IsSpace(wchar_t ch) { return std::iswspace(ch) != 0; }
    static int FormattedLength(const wchar_t* pszFormat, va_list args)
    {
        return _vscwprintf(pszFormat, args);
    }
    static void Print(wchar_t* buffer, int nLength, const wchar_t* pszFormat, va_list args)
    {
        _vsnwprintf(buffer, static_cast<size_t>(nLength) + 1, pszFormat, args);
    }
    static DWORD FormatMessageAlloc(const wchar_t* pszFormat, va_list* pArgs, wchar_t** ppBuffer)
    {
        return ::FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                pszFormat, 0, 0, reinterpret_cast<LPWSTR>(ppBuffer), 0, pArgs);
    }
    // Converts nSource ANSI characters; with a null target, only counts the result.
    static int FromOther(const char* pchSource, int nSource, wchar_t* pchTarget, int nTarget)
    {
        return ::MultiByteToWideChar(CP_THREAD_ACP, 0, pchSource, nSource, pchTarget, nTarget);
    }
};

template <> struct Chars<char>
{
    static size_t Length(const char* psz) { return std::strlen(psz); }
    static int Compare(const char* a, const char* b) { return std::strcmp(a, b); }
    static int CompareNoCase(const char* a, const char* b) { return _stricmp(a, b); }
    static size_t Span(const char* psz, const char* set) { return std::strspn(psz, set); }
    static size_t SpanNot(const char* psz, const char* set) { return std::strcspn(psz, set); }
    static bool IsSpace(char ch) { return std::isspace(static_cast<unsigned char>(ch)) != 0; }
    static int FormattedLength(const char* pszFormat, va_list args)
    {
        return _vscprintf(pszFormat, args);
    }
    static void Print(char* buffer, int nLength, const char* pszFormat, va_list args)
    {
        _vsnprintf(buffer, static_cast<size_t>(nLength) + 1, pszFormat, args);
    }
    static DWORD FormatMessageAlloc(const char* pszFormat, va_list* pArgs, char** ppBuffer)
    {
        return ::FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                                pszFormat, 0, 0, reinterpret_cast<LPSTR>(ppBuffer), 0, pArgs);
    }
    static int FromOther(const wchar_t* pchSource, int nSource, char* pchTarget, int nTarget)
    {
        return ::WideCharToMultiByte(CP_THREAD_ACP, 0, pchSource, nSource, pchTarget, nTarget,
                                     nullptr, nullptr);
    }
};

// A string operator has no way to report failure; like HeapAlloc with HEAP_GENERATE_EXCEPTIONS,
// running out of memory raises the system's out-of-memory exception instead of corrupting data.
[[noreturn]] void FailOutOfMemory()
{
    RaiseException(STATUS_NO_MEMORY, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    std::abort(); // not reached (noncontinuable), but RaiseException is not declared noreturn
}

int CheckedLength(long long nLength)
{
    if (nLength > kMaxLength)
        FailOutOfMemory();
    return static_cast<int>(nLength);
}

template <typename T> size_t BytesFor(int nCapacity)
{
    return sizeof(CStringData) + (static_cast<size_t>(nCapacity) + 1) * sizeof(T);
}

template <typename T> T* CharsOf(CStringData* data)
{
    return static_cast<T*>(data->data());
}

template <typename T> CStringData* Allocate(int nCapacity)
{
    auto* data = static_cast<CStringData*>(std::malloc(BytesFor<T>(nCapacity)));
    if (!data)
        FailOutOfMemory();
    data->nDataLength = 0;
    data->nAllocLength = nCapacity;
    data->nRefs = 1;
    CharsOf<T>(data)[0] = T();
    return data;
}

template <typename T> CStringData* Reallocate(CStringData* data, int nCapacity)
{
    auto* grown = static_cast<CStringData*>(std::realloc(data, BytesFor<T>(nCapacity)));
    if (!grown)
        FailOutOfMemory();
    grown->nAllocLength = nCapacity;
    return grown;
}

// Growing by half of the current capacity keeps repeated appends linear overall.
int GrownCapacity(int nCurrent, int nNeeded)
{
    long long nGrown = static_cast<long long>(nCurrent) + nCurrent / 2;
    return static_cast<int>(std::min(kMaxLength, std::max<long long>(nNeeded, nGrown)));
}

void AddRef(CStringData* data)
{
    if (data->nRefs != -1)
        InterlockedIncrement(&data->nRefs);
}

void Release(CStringData* data)
{
    if (data->nRefs != -1 && InterlockedDecrement(&data->nRefs) == 0)
        std::free(data);
}

// The copy functions must not be given a null source, even for no characters.
template <typename T> void CopyChars(T* to, const T* from, int nCount)
{
    if (nCount > 0)
        std::memcpy(to, from, static_cast<size_t>(nCount) * sizeof(T));
}

template <typename T> std::basic_string_view<T> View(const T* psz, int nLength)
{
    return {psz, static_cast<size_t>(nLength)};
}

bool IsAsciiLower(int ch)
{
    return ch >= 'a' && ch <= 'z';
}

bool IsAsciiUpper(int ch)
{
    return ch >= 'A' && ch <= 'Z';
}

} // namespace

// --- construction and assignment -------------------------------------------------------------

template <typename T> CStringT<T>::CStringT() : m_pszData(CharsOf<T>(&g_nil.header)) {}

template <typename T> CStringT<T>::CStringT(const CStringT& strSrc) : m_pszData(strSrc.m_pszData)
{
    AddRef(GetData());
}

template <typename T>
CStringT<T>::CStringT(CStringT&& strSrc) noexcept : m_pszData(strSrc.m_pszData)
{
    strSrc.m_pszData = CharsOf<T>(&g_nil.header);
}

template <typename T> CStringT<T>::CStringT(PCXSTR pszSrc) : CStringT()
{
    if (!LoadIfResourceId(pszSrc))
        Append(pszSrc);
}

template <typename T> CStringT<T>::CStringT(PCYSTR pszSrc) : CStringT()
{
    if (!LoadIfResourceId(pszSrc))
        AssignConverted(pszSrc, pszSrc ? CheckedLength(Chars<YCHAR>::Length(pszSrc)) : 0);
}

template <typename T> CStringT<T>::CStringT(PCXSTR pch, int nLength) : CStringT()
{
    Append(pch, nLength);
}

template <typename T> CStringT<T>::CStringT(PCYSTR pch, int nLength) : CStringT()
{
    if (pch && nLength > 0)
        AssignConverted(pch, nLength);
}

template <typename T> CStringT<T>::CStringT(XCHAR ch, int nRepeat) : CStringT()
{
    if (nRepeat > 0) {
        std::fill_n(PrepareWrite(nRepeat), nRepeat, ch);
        SetLength(nRepeat);
    }
}

// One character of the other type may convert to more than one (or no) character of this type.
template <typename T> CStringT<T>::CStringT(YCHAR ch, int nRepeat) : CStringT()
{
    CStringT converted(&ch, 1);
    for (int i = 0; i < nRepeat; ++i)
        Append(converted);
}

template <typename T> CStringT<T>::~CStringT()
{
    Release(GetData());
}

template <typename T> CStringT<T>& CStringT<T>::operator=(const CStringT& strSrc)
{
    // Counting the new buffer before releasing the old one makes self-assignment safe.
    CStringData* previous = GetData();
    AddRef(strSrc.GetData());
    m_pszData = strSrc.m_pszData;
    Release(previous);
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::operator=(CStringT&& strSrc) noexcept
{
    std::swap(m_pszData, strSrc.m_pszData);
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::operator=(PCXSTR pszSrc)
{
    Assign(pszSrc, StringLength(pszSrc));
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::operator=(PCYSTR pszSrc)
{
    return *this = CStringT(pszSrc, pszSrc ? CheckedLength(Chars<YCHAR>::Length(pszSrc)) : 0);
}

template <typename T> CStringT<T>& CStringT<T>::operator=(XCHAR ch)
{
    Assign(&ch, 1);
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::operator=(YCHAR ch)
{
    return *this = CStringT(ch);
}

// A pointer below 0x10000 is a resource id; the string is loaded, or stays empty.
template <typename T> bool CStringT<T>::LoadIfResourceId(const void* pv)
{
    if (pv == nullptr || !IS_INTRESOURCE(pv))
        return false;
    LoadString(LOWORD(reinterpret_cast<UINT_PTR>(pv)));
    return true;
}

// --- concatenation ---------------------------------------------------------------------------

template <typename T> CStringT<T>& CStringT<T>::operator+=(const CStringT& str)
{
    Append(str);
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::operator+=(PCXSTR psz)
{
    Append(psz);
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::operator+=(PCYSTR psz)
{
    Append(CStringT(psz));
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::operator+=(XCHAR ch)
{
    AppendChar(ch);
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::operator+=(YCHAR ch)
{
    Append(CStringT(ch));
    return *this;
}

template <typename T> void CStringT<T>::Append(PCXSTR pszSrc)
{
    Splice(GetLength(), 0, pszSrc, StringLength(pszSrc));
}

template <typename T> void CStringT<T>::Append(PCXSTR pszSrc, int nLength)
{
    if (pszSrc != nullptr && nLength > 0)
        Splice(GetLength(), 0, pszSrc, nLength);
}

template <typename T> void CStringT<T>::Append(const CStringT& strSrc)
{
    Splice(GetLength(), 0, strSrc.m_pszData, strSrc.GetLength());
}

template <typename T> void CStringT<T>::AppendChar(XCHAR ch)
{
    Splice(GetLength(), 0, &ch, 1);
}

template <typename T> CStringT<T> CStringT<T>::Concat(PCXSTR pchA, int nA, PCXSTR pchB, int nB)
{
    CStringT result;
    int nLength = CheckedLength(static_cast<long long>(nA) + nB);
    if (nLength > 0) {
        PXSTR p = result.PrepareWrite(nLength);
        CopyChars(p, pchA, nA);
        CopyChars(p + nA, pchB, nB);
        result.SetLength(nLength);
    }
    return result;
}

// --- access ----------------------------------------------------------------------------------

template <typename T> int CStringT<T>::GetLength() const
{
    return GetData()->nDataLength;
}

template <typename T> int CStringT<T>::GetAllocLength() const
{
    return GetData()->nAllocLength;
}

template <typename T> bool CStringT<T>::IsEmpty() const
{
    return GetLength() == 0;
}

template <typename T> void CStringT<T>::Empty()
{
    Release(GetData());
    m_pszData = CharsOf<T>(&g_nil.header);
}

template <typename T> T CStringT<T>::GetAt(int iChar) const
{
    // The terminator may be read, as in MFC.
    return iChar >= 0 && iChar <= GetLength() ? m_pszData[iChar] : T();
}

template <typename T> void CStringT<T>::SetAt(int iChar, XCHAR ch)
{
    if (iChar >= 0 && iChar < GetLength())
        PrepareWrite(0)[iChar] = ch;
}

// --- comparison and search -------------------------------------------------------------------

template <typename T> int CStringT<T>::Compare(PCXSTR psz) const
{
    static const T empty[1] = {};
    return Chars<T>::Compare(m_pszData, psz ? psz : empty);
}

template <typename T> int CStringT<T>::CompareNoCase(PCXSTR psz) const
{
    static const T empty[1] = {};
    return Chars<T>::CompareNoCase(m_pszData, psz ? psz : empty);
}

template <typename T> int CStringT<T>::Find(XCHAR ch, int iStart) const
{
    if (iStart < 0 || iStart >= GetLength())
        return -1;
    size_t pos = View(m_pszData, GetLength()).find(ch, iStart);
    return pos == std::basic_string_view<T>::npos ? -1 : static_cast<int>(pos);
}

template <typename T> int CStringT<T>::Find(PCXSTR pszSub, int iStart) const
{
    if (iStart < 0 || iStart > GetLength())
        return -1;
    size_t pos = View(m_pszData, GetLength()).find(View(pszSub, StringLength(pszSub)), iStart);
    return pos == std::basic_string_view<T>::npos ? -1 : static_cast<int>(pos);
}

// The set functions work on the text up to its first null character, as the C runtime does.
template <typename T> int CStringT<T>::FindOneOf(PCXSTR pszCharSet) const
{
    if (pszCharSet == nullptr)
        return -1;
    int nBefore = static_cast<int>(Chars<T>::SpanNot(m_pszData, pszCharSet));
    return m_pszData[nBefore] == T() ? -1 : nBefore;
}

template <typename T> int CStringT<T>::ReverseFind(XCHAR ch) const
{
    size_t pos = View(m_pszData, GetLength()).rfind(ch);
    return pos == std::basic_string_view<T>::npos ? -1 : static_cast<int>(pos);
}

template <typename T> CStringT<T> CStringT<T>::SpanIncluding(PCXSTR pszCharSet) const
{
    return pszCharSet == nullptr ? CStringT()
                                 : Left(static_cast<int>(Chars<T>::Span(m_pszData, pszCharSet)));
}

template <typename T> CStringT<T> CStringT<T>::SpanExcluding(PCXSTR pszCharSet) const
{
    return pszCharSet == nullptr ? *this
                                 : Left(static_cast<int>(Chars<T>::SpanNot(m_pszData, pszCharSet)));
}

// Without delimiters the rest of the string is the token and iStart stays where it was, as in
// MFC (a loop over such tokens does not end).
template <typename T> CStringT<T> CStringT<T>::Tokenize(PCXSTR pszTokens, int& iStart) const
{
    if (iStart >= 0 && iStart < GetLength()) {
        if (pszTokens == nullptr || *pszTokens == T())
            return Mid(iStart);
        PCXSTR pszPlace = m_pszData + iStart;
        int nIncluding = static_cast<int>(Chars<T>::Span(pszPlace, pszTokens));
        if (iStart + nIncluding < GetLength()) {
            int iFrom = iStart + nIncluding;
            int nUntil = static_cast<int>(Chars<T>::SpanNot(pszPlace + nIncluding, pszTokens));
            iStart = iFrom + nUntil + 1;
            return Mid(iFrom, nUntil);
        }
    }
    iStart = -1;
    return CStringT();
}

// --- modification ----------------------------------------------------------------------------

template <typename T> int CStringT<T>::Replace(PCXSTR pszOld, PCXSTR pszNew)
{
    auto from = View(pszOld, StringLength(pszOld));
    auto to = View(pszNew, StringLength(pszNew));
    auto text = View(m_pszData, GetLength());
    constexpr size_t npos = std::basic_string_view<T>::npos;
    size_t pos = from.empty() ? npos : text.find(from);
    if (pos == npos)
        return 0;

    // Built apart from this string, so pszOld and pszNew may point into it.
    CStringT result;
    int nCount = 0;
    size_t nDone = 0;
    for (; pos != npos; pos = text.find(from, nDone)) {
        result.Append(text.data() + nDone, static_cast<int>(pos - nDone));
        result.Append(to.data(), static_cast<int>(to.size()));
        nDone = pos + from.size();
        ++nCount;
    }
    result.Append(text.data() + nDone, static_cast<int>(text.size() - nDone));
    *this = std::move(result);
    return nCount;
}

template <typename T> int CStringT<T>::Replace(XCHAR chOld, XCHAR chNew)
{
    if (chOld == chNew || Find(chOld) < 0)
        return 0;
    int nCount = 0;
    PXSTR p = PrepareWrite(0);
    for (int i = 0; i < GetLength(); ++i) {
        if (p[i] == chOld) {
            p[i] = chNew;
            ++nCount;
        }
    }
    return nCount;
}

template <typename T> int CStringT<T>::Remove(XCHAR chRemove)
{
    if (Find(chRemove) < 0)
        return 0;
    PXSTR p = PrepareWrite(0);
    int nLength = GetLength();
    int nKept = static_cast<int>(std::remove(p, p + nLength, chRemove) - p);
    SetLength(nKept);
    return nLength - nKept;
}

template <typename T> int CStringT<T>::Insert(int iIndex, PCXSTR psz)
{
    Splice(std::clamp(iIndex, 0, GetLength()), 0, psz, StringLength(psz));
    return GetLength();
}

template <typename T> int CStringT<T>::Insert(int iIndex, XCHAR ch)
{
    Splice(std::clamp(iIndex, 0, GetLength()), 0, &ch, 1);
    return GetLength();
}

template <typename T> int CStringT<T>::Delete(int iIndex, int nCount)
{
    int nLength = GetLength();
    iIndex = std::max(iIndex, 0);
    nCount = static_cast<int>(std::min<long long>(std::max(nCount, 0), nLength - iIndex));
    if (nCount > 0)
        Splice(iIndex, nCount, nullptr, 0);
    return GetLength();
}

template <typename T> CStringT<T>& CStringT<T>::MakeUpper()
{
    if (std::any_of(m_pszData, m_pszData + GetLength(), IsAsciiLower)) {
        PXSTR p = PrepareWrite(0);
        std::transform(p, p + GetLength(), p,
                       [](T ch) { return IsAsciiLower(ch) ? T(ch - 'a' + 'A') : ch; });
    }
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::MakeLower()
{
    if (std::any_of(m_pszData, m_pszData + GetLength(), IsAsciiUpper)) {
        PXSTR p = PrepareWrite(0);
        std::transform(p, p + GetLength(), p,
                       [](T ch) { return IsAsciiUpper(ch) ? T(ch - 'A' + 'a') : ch; });
    }
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::MakeReverse()
{
    if (GetLength() > 1) {
        PXSTR p = PrepareWrite(0);
        std::reverse(p, p + GetLength());
    }
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::Trim()
{
    return TrimRight().TrimLeft();
}

template <typename T> CStringT<T>& CStringT<T>::Trim(XCHAR chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

template <typename T> CStringT<T>& CStringT<T>::Trim(PCXSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

namespace {

// How many characters at either end of the text the test picks for trimming.
template <typename T, typename Test> int LeadingCount(const T* p, int nLength, Test isTrimmed)
{
    return static_cast<int>(std::find_if_not(p, p + nLength, isTrimmed) - p);
}

template <typename T, typename Test> int TrailingCount(const T* p, int nLength, Test isTrimmed)
{
    int nEnd = nLength;
    while (nEnd > 0 && isTrimmed(p[nEnd - 1]))
        --nEnd;
    return nLength - nEnd;
}

template <typename T> auto IsIn(const T* pszSet)
{
    return [pszSet](T ch) {
        return ch != T() &&
               std::basic_string_view<T>(pszSet).find(ch) != std::basic_string_view<T>::npos;
    };
}

} // namespace

template <typename T> CStringT<T>& CStringT<T>::TrimLeft()
{
    Delete(0, LeadingCount(m_pszData, GetLength(), Chars<T>::IsSpace));
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::TrimLeft(XCHAR chTarget)
{
    Delete(0, LeadingCount(m_pszData, GetLength(), [chTarget](T ch) { return ch == chTarget; }));
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::TrimLeft(PCXSTR pszTargets)
{
    if (pszTargets != nullptr && *pszTargets != T())
        Delete(0, LeadingCount(m_pszData, GetLength(), IsIn(pszTargets)));
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::TrimRight()
{
    int nTrailing = TrailingCount(m_pszData, GetLength(), Chars<T>::IsSpace);
    Delete(GetLength() - nTrailing, nTrailing);
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::TrimRight(XCHAR chTarget)
{
    int nTrailing =
        TrailingCount(m_pszData, GetLength(), [chTarget](T ch) { return ch == chTarget; });
    Delete(GetLength() - nTrailing, nTrailing);
    return *this;
}

template <typename T> CStringT<T>& CStringT<T>::TrimRight(PCXSTR pszTargets)
{
    if (pszTargets != nullptr && *pszTargets != T()) {
        int nTrailing = TrailingCount(m_pszData, GetLength(), IsIn(pszTargets));
        Delete(GetLength() - nTrailing, nTrailing);
    }
    return *this;
}

// --- extraction ------------------------------------------------------------------------------

template <typename T> CStringT<T> CStringT<T>::Left(int nCount) const
{
    return Mid(0, nCount);
}

template <typename T> CStringT<T> CStringT<T>::Mid(int iFirst) const
{
    return Mid(iFirst, GetLength());
}

template <typename T> CStringT<T> CStringT<T>::Mid(int iFirst, int nCount) const
{
    int nLength = GetLength();
    iFirst = std::clamp(iFirst, 0, nLength);
    nCount = std::clamp(nCount, 0, nLength - iFirst);
    if (iFirst == 0 && nCount == nLength)
        return *this; // shares the buffer
    return CStringT(m_pszData + iFirst, nCount);
}

template <typename T> CStringT<T> CStringT<T>::Right(int nCount) const
{
    int nLength = GetLength();
    nCount = std::clamp(nCount, 0, nLength);
    return Mid(nLength - nCount, nCount);
}

// --- resources -------------------------------------------------------------------------------

template <typename T> BOOL CStringT<T>::LoadString(UINT nID)
{
    HINSTANCE hInstance = AfxFindStringResourceHandle(nID);
    return hInstance != nullptr && LoadString(hInstance, nID);
}

// String tables hold UTF-16 text; an ANSI string gets it converted.
template <typename T> BOOL CStringT<T>::LoadString(HINSTANCE hInstance, UINT nID)
{
    const wchar_t* pchResource = nullptr;
    int nLength = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&pchResource), 0);
    if (nLength <= 0)
        return FALSE;
    if constexpr (std::is_same_v<T, wchar_t>)
        Assign(pchResource, nLength);
    else
        AssignConverted(pchResource, nLength);
    return TRUE;
}

template <typename T> CStringT<T> CStringT<T>::LoadedFormat(UINT nFormatID)
{
    CStringT strFormat;
    strFormat.LoadString(nFormatID);
    return strFormat;
}

// --- formatting ------------------------------------------------------------------------------

namespace {

template <typename T> CStringT<T> FormatToString(const T* pszFormat, va_list args)
{
    CStringT<T> result;
    if (!pszFormat)
        return result;
    va_list measuring;
    va_copy(measuring, args);
    int nLength = Chars<T>::FormattedLength(pszFormat, measuring);
    va_end(measuring);
    if (nLength > 0)
        Chars<T>::Print(result.GetBufferSetLength(nLength), nLength, pszFormat, args);
    return result;
}

} // namespace

template <typename T> void AFX_CDECL CStringT<T>::FormatArgs(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

template <typename T> void AFX_CDECL CStringT<T>::AppendFormatArgs(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

template <typename T> void AFX_CDECL CStringT<T>::FormatMessageArgs(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatMessageV(pszFormat, &args);
    va_end(args);
}

// Both format into a separate string first, so the arguments may refer to this string.
template <typename T> void CStringT<T>::FormatV(PCXSTR pszFormat, va_list args)
{
    *this = FormatToString(pszFormat, args);
}

template <typename T> void CStringT<T>::AppendFormatV(PCXSTR pszFormat, va_list args)
{
    *this += FormatToString(pszFormat, args);
}

template <typename T> void CStringT<T>::FormatMessageV(PCXSTR pszFormat, va_list* pArgList)
{
    T* pszBuffer = nullptr;
    DWORD nLength =
        pszFormat == nullptr ? 0 : Chars<T>::FormatMessageAlloc(pszFormat, pArgList, &pszBuffer);
    *this = CStringT(pszBuffer, static_cast<int>(nLength));
    ::LocalFree(pszBuffer);
}

// --- direct buffer access --------------------------------------------------------------------

template <typename T> T* CStringT<T>::GetBuffer()
{
    return PrepareWrite(0);
}

template <typename T> T* CStringT<T>::GetBuffer(int nMinBufferLength)
{
    return PrepareWrite(std::max(nMinBufferLength, 0));
}

template <typename T> T* CStringT<T>::GetBufferSetLength(int nLength)
{
    nLength = std::max(nLength, 0);
    PrepareWrite(nLength);
    SetLength(nLength);
    return m_pszData;
}

template <typename T> void CStringT<T>::ReleaseBuffer(int nNewLength)
{
    CStringData* data = GetData();
    if (data->nRefs != 1)
        return; // no buffer was handed out: GetBuffer always leaves an unshared one
    if (nNewLength < 0 || nNewLength > data->nAllocLength) {
        auto text = View(m_pszData, data->nAllocLength);
        nNewLength = static_cast<int>(std::min(text.find(T()), text.size()));
    }
    SetLength(nNewLength);
}

// --- internals -------------------------------------------------------------------------------

template <typename T> int CStringT<T>::StringLength(PCXSTR psz)
{
    return psz ? CheckedLength(static_cast<long long>(Chars<T>::Length(psz))) : 0;
}

// Makes the buffer this string's own (copy on write) with room for at least nMinCapacity
// characters, keeping the content.
template <typename T> T* CStringT<T>::PrepareWrite(int nMinCapacity)
{
    CStringData* data = GetData();
    int nLength = data->nDataLength;
    if (data->nRefs != 1) {
        CStringData* own = Allocate<T>(std::max(nMinCapacity, nLength));
        CopyChars(CharsOf<T>(own), m_pszData, nLength + 1);
        own->nDataLength = nLength;
        Release(data);
        m_pszData = CharsOf<T>(own);
    } else if (nMinCapacity > data->nAllocLength) {
        m_pszData =
            CharsOf<T>(Reallocate<T>(data, GrownCapacity(data->nAllocLength, nMinCapacity)));
    }
    return m_pszData;
}

// Only for a buffer made writable by PrepareWrite with room for nLength characters.
template <typename T> void CStringT<T>::SetLength(int nLength)
{
    GetData()->nDataLength = nLength;
    m_pszData[nLength] = T();
}

template <typename T> void CStringT<T>::Assign(PCXSTR pch, int nLength)
{
    if (GetData()->nRefs == 1)
        Splice(0, GetLength(), pch, nLength); // reuses the buffer this string already owns
    else
        *this = CStringT(pch, nLength);
}

template <typename T> void CStringT<T>::AssignConverted(PCYSTR pch, int nLength)
{
    int nConverted = Chars<T>::FromOther(pch, nLength, nullptr, 0);
    if (nConverted <= 0) {
        Empty();
        return;
    }
    PXSTR p = GetBufferSetLength(nConverted);
    Chars<T>::FromOther(pch, nLength, p, nConverted);
}

// Replaces nRemove characters at iStart with nInsert characters from pch. Every in-place
// change of length goes through here.
template <typename T> void CStringT<T>::Splice(int iStart, int nRemove, PCXSTR pch, int nInsert)
{
    if (nInsert > 0 && PointsIntoBuffer(pch)) {
        // The buffer is about to move or shift under pch: take the characters out first.
        CStringT copy(pch, nInsert);
        Splice(iStart, nRemove, copy.m_pszData, nInsert);
        return;
    }
    if (nRemove == 0 && nInsert == 0)
        return;
    int nOldLength = GetLength();
    int nNewLength = CheckedLength(static_cast<long long>(nOldLength) - nRemove + nInsert);
    PXSTR p = PrepareWrite(nNewLength);
    std::memmove(p + iStart + nInsert, p + iStart + nRemove,
                 static_cast<size_t>(nOldLength - iStart - nRemove) * sizeof(T));
    CopyChars(p + iStart, pch, nInsert);
    SetLength(nNewLength);
}

template <typename T> bool CStringT<T>::PointsIntoBuffer(PCXSTR pch) const
{
    auto address = reinterpret_cast<uintptr_t>(pch);
    auto begin = reinterpret_cast<uintptr_t>(m_pszData);
    return address >= begin && address <= begin + GetData()->nAllocLength * sizeof(T);
}

template class CStringT<wchar_t>;
template class CStringT<char>;
