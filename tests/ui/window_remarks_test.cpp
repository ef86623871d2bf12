// SPDX-License-Identifier: GPL-3.0-or-later
// The remarks memo: a remark comes back from a save as it was opened, whatever its characters and
// however long its lines; long lines reach the memo cut into display lines, so the Remarks tab shows
// at once even for a remark as large as a file may be.
#include "files/aircraft_writer.h"
#include "files/text_file.h"
#include "ui/page_control.h"
#include "views/remark_lines.h"
#include "window_test_support.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include <fstream>
#include <random>
#include <sstream>

namespace ab {
namespace {

bool isHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }

TEST(RemarkLines, PiecesJoinToTheLineStayBoundedAndEndAfterASpaceOrAtTheLimit)
{
    std::mt19937 random(7);
    const std::u16string alphabet = u"ab c\u00e4\u00a0\t\U0001F600 ";
    for (int round = 0; round < 400; ++round) {
        const std::size_t longest = 1 + random() % 12;
        std::u16string line;
        for (std::size_t n = random() % 60; n > 0; --n) {
            const char16_t c = alphabet[random() % alphabet.size()];
            line += c;
            if (isHigh(c))
                line += alphabet[alphabet.find(c) + 1]; // both halves of the pair
        }
        SCOPED_TRACE(::testing::Message() << "longest " << longest << " round " << round);
        const std::vector<std::size_t> cuts = displayLineCuts(line, longest);
        if (line.size() <= longest) {
            EXPECT_TRUE(cuts.empty());
            continue;
        }
        std::size_t start = 0;
        for (std::size_t i = 0; i <= cuts.size(); ++i) {
            const std::size_t end = i < cuts.size() ? cuts[i] : line.size();
            ASSERT_GT(end, start); // every piece holds something: the cuts increase
            EXPECT_LE(end - start, longest);
            if (i < cuts.size()) {
                const std::u16string_view piece(line.data() + start, end - start);
                const std::size_t space = std::u16string_view(line.data() + start, longest).rfind(u' ');
                if (space != std::u16string_view::npos && space >= longest / 2) {
                    EXPECT_EQ(piece.back(), u' ');
                } else {
                    EXPECT_GE(end - start + 1, longest); // at the limit, or one before a pair
                }
                if (longest > 1) {
                    EXPECT_FALSE(isHigh(line[end - 1])) << "a cut between the halves of a pair";
                }
            }
            start = end;
        }
    }
    EXPECT_EQ(displayLineCuts(std::u16string(LongestDisplayLine, u'x')).size(), 0u);
    EXPECT_EQ(displayLineCuts(std::u16string(LongestDisplayLine + 1, u'x')), std::vector<std::size_t>{LongestDisplayLine});
}

class WindowRemarks : public InOwnFolder {
protected:
    // The trainer with the remark given, as the program writes it.
    std::string writeTrainer(const char* name, const std::string& remark) const
    {
        AircraftTexts texts = openedByCore("trainer.wk4").texts;
        texts.comment = remark;
        std::ofstream(path(name), std::ios::binary) << aircraftFileText(texts, Aircraft{});
        return path(name);
    }
};

std::string bytesOf(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void openFile(TForm1& form, const std::string& file)
{
    form.questions.chooseFileToOpen = [file] { return QString::fromStdString(file); };
    trigger(form, "Open2");
}

void saveAs(TForm1& form, const std::string& file)
{
    form.questions.chooseFileToSave = [file] { return QString::fromStdString(file); };
    trigger(form, "Save2");
}

void showRemarks(TForm1& form)
{
    form.show();
    control<PageControl>(form, "PageControl1")->setActivePage(control(form, "TabSheet4"));
    QApplication::processEvents();
}

// What keeps the memo quick: word wrapping at its width over display lines of bounded length.
void expectCheapLayout(const QPlainTextEdit* memo)
{
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        ASSERT_LE(b.length() - 1, static_cast<int>(LongestDisplayLine)) << "block " << b.blockNumber();
}

TEST_F(WindowRemarks, ALineAsLongAsAFileMayBeOpensShowsInDisplayLinesAndSavesBackUnchanged)
{
    // The worst case for word wrapping: one line without a space, filling the largest file read.
    AircraftTexts withoutRemark = openedByCore("trainer.wk4").texts;
    withoutRemark.comment.clear();
    const std::size_t frame = aircraftFileText(withoutRemark, Aircraft{}).size();
    const std::string remark(MaxTextFileBytes - frame, 'x');
    const std::string file = writeTrainer("long.wk4", remark);
    ASSERT_EQ(bytesOf(file).size(), MaxTextFileBytes);

    TForm1 form;
    openFile(form, file);
    showRemarks(form);
    auto* memo = control<QPlainTextEdit>(form, "Memo2");
    expectCheapLayout(memo);
    EXPECT_GT(memo->document()->firstBlock().layout()->lineCount(), 1); // laid out, wrapped at the width
    EXPECT_TRUE(form.textsState().comment == remark);
    EXPECT_FALSE(form.isWindowModified());

    saveAs(form, path("again.wk4"));
    EXPECT_TRUE(bytesOf(path("again.wk4")) == bytesOf(file));
}

TEST_F(WindowRemarks, EveryCharacterAndLineBreakComesBackFromASave)
{
    const std::string longLine = std::string(LongestDisplayLine - 1, 'w') + "\xF0\x9F\x98\x80" + std::string(5000, ' ');
    const std::string remarks[] = {
        "",
        "one line",
        "tab\tand no-break\xC2\xA0space, \xC3\xA4\xC3\xB6\xC3\xBC \xE2\x82\xAC", // Windows-1252 in the file
        "\xF0\x9F\x9B\xA9 UTF-8 in the file\n\nafter an empty line\n",
        longLine + "\n" + longLine,
        std::string(3 * LongestDisplayLine, ' ') + "\xC2\xA0",
        // Line ends the memo shows as its own: a CR and a CR LF (escaped in the file), a paragraph mark.
        "a\rb", "one\r\ntwo\r\n", "para\xE2\x80\xA9graph",
    };
    int n = 0;
    for (const std::string& remark : remarks) {
        SCOPED_TRACE(remark.substr(0, 40));
        const std::string file = writeTrainer("remark.wk4", remark);
        TForm1 form;
        openFile(form, file);
        expectCheapLayout(control<QPlainTextEdit>(form, "Memo2"));
        EXPECT_TRUE(form.textsState().comment == remark);
        const std::string saved = path("saved") + std::to_string(++n) + ".wk4";
        saveAs(form, saved);
        EXPECT_TRUE(bytesOf(saved) == bytesOf(file));
    }
}

TEST_F(WindowRemarks, TypingInALongLineChangesTheRemarkWhereTheCursorStands)
{
    const std::string remark(2 * LongestDisplayLine + 10, 'x');
    TForm1 form;
    openFile(form, writeTrainer("remark.wk4", remark));
    showRemarks(form);
    auto* memo = control<QPlainTextEdit>(form, "Memo2");
    ASSERT_EQ(memo->blockCount(), 3);

    // At the start of the second display line: the character goes into the one remark line.
    QTextCursor at(memo->document()->findBlockByNumber(1));
    memo->setTextCursor(at);
    QTest::keyClicks(memo, "A");
    std::string expected = remark;
    expected.insert(LongestDisplayLine, "A");
    EXPECT_TRUE(form.textsState().comment == expected);
    EXPECT_TRUE(form.isWindowModified());

    // Typing past the limit cuts the line again; a Return is a line break of the remark.
    QTest::keyClicks(memo, "B");
    expected.insert(LongestDisplayLine + 1, "B");
    EXPECT_TRUE(form.textsState().comment == expected);
    expectCheapLayout(memo);
    QTest::keyClick(memo, Qt::Key_Return);
    expected.insert(LongestDisplayLine + 2, "\n");
    EXPECT_TRUE(form.textsState().comment == expected);
    expectCheapLayout(memo);
}

} // namespace
} // namespace ab
