// CString: reference-counted wide string with copy on write.
#include "afxstr.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <cwctype>
#include <string_view>
#include <utility>

namespace {

// The characters of every empty string: a header that is never counted nor freed, followed by
// the terminator that data() points at.
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

size_t BytesFor(int nCapacity)
{
    return sizeof(CStringData) + (static_cast<size_t>(nCapacity) + 1) * sizeof(wchar_t);
}

CStringData* Allocate(int nCapacity)
{
    auto* data = static_cast<CStringData*>(std::malloc(BytesFor(nCapacity)));
    if (!data)
        FailOutOfMemory();
    data->nDataLength = 0;
    data->nAllocLength = nCapacity;
    data->nRefs = 1;
    data->data()[0] = L'\0';
    return data;
}

CStringData* Reallocate(CStringData* data, int nCapacity)
{
    auto* grown = static_cast<CStringData*>(std::realloc(data, BytesFor(nCapacity)));
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

// wmemcpy must not be given a null source, even for no characters.
void CopyChars(wchar_t* to, const wchar_t* from, int nCount)
{
    if (nCount > 0)
        wmemcpy(to, from, nCount);
}

int StringLength(const wchar_t* psz)
{
    return psz ? CheckedLength(static_cast<long long>(std::wcslen(psz))) : 0;
}

std::wstring_view View(const wchar_t* psz)
{
    return {psz ? psz : L"", static_cast<size_t>(StringLength(psz))};
}

// The C runtime's own printf family is called on purpose: with MinGW, the C++ headers may
// route the standard names to a C99 implementation where %s in a wide format is a narrow
// string, while every caller of CString::Format expects the Microsoft runtime's rules.
CString FormatToString(const wchar_t* pszFormat, va_list args)
{
    CString result;
    if (!pszFormat)
        return result;
    va_list measuring;
    va_copy(measuring, args);
    int nLength = _vscwprintf(pszFormat, measuring);
    va_end(measuring);
    if (nLength > 0)
        _vsnwprintf(result.GetBufferSetLength(nLength), static_cast<size_t>(nLength) + 1, pszFormat,
                    args);
    return result;
}

} // namespace

// --- construction and assignment -------------------------------------------------------------

CString::CString() : m_pszData(g_nil.header.data()) {}

CString::CString(const CString& other) : m_pszData(other.m_pszData)
{
    AddRef(GetData());
}

CString::CString(CString&& other) noexcept : m_pszData(other.m_pszData)
{
    other.m_pszData = g_nil.header.data();
}

CString::CString(PCXSTR psz) : CString(psz, StringLength(psz)) {}

CString::CString(PCXSTR pch, int nLength) : CString()
{
    if (pch && nLength > 0) {
        wmemcpy(PrepareWrite(nLength), pch, nLength);
        SetLength(nLength);
    }
}

CString::CString(wchar_t ch, int nRepeat) : CString()
{
    if (nRepeat > 0) {
        wmemset(PrepareWrite(nRepeat), ch, nRepeat);
        SetLength(nRepeat);
    }
}

CString::CString(const char* psz) : CString()
{
    int nLength = psz ? ::MultiByteToWideChar(CP_THREAD_ACP, 0, psz, -1, nullptr, 0) - 1 : 0;
    if (nLength > 0) {
        ::MultiByteToWideChar(CP_THREAD_ACP, 0, psz, -1, PrepareWrite(nLength), nLength + 1);
        SetLength(nLength);
    }
}

CString::~CString()
{
    Release(GetData());
}

CString& CString::operator=(const CString& other)
{
    // Counting the new buffer before releasing the old one makes self-assignment safe.
    CStringData* previous = GetData();
    AddRef(other.GetData());
    m_pszData = other.m_pszData;
    Release(previous);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    std::swap(m_pszData, other.m_pszData);
    return *this;
}

CString& CString::operator=(PCXSTR psz)
{
    Assign(psz, StringLength(psz));
    return *this;
}

CString& CString::operator=(const char* psz)
{
    return *this = CString(psz);
}

CString& CString::operator=(wchar_t ch)
{
    Assign(&ch, 1);
    return *this;
}

// --- concatenation ---------------------------------------------------------------------------

CString& CString::operator+=(const CString& other)
{
    Splice(GetLength(), 0, other.m_pszData, other.GetLength());
    return *this;
}

CString& CString::operator+=(PCXSTR psz)
{
    Splice(GetLength(), 0, psz, StringLength(psz));
    return *this;
}

CString& CString::operator+=(wchar_t ch)
{
    Splice(GetLength(), 0, &ch, 1);
    return *this;
}

CString CString::Concat(PCXSTR pchA, int nA, PCXSTR pchB, int nB)
{
    CString result;
    int nLength = CheckedLength(static_cast<long long>(nA) + nB);
    if (nLength > 0) {
        PXSTR p = result.PrepareWrite(nLength);
        CopyChars(p, pchA, nA);
        CopyChars(p + nA, pchB, nB);
        result.SetLength(nLength);
    }
    return result;
}

CString operator+(const CString& a, const CString& b)
{
    return CString::Concat(a, a.GetLength(), b, b.GetLength());
}

CString operator+(const CString& a, CString::PCXSTR b)
{
    return CString::Concat(a, a.GetLength(), b, StringLength(b));
}

CString operator+(CString::PCXSTR a, const CString& b)
{
    return CString::Concat(a, StringLength(a), b, b.GetLength());
}

CString operator+(const CString& a, wchar_t b)
{
    return CString::Concat(a, a.GetLength(), &b, 1);
}

CString operator+(wchar_t a, const CString& b)
{
    return CString::Concat(&a, 1, b, b.GetLength());
}

// --- access ----------------------------------------------------------------------------------

int CString::GetLength() const
{
    return GetData()->nDataLength;
}

int CString::GetAllocLength() const
{
    return GetData()->nAllocLength;
}

bool CString::IsEmpty() const
{
    return GetLength() == 0;
}

void CString::Empty()
{
    Release(GetData());
    m_pszData = g_nil.header.data();
}

wchar_t CString::GetAt(int iChar) const
{
    // The terminator may be read, as in MFC.
    return iChar >= 0 && iChar <= GetLength() ? m_pszData[iChar] : L'\0';
}

void CString::SetAt(int iChar, wchar_t ch)
{
    if (iChar >= 0 && iChar < GetLength())
        PrepareWrite(0)[iChar] = ch;
}

// --- comparison and search -------------------------------------------------------------------

int CString::Compare(PCXSTR psz) const
{
    return wcscmp(m_pszData, psz ? psz : L"");
}

int CString::CompareNoCase(PCXSTR psz) const
{
    return _wcsicmp(m_pszData, psz ? psz : L"");
}

int CString::Find(wchar_t ch, int iStart) const
{
    if (iStart < 0 || iStart >= GetLength())
        return -1;
    size_t pos = std::wstring_view(m_pszData, GetLength()).find(ch, iStart);
    return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

int CString::Find(PCXSTR pszSub, int iStart) const
{
    if (iStart < 0 || iStart > GetLength())
        return -1;
    size_t pos = std::wstring_view(m_pszData, GetLength()).find(View(pszSub), iStart);
    return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t pos = std::wstring_view(m_pszData, GetLength()).rfind(ch);
    return pos == std::wstring_view::npos ? -1 : static_cast<int>(pos);
}

// --- modification ----------------------------------------------------------------------------

int CString::Replace(PCXSTR pszOld, PCXSTR pszNew)
{
    std::wstring_view from = View(pszOld), to = View(pszNew);
    std::wstring_view text(m_pszData, GetLength());
    size_t pos = from.empty() ? std::wstring_view::npos : text.find(from);
    if (pos == std::wstring_view::npos)
        return 0;

    // Built apart from this string, so pszOld and pszNew may point into it.
    CString result;
    int nCount = 0;
    size_t nDone = 0;
    for (; pos != std::wstring_view::npos; pos = text.find(from, nDone)) {
        result.Splice(result.GetLength(), 0, text.data() + nDone, static_cast<int>(pos - nDone));
        result.Splice(result.GetLength(), 0, to.data(), static_cast<int>(to.size()));
        nDone = pos + from.size();
        ++nCount;
    }
    result.Splice(result.GetLength(), 0, text.data() + nDone,
                  static_cast<int>(text.size() - nDone));
    *this = std::move(result);
    return nCount;
}

int CString::Replace(wchar_t chOld, wchar_t chNew)
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

int CString::Insert(int iIndex, PCXSTR psz)
{
    Splice(std::clamp(iIndex, 0, GetLength()), 0, psz, StringLength(psz));
    return GetLength();
}

int CString::Delete(int iIndex, int nCount)
{
    int nLength = GetLength();
    iIndex = std::max(iIndex, 0);
    nCount = static_cast<int>(std::min<long long>(std::max(nCount, 0), nLength - iIndex));
    if (nCount > 0)
        Splice(iIndex, nCount, nullptr, 0);
    return GetLength();
}

CString& CString::MakeUpper()
{
    if (!IsEmpty())
        CharUpperBuffW(PrepareWrite(0), static_cast<DWORD>(GetLength()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty())
        CharLowerBuffW(PrepareWrite(0), static_cast<DWORD>(GetLength()));
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft()
{
    int nFirst = 0;
    while (nFirst < GetLength() && iswspace(m_pszData[nFirst]))
        ++nFirst;
    if (nFirst > 0)
        Splice(0, nFirst, nullptr, 0);
    return *this;
}

CString& CString::TrimRight()
{
    int nEnd = GetLength();
    while (nEnd > 0 && iswspace(m_pszData[nEnd - 1]))
        --nEnd;
    if (nEnd < GetLength())
        Splice(nEnd, GetLength() - nEnd, nullptr, 0);
    return *this;
}

// --- extraction ------------------------------------------------------------------------------

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Mid(int iFirst) const
{
    return Mid(iFirst, GetLength());
}

CString CString::Mid(int iFirst, int nCount) const
{
    int nLength = GetLength();
    iFirst = std::clamp(iFirst, 0, nLength);
    nCount = std::clamp(nCount, 0, nLength - iFirst);
    if (iFirst == 0 && nCount == nLength)
        return *this; // shares the buffer
    return CString(m_pszData + iFirst, nCount);
}

CString CString::Right(int nCount) const
{
    int nLength = GetLength();
    nCount = std::clamp(nCount, 0, nLength);
    return Mid(nLength - nCount, nCount);
}

// --- formatting ------------------------------------------------------------------------------

void AFX_CDECL CString::Format(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void AFX_CDECL CString::AppendFormat(PCXSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

// Both format into a separate string first, so the arguments may refer to this string.
void CString::FormatV(PCXSTR pszFormat, va_list args)
{
    *this = FormatToString(pszFormat, args);
}

void CString::AppendFormatV(PCXSTR pszFormat, va_list args)
{
    *this += FormatToString(pszFormat, args);
}

// --- direct buffer access --------------------------------------------------------------------

CString::PXSTR CString::GetBuffer()
{
    return PrepareWrite(0);
}

CString::PXSTR CString::GetBuffer(int nMinBufferLength)
{
    return PrepareWrite(std::max(nMinBufferLength, 0));
}

CString::PXSTR CString::GetBufferSetLength(int nLength)
{
    nLength = std::max(nLength, 0);
    PrepareWrite(nLength);
    SetLength(nLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CStringData* data = GetData();
    if (data->nRefs != 1)
        return; // no buffer was handed out: GetBuffer always leaves an unshared one
    if (nNewLength < 0 || nNewLength > data->nAllocLength)
        nNewLength = static_cast<int>(wcsnlen(m_pszData, data->nAllocLength));
    SetLength(nNewLength);
}

// --- internals -------------------------------------------------------------------------------

// Makes the buffer this string's own (copy on write) with room for at least nMinCapacity
// characters, keeping the content.
CString::PXSTR CString::PrepareWrite(int nMinCapacity)
{
    CStringData* data = GetData();
    int nLength = data->nDataLength;
    if (data->nRefs != 1) {
        CStringData* own = Allocate(std::max(nMinCapacity, nLength));
        wmemcpy(own->data(), m_pszData, static_cast<size_t>(nLength) + 1);
        own->nDataLength = nLength;
        Release(data);
        m_pszData = own->data();
    } else if (nMinCapacity > data->nAllocLength) {
        m_pszData = Reallocate(data, GrownCapacity(data->nAllocLength, nMinCapacity))->data();
    }
    return m_pszData;
}

// Only for a buffer made writable by PrepareWrite with room for nLength characters.
void CString::SetLength(int nLength)
{
    GetData()->nDataLength = nLength;
    m_pszData[nLength] = L'\0';
}

void CString::Assign(PCXSTR pch, int nLength)
{
    if (GetData()->nRefs == 1)
        Splice(0, GetLength(), pch, nLength); // reuses the buffer this string already owns
    else
        *this = CString(pch, nLength);
}

// Replaces nRemove characters at iStart with nInsert characters from pch. Every in-place
// change of length goes through here.
void CString::Splice(int iStart, int nRemove, PCXSTR pch, int nInsert)
{
    if (nInsert > 0 && PointsIntoBuffer(pch)) {
        // The buffer is about to move or shift under pch: take the characters out first.
        CString copy(pch, nInsert);
        Splice(iStart, nRemove, copy.m_pszData, nInsert);
        return;
    }
    if (nRemove == 0 && nInsert == 0)
        return;
    int nOldLength = GetLength();
    int nNewLength = CheckedLength(static_cast<long long>(nOldLength) - nRemove + nInsert);
    PXSTR p = PrepareWrite(nNewLength);
    wmemmove(p + iStart + nInsert, p + iStart + nRemove, nOldLength - iStart - nRemove);
    CopyChars(p + iStart, pch, nInsert);
    SetLength(nNewLength);
}

bool CString::PointsIntoBuffer(PCXSTR pch) const
{
    auto address = reinterpret_cast<uintptr_t>(pch);
    auto begin = reinterpret_cast<uintptr_t>(m_pszData);
    return address >= begin && address <= begin + GetData()->nAllocLength * sizeof(wchar_t);
}
