// SPDX-License-Identifier: MIT
#include <fcntl.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "core/tools/dos_runner.h"

extern char** environ;

namespace qorl {
namespace {

// argv for exec: program, the arguments, a final null. Pointers into the given strings.
std::vector<char*> ArgvOf(const std::string& program, const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  argv.reserve(arguments.size() + 2);
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  return argv;
}

int ExitStatusOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

std::string PathVariable() {
  const char* path = std::getenv("PATH");
  return path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
}

// Reports errno of a failed step in the grandchild of StartDetached and leaves.
[[noreturn]] void FailInChild(int pipeFd) {
  const int error = errno;
  [[maybe_unused]] const ssize_t written = write(pipeFd, &error, sizeof error);
  _exit(127);
}

}  // namespace

std::string FindDosInterpreter() {
  return FindOnPath("dosbox", PathVariable());
}

int RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& workingDir, const WaitPollCallback& poll, int* exitStatus) {
  if (exitStatus != nullptr) *exitStatus = -1;
  std::vector<char*> argv = ArgvOf(program, arguments);
  posix_spawn_file_actions_t actions;
  int error = posix_spawn_file_actions_init(&actions);
  if (error != 0) return error;
  if (!workingDir.empty())
    error = posix_spawn_file_actions_addchdir_np(&actions, workingDir.c_str());
  pid_t pid = -1;
  if (error == 0)
    error = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return error;

  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      if (exitStatus != nullptr) *exitStatus = ExitStatusOf(status);
      return 0;
    }
    if (done < 0 && errno != EINTR) return 0;  // already reaped elsewhere: it has ended
    if (done == 0) {
      if (poll && !poll()) return 0;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
}

int StartDetached(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& workingDir) {
  // Resolve the program first: between fork and exec only async-signal-safe calls are made.
  const std::string resolved =
      program.find('/') != std::string::npos ? program : FindOnPath(program, PathVariable());
  if (resolved.empty()) return ENOENT;
  std::vector<char*> argv = ArgvOf(program, arguments);
  const char* directory = workingDir.empty() ? nullptr : workingDir.c_str();

  // The grandchild reports a failed chdir or exec through the pipe; a successful exec closes it.
  int fds[2];
  if (pipe(fds) != 0) return errno;
  for (int fd : fds) fcntl(fd, F_SETFD, FD_CLOEXEC);

  const pid_t child = fork();
  if (child < 0) {
    const int error = errno;
    close(fds[0]);
    close(fds[1]);
    return error;
  }
  if (child == 0) {
    close(fds[0]);
    const pid_t grandchild = fork();
    if (grandchild < 0) FailInChild(fds[1]);
    if (grandchild > 0) _exit(0);  // the grandchild is adopted by init, which reaps it
    setsid();
    if (directory != nullptr && chdir(directory) != 0) FailInChild(fds[1]);
    execve(resolved.c_str(), argv.data(), environ);
    FailInChild(fds[1]);
  }

  close(fds[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got = 0;
  do {
    got = read(fds[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  close(fds[0]);
  if (got == static_cast<ssize_t>(sizeof error)) return error != 0 ? error : ECHILD;
  if (WIFEXITED(status) && WEXITSTATUS(status) != 0) return ECHILD;
  return 0;
}

}  // namespace qorl
