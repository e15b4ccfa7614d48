// Reading a request's head as it arrives: complete only at its blank line, strict on its form,
// bounded in size.
#include <gtest/gtest.h>

#include <string>

#include "core/remote/HttpHead.h"

TEST(HttpHead, CompleteOnlyAtTheBlankLineWhateverTheReadsAre) {
  const std::string head =
      "POST /api/goto/3?x=1 HTTP/1.1\r\nHost: 127.0.0.1:53180\r\n"
      "X-Quadrel-Token:\t abc \r\nX-Empty:\r\nhost2: b\r\n\r\n";
  const std::string bytes = head + "{\"body\":1}";
  HttpHead out;
  for (size_t size = 0; size < head.size(); ++size)
    ASSERT_EQ(ParseHttpHead(std::string_view(bytes).substr(0, size), out), HeadStatus::Incomplete)
        << size;
  ASSERT_EQ(ParseHttpHead(bytes, out), HeadStatus::Complete);
  EXPECT_EQ(out.method, "POST");
  EXPECT_EQ(out.target, "/api/goto/3?x=1");
  EXPECT_EQ(out.version, "HTTP/1.1");
  EXPECT_EQ(out.length, head.size());
  EXPECT_EQ(out.headers.size(), 4u);
  EXPECT_EQ(out.Header("x-quadrel-token"), "abc");
  EXPECT_EQ(out.Header("x-empty"), "");
  EXPECT_EQ(out.Header("missing"), "");

  // Bare LF ends lines too.
  ASSERT_EQ(ParseHttpHead("GET / HTTP/1.0\nHost: a\n\nrest", out), HeadStatus::Complete);
  EXPECT_EQ(out.Header("host"), "a");
  EXPECT_EQ(out.length, 24u);
}

TEST(HttpHead, BadFormsAreRefusedAsSoonAsTheirLineIsIn) {
  for (const std::string bad : {
           "get / HTTP/1.1\r\n",                        // method not upper case
           "GET  / HTTP/1.1\r\n",                       // two blanks
           "GET http://a/ HTTP/1.1\r\n",                // not origin form
           "GET /a b HTTP/1.1\r\n",                     // blank in the target
           "GET /a\x01 HTTP/1.1\r\n",                   // control byte in the target
           "GET /\xC3\xA9 HTTP/1.1\r\n",                // not ASCII
           "GET / HTTP/2.0\r\n",                        // version
           "GET / HTTP/1.1 \r\n",                       // trailing blank
           "\r\nGET / HTTP/1.1\r\n",                    // empty line first
           "GET / HTTP/1.1\r\nHost: a\r\n folded\r\n",  // obsolete folding
           "GET / HTTP/1.1\r\nHost : a\r\n",            // blank before the colon
           "GET / HTTP/1.1\r\nno colon\r\n",            // no colon
           "GET / HTTP/1.1\r\nA(b): c\r\n",             // name no token
           "GET / HTTP/1.1\r\nA: b\rc\r\n",             // bare CR inside a value
           "GET / HTTP/1.1\r\nHost: a\r\nHOST: b\r\n",  // two Hosts
       }) {
    HttpHead out;
    EXPECT_EQ(ParseHttpHead(bad, out), HeadStatus::Bad) << bad;
  }
}

TEST(HttpHead, TooLargeAtTheLimitsAndNotBefore) {
  HttpHead out;
  std::string head = "GET / HTTP/1.1\r\n";
  for (size_t i = 0; i < kMaxHeaders; ++i) head += "h" + std::to_string(i) + ": v\r\n";
  EXPECT_EQ(ParseHttpHead(head + "\r\n", out), HeadStatus::Complete);
  EXPECT_EQ(ParseHttpHead(head + "one: more\r\n\r\n", out), HeadStatus::TooLarge);

  // A head of exactly the limit passes; one byte more, or the limit reached without its end, not.
  std::string big = "GET / HTTP/1.1\r\nx: ";
  big += std::string(kMaxHeadBytes - big.size() - 4, 'a') + "\r\n\r\n";
  ASSERT_EQ(big.size(), kMaxHeadBytes);
  EXPECT_EQ(ParseHttpHead(big, out), HeadStatus::Complete);
  EXPECT_EQ(ParseHttpHead("GET / HTTP/1.1\r\nx: a" + big.substr(19), out), HeadStatus::TooLarge);
  const std::string open = big.substr(0, kMaxHeadBytes - 4);
  EXPECT_EQ(ParseHttpHead(open.substr(0, kMaxHeadBytes - 5), out), HeadStatus::Incomplete);
  EXPECT_EQ(ParseHttpHead(open + "bbbb", out), HeadStatus::TooLarge);
}
