// Ending an item's process: its whole process group goes, by SIGTERM or, held out, by SIGKILL.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "TempDir.h"
#include "platform/Process.h"

namespace {

using Clock = std::chrono::steady_clock;

// Gone, or a zombie that is no one's to reap here.
bool ProcessGone(int pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  if (!stat) return ::kill(pid, 0) != 0;
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  const auto close = text.rfind(')');
  return close != std::string::npos && close + 2 < text.size() && text[close + 2] == 'Z';
}

bool AllGone(const std::vector<int>& pids) {
  for (const int pid : pids)
    if (!ProcessGone(pid)) return false;
  return true;
}

class ProcessEnd : public ::testing::Test {
 protected:
  // Runs `script` with sh; it writes the pids of what it starts to the file "pids", one a line,
  // and "ready" once all is set up.
  std::unique_ptr<platform::Process> Run(const std::string& script) {
    auto started = platform::SpawnProgram("/bin/sh", {"sh", "-c", script}, dir.path().string());
    EXPECT_TRUE(started.process) << started.error;
    return std::move(started.process);
  }
  // The `count` pids the script wrote, once it says it is ready.
  std::vector<int> Pids(size_t count) {
    const auto deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
      std::istringstream lines(dir.read("pids"));
      std::vector<int> pids;
      bool ready = false;
      for (std::string line; std::getline(lines, line);) {
        if (line == "ready")
          ready = true;
        else if (!line.empty())
          pids.push_back(std::stoi(line));
      }
      if (ready && pids.size() == count) return pids;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ADD_FAILURE() << "the script never got ready";
    return {};
  }

  TempDir dir;
};

}  // namespace

TEST_F(ProcessEnd, EndsTheProcessAndWhatItStartedAndSaysSoOnce) {
  auto process =
      Run("sleep 60 & echo $! >> pids; sleep 60 & echo $! >> pids; echo $$ >> pids; "
          "echo ready >> pids; wait");
  const std::vector<int> pids = Pids(3);
  ASSERT_EQ(pids.size(), 3u);
  // Not ended, it runs on: waiting stops at the time-out.
  EXPECT_FALSE(process->WaitFor(50));

  const auto asked = Clock::now();
  EXPECT_TRUE(process->End());
  EXPECT_TRUE(process->WaitFor(20000));
  EXPECT_LT(Clock::now() - asked, std::chrono::milliseconds(platform::Process::kEndGraceMs))
      << "SIGTERM was enough; nothing had to wait for SIGKILL";
  EXPECT_EQ(process->ExitStatus(), 128 + SIGTERM);
  EXPECT_TRUE(AllGone(pids));
  // Ending again is harmless.
  EXPECT_TRUE(process->End());
  EXPECT_TRUE(process->WaitFor(0));
}

TEST_F(ProcessEnd, WhatHoldsOutAgainstSigtermIsKilledAfterTheGraceTime) {
  // The shell itself ends on SIGTERM; its child ignores it.
  auto process = Run("(trap '' TERM; echo ready >> pids; exec sleep 60) & echo $! >> pids; wait");
  const std::vector<int> pids = Pids(1);
  ASSERT_EQ(pids.size(), 1u);

  const auto asked = Clock::now();
  ASSERT_TRUE(process->End());
  // The leader is gone soon, but the wait goes on for the rest of its group.
  EXPECT_FALSE(process->WaitFor(1000));
  EXPECT_FALSE(ProcessGone(pids[0]));
  EXPECT_TRUE(process->WaitFor(20000));
  EXPECT_GE(Clock::now() - asked, std::chrono::milliseconds(platform::Process::kEndGraceMs));
  const auto deadline = Clock::now() + std::chrono::seconds(10);
  while (!ProcessGone(pids[0]) && Clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(ProcessGone(pids[0]));
}

TEST_F(ProcessEnd, AnEndedProcessNobodyWaitsForIsStillKilled) {
  auto process =
      Run("trap '' TERM; sleep 60 & echo $! >> pids; echo $$ >> pids; "
          "echo ready >> pids; wait");
  const std::vector<int> pids = Pids(2);
  ASSERT_EQ(pids.size(), 2u);
  ASSERT_TRUE(process->End());
  process.reset();
  const auto deadline = Clock::now() + std::chrono::seconds(20);
  while (!AllGone(pids) && Clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_TRUE(AllGone(pids));
}
