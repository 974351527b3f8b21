#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "afxwin.h"

TEST(CString, ConstructsFromTextCharacterAndCopy)
{
    const CString text("abc");
    const CString repeated('x', 3);
    const CString copy(text);
    EXPECT_STREQ(text, "abc");
    EXPECT_STREQ(repeated, "xxx");
    EXPECT_STREQ(CString('q'), "q");
    EXPECT_STREQ(copy, "abc");
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
    EXPECT_TRUE(CString(MAKEINTRESOURCE(19028)).IsEmpty());  // a resource id is not read as text
    EXPECT_STREQ(CString("abcdef", 3), "abc");
    EXPECT_STREQ(CString("ab", 10), "ab");
    EXPECT_EQ(CString('x', -2).GetLength(), 0);
}

TEST(CString, LengthEmptyAndCharacterAccess)
{
    CString s("hello");
    EXPECT_EQ(s.GetLength(), 5);
    EXPECT_FALSE(s.IsEmpty());
    EXPECT_EQ(s.GetAt(1), 'e');
    EXPECT_EQ(s[4], 'o');
    EXPECT_EQ(s.GetAt(5), '\0');
    EXPECT_EQ(s.GetAt(-1), '\0');
    s.SetAt(0, 'j');
    s.SetAt(99, 'z');
    EXPECT_STREQ(s, "jello");
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_STREQ(s, "");
}

TEST(CString, LeftMidRightClampLikeMfc)
{
    const CString s("Data\\uvcube.lwo");
    EXPECT_STREQ(s.Left(4), "Data");
    EXPECT_STREQ(s.Left(100), "Data\\uvcube.lwo");
    EXPECT_STREQ(s.Left(-3), "");
    EXPECT_STREQ(s.Right(3), "lwo");
    EXPECT_STREQ(s.Right(100), "Data\\uvcube.lwo");
    EXPECT_STREQ(s.Right(-1), "");
    EXPECT_STREQ(s.Mid(5), "uvcube.lwo");
    EXPECT_STREQ(s.Mid(5, 6), "uvcube");
    EXPECT_STREQ(s.Mid(12, 50), "lwo");
    EXPECT_STREQ(s.Mid(15), "");
    EXPECT_STREQ(s.Mid(40), "");
    EXPECT_STREQ(s.Mid(40, 3), "");
    EXPECT_STREQ(s.Mid(-5, 4), "Data");
    EXPECT_STREQ(s.Mid(2, -1), "");
    EXPECT_STREQ(s.Mid(2, 0x7fffffff), "ta\\uvcube.lwo");
    EXPECT_STREQ(s.Left(s.ReverseFind('\\') + 1), "Data\\");
    EXPECT_STREQ(CString("plain").Left(CString("plain").ReverseFind('\\') + 1), "");
}

TEST(CString, FindAndReverseFind)
{
    const CString s("abcabc");
    EXPECT_EQ(s.Find('b'), 1);
    EXPECT_EQ(s.Find('b', 2), 4);
    EXPECT_EQ(s.Find('z'), -1);
    EXPECT_EQ(s.Find('a', 6), -1);
    EXPECT_EQ(s.Find('a', 100), -1);
    EXPECT_EQ(s.Find('a', -1), -1);
    EXPECT_EQ(s.Find("ca"), 2);
    EXPECT_EQ(s.Find("bc", 2), 4);
    EXPECT_EQ(s.Find("abcd"), -1);
    EXPECT_EQ(s.Find("c", 6), -1);
    EXPECT_EQ(s.Find("", 6), 6);
    EXPECT_EQ(s.Find("a", 7), -1);
    EXPECT_EQ(s.Find(static_cast<const char*>(nullptr)), -1);
    EXPECT_EQ(s.ReverseFind('a'), 3);
    EXPECT_EQ(s.ReverseFind('x'), -1);
    EXPECT_EQ(CString().Find('a'), -1);
    EXPECT_EQ(CString().ReverseFind('a'), -1);
}

TEST(CString, FormatsAnyLength)
{
    CString s;
    s.Format("%s [paused]", "Varnix screen");
    EXPECT_STREQ(s, "Varnix screen [paused]");
    s.Format("Magic Number: %i ", 0x4B80000C);
    EXPECT_STREQ(s, "Magic Number: 1266679820 ");
    s.Format("%.2f|%c|%05d|%x", 1.5f, 'z', 42, 255u);
    EXPECT_STREQ(s, "1.50|z|00042|ff");

    const std::string big(5000, 'k');
    s.Format("<%s>", big.c_str());
    EXPECT_EQ(s.GetLength(), 5002);
    EXPECT_EQ(s.Left(3), CString("<kk"));
    EXPECT_EQ(s.Right(2), CString("k>"));
}

TEST(CString, FormatTakesCStringArgumentsAsText)
{
    const CString title("the Zenth");
    CString s;
    s.Format("%s - %s", title, static_cast<LPCTSTR>(title));
    EXPECT_STREQ(s, "the Zenth - the Zenth");
    s = "abc";
    s.Format("%s%s", s, s);  // the arguments are read before the string changes
    EXPECT_STREQ(s, "abcabc");
}

TEST(CString, ComparesBothWaysRound)
{
    const CString a("apple"), b("banana");
    EXPECT_TRUE(a == "apple");
    EXPECT_TRUE("apple" == a);
    EXPECT_TRUE(a == CString("apple"));
    EXPECT_TRUE(a != b);
    EXPECT_TRUE(a != "Apple");
    EXPECT_TRUE("Apple" != a);
    EXPECT_TRUE(a < b);
    EXPECT_TRUE(a < "b");
    EXPECT_TRUE("a" < a);
    EXPECT_TRUE(b > a);
    EXPECT_TRUE(b > "apple");
    EXPECT_TRUE("zebra" > b);
    EXPECT_FALSE(a < a);
    EXPECT_TRUE(a <= a && a >= a);
    EXPECT_LT(a.Compare("apples"), 0);
    EXPECT_GT(a.Compare("app"), 0);
    EXPECT_EQ(a.Compare("apple"), 0);
    EXPECT_EQ(a.CompareNoCase("APPLE"), 0);
    EXPECT_LT(a.CompareNoCase("BANANA"), 0);
    EXPECT_NE(a.Compare("APPLE"), 0);
    EXPECT_GT(a.Compare(nullptr), 0);
    EXPECT_TRUE(CString() == "");

    std::set<CString> names{b, a, CString("cherry")};
    EXPECT_EQ(*names.begin(), "apple");
}

TEST(CString, ConcatenatesStringsTextAndCharacters)
{
    CString s("Data");
    s += '\\';
    s += "uvcube";
    s += CString(".lwo");
    EXPECT_STREQ(s, "Data\\uvcube.lwo");
    EXPECT_STREQ(CString("a") + CString("b"), "ab");
    EXPECT_STREQ(CString("a") + "b", "ab");
    EXPECT_STREQ("a" + CString("b"), "ab");
    EXPECT_STREQ(CString("a") + 'b', "ab");
    EXPECT_STREQ('a' + CString("b"), "ab");
    s = s;
    EXPECT_STREQ(s, "Data\\uvcube.lwo");
    s = static_cast<const char*>(s) + 5;  // assigning a part of itself
    EXPECT_STREQ(s, "uvcube.lwo");
    s = 'z';
    EXPECT_STREQ(s, "z");
}

TEST(CString, CaseTrimAndReplace)
{
    CString s("  Mixed Case \t\n");
    s.TrimLeft();
    s.TrimRight();
    EXPECT_STREQ(s, "Mixed Case");
    s.MakeUpper();
    EXPECT_STREQ(s, "MIXED CASE");
    s.MakeLower();
    EXPECT_STREQ(s, "mixed case");

    CString dots("..x..");
    dots.TrimLeft('.');
    EXPECT_STREQ(dots, "x..");
    dots.TrimRight(".");
    EXPECT_STREQ(dots, "x");
    CString blank("   ");
    blank.TrimLeft();
    EXPECT_TRUE(blank.IsEmpty());

    CString path("a\\b\\c");
    EXPECT_EQ(path.Replace('\\', '/'), 2);
    EXPECT_STREQ(path, "a/b/c");
    CString words("one two one two one");
    EXPECT_EQ(words.Replace("one", "three"), 3);
    EXPECT_STREQ(words, "three two three two three");
    EXPECT_EQ(words.Replace("two ", ""), 2);
    EXPECT_STREQ(words, "three three three");
    EXPECT_EQ(words.Replace("", "x"), 0);
    EXPECT_EQ(words.Replace("missing", "x"), 0);
    CString overlap("aaaa");
    EXPECT_EQ(overlap.Replace("aa", "a"), 2);
    EXPECT_STREQ(overlap, "aa");
}

TEST(CString, InsertAndDeleteClamp)
{
    CString s("ace");
    s.Insert(1, 'b');
    s.Insert(3, "d");
    s.Insert(99, "!");
    EXPECT_STREQ(s, "abcde!");
    s.Delete(5);
    s.Delete(1, 2);
    s.Delete(-3, 1);
    s.Delete(2, 99);
    EXPECT_STREQ(s, "de");
}

TEST(CString, BufferWritingAndRelease)
{
    CString s("abc");
    char* buffer = s.GetBuffer(64);
    std::strcpy(buffer, "a longer text written in place");
    s.ReleaseBuffer();
    EXPECT_STREQ(s, "a longer text written in place");
    EXPECT_EQ(s.GetLength(), 30);

    buffer = s.GetBuffer(0);
    buffer[0] = 'A';
    s.ReleaseBuffer(8);
    EXPECT_STREQ(s, "A longer");

    buffer = s.GetBufferSetLength(4);
    EXPECT_EQ(s.GetLength(), 4);
    s.ReleaseBuffer(100);  // longer than the buffer: kept to the buffer
    EXPECT_STREQ(s, "A lo");
}
