#include <string>

#include <sys/stat.h>

#include <gtest/gtest.h>
#include <tinyxml.h>

#include "BoundedXmlFile.h"
#include "TestTree.h"
#include "Utf8EdgeCases.h"

namespace {

const BoundedXmlFile::Limits kLimits = {256, 16, 3};

std::string Repeat(const std::string& piece, size_t times) {
    std::string out;
    for (size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

// A well-formed document of exactly `size` bytes (at least 8).
std::string DocumentOfSize(size_t size) { return "<a>" + std::string(size - 7, 'x') + "</a>"; }

class BoundedXmlFileTest : public ::testing::Test {
protected:
    TestTree tree;
    BoundedXmlFile::Result LoadText(const std::string& text, const BoundedXmlFile::Limits& limits = kLimits) {
        TestTree::WriteFile(tree / "doc.xml", text);
        TiXmlDocument document;
        return BoundedXmlFile::Load(tree / "doc.xml", limits, document);
    }
};

}  // namespace

TEST_F(BoundedXmlFileTest, EachBoundGivesItsReason) {
    using R = BoundedXmlFile::Result;
    const std::string ascii = "<a>0123456789abcdef</a>";  // long enough for whole words of ASCII
    const struct {
        const char* what;
        std::string text;
        R expected;
    } cases[] = {
        {"plain", "<?xml version=\"1.0\"?>\n<a b=\"1\"><c>\xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80</c></a>", R::READ},
        {"largest", DocumentOfSize(256), R::READ},
        {"one byte more", DocumentOfSize(257), R::TOO_LARGE},
        {"NUL among whole words", ascii + std::string(1, '\0') + ascii, R::NOT_TEXT},
        {"NUL near the end", "<a></a>" + std::string(1, '\0'), R::NOT_TEXT},
        {"NUL after a multi-byte character", "<a>\xC3\xA4" + std::string(1, '\0') + "</a>", R::NOT_TEXT},
        {"overlong", ascii + "<a>\xC0\xBC</a>", R::NOT_TEXT},
        {"surrogate", "<a>\xED\xA0\x80</a>" + ascii, R::NOT_TEXT},
        {"above U+10FFFF", "<a>\xF4\x90\x80\x80</a>", R::NOT_TEXT},
        {"cut sequence at the end", ascii + "\xE2\x82", R::NOT_TEXT},
        {"stray continuation byte", "<a>12345678\x80</a>", R::NOT_TEXT},
        {"sixteen tag starts", "<a>" + Repeat("<!---->", 14) + "</a>", R::READ},
        {"seventeen tag starts", "<a>" + Repeat("<!---->", 15) + "</a>", R::TOO_MANY_ELEMENTS},
        {"empty", "", R::NOT_WELL_FORMED},
        {"no root", "<!-- only a note -->", R::NOT_WELL_FORMED},
        {"unclosed", "<a><b></a>", R::NOT_WELL_FORMED},
        {"three levels", "<a><b><c/></b></a>", R::READ},
        {"four levels", "<a><b><c><d/></c></b></a>", R::NESTED_TOO_DEEP},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadText(c.text), c.expected) << c.what;
}

TEST_F(BoundedXmlFileTest, TagStartsAreCountedAtEveryOffset) {
    // The scan takes whole words of ASCII at a time: a "<" counts wherever
    // it falls in a word, and so does a multi-byte character before it.
    const BoundedXmlFile::Limits limits = {4096, 16, 3};
    for (size_t shift = 0; shift < 9; ++shift) {
        const std::string lead(shift, ' ');
        const std::string wide = shift % 2 == 0 ? "" : "\xC3\xA4";
        const std::string sixteen = lead + "<a>" + Repeat("<!--" + wide + lead + "-->", 14) + "</a>";
        EXPECT_EQ(LoadText(sixteen, limits), BoundedXmlFile::READ) << shift;
        EXPECT_EQ(LoadText(sixteen + "<!---->", limits), BoundedXmlFile::TOO_MANY_ELEMENTS) << shift;
    }
}

TEST_F(BoundedXmlFileTest, WhatIsNotARegularFileIsNeverRead) {
    TiXmlDocument document;
    EXPECT_EQ(BoundedXmlFile::Load(tree / "none.xml", kLimits, document), BoundedXmlFile::MISSING);
    EXPECT_EQ(BoundedXmlFile::Load(tree / "none/doc.xml", kLimits, document), BoundedXmlFile::MISSING);
    EXPECT_EQ(BoundedXmlFile::Load(tree.Path(), kLimits, document), BoundedXmlFile::NOT_A_FILE);
    // A pipe nobody writes to: opening or reading it must not wait.
    ASSERT_EQ(mkfifo((tree / "pipe.xml").c_str(), 0600), 0);
    EXPECT_EQ(BoundedXmlFile::Load(tree / "pipe.xml", kLimits, document), BoundedXmlFile::NOT_A_FILE);
}

TEST_F(BoundedXmlFileTest, AFileLongerThanItsMeasuredSizeIsReadToItsEnd) {
    // The kernel's files measure 0 bytes and hold more: reading goes past the
    // measured size, and still stops one byte past the limit.
    TiXmlDocument document;
    EXPECT_EQ(BoundedXmlFile::Load("/proc/self/status", {64, 16, 3}, document), BoundedXmlFile::TOO_LARGE);
    EXPECT_EQ(BoundedXmlFile::Load("/proc/self/status", {1 << 20, 16, 3}, document),
              BoundedXmlFile::NOT_WELL_FORMED);
}

TEST_F(BoundedXmlFileTest, EachUtf8EdgeIsJudgedWhereverItMeetsAWholeWord) {
    // The scan takes eight ASCII bytes at a time: a sequence that starts at
    // the edge of such a word, or runs across it, or ends the file, is judged
    // as it is anywhere else.
    for (const Utf8EdgeCases::Sequence& c : Utf8EdgeCases::kSequences) {
        for (size_t start = 16 - c.bytes.size(); start <= 16; ++start) {
            const std::string before = "<a>" + std::string(start - 3, 'x');
            EXPECT_EQ(LoadText(before + c.bytes + "</a>" + std::string(8, ' ')),
                      c.valid ? BoundedXmlFile::READ : BoundedXmlFile::NOT_TEXT)
                << c.what << " at byte " << start;
            EXPECT_EQ(LoadText("<a/>" + std::string(start - 4, ' ') + c.bytes) == BoundedXmlFile::NOT_TEXT, !c.valid)
                << c.what << " ending the file, at byte " << start;
        }
    }
}
