#include "afxstr.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

// Compares through the raw characters, so a fault in operator== cannot hide another one.
void ExpectText(const CString& s, const wchar_t* expected)
{
    EXPECT_EQ(std::wstring(s.GetString()), std::wstring(expected));
    EXPECT_EQ(s.GetLength(), static_cast<int>(wcslen(expected)));
}

TEST(CStringConstruction, NullAndEmptyInputsGiveEmptyStrings)
{
    const wchar_t* none = nullptr;
    CString fromNull(none);
    ExpectText(fromNull, L"");
    EXPECT_TRUE(fromNull.IsEmpty());
    ExpectText(CString(L"abc", 0), L"");
    ExpectText(CString(L'x', 0), L"");
    ExpectText(CString(), L"");
}

TEST(CStringConstruction, TakesCountedCharactersAndRepeats)
{
    ExpectText(CString(L"abcdef", 3), L"abc");
    ExpectText(CString(L'-', 4), L"----");
    CString withNul(L"a\0b", 3);
    EXPECT_EQ(withNul.GetLength(), 3);
    EXPECT_EQ(withNul.GetAt(2), L'b');
}

TEST(CStringConstruction, AssignmentReplacesContent)
{
    CString s(L"first");
    s = L"second";
    ExpectText(s, L"second");
    s = L'z';
    ExpectText(s, L"z");
    const wchar_t* none = nullptr;
    s = none;
    ExpectText(s, L"");
    CString moved(L"payload");
    CString target(std::move(moved));
    ExpectText(target, L"payload");
}

TEST(CStringConstruction, ConvertsEightBitText)
{
    ExpectText(CString("Dialogs\\Name.1"), L"Dialogs\\Name.1");
    const char* none = nullptr;
    ExpectText(CString(none), L"");
    CString s(L"wide");
    s = "narrow";
    ExpectText(s, L"narrow");
    s = "";
    ExpectText(s, L"");
}

TEST(CStringConstruction, AssignsFromItself)
{
    CString s(L"same");
    CString& alias = s;
    s = alias;
    ExpectText(s, L"same");
    s = s.GetString() + 2; // a pointer into its own buffer
    ExpectText(s, L"me");
}

TEST(CStringConcatenation, OperatorsJoinInOrder)
{
    CString a(L"ab");
    ExpectText(a + CString(L"cd"), L"abcd");
    ExpectText(a + L"cd", L"abcd");
    ExpectText(L"cd" + a, L"cdab");
    ExpectText(a + L'!', L"ab!");
    ExpectText(L'!' + a, L"!ab");
    ExpectText(CString() + CString(), L"");
    ExpectText(a, L"ab");
}

TEST(CStringConcatenation, AppendsToItself)
{
    CString s(L"ab");
    s += s;
    ExpectText(s, L"abab");
    s += s.GetString() + 1; // source moves when the buffer grows
    ExpectText(s, L"ababbab");
    s += L'c';
    s += static_cast<const wchar_t*>(nullptr);
    ExpectText(s, L"ababbabc");
}

TEST(CStringConcatenation, RepeatedAppendsReallocateRarely)
{
    // Growing to exactly the needed size would reallocate, and possibly copy, on every append.
    const int count = 100000;
    CString s;
    int capacityChanges = 0;
    for (int i = 0; i < count; ++i) {
        int capacity = s.GetAllocLength();
        s += L'a';
        if (s.GetAllocLength() != capacity)
            ++capacityChanges;
    }
    ASSERT_EQ(s.GetLength(), count);
    EXPECT_GE(s.GetAllocLength(), count);
    EXPECT_LT(capacityChanges, 60);
    EXPECT_EQ(s.Find(L'b'), -1);
}

TEST(CStringFormat, UsesTheMicrosoftRuntimeConversions)
{
    CString s;
    s.Format(L"%s=%d", L"abc", 5);
    ExpectText(s, L"abc=5");
    s.Format(L"%f", 0.1);
    ExpectText(s, L"0.100000");
    s.Format(L"%x|%X|%04d|%-3s|", 255, 255, 7, L"a");
    ExpectText(s, L"ff|FF|0007|a  |");
    s.Format(L"%c%%", L'q');
    ExpectText(s, L"q%");
}

TEST(CStringFormat, FrameworkStringsAreFormattedAsTheirText)
{
    // As with MSVC, where a CString passes through "..." as its character pointer.
    const CString strName(L"grid");
    CString strUnit(L"px");
    CString s;
    s.Format(L"%s=%d%s", strName, 42, strUnit);
    ExpectText(s, L"grid=42px");
    s.AppendFormat(L" [%s|%-6s|%.2s]", strName, strName, CString(L"xyz"));
    ExpectText(s, L"grid=42px [grid|grid  |xy]");
    s.Format(L"%S", CStringA("narrow"));
    ExpectText(s, L"narrow");
    CStringA a;
    a.Format("%s/%S", CStringA("ansi"), strName);
    EXPECT_STREQ(a.GetString(), "ansi/grid");
}

TEST(CStringFormat, OtherArgumentsReachTheRuntimeAsInADirectCall)
{
    wchar_t szExpected[128];
    float fHalf = 0.5f;
    short nShort = -3;
    char ch = 'c';
    long long nBig = 1LL << 40;
    const void* pAddress = &fHalf;
    wchar_t szBuffer[] = L"buf";
    _snwprintf(szExpected, 128, L"%.1f %d %c %I64d %p %s", double(fHalf), nShort, ch, nBig,
               pAddress, szBuffer);
    CString s;
    s.Format(L"%.1f %d %c %I64d %p %s", fHalf, nShort, ch, nBig, pAddress, szBuffer);
    ExpectText(s, szExpected);
}

TEST(CStringFormat, FormatMessageInsertsArguments)
{
    CString s;
    s.FormatMessage(L"%2 before %1!d!", 7, CString(L"text"));
    ExpectText(s, L"text before 7");
    s.FormatMessage(L"%1!s! and %1", L"same");
    ExpectText(s, L"same and same");
}

TEST(CStringFormat, ProducesLongOutput)
{
    CString filler(L'x', 1500);
    CString s;
    s.Format(L"<%s>%d", filler.GetString(), 42);
    ASSERT_EQ(s.GetLength(), 1504);
    EXPECT_EQ(s.Left(1), L"<");
    EXPECT_EQ(s.Right(3), L">42");
    EXPECT_EQ(s.Find(L'>'), 1501);
}

TEST(CStringFormat, AppendFormatKeepsExistingText)
{
    CString s(L"n=");
    s.AppendFormat(L"%d", 12);
    s.AppendFormat(L",%s", L"end");
    ExpectText(s, L"n=12,end");
}

TEST(CStringFormat, MayTakeItsOwnTextAsArgument)
{
    CString s(L"inner");
    s.Format(L"[%s][%s]", s.GetString(), s.GetString());
    ExpectText(s, L"[inner][inner]");
    s.AppendFormat(L"%s", s.GetString());
    ExpectText(s, L"[inner][inner][inner][inner]");
}

TEST(CStringCopyOnWrite, CopiesShareUntilWritten)
{
    CString original(L"shared");
    CString copy = original;
    EXPECT_EQ(copy.GetString(), original.GetString());
    copy.SetAt(0, L'S');
    EXPECT_NE(copy.GetString(), original.GetString());
    ExpectText(original, L"shared");
    ExpectText(copy, L"Shared");
}

TEST(CStringCopyOnWrite, EveryMutationLeavesTheOriginalAlone)
{
    const CString original(L"  Value  ");
    auto check = [&](void (*mutate)(CString&)) {
        CString copy = original;
        mutate(copy);
        ExpectText(original, L"  Value  ");
    };
    check([](CString& s) { s += L"x"; });
    check([](CString& s) { s.MakeUpper(); });
    check([](CString& s) { s.MakeLower(); });
    check([](CString& s) { s.Trim(); });
    check([](CString& s) { s.Replace(L"a", L"A"); });
    check([](CString& s) { s.Replace(L'V', L'v'); });
    check([](CString& s) { s.Insert(1, L"ins"); });
    check([](CString& s) { s.Delete(0, 3); });
    check([](CString& s) { s.Empty(); });
    check([](CString& s) { s = L"other"; });
    check([](CString& s) { s.Format(L"%d", 1); });
}

TEST(CStringCopyOnWrite, WritingThroughGetBufferLeavesTheOriginalAlone)
{
    CString original(L"abc");
    CString copy = original;
    wchar_t* buffer = copy.GetBuffer();
    buffer[1] = L'X';
    copy.ReleaseBuffer();
    ExpectText(original, L"abc");
    ExpectText(copy, L"aXc");

    CString second = original;
    wcscpy(second.GetBuffer(20), L"longer text");
    second.ReleaseBuffer();
    ExpectText(original, L"abc");
    ExpectText(second, L"longer text");
}

TEST(CStringBuffer, ReleaseBufferTakesLengthFromTerminatorOrArgument)
{
    CString s(L"keep");
    wchar_t* buffer = s.GetBuffer(20);
    ExpectText(s, L"keep"); // GetBuffer keeps content and length
    wcscat(buffer, L" going");
    s.ReleaseBuffer();
    ExpectText(s, L"keep going");

    s.GetBuffer();
    s.ReleaseBuffer(2);
    ExpectText(s, L"ke");
}

TEST(CStringBuffer, GetBufferSetLengthSetsLengthBeforeWriting)
{
    CString s;
    wchar_t* buffer = s.GetBufferSetLength(3);
    EXPECT_EQ(s.GetLength(), 3);
    buffer[0] = L'x';
    buffer[1] = L'y';
    buffer[2] = L'z';
    s.ReleaseBuffer(3);
    ExpectText(s, L"xyz");
}

TEST(CStringBuffer, FilledByWin32Api)
{
    CString s;
    DWORD written = GetEnvironmentVariableW(L"CSTRINGTEST_VAR", s.GetBuffer(64), 64);
    s.ReleaseBuffer();
    EXPECT_EQ(written, 0u);
    ExpectText(s, L"");

    ASSERT_TRUE(SetEnvironmentVariableW(L"CSTRINGTEST_VAR", CString(L"from CString")));
    written = GetEnvironmentVariableW(L"CSTRINGTEST_VAR", s.GetBuffer(64), 64);
    s.ReleaseBuffer(static_cast<int>(written));
    ExpectText(s, L"from CString");
    SetEnvironmentVariableW(L"CSTRINGTEST_VAR", nullptr);
}

TEST(CStringAccess, ConvertsToConstWideCharPointer)
{
    CString s(L"pointer");
    const wchar_t* p = s;
    EXPECT_EQ(wcslen(p), 7u);
    EXPECT_EQ(lstrcmpW(s, L"pointer"), 0);
    EXPECT_EQ(p[7], L'\0');
    EXPECT_EQ(*static_cast<const wchar_t*>(CString()), L'\0');
}

TEST(CStringAccess, GetAtAndSetAtIgnoreOutOfRangeIndexes)
{
    CString s(L"abc");
    EXPECT_EQ(s.GetAt(0), L'a');
    EXPECT_EQ(s[2], L'c');
    EXPECT_EQ(s.GetAt(3), L'\0');
    EXPECT_EQ(s.GetAt(-1), L'\0');
    EXPECT_EQ(s.GetAt(4), L'\0');
    s.SetAt(3, L'x');
    s.SetAt(-1, L'x');
    s.SetAt(1, L'B');
    ExpectText(s, L"aBc");
}

TEST(CStringAccess, EmptyReleasesContent)
{
    CString s(L"text");
    s.Empty();
    ExpectText(s, L"");
    s += L"again";
    ExpectText(s, L"again");
}

TEST(CStringCompare, CompareFollowsWcscmpSign)
{
    CString s(L"abc");
    EXPECT_EQ(s.Compare(L"abc"), 0);
    EXPECT_LT(s.Compare(L"abd"), 0);
    EXPECT_GT(s.Compare(L"ab"), 0);
    EXPECT_LT(s.Compare(L"abc\x00e9"), 0);
    EXPECT_GT(s.Compare(L"ABC"), 0);
    EXPECT_GT(s.Compare(nullptr), 0);
    EXPECT_TRUE(s == L"abc");
    EXPECT_TRUE(L"abd" != s);
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
}

TEST(CStringCompare, RelationalOperatorsCompareTextInEveryMix)
{
    const CString b(L"b");
    const wchar_t* pszA = L"a";
    const wchar_t* pszC = L"c";
    // Every form compares characters, never addresses.
    EXPECT_TRUE(b > CString(pszA) && b > pszA && pszC > b);
    EXPECT_TRUE(b < CString(pszC) && b < pszC && pszA < b);
    EXPECT_TRUE(b >= CString(L"b") && b >= pszA && L"b" >= b && pszC >= b);
    EXPECT_TRUE(b <= CString(L"b") && b <= pszC && L"b" <= b && pszA <= b);
    EXPECT_FALSE(b > pszC || pszA > b || b < pszA || pszC < b);
    EXPECT_FALSE(b >= pszC || pszA >= b || b <= pszA || pszC <= b);
    EXPECT_TRUE(CString(L"ab") < CString(L"abc"));
    EXPECT_TRUE(b == L'b' && L'b' == b && b != L'c');
}

TEST(CStringCompare, CompareNoCaseFoldsToLowerCase)
{
    CString s(L"Hello");
    EXPECT_EQ(s.CompareNoCase(L"hELLO"), 0);
    EXPECT_LT(s.CompareNoCase(L"help"), 0);
    EXPECT_GT(s.CompareNoCase(L"HELL"), 0);
    // Folding to lower case puts '_' (0x5F) before letters, as the C runtime does.
    EXPECT_LT(CString(L"_").CompareNoCase(L"A"), 0);
}

TEST(CStringFind, FindsCharactersAndSubstringsFromAStart)
{
    CString s(L"abcabc");
    EXPECT_EQ(s.Find(L'b'), 1);
    EXPECT_EQ(s.Find(L'b', 2), 4);
    EXPECT_EQ(s.Find(L'b', 5), -1);
    EXPECT_EQ(s.Find(L"bc"), 1);
    EXPECT_EQ(s.Find(L"bc", 2), 4);
    EXPECT_EQ(s.Find(L"abcabc"), 0);
    EXPECT_EQ(s.Find(L"abcabcd"), -1);
    EXPECT_EQ(s.Find(L"x"), -1);
    EXPECT_EQ(s.ReverseFind(L'a'), 3);
    EXPECT_EQ(s.ReverseFind(L'z'), -1);
}

TEST(CStringFind, FindsCharacterSetsAndSpans)
{
    CString s(L"key=value;rest");
    EXPECT_EQ(s.FindOneOf(L";="), 3);
    EXPECT_EQ(s.FindOneOf(L"#!"), -1);
    EXPECT_EQ(s.FindOneOf(L""), -1);
    ExpectText(s.SpanExcluding(L"=;"), L"key");
    ExpectText(s.SpanIncluding(L"eky"), L"key");
    ExpectText(s.SpanIncluding(L"x"), L"");
    ExpectText(s.SpanExcluding(L"#"), L"key=value;rest");
}

TEST(CStringFind, TokenizeSkipsDelimiterRunsAndEndsWithMinusOne)
{
    CString s(L";;alpha; beta;;gamma;");
    std::vector<std::wstring> tokens;
    int iStart = 0;
    for (CString token = s.Tokenize(L";", iStart); iStart != -1; token = s.Tokenize(L";", iStart))
        tokens.push_back(token.GetString());
    EXPECT_EQ(tokens, (std::vector<std::wstring>{L"alpha", L" beta", L"gamma"}));

    iStart = 3;
    ExpectText(CString(L"abcdef").Tokenize(nullptr, iStart), L"def");
    EXPECT_EQ(iStart, 3); // without delimiters the rest is one token and the start stays
    iStart = 6;
    ExpectText(CString(L"abcdef").Tokenize(L",", iStart), L"");
    EXPECT_EQ(iStart, -1);
}

TEST(CStringFind, StartOutsideTheStringFindsNothing)
{
    CString s(L"abc");
    EXPECT_EQ(s.Find(L'a', -1), -1);
    EXPECT_EQ(s.Find(L'a', 3), -1);
    EXPECT_EQ(s.Find(L"a", -1), -1);
    EXPECT_EQ(s.Find(L"a", 4), -1);
    EXPECT_EQ(s.Find(L"", 3), 3); // an empty substring matches where the search starts
    EXPECT_EQ(CString().Find(L'a'), -1);
    EXPECT_EQ(CString().Find(L"a"), -1);
}

TEST(CStringReplace, GrowsAndShrinks)
{
    CString s(L"a.b.c");
    EXPECT_EQ(s.Replace(L".", L" -> "), 2);
    ExpectText(s, L"a -> b -> c");
    EXPECT_EQ(s.Replace(L" -> ", L""), 2);
    ExpectText(s, L"abc");
    EXPECT_EQ(s.Replace(L"b", nullptr), 1);
    ExpectText(s, L"ac");
}

TEST(CStringReplace, MatchesDoNotOverlap)
{
    CString s(L"aaa");
    EXPECT_EQ(s.Replace(L"aa", L"b"), 1);
    ExpectText(s, L"ba");
    CString t(L"aaaa");
    EXPECT_EQ(t.Replace(L"aa", L"aaa"), 2); // replacement text is not searched again
    ExpectText(t, L"aaaaaa");
}

TEST(CStringReplace, NothingToReplace)
{
    CString s(L"text");
    EXPECT_EQ(s.Replace(L"", L"x"), 0);
    EXPECT_EQ(s.Replace(nullptr, L"x"), 0);
    EXPECT_EQ(s.Replace(L"absent", L"x"), 0);
    EXPECT_EQ(s.Replace(L't', L't'), 0);
    ExpectText(s, L"text");
}

TEST(CStringReplace, CharacterOverloadCountsReplacements)
{
    CString s(L"a-b-c-");
    EXPECT_EQ(s.Replace(L'-', L'+'), 3);
    ExpectText(s, L"a+b+c+");
}

TEST(CStringReplace, ArgumentsMayPointIntoTheString)
{
    CString s(L"ab");
    EXPECT_EQ(s.Replace(s.GetString() + 1, s.GetString()), 1); // "b" -> "ab"
    ExpectText(s, L"aab");
}

TEST(CStringEdit, InsertClampsIndexAndReturnsLength)
{
    CString s(L"ac");
    EXPECT_EQ(s.Insert(1, L"b"), 3);
    EXPECT_EQ(s.Insert(-5, L"<"), 4);
    EXPECT_EQ(s.Insert(99, L">"), 5);
    ExpectText(s, L"<abc>");
    EXPECT_EQ(s.Insert(2, s.GetString()), 10);
    ExpectText(s, L"<a<abc>bc>");
}

TEST(CStringEdit, InsertsTextTakenFromItsOwnTail)
{
    CString s(L"abcdef");
    s.GetBuffer(20); // room to spare: the insertion shifts the characters it copies from
    s.ReleaseBuffer();
    s.Insert(0, s.GetString() + 3);
    ExpectText(s, L"defabcdef");
}

TEST(CStringEdit, DeleteClampsCountAndReturnsLength)
{
    CString s(L"abcdef");
    EXPECT_EQ(s.Delete(1), 5);
    ExpectText(s, L"acdef");
    EXPECT_EQ(s.Delete(3, 99), 3);
    ExpectText(s, L"acd");
    EXPECT_EQ(s.Delete(5, 1), 3);
    EXPECT_EQ(s.Delete(0, -1), 3);
    EXPECT_EQ(s.Delete(-2, 1), 2);
    ExpectText(s, L"cd");
}

TEST(CStringEdit, ChangesTheCaseOfAsciiLettersOnly)
{
    // The C runtime's "C" locale knows no other letters: MFC leaves them as they are.
    CString s(L"Stra\x00dfe \x00e9t\x00c9 z[a]");
    s.MakeUpper();
    ExpectText(s, L"STRA\x00dfE \x00e9T\x00c9 Z[A]");
    s.MakeLower();
    ExpectText(s, L"stra\x00dfe \x00e9t\x00c9 z[a]");
}

TEST(CStringEdit, RemoveAppendAndReverse)
{
    CString s(L"a-b--c");
    EXPECT_EQ(s.Remove(L'-'), 3);
    ExpectText(s, L"abc");
    EXPECT_EQ(s.Remove(L'x'), 0);
    s.Append(L"de");
    s.Append(L"fgh", 1);
    s.Append(CString(L"!"));
    s.AppendChar(L'?');
    ExpectText(s, L"abcdef!?");
    ExpectText(s.MakeReverse(), L"?!fedcba");
    s.Append(s); // its own text
    ExpectText(s, L"?!fedcba?!fedcba");
}

TEST(CStringTrim, RemovesWhiteSpaceAtEitherEnd)
{
    CString s(L" \t\r\n value here \n");
    CString copy = s;
    ExpectText(s.Trim(), L"value here");
    ExpectText(copy.TrimLeft(), L"value here \n");
    copy = L"\tx\t";
    ExpectText(copy.TrimRight(), L"\tx");
}

TEST(CStringTrim, AllBlankStringsBecomeEmpty)
{
    CString s(L" \t \n ");
    ExpectText(s.Trim(), L"");
    s = L"   ";
    ExpectText(s.TrimLeft(), L"");
    s = L"   ";
    ExpectText(s.TrimRight(), L"");
    ExpectText(CString().Trim(), L"");
}

TEST(CStringTrim, RemovesAGivenCharacterOrSetAtEitherEnd)
{
    CString s(L"xxaxbxx");
    ExpectText(s.Trim(L'x'), L"axb");
    s = L"-+a+b-+";
    CString copy = s;
    ExpectText(s.Trim(L"+-"), L"a+b");
    ExpectText(copy.TrimLeft(L"-+"), L"a+b-+");
    ExpectText(copy.TrimRight(L'+'), L"a+b-");
    ExpectText(copy.Trim(L""), L"a+b-"); // an empty set removes nothing
    ExpectText(copy.Trim(L"-ab+"), L"");
}

TEST(CStringExtract, LeftMidRightReturnTheRequestedPart)
{
    CString s(L"abcdef");
    ExpectText(s.Left(2), L"ab");
    ExpectText(s.Mid(2), L"cdef");
    ExpectText(s.Mid(2, 3), L"cde");
    ExpectText(s.Right(2), L"ef");
}

TEST(CStringExtract, CountsAreClamped)
{
    CString s(L"abc");
    ExpectText(s.Left(-1), L"");
    ExpectText(s.Left(10), L"abc");
    ExpectText(s.Right(-1), L"");
    ExpectText(s.Right(10), L"abc");
    ExpectText(s.Mid(-2), L"abc");
    ExpectText(s.Mid(1, -1), L"");
    ExpectText(s.Mid(1, 0x7fffffff), L"bc");
    ExpectText(s.Mid(3), L"");
    ExpectText(s.Mid(5, 2), L"");
}

} // namespace
