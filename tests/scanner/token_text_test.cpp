// TokenText: every edit gives the text a std::string would hold, across the
// inline, owned and view forms; a view never leaves its list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scanner/source_scanner.h"

namespace korvex {
namespace {

TEST(TokenText, EditsMatchStdString) {
  const std::string fifteen(15, 'a'), long1(40, 'b');
  for (const std::string& start : {std::string(), std::string("ab"), fifteen, long1}) {
    for (const std::string& more : {std::string("x"), std::string("0123456789abcdef"), long1}) {
      TokenText t(start);
      std::string s = start;
      t += more;
      s += more;
      EXPECT_EQ(t, s);
      t.insert(1, "<>");
      s.insert(1, "<>");
      EXPECT_EQ(t, s);
      t.erase(0, 2);
      s.erase(0, 2);
      EXPECT_EQ(t, s);
      t.pop_back();
      s.pop_back();
      EXPECT_EQ(t, s);
      EXPECT_EQ(t.size(), s.size());
      EXPECT_EQ(t.data()[t.size()], '\0');  // inline and owned texts end in a 0
      t += t;  // appending itself
      s += s;
      EXPECT_EQ(t, s);
      t = t.view().substr(t.size() / 2);  // assigning a part of itself
      s = s.substr(s.size() / 2);
      EXPECT_EQ(t, s);
    }
  }
  // a long text cut down to a short one, then grown a little: its block
  // stays, and the bytes in place are not its text
  TokenText cut("0123456789abcdefgh");
  while (cut.size() > 10) cut.pop_back();
  cut += "++";
  EXPECT_EQ(cut, "0123456789++");

  TokenText moved(long1);
  const char* block = moved.data();
  TokenText taker(std::move(moved));
  EXPECT_EQ(taker.data(), block);  // an owned block changes hands
  EXPECT_TRUE(moved.empty());
}

TEST(TokenText, LongTokensReferToTheListsTextAndCopiesOwnTheirs) {
  TokenList tokens;
  const std::string comment = "; a comment longer than fifteen bytes";
  TokenizeText(tokens, "x = 1 " + comment + "\n");
  Token* last = nullptr;
  for (Token& t : tokens)
    if (t.Kind == KindComment) last = &t;
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->Text, comment);
  Token copy = *last;
  Token moved = std::move(*last);
  TokenizeText(tokens, "y = 2\n");  // the old text is gone
  EXPECT_EQ(copy.Text, comment);
  EXPECT_EQ(moved.Text, comment);
  copy.Text += "!";
  EXPECT_EQ(copy.Text, comment + "!");

  // the arena's blocks: texts across their ends, and one longer than a block
  std::string text, huge = "\"" + std::string(100000, 'h') + "\"";
  for (int i = 0; i < 3000; ++i) text += "; comment number " + std::to_string(i) + "\n";
  text += "s$ = " + huge + "\n; the end of it all\n";
  TokenizeText(tokens, text);
  std::vector<std::string> longOnes;
  for (const Token& t : tokens)
    if (t.Text.size() > TokenText::kInline) longOnes.push_back(t.Text);
  ASSERT_EQ(longOnes.size(), 3002u);
  EXPECT_EQ(longOnes[2999], "; comment number 2999");
  EXPECT_EQ(longOnes[3000], huge);
  EXPECT_EQ(longOnes[3001], "; the end of it all");
}

}  // namespace
}  // namespace korvex
