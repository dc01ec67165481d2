// SPDX-License-Identifier: MIT
// Launches two programs in turn and compares their start-up and idle cost.
//
//   startup_runner [--runs N] [--idle SECONDS] PROGRAM REFERENCE
//
// Start-up: each program runs N times with --quit-after-first-paint, the two
// alternating (the order swaps every round, so neither always comes first).
// The time of one run is from just before the process is spawned until the
// moment the program reports its first paint (both read the same monotonic
// clock); beside it, the CPU time the program had used by then (less
// sensitive to other load on the machine). The peak resident set is the child's maximum RSS as the kernel
// reports it at exit. One unrecorded round first warms the file cache.
//
// Idle (when SECONDS > 0): the program, the reference and the reference with
// --one-second-timer (an idle timer that ticks as a countdown does) are
// started together, left to settle, and the CPU time all their threads use
// over the next SECONDS seconds is read from the scheduler's per-thread
// statistics (nanoseconds), together with the number of times they ran.
//
// Linux only (posix_spawn, wait4, /proc).
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Launch {
  double milliseconds = 0;    // process start to first paint, wall clock
  double cpuMilliseconds = 0; // CPU time the process used until then
  double peakMegabytes = 0;
};

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "startup_runner: %s\n", what.c_str());
  std::exit(2);
}

pid_t spawn(const std::string& program, const std::vector<std::string>& arguments, int stdoutFd) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments)
    argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
  pid_t pid = 0;
  const int error = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0)
    fail("cannot start " + program + ": " + std::strerror(error));
  return pid;
}

void stop(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
}

// One start-up run: spawn with the switch, read the first-paint line, wait for the exit.
Launch launchOnce(const std::string& program) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0)
    fail("pipe failed");
  const Clock::time_point start = Clock::now();
  const pid_t pid = spawn(program, {"--quit-after-first-paint"}, pipeFds[1]);
  close(pipeFds[1]);
  std::string output;
  char buffer[256];
  // A program that never reports (one without the switch) is stopped after 30 s.
  for (;;) {
    pollfd ready{pipeFds[0], POLLIN, 0};
    if (poll(&ready, 1, 30000) == 0) {
      stop(pid);
      fail(program + " did not report its first paint within 30 s (does it take --quit-after-first-paint?)");
    }
    const ssize_t n = read(pipeFds[0], buffer, sizeof buffer);
    if (n == 0)
      break;
    if (n < 0)
      fail("reading the output of " + program + " failed");
    output.append(buffer, size_t(n));
  }
  close(pipeFds[0]);
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid)
    fail("wait4 failed");
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    fail(program + " did not exit normally (status " + std::to_string(status) + ")");
  const std::size_t at = output.find("first-paint ");
  if (at == std::string::npos)
    fail(program + " reported no first paint; its output was: " + output);
  long long paintedNs = 0, cpuNs = 0;
  if (std::sscanf(output.c_str() + at, "first-paint %lld cpu %lld", &paintedNs, &cpuNs) != 2)
    fail(program + " reported its first paint in an unknown form: " + output);
  const long long startNs = std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count();
  Launch launch;
  launch.milliseconds = double(paintedNs - startNs) / 1e6;
  launch.cpuMilliseconds = double(cpuNs) / 1e6;
  launch.peakMegabytes = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in kilobytes
  return launch;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct CpuSample {
  long long nanoseconds = 0;
  long long wakeups = 0;
};

// CPU time and run count of all threads of `pid` (/proc/PID/task/*/schedstat:
// time on the CPU in ns, time waiting to run, number of times run).
CpuSample cpuOf(pid_t pid) {
  CpuSample sample;
  const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(taskDir.c_str());
  if (!dir)
    fail("cannot read " + taskDir);
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.')
      continue;
    std::ifstream in(taskDir + "/" + entry->d_name + "/schedstat");
    long long onCpu = 0, waiting = 0, runs = 0;
    if (in >> onCpu >> waiting >> runs) {
      sample.nanoseconds += onCpu;
      sample.wakeups += runs;
    }
  }
  closedir(dir);
  return sample;
}

int parseCount(const char* text, const char* option) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (!end || *end != '\0' || value < 0 || value > 100000)
    fail(std::string(option) + " expects a whole number, not \"" + text + "\"");
  return int(value);
}

} // namespace

int main(int argc, char** argv) {
  int runs = 30;
  int idleSeconds = 0;
  std::vector<std::string> programs;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if ((argument == "--runs" || argument == "--idle") && i + 1 < argc) {
      (argument == "--runs" ? runs : idleSeconds) = parseCount(argv[i + 1], argv[i]);
      ++i;
    } else
      programs.push_back(argument);
  }
  if (programs.size() != 2 || runs < 1)
    fail("usage: startup_runner [--runs N] [--idle SECONDS] PROGRAM REFERENCE");
  const char* const names[2] = {"program", "reference"};

  // Start-up
  launchOnce(programs[0]);
  launchOnce(programs[1]);
  std::vector<double> times[2], cpus[2], peaks[2];
  for (int round = 0; round < runs; ++round) {
    for (int k = 0; k < 2; ++k) {
      const int which = (round % 2 == 0) ? k : 1 - k;
      const Launch launch = launchOnce(programs[which]);
      times[which].push_back(launch.milliseconds);
      cpus[which].push_back(launch.cpuMilliseconds);
      peaks[which].push_back(launch.peakMegabytes);
    }
  }
  std::printf("Start-up, %d runs each, alternating (process start to first paint):\n", runs);
  std::printf("  %-10s %10s %10s %10s %12s %14s\n", "", "median ms", "min ms", "max ms", "CPU ms", "peak RSS MB");
  for (int which = 0; which < 2; ++which)
    std::printf("  %-10s %10.1f %10.1f %10.1f %12.1f %14.1f\n", names[which], median(times[which]),
                *std::min_element(times[which].begin(), times[which].end()),
                *std::max_element(times[which].begin(), times[which].end()), median(cpus[which]), median(peaks[which]));
  std::printf("  time ratio (program / reference, medians):     %.2f\n", median(times[0]) / median(times[1]));
  std::printf("  CPU time ratio (medians):                      %.2f\n", median(cpus[0]) / median(cpus[1]));
  std::printf("  peak RSS ratio (program / reference, medians): %.2f\n", median(peaks[0]) / median(peaks[1]));

  // Idle
  if (idleSeconds > 0) {
    struct Idle {
      const char* name;
      std::string program;
      std::vector<std::string> arguments;
      pid_t pid = 0;
      CpuSample before, after;
      double milliseconds() const { return double(after.nanoseconds - before.nanoseconds) / 1e6; }
    };
    Idle idle[3] = {{"program", programs[0], {}, 0, {}, {}},
                    {"reference", programs[1], {}, 0, {}, {}},
                    {"reference + 1 s timer", programs[1], {"--one-second-timer"}, 0, {}, {}}};
    const int devNull = open("/dev/null", O_WRONLY);
    for (Idle& run : idle)
      run.pid = spawn(run.program, run.arguments, devNull);
    close(devNull);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    for (Idle& run : idle)
      run.before = cpuOf(run.pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    for (Idle& run : idle)
      run.after = cpuOf(run.pid);
    for (Idle& run : idle)
      stop(run.pid);
    std::printf("Idle, the windows open side by side, %d s after 3 s to settle:\n", idleSeconds);
    for (const Idle& run : idle)
      std::printf("  %-22s %8.2f ms CPU, %lld times run\n", run.name, run.milliseconds(),
                  run.after.wakeups - run.before.wakeups);
    for (int which = 1; which < 3; ++which)
      std::printf("  CPU ratio (program / %s): %.2f\n", idle[which].name,
                  idle[which].milliseconds() > 0 ? idle[0].milliseconds() / idle[which].milliseconds() : 0.0);
  }
  return 0;
}
