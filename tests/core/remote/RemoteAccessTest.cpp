// Who may use the web remote: the PIN, its lockout, the sessions, and requests addressed to it.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "core/remote/RemoteAccess.h"

namespace {

using std::chrono::seconds;

struct Access {
  std::chrono::steady_clock::time_point now{std::chrono::hours(1)};
  int drawn = 0;
  RemoteAccess access{[this] { return now; }, [this] { return "t" + std::to_string(++drawn); }};
  Access() { access.SetPin("123456"); }
};

}  // namespace

TEST(RemoteAccess, FiveWrongPinsLockTheirAddressOutForAMinute) {
  Access a;
  // A right PIN resets the count: four wrong, right, four wrong still leave the address in.
  for (int i = 0; i < 4; ++i) EXPECT_EQ(a.access.LogIn("10.0.0.1", "000000").refusal, "wrong PIN");
  EXPECT_EQ(a.access.LogIn("10.0.0.1", "123456").token, "t1");
  for (int i = 0; i < 4; ++i) a.access.LogIn("10.0.0.1", "000000");
  EXPECT_EQ(a.access.LogIn("10.0.0.1", "123456").token, "t2");

  for (int i = 0; i < 5; ++i) EXPECT_FALSE(a.access.LogIn("10.0.0.1", "12345").lockedOut);
  a.now += seconds(20);
  const RemoteAccess::Login locked = a.access.LogIn("10.0.0.1", "123456");
  EXPECT_TRUE(locked.lockedOut);
  EXPECT_EQ(locked.token, "");
  EXPECT_EQ(locked.refusal, "too many wrong PINs from 10.0.0.1: try again in 40 s");
  EXPECT_EQ(a.access.LogIn("10.0.0.2", "123456").token, "t3");  // another address is not locked
  a.now += seconds(39);
  EXPECT_TRUE(a.access.LogIn("10.0.0.1", "123456").lockedOut);
  a.now += seconds(1);
  EXPECT_EQ(a.access.LogIn("10.0.0.1", "123456").token, "t4");
}

TEST(RemoteAccess, AFloodOfAddressesDoesNotLiftALockout) {
  Access a;
  for (int i = 0; i < 5; ++i) a.access.LogIn("10.0.0.1", "0");
  for (int i = 0; i < 3000; ++i) a.access.LogIn("10.1." + std::to_string(i), "0");
  EXPECT_TRUE(a.access.LogIn("10.0.0.1", "123456").lockedOut);
}

TEST(RemoteAccess, SessionsAreCappedAndEndWithANewPin) {
  Access a;
  for (size_t i = 0; i < RemoteAccess::kMaxSessions + 1; ++i) a.access.LogIn("10.0.0.1", "123456");
  EXPECT_EQ(a.access.Sessions(), RemoteAccess::kMaxSessions);
  EXPECT_FALSE(a.access.HoldsSession("t1"));  // the oldest went
  EXPECT_TRUE(a.access.HoldsSession("t2"));
  EXPECT_TRUE(a.access.HoldsSession("t65"));
  EXPECT_FALSE(a.access.HoldsSession("t"));  // a prefix is no token
  EXPECT_FALSE(a.access.HoldsSession(""));

  a.access.SetPin("654321");
  EXPECT_EQ(a.access.Sessions(), 0u);
  EXPECT_FALSE(a.access.HoldsSession("t65"));
  EXPECT_EQ(a.access.LogIn("10.0.0.1", "123456").refusal, "wrong PIN");
  a.access.SetPin("");  // no PIN: nobody gets in, not even with an empty one
  EXPECT_EQ(a.access.LogIn("10.0.0.2", "").refusal, "wrong PIN");
}

TEST(RemoteAccess, HostAndOriginMustNameTheRemoteItself) {
  EXPECT_TRUE(HostAllowed("192.168.1.5:53180", "", "192.168.1.5", 53180));
  EXPECT_TRUE(HostAllowed("192.168.1.5:53180", "http://192.168.1.5:53180", "192.168.1.5", 53180));
  EXPECT_FALSE(HostAllowed("", "", "192.168.1.5", 53180));
  EXPECT_FALSE(HostAllowed("evil.example:53180", "", "192.168.1.5", 53180));  // DNS rebinding
  EXPECT_FALSE(HostAllowed("192.168.1.5:53181", "", "192.168.1.5", 53180));
  EXPECT_FALSE(HostAllowed("192.168.1.5", "", "192.168.1.5", 53180));
  EXPECT_FALSE(HostAllowed("192.168.1.5:53180", "http://evil.example", "192.168.1.5", 53180));
  EXPECT_FALSE(HostAllowed("192.168.1.5:53180", "null", "192.168.1.5", 53180));
  EXPECT_FALSE(HostAllowed("192.168.1.5:53180", "https://192.168.1.5:53180", "192.168.1.5", 53180));
  // localhost only for a loopback address.
  EXPECT_TRUE(HostAllowed("localhost:53180", "http://localhost:53180", "127.0.0.1", 53180));
  EXPECT_TRUE(HostAllowed("LocalHost:53180", "", "::1", 53180));
  EXPECT_FALSE(HostAllowed("localhost:53180", "", "192.168.1.5", 53180));
  // IPv6 in brackets; an IPv4 address mapped into IPv6 by its IPv4 form; port 80 may be left out.
  EXPECT_TRUE(HostAllowed("[fd00::5]:53180", "http://[FD00::5]:53180", "fd00::5", 53180));
  EXPECT_FALSE(HostAllowed("fd00::5:53180", "", "fd00::5", 53180));
  EXPECT_TRUE(HostAllowed("192.168.1.5:53180", "", "::ffff:192.168.1.5", 53180));
  EXPECT_TRUE(HostAllowed("192.168.1.5", "http://192.168.1.5", "192.168.1.5", 80));
}
